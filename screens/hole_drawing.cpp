// What the game screen shows: the hole picture composed once per hole, and the ball, aim
// mark, power bar and status numbers drawn over copies of it during play.
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "frame/elements/image.h"
#include "frame/elements/picture.h"
#include "frame/surface/offscreen_surface.h"
#include "golf/animation/cell_animation.h"
#include "golf/ball.h"
#include "golf/block_table.h"
#include "golf/grid.h"
#include "golf/hole_layout.h"
#include "golf/wall.h"
#include "screens/controls/click_button.h"
#include "screens/game_form.h"
#include "screens/hole_drawing.h"

namespace screens {

namespace {

constexpr COLORREF kKeyColour = RGB(255, 0, 255);

// A keyed picture: its magenta pixels leave what lies below visible.
void DrawKeyed(const char* entry, frame::DrawingSurface& target, int x, int y) {
  frame::Image picture(entry);
  picture.SetTransparentColor(kKeyColour);
  picture.DrawTransparent(target, x, y, -1, -1, 1.0f, 1.0f);
}

}  // namespace

void GameForm::SetUpHole() {
  char entry[16];
  std::snprintf(entry, sizeof entry, "course%03d", course_ + 1);
  layout_->LoadHole(entry, hole_, *ball_);
  state_ = PlayState::kReady;
  {
    frame::Image frameArt("pt_gamescreen_clear.bmp");
    frame::Image background(golf::BackgroundTable(course_, hole_).c_str());
    frameArt.Draw(*holePicture_, 0, 0, 1.0f, 1.0f);
    background.Draw(*holePicture_, kPlayfield.x, kPlayfield.y, 1.0f, 1.0f);
  }
  DrawHolePicture(*holePicture_, 0, 0);
  cellAnimations_->Build(*layout_, *holePicture_);
}

void GameForm::DrawHolePicture(frame::DrawingSurface& target, int offsetX, int offsetY) {
  for (int row = 0; row < golf::kRows; ++row) {
    for (int column = 0; column < golf::kColumns; ++column) {
      const uint32_t id = layout_->BlockAt(row, column);
      if (id == golf::kEmptyBlock) continue;
      const std::string entry = golf::BlockPictureName(id);
      if (entry.empty()) continue;
      // Fan and magnet cells are left to their animations, which key them over the ground.
      if (id >= golf::kMagnetLeft && id <= golf::kFanRight) continue;
      DrawKeyed(entry.c_str(), target, golf::kGridLeft + golf::kCellSize * column - offsetX,
                golf::kGridTop + golf::kCellSize * row - offsetY);
    }
  }
  for (const golf::Wall* w = layout_->FirstWall(); w != nullptr; w = w->next) {
    DrawWallLine(target, *w);
  }
  DrawKeyed("pt_score_i.bmp", target, kScoreIconX, kScoreIconY);
  // The score button's strip holds three faces; the first lies in the picture under it.
  const frame::Picture strip("pt_score_button.bmp");
  frame::Picture(strip, 0, 0, strip.Width() / 3, strip.Height())
      .Draw(target, kScoreButtonX, kScoreButtonY, SRCCOPY);
  frame::Image cup("pt_hole.bmp");
  cup.SetTransparentColor(kKeyColour);
  cup.DrawTransparent(target, layout_->CupX() - cup.Width() / 2 - offsetX,
                      layout_->CupY() - cup.Height() / 2 - offsetY, -1, -1, 1.0f, 1.0f);
}

void GameForm::DrawWallLine(frame::DrawingSurface& target, const golf::Wall& wall) {
  int x1, y1, x2, y2;
  if (!golf::WallPictureLine(wall, x1, y1, x2, y2)) return;
  // A wall whose ends were given the other way round still draws top-down or left-right.
  if (x1 == x2 && y1 > y2) std::swap(y1, y2);
  if (y1 == y2 && x1 > x2) std::swap(x1, x2);
  target.DrawLineBlack(x1, y1, x2, y2);
}

void GameForm::OnPaint() {
  Blit(*holePicture_, 0, 0, Width(), Height(), 0, 0, SRCCOPY);
  DrawBall();
  if (state_ == PlayState::kAiming) DrawAimMark(aimX_, aimY_);
  DrawStatus();
  Elements().Paint();
}

void GameForm::DrawBall() {
  ballSprite_->Draw(*this, BallPictureX(*ball_), BallPictureY(*ball_), SRCCOPY);
}

void GameForm::CopyPlayfield() {
  Blit(*holePicture_, kPlayfield.x, kPlayfield.y, kPlayfield.width, kPlayfield.height, kPlayfield.x,
       kPlayfield.y, SRCCOPY);
}

void GameForm::DrawStatus() {
  char text[16];
  std::snprintf(text, sizeof text, "%d", hole_ + 1);
  DrawText(kHoleNumberRight - TextWidth(text), kStatusY, text, frame::kDefaultRasterOp);
  std::snprintf(text, sizeof text, "%d", CurrentCount() + 1);
  DrawText(kStrokeNumberRight - TextWidth(text), kStatusY, text, frame::kDefaultRasterOp);
  if (!testMode_) return;
  // The coordinates are left-aligned: clear behind them so a shorter number leaves no
  // stale digits.
  const int clearWidth = TextWidth("8888");
  const int clearHeight = GetTextRenderer() != nullptr ? GetTextRenderer()->TextHeight() : 0;
  if (ball_->posx >= 0.0 && ball_->posx <= 160.0) {
    Blit(*holePicture_, kTestXLeft, kTestY, clearWidth, clearHeight, kTestXLeft, kTestY, SRCCOPY);
    std::snprintf(text, sizeof text, "%d", golf::PixelOf(ball_->posx));
    DrawText(kTestXLeft, kTestY, text, frame::kDefaultRasterOp);
  }
  if (ball_->posy >= 0.0 && ball_->posy <= 160.0) {
    Blit(*holePicture_, kTestYLeft, kTestY, clearWidth, clearHeight, kTestYLeft, kTestY, SRCCOPY);
    std::snprintf(text, sizeof text, "%d", golf::PixelOf(ball_->posy));
    DrawText(kTestYLeft, kTestY, text, frame::kDefaultRasterOp);
  }
}

void GameForm::DrawAimMark(int x, int y) {
  // Two lines without their end points: a 9 by 9 cross centred on (x, y).
  DrawLineWhite(x - 4, y, x + 5, y);
  DrawLineWhite(x, y - 4, x, y + 5);
}

void GameForm::EraseAimMark(int x, int y) {
  const int left = std::clamp(x - 4, kPlayfield.x, kAimEraseMaxX);
  const int top = std::clamp(y - 4, kPlayfield.y, kAimEraseMaxY);
  Blit(*holePicture_, left, top, kAimMarkSize, kAimMarkSize, left, top, SRCCOPY);
  DrawBall();  // the cross may have lain over it
}

void GameForm::DrawPowerBar(DWORD now) {
  // Unfolded: the bar grows during the first second and recedes during the second.
  const DWORD t = (now - chargeStart_) % kPowerCycleMs;
  const frame::Picture energy("pt_energy.bmp");
  const int w = energy.Width();
  const int h = energy.Height();
  if (t <= kPowerRiseMs) {
    const double f = w * static_cast<double>(t) * 0.001;
    if (f < 1.0) return;
    frame::Picture(energy, 0, 0, static_cast<int>(f), h)
        .Draw(*this, kShootButtonX, kShootButtonY, SRCCOPY);
    return;
  }
  const double f = w * static_cast<double>(t - kPowerRiseMs) * 0.001;
  if (f < 1.0) return;
  const int shown = static_cast<int>(f);
  // The pressed face (the strip's second image) shows again from the right.
  const frame::Picture strip("pt_shootbutton.bmp");
  frame::Picture(strip, 2 * w - shown, 0, shown, h)
      .Draw(*this, kShootButtonX + w - shown, kShootButtonY, SRCCOPY);
}

}  // namespace screens
