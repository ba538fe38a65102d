// Letterboxing arithmetic.
#include "backend/viewport.h"

#include <algorithm>

#include "backend/screen.h"

namespace platform {
namespace {

constexpr int kWidth = ScreenBuffer::kWidth;
constexpr int kHeight = ScreenBuffer::kHeight;

// Floor division, so that pixels left of or above the screen map to negative device pixels.
int FloorDiv(int a, int b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

}  // namespace

Viewport Viewport::Fit(int windowWidth, int windowHeight, int maxScale) {
  Viewport v;
  v.scale = std::max(1, std::min({windowWidth / kWidth, windowHeight / kHeight, maxScale}));
  v.x = std::max(0, (windowWidth - kWidth * v.scale) / 2);
  v.y = std::max(0, (windowHeight - kHeight * v.scale) / 2);
  return v;
}

bool Viewport::ToDevice(int wx, int wy, int& dx, int& dy) const {
  dx = FloorDiv(wx - x, scale);
  dy = FloorDiv(wy - y, scale);
  return dx >= 0 && dx < kWidth && dy >= 0 && dy < kHeight;
}

void Viewport::ToDeviceClamped(int wx, int wy, int& dx, int& dy) const {
  ToDevice(wx, wy, dx, dy);
  dx = std::clamp(dx, 0, kWidth - 1);
  dy = std::clamp(dy, 0, kHeight - 1);
}

}  // namespace platform
