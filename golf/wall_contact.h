// Sweep tests of a moving ball against one wall: the straight face, a round end cap and
// the inside of an arc. Each moves and bounces a copy of the ball's motion on contact.
#pragma once

#include "golf/wall.h"

namespace golf {

inline constexpr double kContactEpsilon = 1e-7;

// The ball's centre, velocity and the time left in the step.
struct Motion {
  double px, py;
  double vx, vy;
  double t;
};

// How a ball that already overlaps a wall is treated when it moves further in. Mended:
// it hits the wall at once (the face, cap or arc it overlaps). Unmended: the plain sweep
// tests see no crossing and the ball passes through; kept to compare shots.
enum class OverlapRule { kMended, kPassThrough };

// Culls by the wall's box, then runs the test for the wall's kind. On a contact the
// motion holds the contact position, the reflected velocity and the time left after it.
// An arc wall keeps the normal of its last contact, hence the non-const wall.
bool TestWall(Wall& wall, Motion& m, double r, OverlapRule rule);

bool TestStraightWall(const Wall& wall, Motion& m, double r, OverlapRule rule);
// The round cap at A (u < -epsilon) or B (otherwise).
bool TestCorner(const Wall& wall, Motion& m, double r, double u, OverlapRule rule);
bool TestArcWall(Wall& wall, Motion& m, double r, OverlapRule rule);

}  // namespace golf
