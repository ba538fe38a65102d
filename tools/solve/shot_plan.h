// The shots tried from one resting place: aim points that the game's tap area allows,
// one per direction, times the hold times of the shoot button.
#pragma once

#include <cstdint>
#include <vector>

namespace solve {

// Where the game takes an aiming tap (form coordinates). The score button's corner,
// x 211 and up with y 241 and up, is left out: a tap there also presses that button.
inline constexpr int kAimLeft = 19, kAimRight = 220, kAimTop = 68, kAimBottom = 248;
inline constexpr int kScoreButtonX = 211, kScoreButtonY = 241;
bool AimAllowed(int x, int y);

struct AimPoint {
  int16_t x = 0, y = 0;
};

struct AimedShot {
  int16_t aimX = 0, aimY = 0;
  int16_t holdMs = 0;
  uint8_t sensible = 0;  // first shots only: aimed near the cup or at open floor
};

struct PlanSettings {
  int angles = 720;         // directions all round, evenly spread
  double cupDegrees = 6.0;  // every direction the tap area offers within this of the cup
  int holdStep = 10;        // hold times 50, 50 + step, ... 1000 ms
};

// One aim point per distinct direction from the ball's pixel (bx, by): the far edge of
// the tap area along each of `angles` rays, plus every edge point within cupDegrees of
// the line to the cup and the cup itself. A direction reached by several aim points
// (the same line, nearer or farther) is kept once; the ball's own pixel is never aimed at.
std::vector<AimPoint> AimPoints(int bx, int by, int cupX, int cupY, const PlanSettings& plan);

// 50 ms (any shorter hold gives the same power) to 1000 ms: the power wave is symmetric,
// so longer holds repeat these.
std::vector<int16_t> HoldTimes(int step);

// The angle in degrees between the directions (ax, ay) and (bx, by), 0..180.
double AngleBetween(double ax, double ay, double bx, double by);

}  // namespace solve
