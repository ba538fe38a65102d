// The saved game: a rolling ball comes back bit for bit and keeps rolling; a course record
// that lacks keys gives the defaults, never the value of another key.
#include <bit>
#include <cstdint>
#include <cstring>

#include "game_form_test_support.h"
#include "golf/hole_layout.h"
#include "screens/controls/click_button.h"

namespace game_test {
namespace {

using screens::PlayState;

bool SameBits(double a, double b) {
  return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

class SavedGame : public GameScreenTest {};

TEST_F(SavedGame, ARollingBallResumesBitForBitAndKeepsRolling) {
  std::array<uint8_t, 18> counts{};
  counts[0] = 2;
  counts[6] = 4;
  Resume(3, 6, counts);
  const golf::Ball& ball = form_->GetBall();
  Shoot(static_cast<int>(ball.posx) + 40, static_cast<int>(ball.posy) + 10, 700);
  for (int t = 0; t < 180; ++t) {
    headless_->Advance(1);
    form_->OnIdle();
  }
  ASSERT_EQ(form_->State(), PlayState::kRolling);
  storage::PropertyStore settings;
  form_->SaveGame(settings);

  auto resumed = std::make_unique<screens::GameForm>("Game form", 0, 0, 240, 268);
  resumed->LoadGame(settings);
  const golf::Ball& again = resumed->GetBall();
  EXPECT_EQ(resumed->State(), PlayState::kRolling);
  EXPECT_TRUE(resumed->ShootButton().IsDisabled());
  EXPECT_FALSE(resumed->NoGameInProgress());
  EXPECT_EQ(resumed->Course(), 3);
  EXPECT_EQ(resumed->Hole(), 6);
  EXPECT_EQ(resumed->StrokeCounts(), form_->StrokeCounts());
  EXPECT_TRUE(SameBits(again.posx, ball.posx));
  EXPECT_TRUE(SameBits(again.posy, ball.posy));
  EXPECT_TRUE(SameBits(again.fx, ball.fx));
  EXPECT_TRUE(SameBits(again.fy, ball.fy));
  EXPECT_TRUE(SameBits(again.hillFx, ball.hillFx));
  EXPECT_TRUE(SameBits(again.hillFy, ball.hillFy));
  EXPECT_EQ(again.isMoving, ball.isMoving);
  EXPECT_EQ(again.shotx, ball.shotx);
  EXPECT_EQ(again.shoty, ball.shoty);
}

TEST_F(SavedGame, ABallAtRestResumesReadyWithoutAimOrCharge) {
  Resume(0, 4, {});
  form_->OnStylusDown(100, 150);
  ASSERT_EQ(form_->State(), PlayState::kAiming);
  storage::PropertyStore settings;
  form_->SaveGame(settings);
  auto resumed = std::make_unique<screens::GameForm>("Game form", 0, 0, 240, 268);
  resumed->LoadGame(settings);
  EXPECT_EQ(resumed->State(), PlayState::kReady);
  EXPECT_EQ(resumed->AimX(), 0);
  EXPECT_EQ(resumed->Hole(), 4);
}

TEST_F(SavedGame, AFinishedCourseIsSavedAsHoleEighteen) {
  form_->StartCourse(2, 18);
  storage::PropertyStore settings;
  form_->SaveGame(settings);
  auto resumed = std::make_unique<screens::GameForm>("Game form", 0, 0, 240, 268);
  resumed->LoadGame(settings);
  EXPECT_TRUE(resumed->NoGameInProgress());
  EXPECT_EQ(resumed->Hole(), 18);
  EXPECT_EQ(resumed->Course(), 2);
}

TEST_F(SavedGame, MissingKeysGiveCourseZeroHoleEighteenAndZeroCounts) {
  // Only "Course number": the hole must not take the course's value (2 would resume hole 3).
  storage::PropertyStore courseRecord, engine, settings;
  const uint32_t two = 2;
  courseRecord.SetValue(storage::kPropertyValue, "Course number", &two, 4);
  engine.SetStore(storage::kPropertyStoreValue, "Course", courseRecord);
  settings.SetStore(storage::kPropertyStoreValue, "Engine", engine);
  form_->LoadGame(settings);
  EXPECT_TRUE(form_->NoGameInProgress());
  EXPECT_EQ(form_->Hole(), 18);
  EXPECT_EQ(form_->Course(), 2);

  // Only the hole: course 0 and counts 0, not the hole's value.
  storage::PropertyStore courseRecord2, engine2, settings2;
  const uint32_t five = 5;
  courseRecord2.SetValue(storage::kPropertyValue, "Hole number", &five, 4);
  engine2.SetStore(storage::kPropertyStoreValue, "Course", courseRecord2);
  settings2.SetStore(storage::kPropertyStoreValue, "Engine", engine2);
  auto other = std::make_unique<screens::GameForm>("Game form", 0, 0, 240, 268);
  other->LoadGame(settings2);
  EXPECT_FALSE(other->NoGameInProgress());
  EXPECT_EQ(other->Course(), 0);
  EXPECT_EQ(other->Hole(), 5);
  for (uint8_t count : other->StrokeCounts()) EXPECT_EQ(count, 0);
  EXPECT_EQ(other->GetBall().posx, other->Layout().TeeX()) << "no ball record: on the tee";

  // No engine record at all.
  storage::PropertyStore empty;
  auto third = std::make_unique<screens::GameForm>("Game form", 0, 0, 240, 268);
  third->LoadGame(empty);
  EXPECT_TRUE(third->NoGameInProgress());
  EXPECT_EQ(third->Course(), 0);
  EXPECT_EQ(third->Hole(), 18);
}

TEST_F(SavedGame, IntegersKeepTheirLowestByte) {
  std::array<uint8_t, 18> counts{};
  Resume(0, 0, counts);
  storage::PropertyStore settings, engine, courseRecord;
  WriteSavedGame(settings, 1, 0x103, counts, -1, -1);
  form_->LoadGame(settings);
  EXPECT_EQ(form_->Hole(), 3);
  EXPECT_EQ(form_->Course(), 1);
}

}  // namespace
}  // namespace game_test
