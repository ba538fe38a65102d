// Formatting of shot traces.
#include "golf/shot_trace.h"

#include <cstdio>

namespace golf {

std::string TraceLine(int step, const Ball& ball) {
  char line[256];
  std::snprintf(line, sizeof line, "%d %.17g %.17g %.17g %.17g %.17g %.17g %d\n", step, ball.posx,
                ball.posy, ball.Fx, ball.Fy, ball.hillFx, ball.hillFy, ball.Ismoving ? 1 : 0);
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

}  // namespace golf
