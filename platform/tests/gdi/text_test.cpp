// Text: drawing and measuring agree, alignment, clipping, background modes and bad input.
#include <gtest/gtest.h>

#include "gdi_test_util.h"

using gdi_test::Canvas;

namespace {

// The bounding box of pixels of colour `ink`; empty (right < left) when none.
RECT InkBox(const Canvas& c, uint32_t ink) {
  RECT box{c.width, c.height, -1, -1};
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      if (c.At(x, y) != ink) continue;
      box.left = std::min<LONG>(box.left, x);
      box.top = std::min<LONG>(box.top, y);
      box.right = std::max<LONG>(box.right, x + 1);
      box.bottom = std::max<LONG>(box.bottom, y + 1);
    }
  }
  return box;
}

}  // namespace

TEST(Text, SystemFontHasTheHandheldsSize) {
  Canvas c(1, 1);
  TEXTMETRICW tm{};
  ASSERT_TRUE(GetTextMetricsW(c.dc, &tm));
  EXPECT_GE(tm.tmHeight, 12);
  EXPECT_LE(tm.tmHeight, 14);
  EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
  SIZE size{};
  ASSERT_TRUE(GetTextExtentPoint32W(c.dc, L"Hole 18", 7, &size));
  EXPECT_EQ(size.cy, tm.tmHeight);
  EXPECT_GT(size.cx, 30);
  EXPECT_LT(size.cx, 60);
  SIZE empty{};
  ASSERT_TRUE(GetTextExtentPoint32W(c.dc, L"", 0, &empty));
  EXPECT_EQ(empty.cx, 0);
}

TEST(Text, DrawnTextStaysInsideItsMeasuredExtent) {
  Canvas c(100, 20);
  SetBkMode(c.dc, TRANSPARENT);
  SIZE size{};
  GetTextExtentPoint32W(c.dc, L"Par 3", 5, &size);
  RECT r{10, 2, 10 + size.cx, 2 + size.cy};
  ASSERT_EQ(DrawTextW(c.dc, L"Par 3", -1, &r, DT_SINGLELINE), size.cy);
  const RECT ink = InkBox(c, 0);
  ASSERT_LT(ink.left, ink.right);
  EXPECT_GE(ink.left, r.left);
  EXPECT_LE(ink.right, r.right);
  EXPECT_GE(ink.top, r.top);
  EXPECT_LE(ink.bottom, r.bottom);
  EXPECT_GT(ink.right - ink.left, size.cx / 2);
  // Monochrome glyphs: only the text colour and the untouched background appear.
  for (int i = 0; i < c.width * c.height; ++i)
    ASSERT_TRUE(c.pixels[i] == 0 || c.pixels[i] == 0xFFFFFF);
}

