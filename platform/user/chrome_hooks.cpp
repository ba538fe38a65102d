// The hooks of the chrome and the shell, and the calls of the window manager through them.
#include "user/chrome_hooks.h"

#include "user/foreground_link.h"

namespace platform::user {
namespace {

ChromeHooks chrome;
void (*shellClasses)() = nullptr;

}  // namespace

void SetChromeHooks(const ChromeHooks& hooks) {
  chrome = hooks;
}

void SetShellClassRegistrar(void (*registerClasses)()) {
  shellClasses = registerClasses;
}

void RegisterPluggedClasses() {
  if (shellClasses) shellClasses();
  if (chrome.registerClasses) chrome.registerClasses();
}

void EnsureChrome() {
  if (chrome.ensure) chrome.ensure();
}

void WindowListChanged() {
  PublishWindows();
  if (chrome.windowListChanged) chrome.windowListChanged();
}

uint32_t MillisecondsToNextMinute() {
  return chrome.millisecondsToNextMinute ? chrome.millisecondsToNextMinute() : UINT32_MAX;
}

void TickClock() {
  if (chrome.tickClock) chrome.tickClock();
}

}  // namespace platform::user
