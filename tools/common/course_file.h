// A course given to a tool on the command line: a course entry file as the archive holds
// it, or a course source (text, or any name ending in .course) compiled to an entry.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "golf/course_entry.h"
#include "golf/course_source.h"
#include "tools/common/whole_file.h"

namespace tools {

// The entry's bytes of the course at `path`. False with a message ("cannot read FILE",
// or the source's "FILE:LINE: what is wrong") when the file cannot be read or parsed.
// An entry file is taken as it is: its records are checked only when a hole is loaded.
inline bool LoadCourseFile(const std::string& path, std::vector<uint8_t>& entry,
                           std::string& error) {
  std::string data;
  if (!ReadWholeFile(path, data)) {
    error = "cannot read " + path;
    return false;
  }
  // A source is text; an entry starts with a hole index (0..17) or its closing 0xFF.
  const std::string suffix = ".course";
  const bool named = path.size() >= suffix.size() &&
                     path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0;
  const bool text = !data.empty() && data[0] >= 0x20 && data[0] < 0x7F;
  if (named || text) {
    std::vector<golf::HoleRecord> holes;
    if (!golf::ParseCourseSource(data, path, holes, error)) return false;
    entry = golf::WriteCourseEntry(holes);
  } else {
    entry.assign(data.begin(), data.end());
  }
  return true;
}

}  // namespace tools
