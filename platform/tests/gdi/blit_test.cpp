// Block transfers: the raster-operation table against its formulas and the fast paths,
// monochrome colour rules, stretching, mirroring and the transparent copy.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gdi/rop_table.h"
#include "gdi_test_util.h"

using gdi_test::Canvas;
using platform::gdi::ApplyRop3;
using platform::gdi::kRop3Table;

namespace {

// Evaluates a formula in reverse Polish notation over the truth-table operands.
uint32_t EvaluateRpn(const std::string& rpn, uint32_t p, uint32_t s, uint32_t d) {
  if (rpn == "0") return 0;
  if (rpn == "1") return 0xFFFFFFFF;
  std::vector<uint32_t> stack;
  for (char c : rpn) {
    if (c == 'P') stack.push_back(p);
    if (c == 'S') stack.push_back(s);
    if (c == 'D') stack.push_back(d);
    if (c == 'n') stack.back() = ~stack.back();
    if (c == 'a' || c == 'o' || c == 'x') {
      const uint32_t b = stack.back();
      stack.pop_back();
      uint32_t& a = stack.back();
      a = c == 'a' ? a & b : c == 'o' ? a | b : a ^ b;
    }
  }
  return stack.size() == 1 ? stack.back() : 0xDEADBEEF;
}

}  // namespace

TEST(RasterOps, EveryTableRowMatchesItsFormulaAndIndex) {
  for (int i = 0; i < 256; ++i) {
    const auto& row = kRop3Table[i];
    EXPECT_EQ(static_cast<int>(row.code >> 16), i) << row.rpn;
    EXPECT_EQ(EvaluateRpn(row.rpn, 0xF0, 0xCC, 0xAA) & 0xFF, static_cast<uint32_t>(i)) << row.rpn;
    EXPECT_EQ(ApplyRop3(static_cast<uint8_t>(i), 0xF0, 0xCC, 0xAA) & 0xFF,
              static_cast<uint32_t>(i));
  }
}

TEST(RasterOps, EveryCodeThroughBitBltMatchesTheGenericFormula) {
  // Source, destination and a solid pattern with distinct bits; fast paths must agree with the
  // table.
  const uint32_t p = 0x33CC0F, s = 0x5A5A96, d = 0x0FF0C3;
  Canvas src(2, 1, s);
  HBRUSH brush = CreateSolidBrush(RGB(0x33, 0xCC, 0x0F));
  for (int i = 0; i < 256; ++i) {
    Canvas dst(2, 1, d);
    SelectObject(dst.dc, brush);
    ASSERT_TRUE(BitBlt(dst.dc, 0, 0, 2, 1, src.dc, 0, 0, kRop3Table[i].code)) << i;
    EXPECT_EQ(dst.At(1, 0), EvaluateRpn(kRop3Table[i].rpn, p, s, d) & 0xFFFFFF)
        << kRop3Table[i].rpn;
    SelectObject(dst.dc, GetStockObject(WHITE_BRUSH));
  }
  DeleteObject(brush);
}

TEST(RasterOps, RowPathsOfOtherDepthsAgreeWithTheFormula) {
  // A 24-bit destination and a stretched source take the buffered row paths for every code.
  const uint32_t p = 0x33CC0F, s = 0x5A5A96, d = 0x0FF0C3;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = 2;
  bi.bmiHeader.biHeight = 1;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ oldBitmap = SelectObject(dc, dib);
  HBRUSH brush = CreateSolidBrush(RGB(0x33, 0xCC, 0x0F));
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  Canvas src(1, 1, s);
  for (int i = 0; i < 256; ++i) {
    SetPixel(dc, 1, 0, RGB(0x0F, 0xF0, 0xC3));
    ASSERT_TRUE(StretchBlt(dc, 0, 0, 2, 1, src.dc, 0, 0, 1, 1, kRop3Table[i].code));
    const COLORREF got = GetPixel(dc, 1, 0);
    const uint32_t want = EvaluateRpn(kRop3Table[i].rpn, p, s, d) & 0xFFFFFF;
    EXPECT_EQ(got, RGB(want >> 16, (want >> 8) & 0xFF, want & 0xFF)) << kRop3Table[i].rpn;
  }
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldBitmap);
  DeleteObject(brush);
  DeleteDC(dc);
  DeleteObject(dib);
}

