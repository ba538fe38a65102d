// Drawing the ball: a white sphere lit from the top left, shaded towards the lower right, with
// a soft grey rim that keeps it apart from pale ground.
#include "content/sprites/ball_sprites.h"

#include <algorithm>
#include <cmath>

namespace content {
namespace {

constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255};

// A lit sphere of `radius` around (cx, cy); `dim` 0..1 darkens it as it sinks into shadow.
void Sphere(Sprite& s, double cx, double cy, double radius, double dim) {
  const Rgb shine{255, 255, 255}, body{236, 238, 240}, shade{190, 194, 204}, rim{140, 146, 160};
  for (int y = 0; y < s.picture.Height(); ++y) {
    for (int x = 0; x < s.picture.Width(); ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy, r = std::hypot(dx, dy);
      if (r > radius) continue;
      // Light from the top left: where the surface faces it, and the rim away from it.
      const double facing = -(dx + dy) / (std::max(radius, 0.5) * std::sqrt(2.0));
      Rgb c = body;
      if (facing > 0.45 && r < radius * 0.75) {
        c = shine;
      } else if (facing < -0.25) {
        c = r > radius - 0.9 ? rim : shade;
      }
      s.picture.Set(x, y, Mix(c, kBlack, dim));
      s.mask.Set(x, y, kBlack);
    }
  }
}

}  // namespace

Sprite BallSprite() {
  Sprite s{Canvas(8, 8, kBlack), Canvas(8, 8, kWhite)};
  Sphere(s, kBallCentre, kBallCentre, kBallRadius, 0.0);
  return s;
}

Sprite SinkFrame(int frame, int size) {
  Sprite s{Canvas(size, size, kBlack), Canvas(size, size, kWhite)};
  // Each frame the ball is smaller and deeper in the cup's shadow, sliding a little down, as
  // seen from above a hole lit from the top left.
  static constexpr double kRadius[5] = {3.2, 2.7, 2.1, 1.5, 0.9};
  static constexpr double kDim[5] = {0.1, 0.3, 0.5, 0.68, 0.82};
  const double drop = 0.2 * frame;
  Sphere(s, kBallCentre + drop, kBallCentre + drop, kRadius[frame], kDim[frame]);
  return s;
}

}  // namespace content
