// Throughput of the software GDI on the game's hot paths, in megapixels per second: the
// full-screen copy of the hole picture, masked sprites, keyed cells, an 8-bit picture, a scrolled
// strip and a line of text.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <iterator>
#include <vector>

#include "gdi/display_dc.h"

namespace {

// A window DC covering the screen below the top bar, as the game form has it.
struct Screen {
  HDC dc = platform::gdi::CreateDisplayDC([] {
    return platform::gdi::DisplayView{POINT{0, 26}, {RECT{0, 26, 240, 294}}};
  });
  ~Screen() { platform::gdi::DestroyDisplayDC(dc); }
};

// A memory DC holding a screen-compatible bitmap filled with a pattern.
struct Offscreen {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ old = nullptr;
  Offscreen(HDC reference, int w, int h, COLORREF a, COLORREF b) {
    dc = CreateCompatibleDC(reference);
    bitmap = CreateCompatibleBitmap(reference, w, h);
    old = SelectObject(dc, bitmap);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) SetPixel(dc, x, y, ((x ^ y) & 4) ? a : b);
  }
  ~Offscreen() {
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
};

void Report(benchmark::State& state, int pixelsPerIteration) {
  // Printed as pixels per second of CPU time (M/s is megapixels per second).
  state.counters["pixels"] = benchmark::Counter(
      static_cast<double>(pixelsPerIteration) * state.iterations(), benchmark::Counter::kIsRate);
}

void BmFullScreenSrcCopy(benchmark::State& state) {
  Screen screen;
  Offscreen hole(screen.dc, 240, 268, RGB(20, 140, 40), RGB(30, 160, 50));
  for (auto _ : state) BitBlt(screen.dc, 0, 0, 240, 268, hole.dc, 0, 0, SRCCOPY);
  Report(state, 240 * 268);
}
BENCHMARK(BmFullScreenSrcCopy);

void BmMaskedSprite(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  Screen screen;
  Offscreen mask(screen.dc, size, size, RGB(0, 0, 0), RGB(255, 255, 255));
  Offscreen sprite(screen.dc, size, size, RGB(255, 255, 255), RGB(0, 0, 0));
  for (auto _ : state) {
    BitBlt(screen.dc, 50, 60, size, size, mask.dc, 0, 0, SRCAND);
    BitBlt(screen.dc, 50, 60, size, size, sprite.dc, 0, 0, SRCPAINT);
  }
  Report(state, size * size);
}
BENCHMARK(BmMaskedSprite)->Arg(7)->Arg(80);

void BmTransparentCell(benchmark::State& state) {
  Screen screen;
  Offscreen cell(screen.dc, 21, 21, RGB(255, 0, 255), RGB(90, 60, 30));
  for (auto _ : state)
    TransparentImage(screen.dc, 36, 85, 21, 21, cell.dc, 0, 0, 21, 21, RGB(255, 0, 255));
  Report(state, 21 * 21);
}
BENCHMARK(BmTransparentCell);

void BmEightBitDibToScreen(benchmark::State& state) {
  Screen screen;
  std::vector<unsigned char> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
  auto* bi = reinterpret_cast<BITMAPINFO*>(info.data());
  bi->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi->bmiHeader.biWidth = 240;
  bi->bmiHeader.biHeight = 268;
  bi->bmiHeader.biPlanes = 1;
  bi->bmiHeader.biBitCount = 8;
  for (int i = 0; i < 256; ++i) bi->bmiColors[i] = RGBQUAD{BYTE(i), BYTE(255 - i), BYTE(i / 2), 0};
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* p = static_cast<unsigned char*>(bits);
  for (int i = 0; i < 240 * 268; ++i) p[i] = static_cast<unsigned char>(i * 7);
  HDC dc = CreateCompatibleDC(screen.dc);
  HGDIOBJ old = SelectObject(dc, dib);
  for (auto _ : state) BitBlt(screen.dc, 0, 0, 240, 268, dc, 0, 0, SRCCOPY);
  Report(state, 240 * 268);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(dib);
}
BENCHMARK(BmEightBitDibToScreen);

// A strip of an off-screen picture scrolled by a pixel within itself, as a panning view does.
void BmScrollStrip(benchmark::State& state) {
  Screen screen;
  Offscreen view(screen.dc, 240, 268, RGB(20, 140, 40), RGB(30, 160, 50));
  const RECT strip{0, 100, 240, 140};
  for (auto _ : state) ScrollDC(view.dc, 1, 0, &strip, &strip, nullptr, nullptr);
  Report(state, 240 * 40);
}
BENCHMARK(BmScrollStrip);

// A status line of text in the system font, drawn transparently, in characters per second.
void BmTextLine(benchmark::State& state) {
  Screen screen;
  SetBkMode(screen.dc, TRANSPARENT);
  const wchar_t text[] = L"Hole 7   Par 3   Strokes 12";
  const int length = static_cast<int>(std::size(text)) - 1;
  for (auto _ : state) ExtTextOutW(screen.dc, 4, 240, 0, nullptr, text, length, nullptr);
  state.counters["chars"] = benchmark::Counter(static_cast<double>(length) * state.iterations(),
                                               benchmark::Counter::kIsRate);
}
BENCHMARK(BmTextLine);

}  // namespace

BENCHMARK_MAIN();
