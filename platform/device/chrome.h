// The handheld's chrome around the program: the 26-pixel top bar with the active window's title
// and a clock, and the sizes the window manager lays out windows with.
#pragma once

#include <windows.h>

namespace platform::device {

constexpr int kTopBarHeight = 26;
constexpr int kMenuBarHeight = 26;
constexpr int kCaptionHeight = 20;  // caption of a window with WS_CAPTION

// Creates the top bar window the first time a window is created.
void EnsureChrome();
// Tells the top bar that the active window, a title or the window list changed.
void WindowListChanged();
// The top bar's window, or null before it exists.
HWND TopBarWindow();
// Milliseconds until the clock in the top bar shows a new minute (the idle wait's limit).
unsigned MillisecondsToNextMinute();
// Repaints the clock when the minute turned.
void TickClock();

}  // namespace platform::device
