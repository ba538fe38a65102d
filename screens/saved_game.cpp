// The game form's saved game: course, hole, stroke counts and ball as the nested record
// "Engine" of the settings store, written at exit and read back at start.
#include <cstdio>

#include "golf/ball.h"
#include "golf/ball_record.h"
#include "screens/controls/click_button.h"
#include "screens/game_form.h"
#include "screens/saved_game.h"
#include "storage/property/property_store.h"

namespace screens {

namespace {

void SetInteger(storage::PropertyStore& store, const char* key, uint32_t value) {
  store.SetValue(storage::kPropertyValue, key, &value, sizeof value);
}

// A key the record lacks gives the fallback, never another key's value.
uint32_t GetInteger(const storage::PropertyStore& store, const char* key, uint32_t fallback) {
  uint32_t value = fallback;
  store.GetValue(key, &value, sizeof value);
  return value;
}

}  // namespace

void GameForm::SaveGame(storage::PropertyStore& settings) const {
  storage::PropertyStore courseRecord;
  storage::PropertyStore engineRecord;
  storage::PropertyStore ballRecord;
  SetInteger(courseRecord, kCourseNumberKey, course_);
  SetInteger(courseRecord, kHoleNumberKey, hole_);
  for (int i = 0; i < kHoleCount; ++i) {
    char key[16];
    std::snprintf(key, sizeof key, kScoreKeyFormat, i);
    SetInteger(courseRecord, key, counts_[i]);
  }
  golf::SaveBall(*ball_, ballRecord);
  // Where a hazard returns the ball, so that a resumed roll ends as it would have.
  ballRecord.SetValue(storage::kPropertyValue, kShotXKey, &ball_->shotx, sizeof ball_->shotx);
  ballRecord.SetValue(storage::kPropertyValue, kShotYKey, &ball_->shoty, sizeof ball_->shoty);
  engineRecord.SetStore(storage::kPropertyStoreValue, kCourseRecordKey, courseRecord);
  engineRecord.SetStore(storage::kPropertyStoreValue, kBallRecordKey, ballRecord);
  settings.SetStore(storage::kPropertyStoreValue, kEngineRecordKey, engineRecord);
}

void GameForm::LoadGame(const storage::PropertyStore& settings) {
  storage::PropertyStore engineRecord;
  storage::PropertyStore courseRecord;
  storage::PropertyStore ballRecord;
  settings.GetStore(kEngineRecordKey, &engineRecord);
  engineRecord.GetStore(kCourseRecordKey, &courseRecord);
  engineRecord.GetStore(kBallRecordKey, &ballRecord);

  // The stored integers are 32-bit; the form keeps their lowest byte.
  course_ = static_cast<uint8_t>(GetInteger(courseRecord, kCourseNumberKey, 0));
  hole_ = static_cast<uint8_t>(GetInteger(courseRecord, kHoleNumberKey, kHoleCount));
  for (int i = 0; i < kHoleCount; ++i) {
    char key[16];
    std::snprintf(key, sizeof key, kScoreKeyFormat, i);
    counts_[i] = static_cast<uint8_t>(GetInteger(courseRecord, key, 0));
  }
  // A damaged course number would name a course entry that does not exist.
  if (course_ >= kCourseCount) {
    course_ = 0;
    hole_ = kHoleCount;
  }
  noGameInProgress_ = hole_ > kHoleCount - 1;
  state_ = PlayState::kReady;
  aimX_ = aimY_ = 0;
  chargeStart_ = 0;
  if (noGameInProgress_) return;

  SetUpHole();
  PutBallOnTee();
  golf::LoadBall(*ball_, ballRecord);
  ballRecord.GetValue(kShotXKey, &ball_->shotx, sizeof ball_->shotx);
  ballRecord.GetValue(kShotYKey, &ball_->shoty, sizeof ball_->shoty);
  // A roll that had not ended when the game was saved goes on; the moving flag says so,
  // whatever slope increment a ball at rest last received.
  if (ball_->isMoving != 0) {
    shootButton_->Disable();
    state_ = PlayState::kRolling;
  } else {
    shootButton_->SetNormal();
    state_ = PlayState::kReady;
  }
}

}  // namespace screens
