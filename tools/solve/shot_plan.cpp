// Aim points: rays cast from the ball to the edge of the tap area, snapped to pixels.
#include "tools/solve/shot_plan.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>
#include <utility>

namespace solve {
namespace {

// Keeps the first aim point of each direction, a direction being the aim's offset from
// the ball divided by the greatest common divisor of its two parts.
class DirectionSet {
 public:
  DirectionSet(int bx, int by) : bx_(bx), by_(by) {}

  void Add(int x, int y, std::vector<AimPoint>& out) {
    if (!AimAllowed(x, y)) return;
    int dx = x - bx_, dy = y - by_;
    if (dx == 0 && dy == 0) return;
    const int g = std::gcd(std::abs(dx), std::abs(dy));
    dx /= g;
    dy /= g;
    if (seen_.insert({dx, dy}).second) out.push_back({int16_t(x), int16_t(y)});
  }

 private:
  int bx_, by_;
  std::set<std::pair<int, int>> seen_;
};

// The last point of the ray (bx, by) + t (dx, dy) inside the tap area, pixel-snapped;
// false when the ray misses the area.
bool FarEdge(int bx, int by, double dx, double dy, int& x, int& y) {
  double enter = 0.0, leave = 1e9;
  const double lo[2] = {double(kAimLeft), double(kAimTop)};
  const double hi[2] = {double(kAimRight), double(kAimBottom)};
  const double p[2] = {double(bx), double(by)};
  const double d[2] = {dx, dy};
  for (int a = 0; a < 2; ++a) {
    if (std::fabs(d[a]) < 1e-12) {
      if (p[a] < lo[a] || p[a] > hi[a]) return false;
      continue;
    }
    double t0 = (lo[a] - p[a]) / d[a], t1 = (hi[a] - p[a]) / d[a];
    if (t0 > t1) std::swap(t0, t1);
    enter = std::max(enter, t0);
    leave = std::min(leave, t1);
  }
  if (leave < enter) return false;
  // Back off along the ray out of the score button's corner.
  for (double t = leave; t >= enter; t -= 1.0) {
    x = std::clamp(static_cast<int>(std::lround(bx + dx * t)), kAimLeft, kAimRight);
    y = std::clamp(static_cast<int>(std::lround(by + dy * t)), kAimTop, kAimBottom);
    if (AimAllowed(x, y)) return true;
  }
  return false;
}

}  // namespace

bool AimAllowed(int x, int y) {
  if (x < kAimLeft || x > kAimRight || y < kAimTop || y > kAimBottom) return false;
  return x < kScoreButtonX || y < kScoreButtonY;
}

double AngleBetween(double ax, double ay, double bx, double by) {
  const double la = std::hypot(ax, ay), lb = std::hypot(bx, by);
  if (la == 0.0 || lb == 0.0) return 180.0;
  const double c = std::clamp((ax * bx + ay * by) / (la * lb), -1.0, 1.0);
  return std::acos(c) * (180.0 / M_PI);
}

std::vector<AimPoint> AimPoints(int bx, int by, int cupX, int cupY, const PlanSettings& plan) {
  std::vector<AimPoint> out;
  DirectionSet set(bx, by);
  // The player's own choice first: the cup itself.
  set.Add(cupX, cupY, out);
  const double cdx = cupX - bx, cdy = cupY - by;
  if (plan.cupDegrees > 0 && (cdx != 0 || cdy != 0)) {
    // Walk the tap area's edge once round; every pixel on it near the cup line.
    auto consider = [&](int x, int y) {
      if (AngleBetween(x - bx, y - by, cdx, cdy) <= plan.cupDegrees) set.Add(x, y, out);
    };
    for (int x = kAimLeft; x <= kAimRight; ++x) {
      consider(x, kAimTop);
      consider(x, kAimBottom);
    }
    for (int y = kAimTop + 1; y < kAimBottom; ++y) {
      consider(kAimLeft, y);
      consider(kAimRight, y);
    }
  }
  for (int i = 0; i < plan.angles; ++i) {
    const double a = 2.0 * M_PI * i / plan.angles;
    int x = 0, y = 0;
    if (FarEdge(bx, by, std::cos(a), std::sin(a), x, y)) set.Add(x, y, out);
  }
  return out;
}

std::vector<int16_t> HoldTimes(int step) {
  std::vector<int16_t> out;
  step = std::max(step, 1);
  for (int ms = 50; ms < 1000; ms += step) out.push_back(static_cast<int16_t>(ms));
  out.push_back(1000);
  return out;
}

}  // namespace solve
