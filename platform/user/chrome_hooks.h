// The device's chrome (top bar, desktop, input panel) and the shell's menu bar sit above the
// window manager, which nonetheless has to create, register and notify them. They plug in
// through these hooks at start-up; without them the windows simply have no chrome.
#pragma once

#include <cstdint>

namespace platform::user {

// Height of the caption of a window with WS_CAPTION.
constexpr int kCaptionHeight = 20;

struct ChromeHooks {
  void (*registerClasses)() = nullptr;    // the chrome's window classes
  void (*ensure)() = nullptr;             // creates the chrome with the first window
  void (*windowListChanged)() = nullptr;  // the active window, a title or the list changed
  unsigned (*millisecondsToNextMinute)() = nullptr;  // until the clock shows a new minute
  void (*tickClock)() = nullptr;                     // repaints the clock when the minute turned
};

void SetChromeHooks(const ChromeHooks& hooks);
// The shell's window classes (its menu bar), registered with the layer's own.
void SetShellClassRegistrar(void (*registerClasses)());

// What the window manager calls; each does nothing where no chrome is installed.
void RegisterPluggedClasses();
void EnsureChrome();
// Also publishes the window list to other programs (foreground_link.h).
void WindowListChanged();
// UINT32_MAX without a clock.
uint32_t MillisecondsToNextMinute();
void TickClock();

}  // namespace platform::user
