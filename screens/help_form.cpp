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

HelpForm::HelpForm(const char* name, int x, int y, int width, int height)
    : frame::ElementForm(name, x, y, width, height, frame::Caption::kPlain, 0),
      font_(std::make_unique<frame::BitmapFont>("pt_highscores_font.bmp", 0)),
      background_("pt_clearscreen.bmp"),
      title_("pt_helptitle.bmp") {
  Elements().Add(std::make_unique<ClickButton>("pt_helpdonebutton.bmp", 24, 225, this,
                                               std::make_unique<Callback>(this, &HelpForm::OnDone),
                                               frame::ButtonState::kEnabled));
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
