// The screen comparison's grouping of differing pixels into rectangles, and its masks.
#include "program/tests/wine/pixel_compare.h"

#include <gtest/gtest.h>

namespace program::wine {
namespace {

Picture Plain(int width, int height, uint32_t colour) {
  return {width, height, std::vector<uint32_t>(size_t(width) * size_t(height), colour)};
}

void Paint(Picture& picture, Area area, uint32_t colour) {
  for (int y = area.y; y < area.y + area.height; ++y) {
    for (int x = area.x; x < area.x + area.width; ++x)
      picture.pixels[size_t(y) * size_t(picture.width) + size_t(x)] = colour;
  }
}

TEST(PixelCompareTest, GroupsDifferingPixelsIntoRectangles) {
  const Picture expected = Plain(40, 30, 0x123456);
  Picture actual = expected;
  EXPECT_TRUE(DifferingAreas(expected, actual, {}).empty());

  Paint(actual, {2, 3, 4, 2}, 0);
  Paint(actual, {30, 20, 1, 1}, 0);
  // Two pixels with one equal pixel between them are one group.
  Paint(actual, {10, 10, 1, 1}, 0);
  Paint(actual, {12, 11, 1, 1}, 0);
  const std::vector<Area> areas = DifferingAreas(expected, actual, {});
  ASSERT_EQ(areas.size(), 3u) << DescribeAreas(areas);
  EXPECT_EQ(areas[0], (Area{2, 3, 4, 2}));
  EXPECT_EQ(areas[1], (Area{10, 10, 3, 2}));
  EXPECT_EQ(areas[2], (Area{30, 20, 1, 1}));
  EXPECT_EQ(DescribeAreas(areas), "2,3 4x2; 10,10 3x2; 30,20 1x1");
}

TEST(PixelCompareTest, MasksHideOnlyTheirOwnRectangle) {
  const Picture expected = Plain(20, 20, 0xFFFFFF);
  Picture actual = expected;
  Paint(actual, {5, 5, 6, 2}, 0);
  // The mask covers all but the last column of the difference.
  const std::vector<Area> areas = DifferingAreas(expected, actual, {{{5, 5, 5, 2}, "text"}});
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_EQ(areas[0], (Area{10, 5, 1, 2}));
  EXPECT_TRUE(DifferingAreas(expected, actual, {{{0, 0, 20, 20}, "all"}}).empty());
}

// Two animated spots over three frames: each is found once, with the union of its changes.
TEST(PixelCompareTest, ChangingAreasCoverEveryFrame) {
  const Picture first = Plain(30, 30, 0);
  Picture second = first, third = first;
  Paint(second, {2, 2, 3, 3}, 1);
  Paint(third, {4, 4, 2, 2}, 1);
  Paint(third, {20, 20, 1, 4}, 1);
  const std::vector<Area> areas = ChangingAreas({first, second, third});
  ASSERT_EQ(areas.size(), 2u) << DescribeAreas(areas);
  EXPECT_EQ(areas[0], (Area{2, 2, 4, 4}));
  EXPECT_EQ(areas[1], (Area{20, 20, 1, 4}));
  EXPECT_TRUE(SameInside(first, third, {0, 0, 4, 4}));
  EXPECT_FALSE(SameInside(first, third, {0, 0, 5, 5}));
}

TEST(PixelCompareTest, PicturesOfDifferentSizesDifferAsAWhole) {
  const std::vector<Area> areas =
      DifferingAreas(Plain(10, 10, 0), Plain(10, 12, 0), {{{0, 0, 10, 12}, "all"}});
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_EQ(areas[0], (Area{0, 0, 10, 12}));
}

}  // namespace
}  // namespace program::wine
