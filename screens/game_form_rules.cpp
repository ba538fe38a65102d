// The rules of play, run from the game screen's idle pass: the 0.05 s physics steps, the
// end of a stroke (cup, hazard, stroke limit), the next hole and the end of the course.
#include <windows.h>

#include "frame/elements/frame_animation.h"
#include "frame/surface/offscreen_surface.h"
#include "golf/animation/cell_animation.h"
#include "golf/ball.h"
#include "golf/hole_layout.h"
#include "screens/game_form.h"
#include "screens/hole_drawing.h"

namespace screens {

namespace {

constexpr DWORD kStepMs = 50;          // the physics step in milliseconds of the tick count
constexpr uint8_t kLastFreeCount = 5;  // a stroke that stops on this count ends the hole
constexpr uint8_t kMaxCount = 255;     // test mode: counts stop growing here

}  // namespace

bool GameForm::OnIdle() {
  const DWORD now = GetTickCount();
  const int flags = cellAnimations_->Tick(*this, *holePicture_, *ball_, aimX_, aimY_);
  if (flags & golf::kRedrawBall) DrawBall();
  if (flags & golf::kRedrawAim) {
    EraseAimMark(aimX_, aimY_);
    DrawAimMark(aimX_, aimY_);
  }
  IdleByState(now);
  return true;  // the screen always animates
}

void GameForm::IdleByState(DWORD now) {
  switch (state_) {
    case PlayState::kRolling:
      if (now - lastStepTime_ < kStepMs) return;
      if (ball_->StepForces(*layout_)) {
        RunPhysicsStep(now);
        ball_->TrackPosition();
        if (layout_->IsHazardAt(golf::PixelOf(ball_->posx), golf::PixelOf(ball_->posy))) {
          state_ = PlayState::kInHazard;
        }
      } else {
        OnBallStopped();
      }
      return;
    case PlayState::kHoled:
      SinkSequence();
      return;
    case PlayState::kInHazard:
      HazardSequence();
      return;
    case PlayState::kCharging:
      if (chargeStart_ != 0) DrawPowerBar(now);
      return;
    case PlayState::kStrokeLimit:
      AdvanceHole();
      return;
    default:
      return;
  }
}

void GameForm::RunPhysicsStep(DWORD now) {
  lastStepTime_ = now;
  double remaining = golf::kPhysicsStep;
  for (;;) {
    // The same sub-steps as the engine's own step, so a shot rolls as its trace does.
    const bool hit = layout_->CollideBall(*ball_, remaining);
    if (hit) PlayGameSound(kSoundWall);
    if (!hit && remaining > 0.0) ball_->Advance(remaining);
    CopyPlayfield();
    DrawBall();
    Elements().Paint();
    DrawStatus();
    if (remaining <= golf::kStepEnd || !hit) return;
  }
}

void GameForm::OnBallStopped() {
  if (layout_->IsBallInCup(*ball_)) {
    state_ = PlayState::kHoled;
    return;
  }
  uint8_t& count = CurrentCount();
  if (!testMode_ && count >= kLastFreeCount) {
    ++count;
    // A hazard already had its own sound.
    if (state_ != PlayState::kInHazard) PlayGameSound(kSoundStrokeLimit);
    state_ = PlayState::kStrokeLimit;
    return;
  }
  if (count < kMaxCount) ++count;
  DrawBall();
  state_ = PlayState::kReady;
  DrawStatus();
}

void GameForm::PlaySinkAnimation() {
  sinkAnimation_->SetPosition(BallPictureX(*ball_), BallPictureY(*ball_));
  sinkAnimation_->Start();
  // The sequence holds the screen: no message is taken until the last frame is gone.
  while (!sinkAnimation_->IsFinished()) {
    sinkAnimation_->Step(*this);
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // shows the frame drawn so far
    Sleep(1);
  }
}

void GameForm::SinkSequence() {
  PlayGameSound(kSoundHoled);
  CopyPlayfield();
  PutBallAtRest(layout_->CupX(), layout_->CupY());
  PlaySinkAnimation();
  AdvanceHole();  // the sinking stroke is not counted
}

void GameForm::HazardSequence() {
  PlayGameSound(kSoundHazard);
  CopyPlayfield();
  PlaySinkAnimation();
  PutBallAtRest(ball_->shotx, ball_->shoty);
  OnBallStopped();  // the stroke into the hazard counts
}

void GameForm::AdvanceHole() {
  ++hole_;
  if (hole_ < kHoleCount) {
    SetUpHole();
    PutBallOnTee();
    OnPaint();
    return;
  }
  noGameInProgress_ = true;
  uint16_t total = 0;
  for (uint8_t count : counts_) total = static_cast<uint16_t>(total + count + 1);
  OnKey(kScoreCardKey, 1);
  OfferHighscore(total);
  ReturnToMenu(0, 0);
}

}  // namespace screens
