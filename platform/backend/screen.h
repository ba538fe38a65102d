// The handheld's one 240x320 screen: a 32-bit pixel buffer every window draws straight onto.
// Pixels are 0x00RRGGBB (the layout of a 32-bit DIB); `generation` grows whenever it changes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace platform {

struct ScreenBuffer {
  static constexpr int kWidth = 240;
  static constexpr int kHeight = 320;
  static constexpr int kTopBarHeight = 26;   // title and clock
  static constexpr int kMenuBarHeight = 26;  // shell menu bar at the bottom

  std::array<uint32_t, std::size_t{kWidth} * kHeight> pixels{};
  uint64_t generation = 0;  // bumped by every drawing call that touches the screen

  uint32_t* Row(int y) { return pixels.data() + static_cast<size_t>(y) * kWidth; }
};

// The process's screen, created on first use.
ScreenBuffer& TheScreen();

}  // namespace platform
