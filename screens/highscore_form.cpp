// HighscoreForm: composing the list in the back buffer and the screen's controls.
#include "screens/highscore_form.h"

#include <cstdio>

#include "frame/form/game_key.h"
#include "frame/surface/offscreen_surface.h"
#include "frame/surface/raster_op.h"
#include "screens/controls/click_button.h"
#include "screens/controls/scroll_bar.h"
#include "screens/game_application.h"
#include "screens/game_settings.h"

namespace screens {
namespace {

using Callback = frame::MemberCallback<HighscoreForm>;

// Boxes are 60 px apart; inside a box the course name, the player name and the score (whose
// right edge lies at x 192) stand on three lines.
constexpr int kBoxX = 24;
constexpr int kBoxY = 46;
constexpr int kBoxStep = 60;
constexpr int kTextX = 84;
constexpr int kScoreRight = 192;
// The area the boxes cover: what a scroll has to copy.
constexpr int kListWidth = 182;
constexpr int kListHeight = 180;

}  // namespace

HighscoreForm::HighscoreForm(frame::OffscreenSurface* backBuffer, const char* name, int x, int y,
                             int width, int height)
    : frame::ElementForm(name, x, y, width, height, frame::Caption::kPlain, 0),
      table_(kHighscoreCapacity),
      backBuffer_(backBuffer),
      background_("pt_clearscreen.bmp"),
      title_("pt_highscorestitle.bmp"),
      box_("pt_highscorebox.bmp") {
  done_ = Elements().Add(std::make_unique<ClickButton>(
      "pt_highscoresdonebutton.bmp", 24, 225, this,
      std::make_unique<Callback>(this, &HighscoreForm::OnDone), frame::ButtonState::kEnabled));
  scrollBar_ = Elements().Add(std::make_unique<ScrollBar>(
      this, frame::Picture("pt_scrollbar_all_highscores.bmp"), 206, 46,
      "pt_scrollbarbuttondown.bmp", "pt_scrollbarbuttonup.bmp", "pt_scroll.bmp", "pt_scroll.bmp",
      std::make_unique<Callback>(this, &HighscoreForm::OnScroll)));
  scrollBar_->SetRange(kHighscoreCapacity - kVisibleBoxes);
  table_.FillDefaults();
}

HighscoreForm::~HighscoreForm() = default;

bool HighscoreForm::OfferResult(int course, int total) {
  if (!IsHighscore(course, total)) return false;
  SetHighscore(course, total, GetPlayerName());
  return true;
}

void HighscoreForm::ComposeList() {
  frame::OffscreenSurface& buffer = *backBuffer_;
  background_.Draw(buffer, 0, 0, SRCCOPY);
  title_.Draw(buffer, 20, 20, SRCCOPY);
  for (int k = 0; k < kVisibleBoxes; ++k) {
    const int top = kBoxY + kBoxStep * k;
    box_.Draw(buffer, kBoxX, top, SRCCOPY);
    const int index = scrollBar_->Position() + k;
    if (index < 0 || index >= table_.Count()) continue;
    const HighscoreEntry& entry = table_.Entry(index);
    buffer.DrawText(kTextX, top + 6, entry.courseName.c_str(), frame::kDefaultRasterOp);
    buffer.DrawText(kTextX, top + 24, entry.playerName.c_str(), frame::kDefaultRasterOp);
    char score[12];
    std::snprintf(score, sizeof score, "%d", entry.score);
    buffer.DrawText(kScoreRight - buffer.TextWidth(score), top + 42, score,
                    frame::kDefaultRasterOp);
  }
}

void HighscoreForm::OnPaint() {
  ComposeList();
  Blit(*backBuffer_, 0, 0, kScreenWidth, kScreenHeight, 0, 0, SRCCOPY);
  Elements().Paint();
}

void HighscoreForm::OnScroll(int, int) {
  ComposeList();
  Blit(*backBuffer_, kBoxX, kBoxY, kListWidth, kListHeight, kBoxX, kBoxY, SRCCOPY);
}

int HighscoreForm::OnKey(int key, int /*down*/) {
  if (key == frame::kGameKeyUp) scrollBar_->LineUp();
  if (key == frame::kGameKeyDown) scrollBar_->LineDown();
  return 1;
}

int HighscoreForm::OnStylusDown(int x, int y) {
  Elements().OnStylusDown(x, y);
  return 0;
}

int HighscoreForm::OnStylusUp(int x, int y) {
  Elements().OnStylusUp(x, y);
  return 0;
}

void HighscoreForm::OnDone(int, int) {
  SwitchForm(kMainMenuFormIndex, kHighscoreFormIndex);
}

}  // namespace screens
