// Choosing the process's backend: headless when asked (PUTTLAND_BACKEND=headless, --headless)
// or when there is no display, the SDL window otherwise.
#include "backend/backend.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "backend/headless.h"
#include "backend/options.h"
#include "backend/sdl_backend.h"
#include "kernel/host_display.h"

namespace platform {
namespace {

std::unique_ptr<Backend>& Slot() {
  static std::unique_ptr<Backend> backend;
  return backend;
}

bool HasEnv(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

bool HeadlessWanted() {
  if (TheDeviceOptions().headless) return true;
  if (const char* env = std::getenv("PUTTLAND_BACKEND"); env && std::strcmp(env, "headless") == 0) {
    return true;
  }
  // No display to open a window on (unless SDL is told which video driver to use).
  return !HasEnv("DISPLAY") && !HasEnv("WAYLAND_DISPLAY") && !HasEnv("SDL_VIDEODRIVER");
}

std::unique_ptr<Backend> ChooseBackend() {
  if (!HeadlessWanted()) {
    std::string error;
    if (auto sdl = MakeSdlBackend(TheDeviceOptions(), &error)) return sdl;
    std::fprintf(stderr, "puttland: no window (%s); running headless\n", error.c_str());
  }
  return std::make_unique<HeadlessBackend>();
}

bool ShowsWindow() {
  return std::strcmp(CurrentBackend().Name(), "headless") != 0;
}

}  // namespace

// Installs the backend's answers into the kernel at start-up; every program links this through
// the platform library (platform/CMakeLists.txt), so the hook is there before main runs.
extern "C" const bool kPtBackendHooks = (SetShowsWindowQuery(&ShowsWindow), true);

Backend& CurrentBackend() {
  auto& slot = Slot();
  if (!slot) slot = ChooseBackend();
  return *slot;
}

void SetBackend(std::unique_ptr<Backend> backend) {
  Slot() = std::move(backend);
}

HeadlessBackend& Headless() {
  if (auto* headless = dynamic_cast<HeadlessBackend*>(Slot().get())) return *headless;
  return FreshHeadless();
}

HeadlessBackend& FreshHeadless() {
  auto& slot = Slot();
  auto fresh = std::make_unique<HeadlessBackend>();
  HeadlessBackend& result = *fresh;
  slot = std::move(fresh);
  return result;
}

}  // namespace platform
