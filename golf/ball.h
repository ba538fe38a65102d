// The ball: its state, the strike, the per-step slope and stop rules, the free move and
// the tracker that stops a ball rocking between a few pixels.
#pragma once

#include <cstdint>

namespace golf {

class HoleLayout;

inline constexpr double kPhysicsStep = 0.05;   // seconds of play per step
inline constexpr double kStepEnd = 1e-7;       // a step ends when this little time is left
inline constexpr int kStuckLimit = 6;          // revisits of one pixel before the ball stops
inline constexpr int kMaxStepsPerShot = 1200;  // a minute of play: no shot rolls for ever

// The last four integer positions of the ball and how often each was revisited.
struct StuckTracker {
  int32_t x[4] = {0, 1, 2, 3};
  int32_t y[4] = {0, 1, 2, 3};
  int32_t count[4] = {0, 0, 0, 0};

  void Reset() { *this = StuckTracker{}; }
  // Shifts the history down one slot, puts (pointX, pointY) in slot 3 and counts it as a revisit
  // of the newest earlier slot holding the same point.
  void Add(int32_t pointX, int32_t pointY);
};

class Ball {
 public:
  Ball() = default;
  virtual ~Ball() = default;

  // Sets the velocity, remembers the pixel the ball was struck from and starts a roll.
  void Strike(double forceX, double forceY);
  // The start of every step: the slope increment of the ground under the centre, the cup
  // and the stop rules. False once the ball has stopped or dropped into the cup.
  bool StepForces(HoleLayout& layout);
  // True while the ball is faster than 8 px/s on an axis or the ground still pushes it.
  bool IsMoving() const;
  // A free move for time t; a ball that leaves the field goes back to (25, 74) at rest.
  void Advance(double t);
  // Feeds the stuck tracker with the ball picture's integer corner after a step.
  void TrackPosition();

  // Counts a wall contact of the current step; false once the step has had so many that
  // the ball must be wedged (the rest of the step is then spent where it stands).
  bool CountContact();
  // Wall contacts in the current step so far.
  int ContactsThisStep() const { return contacts_; }

  double posx = 0.0, posy = 0.0;
  double shotx = 0.0, shoty = 0.0;
  double fx = 0.0, fy = 0.0;
  double hillFx = 0.0, hillFy = 0.0;
  double radius = 3.5;
  double radiusSquared = 12.25;
  uint8_t isMoving = 1;
  StuckTracker tracker;

 private:
  int steps_ = 0;     // physics steps since the last strike
  int contacts_ = 0;  // wall contacts in the current step
};

// Wall contacts allowed in one step. An ordinary step makes at most a handful; a ball
// wedged in a corner could otherwise make zero-time contacts without end.
inline constexpr int kMaxContactsPerStep = 64;

}  // namespace golf
