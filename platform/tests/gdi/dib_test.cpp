// DIB sections of every depth: row layout, colour tables, both row orders, and copying to
// 32-bit surfaces; bad headers are refused.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "gdi_test_util.h"

using gdi_test::Canvas;

namespace {

struct Dib {
  std::vector<uint8_t> info;  // header and colour table
  HBITMAP bitmap = nullptr;
  uint8_t* bits = nullptr;

  Dib(int width, int height, int bpp, std::vector<RGBQUAD> colours = {}, DWORD clrUsed = 0,
      DWORD compression = BI_RGB) {
    info.resize(sizeof(BITMAPINFOHEADER) + 4 * std::max<size_t>(colours.size(), 3));
    auto* h = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
    h->biSize = sizeof(BITMAPINFOHEADER);
    h->biWidth = width;
    h->biHeight = height;
    h->biPlanes = 1;
    h->biBitCount = static_cast<WORD>(bpp);
    h->biCompression = compression;
    h->biClrUsed = clrUsed;
    if (!colours.empty())
      std::memcpy(info.data() + sizeof(BITMAPINFOHEADER), colours.data(), 4 * colours.size());
    void* p = nullptr;
    bitmap = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS,
                              &p, nullptr, 0);
    bits = static_cast<uint8_t*>(p);
  }
  ~Dib() { DeleteObject(bitmap); }

  // Copies the bitmap onto a fresh 32-bit canvas and returns it.
  void CopyTo(Canvas& c) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    BitBlt(c.dc, 0, 0, c.width, c.height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, old);
    DeleteDC(dc);
  }
};

constexpr RGBQUAD kRed{0, 0, 255, 0}, kGreen{0, 255, 0, 0}, kBlue{255, 0, 0, 0},
    kWhite{255, 255, 255, 0};

}  // namespace

TEST(DibSections, OneBitUsesItsColourTableAndBottomUpRows) {
  Dib dib(9, 2, 1, {kRed, kBlue});
  ASSERT_NE(dib.bitmap, nullptr);
  // Rows are 4 bytes; the first row in memory is the bottom row.
  dib.bits[0] = 0x80;      // bottom row, pixel 0 = entry 1
  dib.bits[4 + 1] = 0x80;  // top row, pixel 8
  Canvas c(9, 2, 0);
  dib.CopyTo(c);
  EXPECT_EQ(c.At(0, 1), 0x0000FFu);
  EXPECT_EQ(c.At(1, 1), 0xFF0000u);
  EXPECT_EQ(c.At(8, 0), 0x0000FFu);
  EXPECT_EQ(c.At(7, 0), 0xFF0000u);
}

TEST(DibSections, FourAndEightBitsWithShortColourTables) {
  Dib four(3, -1, 4, {kRed, kGreen, kBlue}, 3);  // top-down, three colours used
  ASSERT_NE(four.bitmap, nullptr);
  four.bits[0] = 0x12;
  four.bits[1] = 0x50;  // entry 5 is beyond the used colours: black
  Canvas c(3, 1, 0x777777);
  four.CopyTo(c);
  EXPECT_EQ(c.At(0, 0), 0x00FF00u);
  EXPECT_EQ(c.At(1, 0), 0x0000FFu);
  EXPECT_EQ(c.At(2, 0), 0u);

  std::vector<RGBQUAD> grey(256);
  for (int i = 0; i < 256; ++i) grey[i] = RGBQUAD{BYTE(i), BYTE(i), BYTE(i), 0};
  Dib eight(5, -2, 8, grey);  // biClrUsed 0: all 256 entries
  eight.bits[1] = 200;
  eight.bits[8 + 4] = 17;  // second row starts at byte 8 (5 bytes padded to 8)
  Canvas e(5, 2, 0);
  eight.CopyTo(e);
  EXPECT_EQ(e.At(1, 0), 0xC8C8C8u);
  EXPECT_EQ(e.At(4, 1), 0x111111u);
}

