// Where the device's 240x320 screen sits in a window: an integer scale, centred (letterboxed)
// when the window is larger, and the mapping of window pixels back to device pixels.
#pragma once

namespace platform {

struct Viewport {
  int x = 0;  // window pixel of the screen's top-left corner
  int y = 0;
  int scale = 1;

  // The largest integer scale (at least 1, at most maxScale) that fits the window, centred.
  static Viewport Fit(int windowWidth, int windowHeight, int maxScale);

  // The device pixel under window pixel (wx, wy); false when it lies outside the screen.
  bool ToDevice(int wx, int wy, int& dx, int& dy) const;
  // As ToDevice, but a point outside the screen is pulled onto its nearest edge pixel
  // (a stylus dragged off the screen stays at the edge).
  void ToDeviceClamped(int wx, int wy, int& dx, int& dy) const;
};

}  // namespace platform
