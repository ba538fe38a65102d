// Pixel-exact comparison of two screens with masked rectangles: the rectangles that differ, and
// the pictures that show where (both screens and a difference picture).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "program/tests/wine/desktop_capture.h"

namespace program::wine {

struct Area {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool Contains(int px, int py) const {
    return x <= px && px < x + width && y <= py && py < y + height;
  }
  bool operator==(const Area&) const = default;
};

// A rectangle left out of a comparison, and why.
struct Mask {
  Area area;
  std::string reason;
};

// The bounding rectangles of the groups of differing pixels outside the masks (pixels closer
// than `gap` to each other belong to one group), top to bottom. Pictures of different sizes
// differ as a whole.
std::vector<Area> DifferingAreas(const Picture& expected, const Picture& actual,
                                 const std::vector<Mask>& masks, int gap = 2);

// The groups of pixels that change between the first of `frames` and any other: what animates
// on a screen sampled over time.
std::vector<Area> ChangingAreas(const std::vector<Picture>& frames, int gap = 2);

// Whether `area` holds the same pixels in both pictures (of one size).
bool SameInside(const Picture& first, const Picture& second, const Area& area);

// "x,y wxh; ..." for a failure message.
std::string DescribeAreas(const std::vector<Area>& areas);

// Writes NAME-linux.png, NAME-windows.png and NAME-diff.png (the expected screen dimmed, differing
// pixels red, masked ones blue) into `folder`; false with a reason when a file cannot be written.
bool WriteComparison(const std::filesystem::path& folder, const std::string& name,
                     const Picture& expected, const Picture& actual, const std::vector<Mask>& masks,
                     std::string& error);

}  // namespace program::wine
