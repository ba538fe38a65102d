// Small drawing surfaces for the GDI tests: a memory DC over a top-down 32-bit DIB section
// whose pixels the test reads directly as 0x00RRGGBB.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace gdi_test {

struct Canvas {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
  uint32_t* pixels = nullptr;
  int width = 0, height = 0;

  Canvas(int w, int h, uint32_t fill = 0xFFFFFF) : width(w), height(h) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = static_cast<uint32_t*>(bits);
    dc = CreateCompatibleDC(nullptr);
    previous = SelectObject(dc, bitmap);
    Fill(fill);
  }
  ~Canvas() {
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  uint32_t At(int x, int y) const { return pixels[y * width + x]; }
  void Set(int x, int y, uint32_t v) { pixels[y * width + x] = v; }
  void Fill(uint32_t v) {
    for (int i = 0; i < width * height; ++i) pixels[i] = v;
  }
  // One character per pixel: '#' for `ink`, '.' for anything else; rows separated by '\n'.
  std::string Picture(uint32_t ink = 0) const {
    std::string out;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) out += At(x, y) == ink ? '#' : '.';
      out += '\n';
    }
    return out;
  }
};

}  // namespace gdi_test
