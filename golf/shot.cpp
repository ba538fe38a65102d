// The game screen's shot arithmetic and rolling loop, for tools and tests.
#include "golf/shot.h"

#include <cmath>

namespace golf {

const char* ShotEndName(ShotEnd end) {
  switch (end) {
    case ShotEnd::kStopped:
      return "stopped";
    case ShotEnd::kHoled:
      return "holed";
    case ShotEnd::kHazard:
      return "hazard";
    case ShotEnd::kLimit:
      return "limit";
  }
  return "?";
}

double ShotPower(uint32_t holdMs) {
  uint32_t t = holdMs % 2000;
  if (t > 1000) t = 2000 - t;
  if (t < 50) t = 50;
  return t * 0.001;
}

void SnapBall(Ball& ball) {
  const double k = static_cast<int>(ball.radius);
  ball.posx = k + PixelOf(ball.posx - ball.radius + 1.0);
  ball.posy = k + PixelOf(ball.posy - ball.radius + 1.0);
}

bool AimedVelocity(const Ball& ball, int aimX, int aimY, double power, double& fx, double& fy) {
  const double dx = aimX - ball.posx;
  const double dy = aimY - ball.posy;
  const double d = std::sqrt(dx * dx + dy * dy);
  if (d == 0.0) return false;
  const double k = power / d;
  fx = k * dx * 300.0;
  fy = k * dy * 300.0;
  return true;
}

void RunPhysicsStep(HoleLayout& layout, Ball& ball) {
  double t = kPhysicsStep;
  for (;;) {
    const bool hit = layout.CollideBall(ball, t);
    if (!hit && t > 0.0) ball.Advance(t);
    if (t <= kStepEnd || !hit) return;
  }
}

}  // namespace golf
