// A shot as the game screen plays it, without drawing: the charge's power, the release
// snap, the aimed strike and the rolling loop of 0.05 s steps until the ball comes to rest.
#pragma once

#include <cstdint>

#include "golf/ball.h"
#include "golf/hole_layout.h"

namespace golf {

enum class ShotEnd { kStopped, kHoled, kHazard, kLimit };

const char* ShotEndName(ShotEnd end);

// The power of a stroke after the shoot button was held for holdMs: a 2-second triangle
// wave rising from 0.05 to 1.0 in the first second and falling back in the second.
double ShotPower(uint32_t holdMs);

// Moves the ball to its pixel on release: k + trunc(x - r + 1), k = trunc(r).
void SnapBall(Ball& ball);

// The velocity towards the aim point at power * 300 px/s. False when the aim point is the
// ball centre itself (no direction: the game refuses the shot).
bool AimedVelocity(const Ball& ball, int aimX, int aimY, double power, double& fx, double& fy);

// The sub-steps of one 0.05 s step: wall contacts until none is left in the step's time,
// then at most one free move with the time that remains.
void RunPhysicsStep(HoleLayout& layout, Ball& ball);

// Rolls a struck ball until it stops, drops in, reaches a hazard or maxSteps steps have
// run. After every step: onStep(step number from 1, ball).
template <typename OnStep>
ShotEnd RollShot(HoleLayout& layout, Ball& ball, int maxSteps, int& steps, OnStep&& onStep) {
  steps = 0;
  for (;;) {
    if (steps >= maxSteps) return ShotEnd::kLimit;
    if (!ball.StepForces(layout)) {
      return layout.IsBallInCup(ball) ? ShotEnd::kHoled : ShotEnd::kStopped;
    }
    RunPhysicsStep(layout, ball);
    ball.TrackPosition();
    ++steps;
    onStep(steps, static_cast<const Ball&>(ball));
    if (layout.IsHazardAt(PixelOf(ball.posx), PixelOf(ball.posy))) return ShotEnd::kHazard;
  }
}

}  // namespace golf
