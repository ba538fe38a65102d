// The ball's motion model: slope increments once per step, friction after every free
// move, and the rules that stop it.
#include "golf/ball.h"

#include <cmath>

#include "golf/grid.h"
#include "golf/hole_layout.h"

namespace golf {

void StuckTracker::Add(int32_t pointX, int32_t pointY) {
  for (int i = 0; i < 3; ++i) {
    x[i] = x[i + 1];
    y[i] = y[i + 1];
    count[i] = count[i + 1];
  }
  x[3] = pointX;
  y[3] = pointY;
  count[3] = 0;
  for (int i = 2; i >= 0; --i) {
    if (x[i] == pointX && y[i] == pointY) {
      count[3] = count[i] + 1;
      break;
    }
  }
}

void Ball::Strike(double forceX, double forceY) {
  fx = forceX;
  fy = forceY;
  const double k = static_cast<int>(radius);
  shotx = k + PixelOf(posx - radius + 1.0);
  shoty = k + PixelOf(posy - radius + 1.0);
  tracker.Reset();
  isMoving = 1;
  steps_ = 0;
}

bool Ball::StepForces(HoleLayout& layout) {
  contacts_ = 0;
  if (isMoving == 0) return false;
  hillFx = 0.0;
  hillFy = 0.0;
  if (layout.IsBallInCup(*this)) {
    fx = 0.0;
    fy = 0.0;
    return false;
  }
  const int x = PixelOf(posx);
  const int y = PixelOf(posy);
  hillFx = layout.SlopeForceX(x, y);
  hillFy = layout.SlopeForceY(x, y);
  // Besides the speed and slope test: a ball revisiting one spot too often stops, and so
  // does one that has rolled for a minute (swinging in a valley, pinned by a slope).
  const bool moving = IsMoving() && tracker.count[3] < kStuckLimit && steps_ < kMaxStepsPerShot;
  isMoving = moving ? 1 : 0;
  if (moving) {
    fx = hillFx + fx;
    fy = hillFy + fy;
    ++steps_;
  }
  return moving;
}

bool Ball::IsMoving() const {
  return std::fabs(fx) >= 8.0 || std::fabs(fy) >= 8.0 || hillFx != 0.0 || hillFy != 0.0;
}

void Ball::Advance(double t) {
  posx = fx * t + posx;
  posy = fy * t + posy;
  if (!(posx >= 15.0 && posx <= 225.0 && posy >= 64.0 && posy <= 253.0)) {
    posx = 25.0;
    posy = 74.0;
    fx = 0.0;
    fy = 0.0;
  }
  fx = fx * 0.95;
  fy = fy * 0.95;
  isMoving = 1;
}

void Ball::TrackPosition() {
  tracker.Add(PixelOf(posx - radius + 1.0), PixelOf(posy - radius + 1.0));
}

bool Ball::CountContact() {
  return ++contacts_ <= kMaxContactsPerStep;
}

}  // namespace golf
