// The handheld's chrome around the program: the 26-pixel top bar with the active window's title
// and a clock, and the sizes the window manager lays out windows with.
#pragma once

#include <windows.h>

#include "backend/screen.h"
#include "user/chrome_hooks.h"

namespace platform::device {

constexpr int kTopBarHeight = ScreenBuffer::kTopBarHeight;
constexpr int kMenuBarHeight = ScreenBuffer::kMenuBarHeight;
constexpr int kCaptionHeight = user::kCaptionHeight;

// The top bar's and the desktop's window classes.
void RegisterTopBarClass();

// Creates the top bar window the first time a window is created.
void EnsureChrome();
// Tells the top bar that the active window, a title or the window list changed (the window
// manager publishes the list to other programs itself).
void WindowListChanged();
// The top bar's window, or null before it exists.
HWND TopBarWindow();
// Milliseconds until the clock in the top bar shows a new minute (the idle wait's limit).
unsigned MillisecondsToNextMinute();
// Repaints the clock when the minute turned.
void TickClock();

}  // namespace platform::device
