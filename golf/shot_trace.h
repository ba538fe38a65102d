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

}  // namespace golf
