// The rules of play on the game screen: shot power, stroke counting, hazards, the stroke
// limit, holing, the shot that has no direction, and the test-mode hole keys.
#include <cmath>

#include "frame/form/game_key.h"
#include "game_form_test_support.h"
#include "golf/block_table.h"
#include "golf/hole_layout.h"
#include "screens/controls/click_button.h"

namespace game_test {
namespace {

using screens::PlayState;

constexpr std::array<uint8_t, 18> kNoStrokes{};

std::array<uint8_t, 18> CountsWith(int hole, uint8_t count) {
  std::array<uint8_t, 18> counts{};
  counts[hole] = count;
  return counts;
}

class GameRules : public GameScreenTest {
 protected:
  // A hazard cell's centre on the first hole of a course that has one in the aiming area.
  bool FindHazard(int& course, int& hole, int& x, int& y) {
    for (course = 0; course < 5; ++course) {
      for (hole = 0; hole < 18; ++hole) {
        Resume(course, hole, kNoStrokes);
        const golf::HoleLayout& layout = form_->Layout();
        for (int row = 1; row < 8; ++row) {
          for (int column = 1; column < 9; ++column) {
            const uint32_t id = layout.BlockAt(row, column);
            if (id < 53 || id > 58) continue;
            x = 15 + 21 * column + 10;
            y = 64 + 21 * row + 10;
            if (layout.IsHazardAt(x, y)) return true;
          }
        }
      }
    }
    return false;
  }

