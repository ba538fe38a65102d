// The game screen's life: its pictures and buttons, showing and leaving it, the start of a
// course, the score card, the test-mode hole keys and the sounds of play.
#include "screens/game_form.h"

#include "frame/elements/bitmap_font.h"
#include "frame/elements/frame_animation.h"
#include "frame/elements/picture.h"
#include "frame/form/game_key.h"
#include "frame/surface/offscreen_surface.h"
#include "golf/animation/cell_animation.h"
#include "golf/ball.h"
#include "golf/hole_layout.h"
#include "screens/controls/click_button.h"
#include "screens/game_application.h"
#include "screens/game_settings.h"
#include "screens/hole_drawing.h"
#include "screens/score_form.h"

namespace screens {

namespace {

// The names that turn test mode on, compared exactly.
constexpr const char* kTestNames[] = {"Brisk", "Juniper"};

template <typename Operation>
std::unique_ptr<frame::Callback> Call(GameForm* form, Operation operation) {
  return std::make_unique<frame::MemberCallback<GameForm>>(form, operation);
}

}  // namespace

GameForm::GameForm(const char* name, int x, int y, int width, int height)
    : ElementForm(name, x, y, width, height, frame::Caption::kPlain, 0),
      layout_(std::make_unique<golf::HoleLayout>()),
      ball_(std::make_unique<golf::Ball>()),
      cellAnimations_(std::make_unique<golf::CellAnimationSet>()),
      holePicture_(std::make_unique<frame::OffscreenSurface>(width, height)) {
  shootButton_ = Elements().Add(
      std::make_unique<ClickButton>("pt_shootbutton.bmp", kShootButtonX, kShootButtonY, this,
                                    Call(this, &GameForm::FireShot), frame::ButtonState::kEnabled));
  shootButton_->Disable();
  menuButton_ = Elements().Add(std::make_unique<ClickButton>(
      "pt_menu_button.bmp", kMenuButtonX, kMenuButtonY, this, Call(this, &GameForm::ReturnToMenu),
      frame::ButtonState::kEnabled));
  scoreButton_ = Elements().Add(std::make_unique<ClickButton>(
      "pt_score_button.bmp", kScoreButtonX, kScoreButtonY, this,
      Call(this, &GameForm::ShowScoreCard), frame::ButtonState::kEnabled));
  ball_->radius = 3.5;
  ball_->radiusSquared = 3.5 * 3.5;
  sinkAnimation_ =
      std::make_unique<frame::FrameAnimation>("pt_sink_anim", 5, 150, holePicture_.get());
  SetTextRenderer(new frame::BitmapFont("pt_font01.bmp", 0), frame::Ownership::kOwned);
  ballSprite_ = std::make_unique<frame::MaskedPicture>("pt_ball.bmp", "m_pt_ball.bmp");
}

GameForm::~GameForm() = default;

void GameForm::PlayGameSound(int id) const {
  if (SoundsEnabled()) PlaySoundResource(id);
}

void GameForm::PutBallAtRest(double x, double y) {
  ball_->posx = x;
  ball_->posy = y;
  ball_->fx = ball_->fy = 0.0;
  ball_->hillFx = ball_->hillFy = 0.0;
  ball_->isMoving = 0;
}

void GameForm::PutBallOnTee() {
  PutBallAtRest(layout_->TeeX(), layout_->TeeY());
  // Until the first strike a hazard would return the ball here.
  ball_->shotx = ball_->posx;
  ball_->shoty = ball_->posy;
}

void GameForm::ClearStrokeCounts() {
  counts_.fill(0);
}

void GameForm::StartCourse(int course, int hole) {
  course_ = static_cast<uint8_t>(course);
  if (hole > kHoleCount - 1) {
    noGameInProgress_ = true;
    hole_ = static_cast<uint8_t>(hole);
    return;
  }
  noGameInProgress_ = false;
  hole_ = static_cast<uint8_t>(hole);
  SetUpHole();
  PutBallOnTee();
  shootButton_->SetNormal();
}

void GameForm::OnShow() {
  testMode_ = false;
  for (const char* name : kTestNames) testMode_ = testMode_ || GetPlayerName() == name;
  lastStepTime_ = GetTickCount();
  if (state_ == PlayState::kAiming) {
    shootButton_->SetNormal();
  } else {
    shootButton_->Disable();
  }
}

int GameForm::OnKey(int key, int /*down*/) {
  // Both the press and the release act: a key press moves two holes.
  if (key == kScoreCardKey) {
    ShowScoreCard(0, 0);
  } else if (testMode_ && (key == frame::kGameKeyUp || key == frame::kGameKeyDown)) {
    ChangeHoleForTest(key);
  }
  return 1;
}

void GameForm::ChangeHoleForTest(int key) {
  if (key == frame::kGameKeyUp) {
    if (hole_ >= kHoleCount - 1) return;
    ++hole_;
  } else {
    if (hole_ == 0 || hole_ >= kHoleCount) return;
    counts_[hole_] = 0;
    --hole_;
    counts_[hole_] = 0;
  }
  SetUpHole();
  PutBallOnTee();
  shootButton_->SetNormal();
  OnPaint();
}

void GameForm::ShowScoreCard(int /*x*/, int /*y*/) {
  ScoreForm card(hole_, course_, counts_.data(), "Display score", kPlayfield.x, kPlayfield.y,
                 kPlayfield.width, kPlayfield.height);
  menuButton_->Disable();
  menuButton_->Paint();
  scoreButton_->Disable();
  scoreButton_->Paint();
  const bool shootEnabled = !shootButton_->IsDisabled();
  if (shootEnabled) {
    shootButton_->Disable();
    shootButton_->Paint();
  }
  card.RunModal();
  menuButton_->SetNormal();
  menuButton_->Paint();
  scoreButton_->SetNormal();
  scoreButton_->Paint();
  if (shootEnabled) {
    shootButton_->SetNormal();
    shootButton_->Paint();
  }
}

void GameForm::ReturnToMenu(int /*x*/, int /*y*/) {
  SwitchForm(kMainMenuFormIndex, kGameFormIndex);
}

}  // namespace screens
