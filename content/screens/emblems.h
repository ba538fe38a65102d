// The five courses' names, colours and round emblems (a flower, a flag, a cactus, a cratered
// moon, the red planet), for the course buttons and the score card faces.
#pragma once

#include <string_view>

#include "content/art/canvas.h"

namespace content::screens {

inline constexpr int kCourseCount = 5;

struct CourseLook {
  std::string_view name;
  Rgb colour;  // the course's ground
  Rgb deep;    // a darker tone for bands and outlines
};

CourseLook CourseOf(int course);  // course 0..4

// The emblem: a disc of radius r around (cx, cy) with the course's motif.
void DrawCourseEmblem(Canvas& c, double cx, double cy, double r, int course);

}  // namespace content::screens
