// The course source: a readable text form of a course entry, one file per course, that
// compiles to the entry's exact bytes and that any well-formed entry decompiles to.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "golf/course_entry.h"

namespace golf {

// Parses a course source. On failure returns false with error "FILE:LINE: what is wrong".
bool ParseCourseSource(std::string_view text, std::string_view fileName,
                       std::vector<HoleRecord>& holes, std::string& error);

// The source lines (counted from 1) a hole's parts stand on, for tools that report problems
// by line.
struct HoleSourceLines {
  int hole = 0;
  std::array<int, 9> gridRows{};
  int tee = 0;
  int cup = 0;
  std::vector<int> walls;  // one per wall record, in order
  int end = 0;
};

// The same parse, also giving each hole's lines (one entry per hole record) when `lines` is
// not null; what it accepts and the records it gives are unchanged.
bool ParseCourseSource(std::string_view text, std::string_view fileName,
                       std::vector<HoleRecord>& holes, std::string& error,
                       std::vector<HoleSourceLines>* lines);

// Writes the source of a list of hole records; parsing it gives the same records.
std::string WriteCourseSource(const std::vector<HoleRecord>& holes);

// The grid token of a block code ("01", "09/90", "14r/180", "--", "ML", "#64") and the
// code of a token (block names such as "block09_090" too); false for an unknown token.
std::string BlockToken(uint8_t code);
bool BlockCodeOfToken(std::string_view token, uint8_t& code);

}  // namespace golf
