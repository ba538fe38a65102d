// The carpet texture and the slope shading.
#include "content/terrain/floor.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "golf/slope.h"

namespace content {
namespace {

struct Push {
  double x = 0, y = 0;
};

Push PushAt(const BlockPicture& block, int x, int y) {
  return {golf::LookupSlopeFunction(block.xSlope)(x, y, 1),
          golf::LookupSlopeFunction(block.ySlope)(x, y, 0)};
}

// Walks downhill from (x, y) along the push in half-pixel steps until the ground is flat, or
// until the walk leaves the 3 x 3 cells around this one (planes and ridges fall on for ever),
// adding up push times distance: the height the ball would lose on the way.
double WalkDown(const BlockPicture& block, int x, int y) {
  double px = x, py = y, height = 0;
  for (int step = 0; step < 400; ++step) {
    const Push p = PushAt(block, int(std::lround(px)), int(std::lround(py)));
    const double m = std::hypot(p.x, p.y);
    if (m == 0) break;
    px += p.x / m * 0.5;
    py += p.y / m * 0.5;
    height += m * 0.5;
    if (px < -kCellPixels || py < -kCellPixels || px > 2 * kCellPixels || py > 2 * kCellPixels)
      break;
  }
  return height;
}

// Contour spacing in height units: every 6 pixels on a plane, closer on steeper cones.
constexpr double kContourStep = 48.0;

}  // namespace

Rgb FloorColour(int x, int y) {
  const int a = (x + 2 * y) % 7, b = (3 * x + y) % 7;
  if (a == 0) return Shade(kCarpet, 0.06);
  if (b == 4) return Shade(kCarpet, -0.06);
  return kCarpet;
}

HeightField SlopeHeights(const BlockPicture& block) {
  HeightField h{};
  for (int y = 0; y < kCellPixels; ++y)
    for (int x = 0; x < kCellPixels; ++x) h[y][x] = WalkDown(block, x, y);
  // A cone's top pushes nowhere, so the walk gives it no height: lift it to its neighbours'.
  for (int y = 0; y < kCellPixels; ++y) {
    for (int x = 0; x < kCellPixels; ++x) {
      const Push p = PushAt(block, x, y);
      if (p.x != 0 || p.y != 0) continue;
      double best = 0;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= kCellPixels || ny >= kCellPixels) continue;
          const Push q = PushAt(block, nx, ny);
          if (q.x != 0 || q.y != 0) best = std::max(best, h[ny][nx] + std::hypot(q.x, q.y));
        }
      }
      h[y][x] = best;
    }
  }
  return h;
}

void PaintSlope(Canvas& canvas, const BlockPicture& block) {
  const HeightField h = SlopeHeights(block);
  // Cone heights are above the flat ground round the hill, the same in every piece of it;
  // planes and ridges fall on for ever, so their tint runs from the cell's own lowest point.
  const bool cone = std::string_view(block.xSlope).find("Cone") != std::string_view::npos;
  double low = 1e9, high = 0;
  for (const auto& line : h)
    for (double v : line) low = std::min(low, v), high = std::max(high, v);
  const double base = cone ? 0.0 : low, range = cone ? 360.0 : std::max(1.0, high - low);
  const auto band = [&](int x, int y) { return int(std::floor(h[y][x] / kContourStep)); };
  for (int y = 0; y < kCellPixels; ++y) {
    for (int x = 0; x < kCellPixels; ++x) {
      const Push p = PushAt(block, x, y);
      const double m = std::hypot(p.x, p.y);
      // Ground falling towards the top left faces the light.
      double light = 0;
      if (m > 0) light = -(p.x + p.y) / (m * std::sqrt(2.0)) * std::min(1.0, m / 10.0);
      // Four steps of light and three of height keep the colour count small.
      const double lit = std::round(light * 2) / 2 * 0.16;
      const double raised =
          std::round(std::clamp((h[y][x] - base) / range, 0.0, 1.0) * 3) / 3 * 0.14;
      Rgb c = Shade(FloorColour(x, y), lit + raised - 0.04);
      const bool contour = (x + 1 < kCellPixels && band(x + 1, y) != band(x, y)) ||
                           (y + 1 < kCellPixels && band(x, y + 1) != band(x, y));
      if (contour && m > 0) c = Shade(c, -0.14);
      canvas.Set(x, y, c);
    }
  }
}

}  // namespace content
