// Where the game screen draws: the playfield, the status numbers, the buttons and the ball
// picture's corner, in the game form's coordinates.
#pragma once

#include "frame/surface/rect.h"
#include "golf/ball.h"
#include "golf/grid.h"

namespace screens {

// The 10 by 9 cells of 21 pixels.
inline constexpr frame::Rect kPlayfield{15, 64, 210, 189};

inline constexpr int kShootButtonX = 164, kShootButtonY = 12;
inline constexpr int kMenuButtonX = 132, kMenuButtonY = 14;
inline constexpr int kScoreButtonX = 211, kScoreButtonY = 241;
inline constexpr int kScoreIconX = 205, kScoreIconY = 236;

// The hole and stroke numbers end at these x; the test-mode coordinates start at theirs.
inline constexpr int kStatusY = 16;
inline constexpr int kHoleNumberRight = 60;
inline constexpr int kStrokeNumberRight = 121;
inline constexpr int kTestXLeft = 60, kTestYLeft = 140, kTestY = 64;

// The aim mark's 9 by 9 square stays inside the playfield when it is erased.
inline constexpr int kAimMarkSize = 9;
inline constexpr int kAimEraseMaxX = 217, kAimEraseMaxY = 245;

// The power cycle: rising for a second, falling for a second.
inline constexpr unsigned kPowerCycleMs = 2000;
inline constexpr unsigned kPowerRiseMs = 1000;

// The ball sprite's top-left corner: trunc(x - r + 1), trunc(y - r + 1).
inline int BallPictureX(const golf::Ball& ball) {
  return golf::PixelOf(ball.posx - ball.radius + 1.0);
}
inline int BallPictureY(const golf::Ball& ball) {
  return golf::PixelOf(ball.posy - ball.radius + 1.0);
}

}  // namespace screens