TEST(RasterOps, UnknownCodesAreRefusedAndLeaveTheDestination) {
  Canvas src(1, 1, 0), dst(1, 1, 0x123456);
  SetLastError(0xDEADBEEF);
  EXPECT_FALSE(
      BitBlt(dst.dc, 0, 0, 1, 1, src.dc, 0, 0, 0x00330009));  // index of NOTSRCCOPY, wrong low word
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_FALSE(BitBlt(dst.dc, 0, 0, 1, 1, src.dc, 0, 0, 0x01CC0020));
  EXPECT_EQ(dst.At(0, 0), 0x123456u);
  // A source operation without a source DC, and bad handles.
  EXPECT_FALSE(BitBlt(dst.dc, 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(reinterpret_cast<HDC>(dst.bitmap), 0, 0, 1, 1, src.dc, 0, 0, SRCCOPY));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_TRUE(PatBlt(dst.dc, 0, 0, 1, 1, BLACKNESS));
  EXPECT_EQ(dst.At(0, 0), 0u);
}

TEST(Blit, MaskedSpriteWithAndThenOr) {
  // Mask: black where the sprite is; the sprite is black outside itself.
  Canvas mask(3, 1, 0xFFFFFF), sprite(3, 1, 0);
  mask.Set(1, 0, 0);
  sprite.Set(1, 0, 0xFF0000);
  Canvas screen(3, 1, 0x00FF00);
  BitBlt(screen.dc, 0, 0, 3, 1, mask.dc, 0, 0, SRCAND);
  BitBlt(screen.dc, 0, 0, 3, 1, sprite.dc, 0, 0, SRCPAINT);
  EXPECT_EQ(screen.At(0, 0), 0x00FF00u);
  EXPECT_EQ(screen.At(1, 0), 0xFF0000u);
  EXPECT_EQ(screen.At(2, 0), 0x00FF00u);
}

TEST(Blit, ClipsToBothBitmapsAndOverlapsWithinOne) {
  Canvas c(4, 1);
  for (int x = 0; x < 4; ++x) c.Set(x, 0, static_cast<uint32_t>(x + 1));
  // Copy within the same bitmap, overlapping to the right: reads happen before writes.
  ASSERT_TRUE(BitBlt(c.dc, 1, 0, 3, 1, c.dc, 0, 0, SRCCOPY));
  EXPECT_EQ(c.At(1, 0), 1u);
  EXPECT_EQ(c.At(2, 0), 2u);
  EXPECT_EQ(c.At(3, 0), 3u);
  // Source partly outside its bitmap: only the part that exists is copied.
  Canvas d(4, 1, 0xAAAAAA);
  ASSERT_TRUE(BitBlt(d.dc, 0, 0, 4, 1, c.dc, 2, 0, SRCCOPY));
  EXPECT_EQ(d.At(0, 0), 2u);
  EXPECT_EQ(d.At(1, 0), 3u);
  EXPECT_EQ(d.At(2, 0), 0xAAAAAAu);
}

TEST(Blit, MonochromeSourceTakesTextAndBackgroundColours) {
  const BYTE bits[] = {0x40, 0x00};  // one row, 16-bit aligned: pixel 1 set
  HBITMAP mono = CreateBitmap(3, 1, 1, 1, bits);
  HDC monoDc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(monoDc, mono);
  Canvas dst(3, 1);
  SetTextColor(dst.dc, RGB(255, 0, 0));
  SetBkColor(dst.dc, RGB(0, 0, 255));
  BitBlt(dst.dc, 0, 0, 3, 1, monoDc, 0, 0, SRCCOPY);
  EXPECT_EQ(dst.At(0, 0), 0xFF0000u);  // 0 bit: text colour
  EXPECT_EQ(dst.At(1, 0), 0x0000FFu);  // 1 bit: background colour
  // Colour to monochrome: the source's background colour becomes white, the rest black.
  Canvas colour(3, 1, 0x112233);
  colour.Set(2, 0, 0x00FF00);
  SetBkColor(colour.dc, RGB(0, 255, 0));
  BitBlt(monoDc, 0, 0, 3, 1, colour.dc, 0, 0, SRCCOPY);
  EXPECT_EQ(GetPixel(monoDc, 0, 0), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(monoDc, 2, 0), RGB(255, 255, 255));
  SelectObject(monoDc, old);
  DeleteDC(monoDc);
  DeleteObject(mono);
}

TEST(Blit, StretchDoublesShrinksAndMirrors) {
  Canvas src(2, 1);
  src.Set(0, 0, 1);
  src.Set(1, 0, 2);
  Canvas big(4, 2, 0);
  ASSERT_TRUE(StretchBlt(big.dc, 0, 0, 4, 2, src.dc, 0, 0, 2, 1, SRCCOPY));
  EXPECT_EQ(big.At(0, 0), 1u);
  EXPECT_EQ(big.At(1, 1), 1u);
  EXPECT_EQ(big.At(2, 0), 2u);
  EXPECT_EQ(big.At(3, 1), 2u);
  Canvas small(1, 1, 0);
  StretchBlt(small.dc, 0, 0, 1, 1, big.dc, 0, 0, 4, 2, SRCCOPY);
  EXPECT_NE(small.At(0, 0), 0u);
  Canvas mirrored(2, 1, 0);
  StretchBlt(mirrored.dc, 1, 0, -2, 1, src.dc, 0, 0, 2, 1, SRCCOPY);
  EXPECT_EQ(mirrored.At(0, 0), 2u);
  EXPECT_EQ(mirrored.At(1, 0), 1u);
}

TEST(Blit, TransparentImageSkipsTheKeyColourAndStretches) {
  Canvas src(3, 1, 0xFF00FF);
  src.Set(1, 0, 0x0000FF);
  Canvas dst(6, 1, 0x00FF00);
  ASSERT_TRUE(TransparentImage(dst.dc, 0, 0, 6, 1, src.dc, 0, 0, 3, 1, RGB(255, 0, 255)));
  EXPECT_EQ(dst.At(0, 0), 0x00FF00u);
  EXPECT_EQ(dst.At(2, 0), 0x0000FFu);
  EXPECT_EQ(dst.At(3, 0), 0x0000FFu);
  EXPECT_EQ(dst.At(5, 0), 0x00FF00u);
  // The source may be a bitmap handle.
  Canvas dst2(3, 1, 0);
  SelectObject(src.dc, src.previous);  // free the bitmap from its DC first
  ASSERT_TRUE(TransparentImage(dst2.dc, 0, 0, 3, 1, src.bitmap, 0, 0, 3, 1, RGB(255, 0, 255)));
  EXPECT_EQ(dst2.At(0, 0), 0u);
  EXPECT_EQ(dst2.At(1, 0), 0x0000FFu);
  SelectObject(src.dc, src.bitmap);
  EXPECT_FALSE(TransparentImage(dst2.dc, 0, 0, 3, 1, nullptr, 0, 0, 3, 1, 0));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(Brushes, PatternRepeatsFromTheBrushOriginAndOutlivesItsBitmap) {
  // The halftone pattern: rows 0xAA, 0x55, ... widened to 16-bit words.
  const WORD rows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
  HBITMAP bitmap = CreateBitmap(8, 8, 1, 1, rows);
  HBRUSH brush = CreatePatternBrush(bitmap);
  ASSERT_TRUE(DeleteObject(bitmap));
  Canvas c(10, 2);
  SetTextColor(c.dc, RGB(0, 0, 0));
  SetBkColor(c.dc, RGB(255, 255, 255));
  RECT r{0, 0, 10, 2};
  ASSERT_EQ(FillRect(c.dc, &r, brush), 1);
  // Bit 7 of 0xAA is set: pixel (0,0) takes the background colour; 0 bits the text colour.
  EXPECT_EQ(c.Picture(),
            ".#.#.#.#.#\n"
            "#.#.#.#.#.\n");
  SetBrushOrgEx(c.dc, 1, 0, nullptr);
  FillRect(c.dc, &r, brush);
  EXPECT_EQ(c.Picture(),
            "#.#.#.#.#.\n"
            ".#.#.#.#.#\n");
  DeleteObject(brush);
}

TEST(Objects, SelectionRulesAndDeletion) {
  Canvas c(2, 2);
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  HGDIOBJ old = SelectObject(c.dc, brush);
  EXPECT_EQ(old, GetStockObject(WHITE_BRUSH));
  EXPECT_FALSE(DeleteObject(brush));  // still selected
  EXPECT_EQ(SelectObject(c.dc, old), brush);
  EXPECT_TRUE(DeleteObject(brush));
  EXPECT_EQ(GetObjectType(brush), 0u);
  EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_BRUSH)));  // stock objects ignore deletion
  EXPECT_EQ(GetObjectType(GetStockObject(BLACK_BRUSH)), static_cast<DWORD>(OBJ_BRUSH));
  // A bitmap goes into one memory DC at a time.
  HDC other = CreateCompatibleDC(c.dc);
  EXPECT_EQ(SelectObject(other, c.bitmap), nullptr);
  // A new memory DC holds a 1x1 monochrome bitmap; a compatible bitmap of it is monochrome.
  BITMAP bm{};
  ASSERT_EQ(GetObjectW(GetCurrentObject(other, OBJ_BITMAP), sizeof(bm), &bm),
            static_cast<int>(sizeof(bm)));
  EXPECT_EQ(bm.bmWidth, 1);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  HBITMAP mono = CreateCompatibleBitmap(other, 4, 4);
  GetObjectW(mono, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  HBITMAP colour = CreateCompatibleBitmap(c.dc, 4, 4);
  GetObjectW(colour, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmBitsPixel, 32);
  EXPECT_EQ(bm.bmWidthBytes, 16);
  DeleteObject(mono);
  DeleteObject(colour);
  EXPECT_TRUE(DeleteDC(other));
  EXPECT_FALSE(DeleteDC(other));
  EXPECT_EQ(SelectObject(nullptr, brush), nullptr);
  EXPECT_EQ(GetObjectW(nullptr, 0, nullptr), 0);
}