TEST(DibSections, SixteenTwentyFourAndThirtyTwoBits) {
  Dib rgb555(2, -1, 16);
  ASSERT_NE(rgb555.bitmap, nullptr);
  const uint16_t red555 = 0x7C00, blue555 = 0x001F;
  std::memcpy(rgb555.bits, &red555, 2);
  std::memcpy(rgb555.bits + 2, &blue555, 2);
  Canvas a(2, 1, 0);
  rgb555.CopyTo(a);
  EXPECT_EQ(a.At(0, 0), 0xFF0000u);
  EXPECT_EQ(a.At(1, 0), 0x0000FFu);

  Dib rgb24(2, 2, 24);       // rows of 6 bytes padded to 8, bottom-up
  rgb24.bits[8 + 3] = 0x11;  // top row, pixel 1: blue byte first
  rgb24.bits[8 + 4] = 0x22;
  rgb24.bits[8 + 5] = 0x33;
  Canvas b(2, 2, 0);
  rgb24.CopyTo(b);
  EXPECT_EQ(b.At(1, 0), 0x332211u);

  // Drawing into a 16-bit DIB packs 5-5-5.
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, rgb555.bitmap);
  SetPixel(dc, 0, 0, RGB(0, 255, 0));
  uint16_t v;
  std::memcpy(&v, rgb555.bits, 2);
  EXPECT_EQ(v, 0x03E0);
  SelectObject(dc, old);
  DeleteDC(dc);

  uint32_t masks[3] = {0xF800, 0x07E0, 0x001F};  // 5-6-5 through bit fields
  std::vector<RGBQUAD> fields(3);
  std::memcpy(fields.data(), masks, sizeof(masks));
  Dib rgb565(1, 1, 16, fields, 0, BI_BITFIELDS);
  ASSERT_NE(rgb565.bitmap, nullptr);
  const uint16_t green565 = 0x07E0;
  std::memcpy(rgb565.bits, &green565, 2);
  Canvas g(1, 1, 0);
  rgb565.CopyTo(g);
  EXPECT_EQ(g.At(0, 0), 0x00FF00u);
}

TEST(DibSections, PalettisedDestinationsTakeTheNearestEntry) {
  Dib eight(2, 1, 8, {kRed, kWhite}, 2);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, eight.bitmap);
  SetPixel(dc, 0, 0, RGB(250, 240, 245));
  SetPixel(dc, 1, 0, RGB(200, 10, 0));
  EXPECT_EQ(eight.bits[0], 1);
  EXPECT_EQ(eight.bits[1], 0);
  RGBQUAD table[4];
  EXPECT_EQ(GetDIBColorTable(dc, 0, 4, table), 4u);  // 2^8 entries exist, only 2 given
  EXPECT_EQ(table[1].rgbGreen, 255);
  // A bitmap compatible with this DC is a DIB section of the same depth and colours.
  HBITMAP twin = CreateCompatibleBitmap(dc, 3, 3);
  DIBSECTION ds{};
  ASSERT_EQ(GetObjectW(twin, sizeof(ds), &ds), static_cast<int>(sizeof(ds)));
  EXPECT_EQ(ds.dsBm.bmBitsPixel, 8);
  EXPECT_EQ(ds.dsBmih.biWidth, 3);
  HDC twinDc = CreateCompatibleDC(dc);
  HGDIOBJ twinOld = SelectObject(twinDc, twin);
  SetPixel(twinDc, 0, 0, RGB(255, 0, 0));
  EXPECT_EQ(static_cast<uint8_t*>(ds.dsBm.bmBits)[0], 0);  // red is entry 0
  SelectObject(twinDc, twinOld);
  DeleteDC(twinDc);
  DeleteObject(twin);
  SelectObject(dc, old);
  DeleteDC(dc);
}

TEST(DibSections, BadHeadersAreRefused) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = 4;
  bi.bmiHeader.biHeight = 4;
  bi.bmiHeader.biPlanes = 1;
  void* bits = reinterpret_cast<void*>(1);
  for (WORD bpp : {0, 2, 7, 64}) {
    bi.bmiHeader.biBitCount = bpp;
    SetLastError(0);
    EXPECT_EQ(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr) << bpp;
    EXPECT_EQ(bits, nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  }
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biWidth = 0;
  EXPECT_EQ(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  bi.bmiHeader.biWidth = 100000;
  bi.bmiHeader.biHeight = 100000;
  EXPECT_EQ(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  EXPECT_EQ(CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  bi.bmiHeader.biWidth = 1;
  bi.bmiHeader.biHeight = 1;
  EXPECT_EQ(CreateDIBSection(nullptr, &bi, DIB_PAL_COLORS, &bits, nullptr, 0), nullptr);
  // Zero-sized compatible bitmaps are the stock 1x1 monochrome bitmap.
  HBITMAP empty = CreateCompatibleBitmap(nullptr, 0, 0);
  BITMAP bm{};
  ASSERT_TRUE(GetObjectW(empty, sizeof(bm), &bm));
  EXPECT_EQ(bm.bmWidth, 1);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  EXPECT_EQ(CreateCompatibleBitmap(nullptr, 4, 5), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}