TEST(Text, AlignmentAndCalcRect) {
  Canvas c(120, 40);
  RECT calc{0, 0, 0, 0};
  const int h = DrawTextW(c.dc, L"Mini", -1, &calc, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(InkBox(c, 0).right, -1);  // measuring draws nothing
  EXPECT_EQ(calc.bottom, h);
  const int w = calc.right;
  SetBkMode(c.dc, TRANSPARENT);
  RECT r{0, 0, 120, 40};
  DrawTextW(c.dc, L"Mini", -1, &r, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
  RECT ink = InkBox(c, 0);
  EXPECT_LE(ink.right, 120);
  EXPECT_GE(ink.left, 120 - w);
  EXPECT_GT(ink.top, 40 - h - 1);
  c.Fill(0xFFFFFF);
  DrawTextW(c.dc, L"Mini", -1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  ink = InkBox(c, 0);
  EXPECT_NEAR((ink.left + ink.right) / 2.0, 60, 3);
  EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 20, 4);
}

TEST(Text, WordBreakAndLineFeedsMakeLines) {
  Canvas c(60, 60);
  RECT r{0, 0, 60, 0};
  const int one = DrawTextW(c.dc, L"a", -1, &r, DT_CALCRECT);
  r = RECT{0, 0, 60, 0};
  EXPECT_EQ(DrawTextW(c.dc, L"a\nb", -1, &r, DT_CALCRECT), 2 * one);
  r = RECT{0, 0, 60, 0};
  EXPECT_EQ(DrawTextW(c.dc, L"putt putt putt putt putt", -1, &r, DT_CALCRECT | DT_WORDBREAK),
            3 * one);
  EXPECT_LE(r.right, 60);
  r = RECT{0, 0, 60, 0};
  EXPECT_EQ(DrawTextW(c.dc, L"a\nb", -1, &r, DT_CALCRECT | DT_SINGLELINE), one);
}

TEST(Text, OpaqueBackgroundClippingAndPrefixes) {
  Canvas c(60, 20, 0x00FF00);
  SetBkColor(c.dc, RGB(0, 0, 255));
  RECT r{0, 0, 60, 20};
  DrawTextW(c.dc, L"Go", -1, &r, DT_SINGLELINE);
  EXPECT_EQ(c.At(0, 0), 0x0000FFu);    // the text cell takes the background colour
  EXPECT_EQ(c.At(59, 19), 0x00FF00u);  // outside the cell stays
  c.Fill(0xFFFFFF);
  SetBkMode(c.dc, TRANSPARENT);
  RECT narrow{0, 0, 4, 20};
  DrawTextW(c.dc, L"WWW", -1, &narrow, DT_SINGLELINE);
  EXPECT_LE(InkBox(c, 0).right, 4);
  c.Fill(0xFFFFFF);
  DrawTextW(c.dc, L"WWW", -1, &narrow, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(InkBox(c, 0).right, 4);
  SIZE plain{}, amp{};
  GetTextExtentPoint32W(c.dc, L"AB", 2, &plain);
  RECT calc{0, 0, 0, 0};
  DrawTextW(c.dc, L"A&B", -1, &calc, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(calc.right, plain.cx);
  calc = RECT{0, 0, 0, 0};
  GetTextExtentPoint32W(c.dc, L"A&B", 3, &amp);
  DrawTextW(c.dc, L"A&B", -1, &calc, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
  EXPECT_EQ(calc.right, amp.cx);
}

TEST(Text, BadInputIsReported) {
  Canvas c(4, 4);
  RECT r{0, 0, 4, 4};
  SetLastError(0);
  EXPECT_EQ(DrawTextW(c.dc, L"x", -1, &r, DT_SINGLELINE | DT_END_ELLIPSIS), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FLAGS));
  EXPECT_EQ(DrawTextW(c.dc, L"x", -1, nullptr, DT_SINGLELINE), 0);
  EXPECT_EQ(DrawTextW(nullptr, L"x", -1, &r, DT_SINGLELINE), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  SIZE size;
  EXPECT_FALSE(GetTextExtentPoint32W(c.dc, nullptr, 3, &size));
  EXPECT_FALSE(GetTextExtentPoint32W(c.dc, L"abc", 3, nullptr));
  EXPECT_FALSE(SetBkMode(c.dc, 7));
  EXPECT_FALSE(ExtTextOutW(c.dc, 0, 0, ETO_OPAQUE, nullptr, L"a", 1, nullptr));
}

TEST(Text, LogicalFontsChangeTheSize) {
  Canvas c(1, 1);
  LOGFONTW lf{};
  lf.lfHeight = -20;
  HFONT big = CreateFontIndirectW(&lf);
  ASSERT_NE(big, nullptr);
  SIZE smallSize{}, bigSize{};
  GetTextExtentPoint32W(c.dc, L"Golf", 4, &smallSize);
  HGDIOBJ old = SelectObject(c.dc, big);
  EXPECT_EQ(old, GetStockObject(SYSTEM_FONT));
  GetTextExtentPoint32W(c.dc, L"Golf", 4, &bigSize);
  EXPECT_GT(bigSize.cy, smallSize.cy);
  EXPECT_GT(bigSize.cx, smallSize.cx);
  SelectObject(c.dc, old);
  EXPECT_TRUE(DeleteObject(big));
}

TEST(Text, ExtTextOutFillsAndClipsToItsRectangle) {
  Canvas c(40, 20, 0x00FF00);
  SetBkColor(c.dc, RGB(0, 0, 255));
  RECT box{2, 2, 12, 18};
  ASSERT_TRUE(ExtTextOutW(c.dc, 2, 2, ETO_OPAQUE | ETO_CLIPPED, &box, L"WWWW", 4, nullptr));
  EXPECT_EQ(c.At(11, 17), 0x0000FFu);  // the whole rectangle takes the background colour
  for (int y = 0; y < 20; ++y)
    for (int x = 12; x < 40; ++x) ASSERT_EQ(c.At(x, y), 0x00FF00u);  // nothing beyond it
  EXPECT_NE(InkBox(c, 0).right, -1);
  EXPECT_FALSE(ExtTextOutW(c.dc, 0, 0, 0x8000, nullptr, L"a", 1, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FLAGS));
  // Partial extents are cumulative, and the fit count stops at the limit.
  int fit = -1;
  int dx[3] = {};
  SIZE size{};
  ASSERT_TRUE(GetTextExtentExPointW(c.dc, L"iii", 3, 1, &fit, dx, &size));
  EXPECT_EQ(fit, 0);
  EXPECT_EQ(dx[2], size.cx);
  EXPECT_EQ(dx[1] * 3, dx[2] * 2);
}
