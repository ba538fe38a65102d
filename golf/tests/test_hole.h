// Test helpers: course entries built in memory from course source text, and a flat hole
// with chosen walls for contact tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "golf/course_source.h"

namespace golf::testing {

// The entry bytes of a course source; the test fails on a parse error.
inline std::vector<uint8_t> CourseBytes(const std::string& source) {
  std::vector<HoleRecord> holes;
  std::string error;
  EXPECT_TRUE(ParseCourseSource(source, "test", holes, error)) << error;
  return WriteCourseEntry(holes);
}

// The source tree, where the test data lives.
inline std::string SourceRoot() {
  return PT_GOLF_SOURCE_ROOT;
}

// A hole of flat blocks (the grid rows given replace the first rows) with the lines that
// follow the grid: tee, cup, walls, end.
inline std::string FlatHole(int index, const std::string& body,
                            const std::vector<std::string>& rows = {}) {
  std::string text = "hole " + std::to_string(index) + "\ngrid\n";
  for (std::size_t r = 0; r < 9; ++r) {
    text += r < rows.size() ? rows[r] : "01 01 01 01 01 01 01 01 01 01";
    text += "\n";
  }
  return text + body + "\nend\n";
}

}  // namespace golf::testing
