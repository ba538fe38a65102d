// The emulated device's display options: screen scale, fullscreen, headless. The backend reads
// them when it is chosen; device/options.h fills them in from the command line.
#pragma once

namespace platform {

struct DeviceOptions {
  int scale = 2;            // --scale N (1 to 16): window pixels per device pixel
  bool fullscreen = false;  // --fullscreen: the largest integer scale, letterboxed
  bool headless = false;    // --headless: no window, no sound, virtual clock
};

// The options in force; defaults until ApplyDeviceOptions changes them.
DeviceOptions& TheDeviceOptions();

}  // namespace platform
