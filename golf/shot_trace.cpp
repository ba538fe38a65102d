// Formatting of shot traces.
#include "golf/shot_trace.h"

#include <cstdio>

namespace golf {

std::string TraceLine(int step, const Ball& ball) {
  char line[256];
  std::snprintf(line, sizeof line, "%d %.17g %.17g %.17g %.17g %.17g %.17g %d\n", step, ball.posx,
                ball.posy, ball.fx, ball.fy, ball.hillFx, ball.hillFy, ball.isMoving ? 1 : 0);
  return line;
}

ShotEnd TraceShot(HoleLayout& layout, Ball& ball, int maxSteps, std::string& out) {
  int steps = 0;
  const ShotEnd end = RollShot(layout, ball, maxSteps, steps,
                               [&out](int step, const Ball& b) { out += TraceLine(step, b); });
  out += "end ";
  out += ShotEndName(end);
  out += " " + std::to_string(steps) + "\n";
  return end;
}

ShotOutcome TraceRequestedShot(std::span<const uint8_t> entry, const ShotRequest& request,
                               std::string& out) {
  HoleLayout layout;
  Ball ball;
  layout.SetOverlapRule(request.rule);
  if (layout.LoadHoleData(entry, request.hole, ball) != HoleLayout::LoadResult::kLoaded) {
    return ShotOutcome::kNoHole;
  }
  if (request.fromPoint) {
    ball.posx = request.fromX;
    ball.posy = request.fromY;
  }
  double fx = request.fx;
  double fy = request.fy;
  if (request.aimed) {
    const double power = ShotPower(request.holdMs);
    SnapBall(ball);
    if (!AimedVelocity(ball, request.aimX, request.aimY, power, fx, fy)) {
      return ShotOutcome::kNoDirection;
    }
  }
  ball.Strike(fx, fy);
  TraceShot(layout, ball, request.maxSteps, out);
  return ShotOutcome::kPlayed;
}

}  // namespace golf