  double Speed() const { return std::hypot(form_->GetBall().fx, form_->GetBall().fy); }
};

TEST_F(GameRules, PowerFollowsTheTwoSecondTriangleOfTheHeldButton) {
  const struct {
    uint32_t holdMs;
    double speed;
  } cases[] = {{500, 150.0}, {1000, 300.0}, {1500, 150.0}, {2000, 15.0}, {30, 15.0}};
  for (const auto& c : cases) {
    Resume(0, 0, kNoStrokes);
    const golf::Ball& ball = form_->GetBall();
    const int aimX = static_cast<int>(ball.posx) + 40 <= 220 ? static_cast<int>(ball.posx) + 40
                                                             : static_cast<int>(ball.posx) - 40;
    Shoot(aimX, static_cast<int>(ball.posy), c.holdMs);
    EXPECT_EQ(form_->State(), PlayState::kRolling) << c.holdMs;
    EXPECT_NEAR(Speed(), c.speed, 1e-9) << c.holdMs;
    EXPECT_TRUE(form_->ShootButton().IsDisabled());
    EXPECT_EQ(form_->StrokeCounts()[0], 0) << "a stroke is counted when it ends";
  }
}

TEST_F(GameRules, AStrokeThatStopsCountsOneAndTheNextStrokeIsOffered) {
  Resume(0, 0, kNoStrokes);
  const golf::Ball& ball = form_->GetBall();
  Shoot(static_cast<int>(ball.posx) + 30, static_cast<int>(ball.posy), 30);
  PlayOut();
  ASSERT_EQ(form_->Hole(), 0);
  EXPECT_EQ(form_->State(), PlayState::kReady);
  EXPECT_EQ(form_->StrokeCounts()[0], 1);
  EXPECT_FALSE(Played(screens::kSoundStrokeLimit));
}

TEST_F(GameRules, EveryWallContactPlaysTheBounceSoundOnlyWhenSoundsAreOn) {
  for (int setting : {screens::kSoundOn, screens::kSoundOff}) {
    screens::SetSoundSetting(setting);
    Resume(0, 0, kNoStrokes);
    headless_->ClearSounds();
    const golf::Ball& ball = form_->GetBall();
    // A full-power shot along the field rolls far enough to meet its bounding walls.
    const int aimX =
        ball.posx > 120 ? static_cast<int>(ball.posx) - 30 : static_cast<int>(ball.posx) + 30;
    Shoot(aimX, static_cast<int>(ball.posy), 1000);
    PlayOut();
    EXPECT_EQ(Played(screens::kSoundWall), setting == screens::kSoundOn) << setting;
  }
}

TEST_F(GameRules, TheSixthStrokeThatDoesNotSinkEndsTheHoleWithSeven) {
  Resume(0, 4, CountsWith(4, 5));
  const golf::Ball& ball = form_->GetBall();
  Shoot(static_cast<int>(ball.posx) + 30, static_cast<int>(ball.posy), 30);
  PlayOut();
  EXPECT_EQ(form_->StrokeCounts()[4], 6);
  EXPECT_TRUE(Played(screens::kSoundStrokeLimit));
  EXPECT_EQ(form_->Hole(), 5);
  EXPECT_EQ(form_->StrokeCounts()[5], 0);
  EXPECT_EQ(form_->State(), PlayState::kReady);
}

TEST_F(GameRules, AHazardReturnsTheBallToItsShotAndCounts) {
  int course, hole, x, y;
  ASSERT_TRUE(FindHazard(course, hole, x, y));
  Resume(course, hole, kNoStrokes, x, y);
  Shoot(x + 20, y, 30);
  const double shotX = form_->GetBall().shotx, shotY = form_->GetBall().shoty;
  PlayOut();
  EXPECT_TRUE(Played(screens::kSoundHazard));
  EXPECT_EQ(form_->StrokeCounts()[hole], 1);
  EXPECT_EQ(form_->State(), PlayState::kReady);
  EXPECT_EQ(form_->GetBall().posx, shotX);
  EXPECT_EQ(form_->GetBall().posy, shotY);
  EXPECT_EQ(form_->GetBall().fx, 0.0);
}

TEST_F(GameRules, ASixthStrokeIntoAHazardEndsTheHoleWithoutTheLimitSound) {
  int course, hole, x, y;
  ASSERT_TRUE(FindHazard(course, hole, x, y));
  Resume(course, hole, CountsWith(hole, 5), x, y);
  Shoot(x + 20, y, 30);
  PlayOut();
  EXPECT_TRUE(Played(screens::kSoundHazard));
  EXPECT_FALSE(Played(screens::kSoundStrokeLimit));
  EXPECT_EQ(form_->StrokeCounts()[hole], 6);
  EXPECT_EQ(form_->Hole(), hole + 1);
}

TEST_F(GameRules, HolingPlaysTheSinkSoundAndStartsTheNextHoleOnStrokeOne) {
  Resume(1, 2, CountsWith(2, 3));
  const golf::HoleLayout& layout = form_->Layout();
  Resume(1, 2, CountsWith(2, 3), layout.CupX(), layout.CupY());
  Shoot(layout.CupX() + 20, layout.CupY(), 30);
  PlayOut();
  EXPECT_TRUE(Played(screens::kSoundHoled));
  EXPECT_EQ(form_->Hole(), 3);
  EXPECT_EQ(form_->StrokeCounts()[2], 3) << "the sinking stroke is not counted";
  EXPECT_EQ(form_->StrokeCounts()[3], 0);
  EXPECT_EQ(form_->GetBall().posx, form_->Layout().TeeX());
  EXPECT_EQ(form_->GetBall().posy, form_->Layout().TeeY());
}

TEST_F(GameRules, AShotLeftWithoutDirectionByTheReleaseSnapIsNoStroke) {
  Resume(0, 0, kNoStrokes);
  const int tx = form_->Layout().TeeX(), ty = form_->Layout().TeeY();
  // Half a pixel up and left of the tee: far enough to aim at the tee, and the snap on
  // release puts the ball exactly there.
  Resume(0, 0, kNoStrokes, tx - 0.5, ty - 0.5);
  headless_->ClearSounds();
  Shoot(tx, ty, 500);
  EXPECT_EQ(form_->State(), PlayState::kAiming);
  EXPECT_FALSE(form_->ShootButton().IsDisabled());
  EXPECT_TRUE(Played(screens::kSoundNoShot));
  EXPECT_EQ(form_->GetBall().fx, 0.0);
  EXPECT_EQ(form_->GetBall().fy, 0.0);
  PlayOut(500);
  EXPECT_EQ(form_->StrokeCounts()[0], 0);
}

TEST_F(GameRules, ATapOnTheBallCentreSetsNoAim) {
  Resume(0, 0, kNoStrokes, 100.0, 150.0);
  form_->OnStylusDown(100, 150);
  EXPECT_EQ(form_->State(), PlayState::kReady);
  EXPECT_FALSE(Played(screens::kSoundAim));
  form_->OnStylusDown(101, 150);
  EXPECT_EQ(form_->State(), PlayState::kAiming);
  EXPECT_TRUE(Played(screens::kSoundAim));
}

TEST_F(GameRules, SlidingOffTheChargingButtonCancelsTheShot) {
  Resume(0, 0, kNoStrokes);
  const int bx = static_cast<int>(form_->GetBall().posx);
  const int by = static_cast<int>(form_->GetBall().posy);
  form_->OnStylusDown(bx + 30, by);
  form_->OnStylusUp(bx + 30, by);
  form_->OnStylusDown(kShootX, kShootY);
  EXPECT_EQ(form_->State(), PlayState::kCharging);
  form_->OnStylusMove(100, 150);
  EXPECT_EQ(form_->State(), PlayState::kChargeCancelled);
  form_->OnStylusUp(100, 150);
  EXPECT_EQ(form_->State(), PlayState::kAiming);
  EXPECT_EQ(form_->AimX(), bx + 30);
}

TEST_F(GameRules, TestModeHoleKeysMoveTwoHolesPerPressWithinTheCourse) {
  screens::SetPlayerName("Brisk");
  Resume(0, 16, kNoStrokes);
  ASSERT_TRUE(form_->TestMode());
  form_->OnKey(frame::kGameKeyUp, 1);
  form_->OnKey(frame::kGameKeyUp, 0);
  EXPECT_EQ(form_->Hole(), 17);
  Resume(0, 0, kNoStrokes);
  form_->OnKey(frame::kGameKeyDown, 1);
  EXPECT_EQ(form_->Hole(), 0);
  screens::SetPlayerName("brisk");
  form_->OnShow();
  EXPECT_FALSE(form_->TestMode());
}

}  // namespace
}  // namespace game_test
