// HelpForm: the text box, its scroll bar and the way back to the menu.
#include "screens/help_form.h"

#include "frame/elements/bitmap_font.h"
#include "frame/form/game_key.h"
#include "screens/controls/click_button.h"
#include "screens/controls/scroll_bar.h"
#include "screens/controls/text_scroller.h"
#include "screens/game_application.h"

namespace screens {
namespace {

using Callback = frame::MemberCallback<HelpForm>;

constexpr int kBoxX = 24;
constexpr int kBoxY = 47;

}  // namespace

const char* const kHelpLines[kHelpLineCount] = {
    "Controls:",
    "Game controls are based on",
    "the stylus. Tapping any loca-",
    "tion on the screen will dis-",
    "play an aiming index that",
    "points in the direction the",
    "ball will travel should it be",
    "shot at that time.",
    "By dragging the stylus on",
    "the screen, the aiming index",
    "can be manipulated to point",
    "in any direction. Once the",
    "aiming index is pointing in",
    "the desired direction, the",
    "'shot' button should be pres-",
    "sed with the stylus. The",
    "longer the stylus is held on",
    "the 'shot' button, the harder",
    "the ball will be struck.",
    "",
    "Game rules:",
    "",
    "-The objective is to sink",
    " your golf ball in the hole",
    " using as few strokes as",
    " possible.",
    "-Should your ball fall into",
    " a hazard (i.e., water, lava",
    " etc.), your ball will be",
    " returned to the spot it",
    " was shot from previous to",
    " entering the hazard, while",
    " incurring a 1 stroke penal-",
    " ty.",
    "-If you fail to complete a",
    " hole in less then 7 strokes,",
    " you are passed to the next",
    " hole with 7 penalty points-",
    " 6 pts for strokes and 1",
    " additional.",
    "-One course consists of 18",
    " holes.",
    "",
    "Good Luck!",
};

HelpForm::HelpForm(const char* name, int x, int y, int width, int height)
    : frame::ElementForm(name, x, y, width, height, false, 0),
      font_(std::make_unique<frame::BitmapFont>("pt_highscores_font.bmp", 0)),
      background_("pt_clearscreen.bmp"),
      title_("pt_helptitle.bmp") {
  Elements().Add(std::make_unique<ClickButton>("pt_helpdonebutton.bmp", 24, 225, this,
                                               std::make_unique<Callback>(this, &HelpForm::OnDone),
                                               true));
  const frame::Picture box("pt_helpbox.bmp");
  scroller_ = Elements().Add(std::make_unique<TextScroller>(this, box, kBoxX, kBoxY, font_.get()));
  scroller_->SetLines(kHelpLines, kHelpLineCount);
  // Three pixels right of the box.
  scrollBar_ = Elements().Add(std::make_unique<ScrollBar>(
      this, frame::Picture("pt_scrollbar_all.bmp"), box.Width() + 27, kBoxY,
      "pt_scrollbarbuttondown.bmp", "pt_scrollbarbuttonup.bmp", "pt_scroll.bmp", "pt_scroll.bmp",
      std::make_unique<Callback>(this, &HelpForm::OnScroll)));
  scrollBar_->SetRange(scroller_->MaxFirstLine());
}

HelpForm::~HelpForm() = default;

void HelpForm::OnPaint() {
  background_.Draw(*this, 0, 0, SRCCOPY);
  title_.Draw(*this, 20, 20, SRCCOPY);
  Elements().Paint();
}

int HelpForm::OnKey(int key, int /*down*/) {
  if (key == frame::kGameKeyUp) scrollBar_->LineUp();
  if (key == frame::kGameKeyDown) scrollBar_->LineDown();
  return 1;
}

void HelpForm::OnScroll(int position, int) {
  scroller_->SetFirstLine(position);
}

void HelpForm::OnDone(int, int) {
  SwitchForm(kMainMenuFormIndex, kHelpFormIndex);
}

}  // namespace screens
