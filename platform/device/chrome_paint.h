// Drawing of the device's chrome: the top bar's background, the active window's title and the
// clock, and the shell's menu bar with its input-panel button.
#pragma once

#include <windows.h>

#include <string>

namespace platform::device {

// Both draw at (0, 0) of the bar's own client area.
void PaintTopBar(HDC dc, const std::wstring& title, const std::wstring& clock);
constexpr COLORREF kMenuBarColour = RGB(214, 214, 214);
void PaintMenuBar(HDC dc, int width, bool sipButton, COLORREF background);

}  // namespace platform::device
