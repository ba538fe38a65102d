// Drawing fans and magnets facing left; a right-facing one is the mirror image, its light still
// from the top left.
#include "content/terrain/pushers.h"

#include <cmath>
#include <numbers>

namespace content {
namespace {

constexpr double kPi = std::numbers::pi;

// Mirrors a left-facing picture: the shading was drawn for a light from above, so only the
// sides swap.
Canvas Oriented(const Canvas& left, content::Facing facing) {
  if (facing != content::Facing::kRight) return left;
  Canvas right(left.Width(), left.Height());
  for (int y = 0; y < left.Height(); ++y)
    for (int x = 0; x < left.Width(); ++x) right.Set(left.Width() - 1 - x, y, left.Get(x, y));
  return right;
}

}  // namespace

Canvas PaintFan(content::Facing facing, int frame) {
  Canvas c(kCellPixels, kCellPixels, kMagenta);
  const Rgb ring{92, 98, 108}, ringLit{178, 184, 194}, ringDark{46, 50, 58}, inside{34, 38, 46},
      blade{206, 212, 222}, bladeDark{140, 148, 160}, hub{232, 72, 40}, wind{226, 244, 255},
      windDim{150, 196, 226};
  // The fan stands on the side away from its wind: guard ring around (12.5, 10.5).
  const double cx = 12.5, cy = 10.5;
  // Three blades, a third of a turn in eight frames, so the loop is seamless.
  const double turn = frame * (2 * kPi / 3) / 8;
  for (int y = 0; y < kCellPixels; ++y) {
    for (int x = 0; x < kCellPixels; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy, r = std::hypot(dx, dy);
      if (r > 8.2) continue;
      if (r > 6.8) {
        // Lit on the upper left rim, shaded on the lower right.
        const double facingLight = -(dx + dy) / (r * std::sqrt(2.0));
        c.Set(x, y, facingLight > 0.35 ? ringLit : facingLight < -0.35 ? ringDark : ring);
        continue;
      }
      if (r < 1.8) {
        c.Set(x, y, hub);
        continue;
      }
      const double a = std::fmod(std::atan2(dy, dx) - turn + 8 * kPi, 2 * kPi / 3);
      if (a < 0.75) {
        c.Set(x, y, a < 0.3 ? bladeDark : blade);
      } else {
        c.Set(x, y, inside);
      }
    }
  }
  // The stand's foot under the ring.
  c.FillRect(10, 19, 6, 2, ringDark);
  c.FillRect(11, 19, 4, 1, ring);
  // Wind out of the left side: three streaks drifting left a pixel a frame, wrapping.
  const int rows[3] = {5, 10, 15};
  for (int i = 0; i < 3; ++i) {
    const int start = 4 - (frame + 3 * i) % 8;  // from x = 4 down to -3
    for (int k = 0; k < 3; ++k) {
      const int x = start + k;
      if (x >= 0 && x <= 4) c.Set(x, rows[i], k == 0 ? wind : windDim);
    }
  }
  return Oriented(c, facing);
}

Canvas PaintMagnet(content::Facing facing, int frame) {
  Canvas c(kCellPixels, kCellPixels, kMagenta);
  const Rgb red{204, 36, 36}, redLit{244, 104, 96}, redDark{130, 18, 22}, steel{214, 218, 226},
      steelDark{128, 134, 146}, field{120, 208, 255}, fieldDim{70, 140, 210};
  // A horseshoe opening to the left: its bend is centred at (12, 10.5), arms reach x = 5.
  const double cx = 12.5, cy = 10.5, outer = 7.6, inner = 3.4;
  for (int y = 0; y < kCellPixels; ++y) {
    for (int x = 0; x < kCellPixels; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      const double dy = py - cy;
      double r;
      if (px >= cx) {
        r = std::hypot(px - cx, dy);
      } else if (px >= 5.0) {
        r = std::abs(dy);
      } else {
        continue;
      }
      if (r < inner || r > outer) continue;
      const bool tip = px < 8.0;
      // Light from above: the upper arm's top and the bend's upper half are lit.
      const double across = (r - inner) / (outer - inner);
      const bool upper = dy < 0;
      Rgb base = tip ? steel : red;
      Rgb lit = tip ? Rgb{244, 246, 250} : redLit;
      Rgb dark = tip ? steelDark : redDark;
      Rgb col = base;
      if (upper && across > 0.62) col = lit;
      if (!upper && across > 0.62) col = dark;
      if (upper && across < 0.2) col = dark;
      c.Set(x, y, col);
    }
  }
  // Field lines: arcs around the mouth that shrink in towards it, one pixel a frame over a
  // 4-pixel cycle, fading and pulsing (16 frames = four inward passes of two lines).
  const double mx = 5.0, my = 10.5;
  for (int y = 0; y < kCellPixels; ++y) {
    for (int x = 0; x < 5; ++x) {
      const double dx = x + 0.5 - mx, dy = y + 0.5 - my, r = std::hypot(dx, dy);
      if (dx > -0.5 || std::abs(dy) > -dx * 1.9) continue;  // only the fan in front of the mouth
      for (int k = 0; k < 2; ++k) {
        const double ring = 1.5 + (3 - frame % 4) + 4 * k;
        if (std::abs(r - ring) < 0.5) c.Set(x, y, (frame / 4 + k) % 2 == 0 ? field : fieldDim);
      }
    }
  }
  return Oriented(c, facing);
}

}  // namespace content
