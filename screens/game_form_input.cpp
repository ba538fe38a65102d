// The game screen's stylus input: placing and dragging the aim mark, charging the shot on
// the shoot button, firing it, and the test-mode ball drag.
#include <windows.h>

#include <algorithm>
#include <cmath>

#include "golf/ball.h"
#include "golf/shot.h"
#include "screens/controls/click_button.h"
#include "screens/game_form.h"
#include "screens/hole_drawing.h"

namespace screens {

namespace {

// Taps that place the aim point, and where a drag may take it.
constexpr int kAimLeft = 19, kAimRight = 220, kAimTop = 68, kAimBottom = 248;
constexpr int kDragMaxX = 221, kDragMaxY = 249;
// Test mode: the ball is picked up within 3 pixels, and an 80 by 80 square around it is
// restored while it is dragged.
constexpr int kGrabReach = 3;
constexpr int kDragWindow = 80;
constexpr int kDragWindowMaxX = 145, kDragWindowMaxY = 173;

}  // namespace

int GameForm::OnStylusDown(int x, int y) {
  const int handled = Elements().OnStylusDown(x, y);
  const int bx = golf::PixelOf(ball_->posx);
  const int by = golf::PixelOf(ball_->posy);
  chargeStart_ = 0;
  aimDragActive_ = false;
  if (testMode_ && std::abs(x - bx) <= kGrabReach && std::abs(y - by) <= kGrabReach) {
    draggingBall_ = true;
    return 1;
  }
  if (y >= kAimTop && y <= kAimBottom && x >= kAimLeft && x <= kAimRight &&
      (state_ == PlayState::kReady || state_ == PlayState::kAiming)) {
    // The aim point is never the ball's centre, so a shot always has a direction.
    if (std::fabs(x - ball_->posx) < 0.5 && std::fabs(y - ball_->posy) < 0.5) return 1;
    if (state_ == PlayState::kAiming) EraseAimMark(aimX_, aimY_);
    state_ = PlayState::kAiming;
    aimX_ = x;
    aimY_ = y;
    if (shootButton_->IsDisabled()) {
      shootButton_->SetNormal();
      shootButton_->Paint();
    }
    aimDragActive_ = true;
    PlayGameSound(kSoundAim);
    DrawAimMark(x, y);
  }
  if (state_ == PlayState::kAiming && shootButton_->IsPressed()) {
    chargeStart_ = GetTickCount();
    state_ = PlayState::kCharging;
  }
  return handled;
}

int GameForm::OnStylusMove(int x, int y) {
  Elements().OnStylusMove(x, y);
  if (draggingBall_) {
    const int left =
        std::clamp(golf::PixelOf(ball_->posx) - kDragWindow / 2, kPlayfield.x, kDragWindowMaxX);
    const int top =
        std::clamp(golf::PixelOf(ball_->posy) - kDragWindow / 2, kPlayfield.y, kDragWindowMaxY);
    Blit(*holePicture_, left, top, kDragWindow, kDragWindow, left, top, SRCCOPY);
    ball_->posx = x;
    ball_->posy = y;
    ball_->fx = ball_->fy = 0.0;
    DrawBall();
    DrawStatus();
  } else if (state_ == PlayState::kAiming && aimDragActive_) {
    if (std::fabs(x - ball_->posx) < 0.5 && std::fabs(y - ball_->posy) < 0.5) return 1;
    EraseAimMark(aimX_, aimY_);
    aimX_ = std::clamp(x, kAimLeft, kDragMaxX);
    aimY_ = std::clamp(y, kAimTop, kDragMaxY);
    DrawAimMark(aimX_, aimY_);
  } else if (state_ == PlayState::kCharging && !shootButton_->IsPressed()) {
    state_ = PlayState::kChargeCancelled;
    shootButton_->Paint();
  }
  return 1;
}

int GameForm::OnStylusUp(int x, int y) {
  draggingBall_ = false;
  if (state_ == PlayState::kChargeCancelled) state_ = PlayState::kAiming;
  if (state_ == PlayState::kCharging) {
    const DWORD held = GetTickCount() - chargeStart_;
    EraseAimMark(aimX_, aimY_);
    golf::SnapBall(*ball_);
    chargeStart_ = 0;
    shotPower_ = golf::ShotPower(held);
  }
  // A release inside the pressed shoot button clicks it, which fires the shot.
  Elements().OnStylusUp(x, y);
  return 1;
}

void GameForm::FireShot(int /*x*/, int /*y*/) {
  if (state_ != PlayState::kCharging) {
    PlayGameSound(kSoundNoShot);
    return;
  }
  double fx = 0.0, fy = 0.0;
  if (!golf::AimedVelocity(*ball_, aimX_, aimY_, shotPower_, fx, fy)) {
    // The release snap put the ball on the aim point: no direction, so no stroke. The
    // player aims again from where the ball now lies.
    PlayGameSound(kSoundNoShot);
    state_ = PlayState::kAiming;
    shootButton_->SetNormal();
    OnPaint();
    return;
  }
  ball_->Strike(fx, fy);
  aimX_ = 0;
  aimY_ = 0;
  state_ = PlayState::kRolling;
  shootButton_->Disable();
  OnPaint();
}

}  // namespace screens
