// The score card: the card and course face, three columns of seven holes ending 49 pixels
// apart, the total under the third column, and the done button.
#include "screens/score_form.h"

#include <cstdio>

#include "frame/elements/bitmap_font.h"
#include "frame/elements/picture.h"
#include "screens/controls/click_button.h"
#include "screens/game_form.h"

namespace screens {

namespace {

constexpr int kDoneX = 33, kDoneY = 152;
constexpr int kHolesPerColumn = 7;
constexpr int kColumnStep = 49;  // a column's numbers end at 49, 98, 147
constexpr int kFirstRowY = 56;
constexpr int kRowStep = 13;
constexpr int kTotalRight = 147, kTotalY = 121;

}  // namespace

ScoreForm::ScoreForm(int lastHole, int course, const uint8_t* counts, const char* name, int x,
                     int y, int width, int height)
    : ElementForm(name, x, y, width, height, frame::Caption::kPlain, 0),
      lastHole_(lastHole),
      course_(course),
      counts_(counts) {
  SetTextRenderer(new frame::BitmapFont("pt_font02.bmp", 0), frame::Ownership::kOwned);
  Elements().Add(std::make_unique<ClickButton>(
      "pt_donebutton.bmp", kDoneX, kDoneY, this,
      std::make_unique<frame::MemberCallback<ScoreForm>>(this, &ScoreForm::Close),
      frame::ButtonState::kEnabled));
}

void ScoreForm::Close(int /*x*/, int /*y*/) {
  EndModal(0);
}

int ScoreForm::Total() const {
  int total = 0;
  for (int i = 0; i <= lastHole_ && i < kHoleCount; ++i) total += counts_[i] + 1;
  return total;
}

void ScoreForm::OnPaint() {
  frame::Picture("pt_score.bmp").Draw(*this, 0, 0, SRCCOPY);
  char face[24];
  std::snprintf(face, sizeof face, "pt_score_%d.bmp", course_ + 1);
  frame::Picture(face).Draw(*this, 0, 0, SRCCOPY);
  char text[16];
  for (int i = 0; i <= lastHole_ && i < kHoleCount; ++i) {
    std::snprintf(text, sizeof text, "%d", counts_[i] + 1);
    const int right = kColumnStep * (i / kHolesPerColumn + 1);
    DrawText(right - TextWidth(text), kFirstRowY + kRowStep * (i % kHolesPerColumn), text,
             frame::kDefaultRasterOp);
  }
  std::snprintf(text, sizeof text, "%d", Total());
  DrawText(kTotalRight - TextWidth(text), kTotalY, text, frame::kDefaultRasterOp);
  Elements().Paint();
}

}  // namespace screens
