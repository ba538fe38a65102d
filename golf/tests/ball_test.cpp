// The ball's own rules: strike, stop speed, the field bounds, the cup, the stuck tracker
// and the limit that ends a roll that would never stop.
#include <gtest/gtest.h>

#include "golf/ball.h"
#include "golf/hole_layout.h"
#include "golf/shot.h"
#include "test_hole.h"

namespace golf {
namespace {

using testing::CourseBytes;
using testing::FlatHole;

class BallTest : public ::testing::Test {
 protected:
  void Load(const std::vector<std::string>& rows = {}, const std::string& extra = "") {
    const auto entry = CourseBytes(FlatHole(0, "tee 4:4/5\ncup 1:1/5" + extra, rows));
    ASSERT_EQ(layout_.LoadHoleData(entry, 0, ball_), HoleLayout::LoadResult::kLoaded);
  }
  HoleLayout layout_;
  Ball ball_;
};

TEST_F(BallTest, StrikeRemembersThePixelAndStartsARoll) {
  Load();
  ball_.posx = 100.7;
  ball_.posy = 120.2;
  ball_.isMoving = 0;
  ball_.Strike(30.0, -40.0);
  EXPECT_EQ(ball_.shotx, 101.0);  // 3 + trunc(98.2)
  EXPECT_EQ(ball_.shoty, 120.0);  // 3 + trunc(117.7)
  EXPECT_EQ(ball_.fx, 30.0);
  EXPECT_EQ(ball_.isMoving, 1);
}

TEST_F(BallTest, StopSpeedIsEightPerAxisOnFlatGround) {
  Load();
  ball_.Strike(8.0, 0.0);
  EXPECT_TRUE(ball_.StepForces(layout_));
  ball_.Strike(7.99, -7.99);
  EXPECT_FALSE(ball_.StepForces(layout_));
  EXPECT_EQ(ball_.isMoving, 0);
  EXPECT_EQ(ball_.fx, 7.99);                // the slow velocity is kept
  EXPECT_FALSE(ball_.StepForces(layout_));  // and a stopped ball stays stopped
}

TEST_F(BallTest, SlopeIsAddedOncePerStepEvenAtRest) {
  Load({"01 01 01 01 01 01 01 01 01 01", "01 01 01 01 01 01 01 01 01 01",
        "01 01 01 01 01 01 01 01 01 01", "01 01 01 01 01 01 01 01 01 01",
        "01 01 01 01 09/90 01 01 01 01 01"});
  ball_.Strike(0.0, 0.0);
  EXPECT_TRUE(ball_.StepForces(layout_));
  EXPECT_EQ(ball_.hillFx, 8.0);
  EXPECT_EQ(ball_.fx, 8.0);
  EXPECT_TRUE(ball_.StepForces(layout_));
  EXPECT_EQ(ball_.fx, 16.0);
}

TEST_F(BallTest, LeavingTheFieldPutsTheBallBackAtRest) {
  Load();
  ball_.posx = 220.0;
  ball_.posy = 100.0;
  ball_.fx = 100.0;
  ball_.fy = 0.0;
  ball_.Advance(0.05);  // exactly 225: still inside
  EXPECT_EQ(ball_.posx, 225.0);
  EXPECT_EQ(ball_.fx, 95.0);
  ball_.posx = 225.0;  // then 0.0001 further
  ball_.fx = 0.002;
  ball_.Advance(0.05);
  EXPECT_EQ(ball_.posx, 25.0);
  EXPECT_EQ(ball_.posy, 74.0);
  EXPECT_EQ(ball_.fx, 0.0);
  EXPECT_EQ(ball_.isMoving, 1);
}

TEST_F(BallTest, CupCatchesASlowBallWithinThreePixels) {
  Load();
  const double cx = layout_.CupX(), cy = layout_.CupY();
  ball_.posx = cx + 3.0;
  ball_.posy = cy;
  ball_.fx = 150.0;  // squared speed exactly 22500
  ball_.fy = 0.0;
  EXPECT_TRUE(layout_.IsBallInCup(ball_));
  ball_.fx = 150.001;
  EXPECT_FALSE(layout_.IsBallInCup(ball_));
  ball_.fx = 0.0;
  ball_.posx = cx + 3.001;
  EXPECT_FALSE(layout_.IsBallInCup(ball_));

  ball_.posx = cx + 2.0;
  ball_.Strike(100.0, 0.0);
  EXPECT_FALSE(ball_.StepForces(layout_));
  EXPECT_EQ(ball_.fx, 0.0);
  EXPECT_EQ(ball_.isMoving, 1);  // the cup leaves the flag alone
}

TEST(StuckTracker, CountsRevisitsOfTheNewestMatchingSlot) {
  StuckTracker t;
  t.Add(5, 5);
  t.Add(6, 5);
  t.Add(5, 5);
  EXPECT_EQ(t.count[3], 1);
  t.Add(6, 5);
  EXPECT_EQ(t.count[3], 1);
  t.Add(5, 5);
  EXPECT_EQ(t.count[3], 2);
  t.Add(7, 7);
  EXPECT_EQ(t.count[3], 0);
  // A fresh tracker holds (i, i): a ball at (2, 2) finds slot 2 of it.
  StuckTracker fresh;
  fresh.Add(2, 2);
  EXPECT_EQ(fresh.count[3], 1);
}

TEST_F(BallTest, RockingBetweenTwoPixelsStopsAtCountSix) {
  Load();
  ball_.Strike(100.0, 0.0);
  int steps = 0;
  for (; steps < 20; ++steps) {
    ball_.fx = 100.0;  // keep it fast: only the tracker can stop it
    ball_.posx = (steps % 2) ? 100.0 : 101.0;
    if (!ball_.StepForces(layout_)) break;
    ball_.TrackPosition();
  }
  EXPECT_EQ(ball_.tracker.count[3], 6);
  EXPECT_EQ(steps, 13);
}

TEST_F(BallTest, ARollThatNeverSettlesEndsAfterAMinute) {
  // A valley between two planes leaning towards each other swings the ball across more
  // than three pixels for ever; the roll still ends after 1200 steps.
  Load({"01 01 01 01 01 01 01 01 01 01", "01 01 01 01 01 01 01 01 01 01",
        "01 01 01 01 01 01 01 01 01 01", "01 01 01 01 01 01 01 01 01 01",
        "01 01 01 01 01 01 01 01 01 01", "01 01 01 09/90 09/270 01 01 01 01 01"});
  ball_.posx = 100;
  ball_.posy = 179;
  ball_.Strike(0.0, 10.0);
  int steps = 0;
  const ShotEnd end = RollShot(layout_, ball_, 5000, steps, [](int, const Ball&) {});
  EXPECT_EQ(end, ShotEnd::kStopped);
  EXPECT_EQ(steps, kMaxStepsPerShot);
  // A new strike starts the count again.
  ball_.Strike(0.0, 0.0);
  EXPECT_TRUE(ball_.StepForces(layout_));
}

TEST(ShotArithmetic, PowerWaveSnapAndAim) {
  EXPECT_EQ(ShotPower(0), 0.05);
  EXPECT_EQ(ShotPower(500), 0.5);
  EXPECT_EQ(ShotPower(1000), 1.0);
  EXPECT_EQ(ShotPower(1500), 0.5);
  EXPECT_EQ(ShotPower(2000), 0.05);
  EXPECT_EQ(ShotPower(2040), 0.05);
  Ball ball;
  ball.posx = 100.49;
  ball.posy = 60.5;
  SnapBall(ball);
  EXPECT_EQ(ball.posx, 100.0);
  EXPECT_EQ(ball.posy, 61.0);
  double fx = 0, fy = 0;
  ASSERT_TRUE(AimedVelocity(ball, 103, 65, 0.5, fx, fy));
  EXPECT_DOUBLE_EQ(fx, 90.0);
  EXPECT_DOUBLE_EQ(fy, 120.0);
  EXPECT_FALSE(AimedVelocity(ball, 100, 61, 0.5, fx, fy));
}

}  // namespace
}  // namespace golf
