// The text trace of a rolling ball: one line per physics step with the ball's state in
// full precision, then "end REASON STEPS"; recorded traces pin the engine's arithmetic.
#pragma once

#include <string>

#include "golf/shot.h"

namespace golf {

// "STEP posx posy Fx Fy hillFx hillFy Ismoving": the doubles as %.17g, Ismoving 0 or 1.
std::string TraceLine(int step, const Ball& ball);

// Rolls a struck ball (RollShot) and appends its trace lines and the end line to out.
ShotEnd TraceShot(HoleLayout& layout, Ball& ball, int maxSteps, std::string& out);

// One shot on a hole of a course entry, from the tee or a given point.
struct ShotRequest {
  int hole = 0;
  bool aimed = false;     // aimed: the game's charge, snap and strike; else (fx, fy)
  double fx = 0, fy = 0;  // the strike's velocity
  int aimX = 0, aimY = 0;
  uint32_t holdMs = 0;     // how long the shoot button was held
  bool fromPoint = false;  // start at (fromX, fromY) instead of the tee
  double fromX = 0, fromY = 0;
  int maxSteps = 100000;
  OverlapRule rule = OverlapRule::kMended;
};

enum class ShotOutcome { kPlayed, kNoHole, kNoDirection };

// Loads the hole, places and strikes the ball as requested, and traces its roll.
ShotOutcome TraceRequestedShot(std::span<const uint8_t> entry, const ShotRequest& request,
                               std::string& out);

}  // namespace golf
