// Random calls with hostile arguments on bitmaps of every depth: nothing may crash or touch
// memory outside the bitmaps (run under the sanitizers), whatever each call returns.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "gdi/display_dc.h"
#include "gdi/rop_table.h"
#include "gdi_test_util.h"

namespace {

struct Target {
  HBITMAP bitmap = nullptr;
  HDC dc = nullptr;
  HGDIOBJ old = nullptr;
};

Target MakeTarget(int bpp, int w, int h) {
  std::vector<uint8_t> info(sizeof(BITMAPINFOHEADER) + sizeof(RGBQUAD) * 256, 0x5A);
  auto* bi = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
  *bi = BITMAPINFOHEADER{};
  bi->biSize = sizeof(BITMAPINFOHEADER);
  bi->biWidth = w;
  bi->biHeight = (bpp % 2) ? -h : h;
  bi->biPlanes = 1;
  bi->biBitCount = static_cast<WORD>(bpp);
  Target t;
  void* bits = nullptr;
  t.bitmap = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS,
                              &bits, nullptr, 0);
  t.dc = CreateCompatibleDC(nullptr);
  t.old = SelectObject(t.dc, t.bitmap);
  return t;
}

DWORD RandomRop(std::mt19937& rng) {
  return platform::gdi::kRop3Table[rng() % 256].code;
}

}  // namespace

TEST(Robustness, RandomCallsNeverCrash) {
  std::mt19937 rng(1234);
  auto coord = [&] { return static_cast<int>(rng() % 80) - 20; };
  std::vector<Target> targets;
  targets.reserve(12);
  const int depths[] = {1, 4, 8, 16, 24, 32};
  for (int i = 0; i < 12; ++i) {
    targets.push_back(MakeTarget(depths[i % 6], 1 + static_cast<int>(rng() % 37),
                                 1 + static_cast<int>(rng() % 29)));
  }
  const WORD rows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
  HBITMAP mono = CreateBitmap(8, 8, 1, 1, rows);
  HDC monoDc = CreateCompatibleDC(nullptr);
  HGDIOBJ monoOld = SelectObject(monoDc, mono);
  HBRUSH pattern = CreatePatternBrush(targets[3].bitmap);
  HBRUSH solid = CreateSolidBrush(RGB(9, 99, 199));
  std::vector<HDC> dcs;
  dcs.reserve(targets.size() + 1);
  for (const Target& t : targets) dcs.push_back(t.dc);
  dcs.push_back(monoDc);
  // A window partly off the screen, with visible rectangles that overlap and stick out.
  HDC window = platform::gdi::CreateDisplayDC([] {
    return platform::gdi::DisplayView{POINT{-15, 290},
                                      {RECT{-20, 280, 30, 330}, RECT{0, 300, 60, 400}}};
  });
  dcs.push_back(window);
  dcs.push_back(reinterpret_cast<HDC>(solid));  // not a DC
  for (int step = 0; step < 3000; ++step) {
    HDC a = dcs[rng() % dcs.size()];
    HDC b = dcs[rng() % dcs.size()];
    const DWORD rop = (rng() % 4) ? RandomRop(rng) : static_cast<DWORD>(rng());
    RECT r{coord(), coord(), coord(), coord()};
    POINT line[3] = {{coord(), coord()}, {coord(), coord()}, {coord(), coord()}};
    SelectObject(a, (rng() % 2) ? pattern : solid);
    SetROP2(a, 1 + static_cast<int>(rng() % 16));
    switch (rng() % 11) {
      case 0:
        BitBlt(a, coord(), coord(), coord(), coord(), b, coord(), coord(), rop);
        break;
      case 1:
        StretchBlt(a, coord(), coord(), coord(), coord(), b, coord(), coord(), coord(), coord(),
                   rop);
        break;
      case 2:
        TransparentImage(a, coord(), coord(), coord(), coord(), b, coord(), coord(), coord(),
                         coord(), rng());
        break;
      case 3:
        Rectangle(a, r.left, r.top, r.right, r.bottom);
        break;
      case 4:
        RoundRect(a, r.left, r.top, r.right, r.bottom, coord(), coord());
        break;
      case 5:
        Ellipse(a, r.left, r.top, r.right, r.bottom);
        break;
      case 6:
        Polyline(a, line, 3);
        break;
      case 7:
        FillRect(a, &r, solid);
        break;
      case 8:
        ScrollDC(a, coord(), coord(), &r, nullptr, nullptr, &r);
        break;
      case 9:
        DrawTextW(a, L"Mini & golf\nputt", -1, &r, DT_WORDBREAK | DT_CENTER);
        break;
      case 10: {
        HRGN region = CreateRectRgn(r.left, r.top, r.right, r.bottom);
        SelectClipRgn(a, (rng() % 3) ? region : nullptr);
        DeleteObject(region);
        break;
      }
    }
    SelectObject(a, GetStockObject(WHITE_BRUSH));
  }
  platform::gdi::DestroyDisplayDC(window);
  SelectObject(monoDc, monoOld);
  DeleteDC(monoDc);
  DeleteObject(mono);
  DeleteObject(pattern);
  DeleteObject(solid);
  for (Target& t : targets) {
    SelectObject(t.dc, t.old);
    DeleteDC(t.dc);
    EXPECT_TRUE(DeleteObject(t.bitmap));
  }
}
