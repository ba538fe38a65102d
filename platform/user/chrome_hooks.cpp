// The hooks of the chrome and the shell, and the calls of the window manager through them.
#include "user/chrome_hooks.h"

#include "user/foreground_link.h"

namespace platform::user {
namespace {

ChromeHooks Chrome;
void (*ShellClasses)() = nullptr;

}  // namespace

void SetChromeHooks(const ChromeHooks& hooks) {
  Chrome = hooks;
}

void SetShellClassRegistrar(void (*registerClasses)()) {
  ShellClasses = registerClasses;
}

void RegisterPluggedClasses() {
  if (ShellClasses) ShellClasses();
  if (Chrome.registerClasses) Chrome.registerClasses();
}

void EnsureChrome() {
  if (Chrome.ensure) Chrome.ensure();
}

void WindowListChanged() {
  PublishWindows();
  if (Chrome.windowListChanged) Chrome.windowListChanged();
}

uint32_t MillisecondsToNextMinute() {
  return Chrome.millisecondsToNextMinute ? Chrome.millisecondsToNextMinute() : UINT32_MAX;
}

void TickClock() {
  if (Chrome.tickClock) Chrome.tickClock();
}

}  // namespace platform::user
