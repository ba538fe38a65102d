// Clip regions, region arithmetic, ScrollDC and display DCs clipped to their visible rectangles.
#include <gtest/gtest.h>

#include "backend/screen.h"
#include "gdi/display_dc.h"
#include "gdi_test_util.h"

using gdi_test::Canvas;

TEST(Regions, CombineGivesCanonicalResults) {
  HRGN a = CreateRectRgn(0, 0, 10, 10);
  HRGN b = CreateRectRgn(5, 0, 15, 10);
  HRGN out = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(CombineRgn(out, a, b, RGN_OR), SIMPLEREGION);  // two touching halves make one rectangle
  RECT box;
  GetRgnBox(out, &box);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.right, 15);
  EXPECT_EQ(CombineRgn(out, a, b, RGN_XOR), COMPLEXREGION);
  EXPECT_FALSE(PtInRegion(out, 7, 5));
  EXPECT_TRUE(PtInRegion(out, 12, 5));
  EXPECT_EQ(CombineRgn(out, a, a, RGN_DIFF), NULLREGION);
  EXPECT_EQ(CombineRgn(out, a, b, RGN_AND), SIMPLEREGION);
  HRGN expected = CreateRectRgn(5, 0, 10, 10);
  EXPECT_TRUE(EqualRgn(out, expected));
  EXPECT_EQ(CombineRgn(out, a, b, 99), ERROR);
  EXPECT_EQ(CombineRgn(out, a, reinterpret_cast<HRGN>(out + 1), RGN_OR), ERROR);
  for (HRGN r : {a, b, out, expected}) DeleteObject(r);
}

TEST(Clipping, TheDcKeepsItsOwnCopyOfTheClipRegion) {
  Canvas c(6, 1, 0xFFFFFF);
  HRGN region = CreateRectRgn(2, 0, 4, 1);
  EXPECT_EQ(SelectClipRgn(c.dc, region), SIMPLEREGION);
  ASSERT_TRUE(DeleteObject(region));  // callers commonly delete it at once
  RECT r{0, 0, 6, 1};
  FillRect(c.dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(c.Picture(), "..##..\n");
  RECT box;
  EXPECT_EQ(GetClipBox(c.dc, &box), SIMPLEREGION);
  EXPECT_EQ(box.left, 2);
  EXPECT_EQ(box.right, 4);
  // Removing the clip region restores the whole bitmap.
  SelectClipRgn(c.dc, nullptr);
  FillRect(c.dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(c.Picture(), "######\n");
  EXPECT_EQ(SelectClipRgn(c.dc, reinterpret_cast<HRGN>(c.bitmap)), ERROR);
}

TEST(Clipping, BlitsAndShapesRespectAComplexClip) {
  Canvas c(5, 1, 0xFFFFFF);
  ExcludeClipRect(c.dc, 1, 0, 3, 1);
  Canvas black(5, 1, 0);
  BitBlt(c.dc, 0, 0, 5, 1, black.dc, 0, 0, SRCCOPY);
  EXPECT_EQ(c.Picture(), "#..##\n");
  c.Fill(0xFFFFFF);
  const POINT line[] = {{0, 0}, {5, 0}};
  Polyline(c.dc, line, 2);
  EXPECT_EQ(c.Picture(), "#..##\n");
}

TEST(Scrolling, ScrollDcMovesPixelsAndReportsTheUncoveredStrip) {
  Canvas c(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) c.Set(x, y, static_cast<uint32_t>(y * 4 + x));
  RECT area{0, 0, 4, 4};
  RECT update{};
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_TRUE(ScrollDC(c.dc, 0, -1, &area, &area, region, &update));
  EXPECT_EQ(c.At(0, 0), 4u);  // row 1 moved up to row 0
  EXPECT_EQ(c.At(3, 2), 15u);
  EXPECT_EQ(c.At(3, 3), 15u);  // the uncovered row keeps its old pixels
  EXPECT_EQ(update.top, 3);
  EXPECT_EQ(update.bottom, 4);
  EXPECT_EQ(update.left, 0);
  EXPECT_EQ(update.right, 4);
  RECT box;
  EXPECT_EQ(GetRgnBox(region, &box), SIMPLEREGION);
  EXPECT_EQ(box.top, 3);
  // Horizontal scroll of an inner rectangle leaves the outside alone.
  RECT inner{1, 0, 3, 1};
  ASSERT_TRUE(ScrollDC(c.dc, 1, 0, &inner, &inner, nullptr, &update));
  EXPECT_EQ(c.At(2, 0), 5u);
  EXPECT_EQ(c.At(3, 0), 7u);
  EXPECT_EQ(update.left, 1);
  EXPECT_EQ(update.right, 2);
  DeleteObject(region);
}

TEST(DisplayDc, DrawsOnTheScreenOnlyInsideTheVisibleRectangles) {
  using platform::TheScreen;
  platform::gdi::DisplayView view;
  view.origin = POINT{10, 20};
  view.visible = {RECT{10, 20, 14, 22}, RECT{12, 21, 20, 22}};  // overlapping rectangles
  HDC dc = platform::gdi::CreateDisplayDC([&view] { return view; });
  ASSERT_NE(dc, nullptr);
  auto& screen = TheScreen();
  screen.pixels.fill(0x00FFFFFF);
  const uint64_t generation = screen.generation;
  RECT r{0, 0, 10, 10};
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_GT(screen.generation, generation);
  EXPECT_EQ(screen.Row(20)[10], 0u);
  EXPECT_EQ(screen.Row(20)[14], 0xFFFFFFu);
  EXPECT_EQ(screen.Row(21)[19], 0u);
  EXPECT_EQ(screen.Row(22)[10], 0xFFFFFFu);
  EXPECT_EQ(screen.Row(19)[10], 0xFFFFFFu);
  // Overlapping visible rectangles are painted once: inverting twice restores.
  PatBlt(dc, 0, 0, 10, 10, DSTINVERT);
  PatBlt(dc, 0, 0, 10, 10, DSTINVERT);
  EXPECT_EQ(screen.Row(21)[12], 0u);
  // The source is asked again at every call: the window moved.
  view.origin = POINT{0, 0};
  view.visible = {RECT{0, 0, 2, 2}};
  SetPixel(dc, 1, 1, RGB(255, 0, 0));
  EXPECT_EQ(screen.Row(1)[1], 0xFF0000u);
  EXPECT_EQ(GetPixel(dc, 5, 5), CLR_INVALID);
  // The pattern phase follows the DC origin: a window's pattern starts at its client corner.
  const WORD rows[2] = {0x80, 0x00};
  HBITMAP bitmap = CreateBitmap(2, 2, 1, 1, rows);
  HBRUSH brush = CreatePatternBrush(bitmap);
  DeleteObject(bitmap);
  view.origin = POINT{31, 41};
  view.visible = {RECT{31, 41, 33, 43}};
  RECT all{0, 0, 2, 2};
  FillRect(dc, &all, brush);
  EXPECT_EQ(screen.Row(41)[31], 0xFFFFFFu);  // the set bit: background colour
  EXPECT_EQ(screen.Row(41)[32], 0u);
  DeleteObject(brush);
  EXPECT_FALSE(DeleteDC(dc));  // window DCs go back through the window manager
  platform::gdi::DestroyDisplayDC(dc);
  EXPECT_EQ(GetObjectType(dc), 0u);
}
