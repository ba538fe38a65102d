// Fuzz target: the course source parser on arbitrary text; whatever parses must write
// back to a source that parses to the same records.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "golf/course_entry.h"
#include "golf/course_source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<golf::HoleRecord> holes;
  std::string error;
  if (!golf::ParseCourseSource(text, "fuzz", holes, error)) return 0;
  const auto bytes = golf::WriteCourseEntry(holes);
  std::vector<golf::HoleRecord> again;
  if (!golf::ParseCourseSource(golf::WriteCourseSource(holes), "fuzz", again, error)) abort();
  if (golf::WriteCourseEntry(again) != bytes) abort();
  std::vector<golf::HoleRecord> read;
  if (!golf::ReadCourseEntry(bytes, read, error)) abort();
  return 0;
}
