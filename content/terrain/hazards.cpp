// Water ripples, glowing lava cracks and a starry void.
#include "content/terrain/hazards.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace content {
namespace {

constexpr double kTau = 2 * std::numbers::pi;

// Wavelets running across: crests wobble along x and drift down one third of their spacing a
// frame, so three frames loop; a few glints move with them.
Rgb Water(int x, int y, int frame) {
  const Rgb deep{28, 84, 164}, mid{44, 112, 192}, crest{120, 186, 236}, trough{22, 66, 138};
  const double wobble = 1.4 * std::sin(kTau * (x / 21.0 + frame / 3.0));
  const double v = std::fmod(y + wobble - frame * 7.0 / 3.0 + 70.0, 7.0);
  if (v < 1.0) return crest;
  if (v < 2.0) return mid;
  if (v >= 4.0 && v < 5.0) return trough;
  return deep;
}

// Cracks between crust plates: the plates are the cells of points that repeat every 21 pixels;
// a pixel near the border of two plates glows, brighter in the middle frame.
Rgb Lava(int x, int y, int frame) {
  static constexpr int kPoints[][2] = {{3, 4}, {13, 2}, {8, 11}, {18, 10}, {2, 17}, {13, 18}};
  double first = 1e9, second = 1e9;
  for (const auto& p : kPoints) {
    for (int oy = -21; oy <= 21; oy += 21) {
      for (int ox = -21; ox <= 21; ox += 21) {
        const double d = std::hypot(x - p[0] - ox, y - p[1] - oy);
        if (d < first) {
          second = first;
          first = d;
        } else if (d < second) {
          second = d;
        }
      }
    }
  }
  const double gap = second - first;
  const Rgb crust{84, 22, 14}, crustLit{116, 36, 18}, hot{232, 104, 20}, hotter{255, 196, 64},
      ember{180, 52, 16};
  // The glow swells and ebbs: hot cracks, then white-hot with a wide halo, then white-hot.
  if (gap < 1.0) return frame == 0 ? hot : hotter;
  if (gap < 2.2) return frame == 1 ? hot : ember;
  // Each plate is domed: darker towards its rim.
  return first < 2.5 ? crustLit : crust;
}

// Near-black depth with stars that twinkle in turn.
Rgb Void(int x, int y, int frame) {
  static constexpr int kStars[][3] = {{3, 3, 0},  {15, 5, 1},  {9, 9, 2},  {18, 15, 0},
                                      {5, 16, 1}, {12, 19, 2}, {1, 11, 2}, {19, 1, 1}};
  const Rgb depth{10, 8, 24}, haze{26, 18, 50}, star{238, 236, 255}, dim{120, 116, 160};
  for (const auto& s : kStars) {
    if (s[0] != x || s[1] != y) continue;
    return s[2] == frame ? star : dim;
  }
  for (const auto& s : kStars) {
    if (s[2] != frame) continue;
    if (std::abs(s[0] - x) + std::abs(s[1] - y) == 1) return dim;  // the bright star's sparkle
  }
  // Faint swirls of haze, repeating with the cell.
  const double swirl = std::sin(kTau * (x + 2 * y) / 21.0) + std::sin(kTau * (2 * x - y) / 21.0);
  return swirl > 1.3 ? haze : depth;
}

}  // namespace

Canvas PaintHazard(const BlockPicture& block, int frame) {
  Canvas canvas(kCellPixels, kCellPixels);
  const bool half = block.turnDegrees == 180;
  for (int y = 0; y < kCellPixels; ++y) {
    for (int x = 0; x < kCellPixels; ++x) {
      const int sx = half ? kCellPixels - 1 - x : x, sy = half ? kCellPixels - 1 - y : y;
      Rgb c{};
      switch (block.hazard) {
        case HazardKind::kWater:
          c = Water(sx, sy, frame);
          break;
        case HazardKind::kLava:
          c = Lava(sx, sy, frame);
          break;
        case HazardKind::kVoid:
          c = Void(sx, sy, frame);
          break;
        case HazardKind::kNone:
          break;
      }
      canvas.Set(x, y, c);
    }
  }
  return canvas;
}

}  // namespace content
