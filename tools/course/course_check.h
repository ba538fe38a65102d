// The course check: whether a course's holes are what their pictures show and whether a ball
// stays on them. Every diagonal or arc wall must be shown by the block pictures it crosses and
// every wall a picture shows must be there; tee and cup lie on floor clear of the walls; and the
// floor the ball's centre can reach from the tee ends only at walls and hazard cells.
#pragma once

#include <string>
#include <vector>

#include "golf/course_entry.h"
#include "golf/course_source.h"

namespace course {

// The ball's radius, and how far the ball on the tee or in the cup must clear every wall:
// ball radius plus one pixel, so that neither overlaps nor touches a wall.
inline constexpr double kBallRadius = 3.5;
inline constexpr double kTeeCupClearance = kBallRadius + 1.0;
// How far a wall may stray from the wall a picture shows and still be the same wall.
inline constexpr double kPictureTolerance = 1.5;
// A hole with more walls than this is checked for its holes and cells only.
inline constexpr int kMostWallsChecked = 1000;

struct Problem {
  int where = 0;  // a source line, or a byte offset into an entry
  std::string what;
};

struct CheckOptions {
  // "line" for sources, "byte" for entries: how a message names another statement.
  std::string placeWord = "line";
  // The course must hold every hole 0..17 (what the game plays).
  bool fullCourse = false;
  // Where problems of the whole course are reported.
  int courseWhere = 1;
};

// Checks every hole; `places` holds the source lines (or entry offsets) of each hole's parts,
// one per record. The problems come in order of place.
std::vector<Problem> CheckCourse(const std::vector<golf::HoleRecord>& holes,
                                 const std::vector<golf::HoleSourceLines>& places,
                                 const CheckOptions& options);

// The byte offsets of each record's parts in the entry that WriteCourseEntry makes of `holes`.
std::vector<golf::HoleSourceLines> EntryPlaces(const std::vector<golf::HoleRecord>& holes);

}  // namespace course
