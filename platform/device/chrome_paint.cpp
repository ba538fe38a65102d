// Drawing of the top bar (title and clock on dark blue) and of the shell's menu bar (light grey
// with a line on top and, at the right, the input-panel button: a small keyboard).
#include "device/chrome_paint.h"

#include "device/chrome.h"

namespace platform::device {

namespace {

void Fill(HDC dc, RECT r, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

}  // namespace

void PaintTopBar(HDC dc, const std::wstring& title, const std::wstring& clock) {
  Fill(dc, {0, 0, 240, kTopBarHeight}, RGB(16, 36, 110));
  // The device's mark at the left: a white ring around a dot.
  Fill(dc, {5, 7, 17, 19}, RGB(255, 255, 255));
  Fill(dc, {7, 9, 15, 17}, RGB(16, 36, 110));
  Fill(dc, {9, 11, 13, 15}, RGB(255, 255, 255));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  RECT clockRect{180, 0, 236, kTopBarHeight};
  DrawTextW(dc, clock.c_str(), static_cast<int>(clock.size()), &clockRect,
            DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
  RECT titleRect{22, 0, 178, kTopBarHeight};
  DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &titleRect,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
}

void PaintMenuBar(HDC dc, int width, bool sipButton, COLORREF background) {
  Fill(dc, {0, 0, width, kMenuBarHeight}, background);
  Fill(dc, {0, 0, width, 1}, RGB(128, 128, 128));
  if (!sipButton) return;
  // The keyboard: an outlined box with three rows of keys and a space bar.
  int x = width - 30;
  Fill(dc, {x, 6, x + 24, 20}, RGB(64, 64, 64));
  Fill(dc, {x + 1, 7, x + 23, 19}, RGB(250, 250, 250));
  for (int row = 0; row < 2; ++row) {
    for (int key = 0; key < 6; ++key) {
      int kx = x + 3 + key * 3;
      int ky = 9 + row * 3;
      Fill(dc, {kx, ky, kx + 2, ky + 2}, RGB(64, 64, 64));
    }
  }
  Fill(dc, {x + 6, 15, x + 18, 17}, RGB(64, 64, 64));
}

}  // namespace platform::device
