// Checks the ball sprite against how the game places it (corner at trunc(x - 3.5 + 1), so the
// ball's centre pixel is the picture's (3, 3)) and against the mask rule: black marks the
// sprite, and the picture is black wherever the mask lets the screen through.
#include <gtest/gtest.h>

#include <algorithm>

#include "content/sprites/ball_sprites.h"

namespace content {
namespace {

constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255};

void ExpectMaskMatchesPicture(const Sprite& s) {
  for (int y = 0; y < s.mask.Height(); ++y) {
    for (int x = 0; x < s.mask.Width(); ++x) {
      const Rgb m = s.mask.Get(x, y);
      ASSERT_TRUE(m == kBlack || m == kWhite) << x << "," << y;
      if (m == kWhite) {
        EXPECT_EQ(s.picture.Get(x, y), kBlack) << x << "," << y;
      }
    }
  }
}

TEST(BallSprite, CoversSevenPixelsRoundItsCentrePixel) {
  const Sprite ball = BallSprite();
  ExpectMaskMatchesPicture(ball);
  int left = 99, right = -1, top = 99, bottom = -1, covered = 0;
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      if (ball.mask.Get(x, y) == kBlack) {
        ++covered;
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
    }
  }
  EXPECT_EQ(left, 0);
  EXPECT_EQ(right, 6);
  EXPECT_EQ(top, 0);
  EXPECT_EQ(bottom, 6);
  EXPECT_GT(covered, 32);  // round, not a square and not a thin ring
  EXPECT_LT(covered, 49);
}

TEST(SinkAnimation, TheBallShrinksAndDarkensFrameByFrame) {
  int previousCovered = 1000;
  double previousLight = 1e9;
  for (int f = 0; f < 5; ++f) {
    const Sprite s = SinkFrame(f, 16);
    ExpectMaskMatchesPicture(s);
    int covered = 0;
    double light = 0;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        if (s.mask.Get(x, y) == kBlack) {
          ++covered;
          const Rgb p = s.picture.Get(x, y);
          light += p.r + p.g + p.b;
        }
      }
    }
    ASSERT_GT(covered, 0) << f;
    EXPECT_LT(covered, previousCovered) << f;
    EXPECT_LT(light / covered, previousLight) << f;
    previousCovered = covered;
    previousLight = light / covered;
  }
}

}  // namespace
}  // namespace content
