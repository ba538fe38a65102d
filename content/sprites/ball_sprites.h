// The ball sprite and the five frames of the ball sinking into the cup, each with its mask
// (black where the sprite is, white where the screen shows through).
#pragma once

#include "content/art/canvas.h"

namespace content {

// The ball is drawn with its top-left corner at trunc(x - 3.5 + 1): its centre pixel is the
// picture's (3, 3) and a ball of radius 3.5 covers pixels 0..6.
inline constexpr double kBallCentre = 3.5;  // in picture coordinates, pixel edges at integers
inline constexpr double kBallRadius = 3.5;

struct Sprite {
  Canvas picture;  // black outside the sprite
  Canvas mask;
};

Sprite BallSprite();

// Frame 0..4 of the sink animation, drawn at the same corner as the ball: the ball drops,
// shrinking and darkening, into the dark of the cup.
Sprite SinkFrame(int frame, int size);

}  // namespace content
