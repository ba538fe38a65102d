// Lines, rectangles, rounded rectangles and mix modes on tiny surfaces.
#include <gtest/gtest.h>

#include "gdi_test_util.h"

using gdi_test::Canvas;

TEST(Lines, PolylineLeavesOutTheLastPoint) {
  Canvas c(6, 3);
  SelectObject(c.dc, GetStockObject(BLACK_PEN));
  const POINT points[] = {{0, 1}, {4, 1}};
  ASSERT_TRUE(Polyline(c.dc, points, 2));
  EXPECT_EQ(c.Picture(),
            "......\n"
            "####..\n"
            "......\n");
}

TEST(Lines, DiagonalAndStepsFollowBresenham) {
  Canvas c(5, 5);
  MoveToEx(c.dc, 0, 0, nullptr);
  ASSERT_TRUE(LineTo(c.dc, 4, 4));
  EXPECT_EQ(c.Picture(),
            "#....\n"
            ".#...\n"
            "..#..\n"
            "...#.\n"
            ".....\n");
  Canvas shallow(5, 2);
  const POINT points[] = {{0, 0}, {4, 1}};
  Polyline(shallow.dc, points, 2);
  // Four pixels, one step down half way.
  int drawn = 0;
  for (int x = 0; x < 5; ++x) drawn += (shallow.At(x, 0) == 0) + (shallow.At(x, 1) == 0);
  EXPECT_EQ(drawn, 4);
  EXPECT_EQ(shallow.At(0, 0), 0u);
  EXPECT_EQ(shallow.At(3, 1), 0u);
}

TEST(Lines, NullPenDrawsNothingWhitePenDrawsWhite) {
  Canvas c(4, 1, 0x123456);
  SelectObject(c.dc, GetStockObject(NULL_PEN));
  const POINT points[] = {{0, 0}, {4, 0}};
  Polyline(c.dc, points, 2);
  EXPECT_EQ(c.At(1, 0), 0x123456u);
  SelectObject(c.dc, GetStockObject(WHITE_PEN));
  Polyline(c.dc, points, 2);
  EXPECT_EQ(c.At(3, 0), 0xFFFFFFu);
}

TEST(Rectangles, PenOutlinesAndBrushFills) {
  Canvas c(6, 5, 0x00FF00);
  SelectObject(c.dc, GetStockObject(BLACK_PEN));
  SelectObject(c.dc, GetStockObject(WHITE_BRUSH));
  ASSERT_TRUE(Rectangle(c.dc, 1, 1, 5, 5));
  EXPECT_EQ(c.Picture(0),
            "......\n"
            ".####.\n"
            ".#..#.\n"
            ".#..#.\n"
            ".####.\n");
  EXPECT_EQ(c.At(2, 2), 0xFFFFFFu);
  EXPECT_EQ(c.At(0, 0), 0x00FF00u);
}

TEST(Rectangles, NullPenFillsOnePixelLessInWidthAndHeight) {
  Canvas c(6, 6, 0xFFFFFF);
  SelectObject(c.dc, GetStockObject(NULL_PEN));
  SelectObject(c.dc, GetStockObject(BLACK_BRUSH));
  Rectangle(c.dc, 1, 1, 5, 5);
  EXPECT_EQ(c.Picture(),
            "......\n"
            ".###..\n"
            ".###..\n"
            ".###..\n"
            "......\n"
            "......\n");
}

TEST(Rectangles, RoundedCornersLeaveTheCornerPixelsAlone) {
  Canvas c(12, 12, 0xFFFFFF);
  SelectObject(c.dc, GetStockObject(BLACK_PEN));
  SelectObject(c.dc, GetStockObject(BLACK_BRUSH));
  ASSERT_TRUE(RoundRect(c.dc, 0, 0, 12, 12, 6, 6));
  EXPECT_EQ(c.At(0, 0), 0xFFFFFFu);
  EXPECT_EQ(c.At(11, 11), 0xFFFFFFu);
  EXPECT_EQ(c.At(11, 0), 0xFFFFFFu);
  EXPECT_EQ(c.At(6, 0), 0u);  // straight edges stay
  EXPECT_EQ(c.At(0, 6), 0u);
  EXPECT_EQ(c.At(5, 5), 0u);  // filled middle
  Canvas square(4, 4, 0xFFFFFF);
  RoundRect(square.dc, 0, 0, 4, 4, 0, 0);  // no rounding: a plain rectangle
  EXPECT_EQ(square.At(0, 0), 0u);
}

TEST(MixModes, NotTwiceRestoresThePixels) {
  Canvas c(8, 8);
  for (int i = 0; i < 64; ++i) c.pixels[i] = static_cast<uint32_t>(i * 0x030507);
  Canvas before(8, 8);
  for (int i = 0; i < 64; ++i) before.pixels[i] = c.pixels[i];
  SetROP2(c.dc, R2_NOT);
  for (int pass = 0; pass < 2; ++pass) {
    Rectangle(c.dc, 1, 1, 7, 7);
    RoundRect(c.dc, 0, 0, 8, 8, 4, 4);
  }
  for (int i = 0; i < 64; ++i) ASSERT_EQ(c.pixels[i], before.pixels[i]) << i;
  Rectangle(c.dc, 1, 1, 7, 7);
  EXPECT_EQ(c.At(1, 1), ~before.At(1, 1) & 0xFFFFFF);  // outline inverted once
  EXPECT_EQ(c.At(3, 3), ~before.At(3, 3) & 0xFFFFFF);  // interior inverted once
}

TEST(MixModes, AllSixteenCombinePenAndDestination) {
  const uint32_t pen = 0x00FF00, dest = 0x0F0F0F;
  const uint32_t expected[16] = {0,           ~(pen | dest), ~pen & dest, ~pen,
                                 pen & ~dest, ~dest,         pen ^ dest,  ~(pen & dest),
                                 pen & dest,  ~(pen ^ dest), dest,        ~pen | dest,
                                 pen,         pen | ~dest,   pen | dest,  0xFFFFFF};
  HPEN green = CreatePen(PS_SOLID, 1, RGB(0, 255, 0));
  for (int mode = R2_BLACK; mode <= R2_WHITE; ++mode) {
    Canvas c(3, 1, dest);
    SelectObject(c.dc, green);
    SetROP2(c.dc, mode);
    const POINT points[] = {{0, 0}, {3, 0}};
    Polyline(c.dc, points, 2);
    SelectObject(c.dc, GetStockObject(BLACK_PEN));
    EXPECT_EQ(c.At(1, 0), expected[mode - 1] & 0xFFFFFF) << "mode " << mode;
  }
  EXPECT_TRUE(DeleteObject(green));
  Canvas c(1, 1);
  EXPECT_EQ(SetROP2(c.dc, 17), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(Pixels, SetAndGetOutsideTheBitmapFail) {
  Canvas c(2, 2);
  EXPECT_EQ(SetPixel(c.dc, 1, 1, RGB(1, 2, 3)), RGB(1, 2, 3));
  EXPECT_EQ(c.At(1, 1), 0x010203u);
  EXPECT_EQ(GetPixel(c.dc, 1, 1), RGB(1, 2, 3));
  EXPECT_EQ(GetPixel(c.dc, 2, 0), CLR_INVALID);
  EXPECT_EQ(SetPixel(c.dc, -1, 0, 0), static_cast<COLORREF>(-1));
}