TEST(BadInput, HugeCoordinatesAreRefusedOrClippedNeverLooped) {
  Canvas src(2, 2, 0), dst(4, 4, 0xFFFFFF);
  SetLastError(0);
  EXPECT_FALSE(BitBlt(dst.dc, 0, 0, 0x7FFFFFFF, 1, src.dc, 0, 0, SRCCOPY));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_FALSE(Rectangle(dst.dc, -0x7FFFFFFF, 0, 0x7FFFFFFF, 2));
  EXPECT_FALSE(LineTo(dst.dc, 0x40000000, 0));
  EXPECT_EQ(SetPixel(dst.dc, 0x7FFFFFFF, 0, 0), static_cast<COLORREF>(-1));
  EXPECT_EQ(CreateRectRgn(0, 0, 0x7FFFFFFF, 1), nullptr);
  // The largest accepted sizes only cost what lands on the bitmap.
  const int big = 1 << 27;
  EXPECT_TRUE(StretchBlt(dst.dc, 0, 0, big, big, src.dc, 0, 0, 2, 2, SRCCOPY));
  EXPECT_EQ(dst.At(3, 3), 0u);
  dst.Fill(0xFFFFFF);
  EXPECT_TRUE(Rectangle(dst.dc, -big, -big, big, big));
  EXPECT_EQ(dst.At(2, 2), 0xFFFFFFu);  // the interior, filled with the white brush
  RECT huge{-big, -big, big, big};
  EXPECT_EQ(FillRect(dst.dc, &huge, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 1);
  EXPECT_EQ(dst.At(1, 1), 0u);
}
