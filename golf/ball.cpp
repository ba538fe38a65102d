// The ball's motion model: slope increments once per step, friction after every free
// move, and the rules that stop it.
#include "golf/ball.h"

#include <cmath>

#include "golf/grid.h"
#include "golf/hole_layout.h"

namespace golf {

void StuckTracker::Add(int32_t X, int32_t Y) {
  for (int i = 0; i < 3; ++i) {
    x[i] = x[i + 1];
    y[i] = y[i + 1];
    count[i] = count[i + 1];
  }
  x[3] = X;
  y[3] = Y;
  count[3] = 0;
  for (int i = 2; i >= 0; --i) {
    if (x[i] == X && y[i] == Y) {
      count[3] = count[i] + 1;
      break;
    }
  }
}

void Ball::Strike(double fx, double fy) {
  Fx = fx;
  Fy = fy;
  const double k = static_cast<int>(radius);
  shotx = k + PixelOf(posx - radius + 1.0);
  shoty = k + PixelOf(posy - radius + 1.0);
  tracker.Reset();
  Ismoving = 1;
  steps_ = 0;
}

bool Ball::StepForces(HoleLayout& layout) {
  contacts_ = 0;
  if (Ismoving == 0) return false;
  hillFx = 0.0;
  hillFy = 0.0;
  if (layout.IsBallInCup(*this)) {
    Fx = 0.0;
    Fy = 0.0;
    return false;
  }
  const int x = PixelOf(posx);
  const int y = PixelOf(posy);
  hillFx = layout.SlopeForceX(x, y);
  hillFy = layout.SlopeForceY(x, y);
  // Besides the speed and slope test: a ball revisiting one spot too often stops, and so
  // does one that has rolled for a minute (swinging in a valley, pinned by a slope).
  const bool moving = IsMoving() && tracker.count[3] < kStuckLimit && steps_ < kMaxStepsPerShot;
  Ismoving = moving ? 1 : 0;
  if (moving) {
    Fx = hillFx + Fx;
    Fy = hillFy + Fy;
    ++steps_;
  }
  return moving;
}

bool Ball::IsMoving() const {
  return std::fabs(Fx) >= 8.0 || std::fabs(Fy) >= 8.0 || hillFx != 0.0 || hillFy != 0.0;
}

void Ball::Advance(double t) {
  posx = Fx * t + posx;
  posy = Fy * t + posy;
  if (!(posx >= 15.0 && posx <= 225.0 && posy >= 64.0 && posy <= 253.0)) {
    posx = 25.0;
    posy = 74.0;
    Fx = 0.0;
    Fy = 0.0;
  }
  Fx = Fx * 0.95;
  Fy = Fy * 0.95;
  Ismoving = 1;
}

void Ball::TrackPosition() {
  tracker.Add(PixelOf(posx - radius + 1.0), PixelOf(posy - radius + 1.0));
}

bool Ball::CountContact() {
  return ++contacts_ <= kMaxContactsPerStep;
}

}  // namespace golf
