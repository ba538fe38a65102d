// AboutForm: the version, the done button and the typewriter credits.
#include "screens/about_form.h"

#include <cstdio>
#include <cstring>

#include "frame/base/wide_string.h"
#include "frame/surface/raster_op.h"
#include "screens/controls/click_button.h"
#include "screens/game_application.h"

namespace screens {

const char* const kCreditsTable[kCreditsLineCount] = {
    "Programmer:",
    "The Puttland developers",
    "Designer:",
    "The Puttland developers",
    "Gfx artist:",
    "The Puttland developers",
    "Project manager:",
    "The Puttland developers",
    "Beta testers:",
    "The Puttland developers",
    "The Puttland developers",
    "The Puttland developers",
    "Special thx to:",
    "The Puttland developers",
    "The Puttland developers",
};

namespace {

// The white board the credits are typed on, and the line's top.
constexpr RECT kCreditsBoard{4, 150, 236, 180};
constexpr int kCreditsTop = 158;
constexpr int kVersionX = 186;
constexpr int kVersionY = 73;

}  // namespace

AboutForm::AboutForm(const char* name, int x, int y, int width, int height)
    : frame::ElementForm(name, x, y, width, height, frame::Caption::kPlain, 0),
      picture_("pt_about.bmp") {
  Elements().Add(std::make_unique<ClickButton>(
      "pt_about_done.bmp", 90, 236, this,
      std::make_unique<frame::MemberCallback<AboutForm>>(this, &AboutForm::OnDone),
      frame::ButtonState::kEnabled));
}

void AboutForm::OnPaint() {
  picture_.Draw(*this, 0, 0, SRCCOPY);
  char version[16];
  std::snprintf(version, sizeof version, "v%1d.%1d", kProgramVersion >> 8, kProgramVersion & 0xFF);
  DrawText(kVersionX, kVersionY, version, frame::kDefaultRasterOp);
  Elements().Paint();
  DrawCredits();
}

void AboutForm::OnShow() {
  line_ = 0;
  progress_ = 0;
  stepTime_ = GetTickCount();
}

void AboutForm::DrawCredits() {
  const frame::Rect board{kCreditsBoard.left, kCreditsBoard.top,
                          kCreditsBoard.right - kCreditsBoard.left,
                          kCreditsBoard.bottom - kCreditsBoard.top};
  picture_.DrawPart(*this, board.x, board.y, board, SRCCOPY);
  if (progress_ == 0) return;
  const char* line = kCreditsTable[line_];
  // Centred by the whole line, so the text grows from a fixed left edge.
  const frame::WideString wide(line);
  SIZE extent{0, 0};
  GetTextExtentPoint32W(DeviceContext(), wide, static_cast<int>(std::strlen(line)), &extent);
  const int x = (kScreenWidth - extent.cx) / 2;
  const std::string typed(line, static_cast<size_t>(progress_));
  DrawText(x, kCreditsTop, typed.c_str(), frame::kDefaultRasterOp);
}

bool AboutForm::OnIdle() {
  const DWORD now = GetTickCount();
  const int length = static_cast<int>(std::strlen(kCreditsTable[line_]));
  if (progress_ < length) {
    if (now - stepTime_ >= kCharacterInterval) {
      ++progress_;
      stepTime_ = now;
      DrawCredits();
    }
  } else if (now - stepTime_ >= kLineHold) {
    line_ = (line_ + 1) % kCreditsLineCount;
    progress_ = 0;
    stepTime_ = now;
    DrawCredits();
  }
  Elements().OnIdle();
  return true;
}

int AboutForm::OnChar(int /*code*/) {
  return 1;
}

void AboutForm::OnDone(int, int) {
  SwitchForm(kMainMenuFormIndex, kAboutFormIndex);
}

}  // namespace screens
