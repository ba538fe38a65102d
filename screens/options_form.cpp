// OptionsForm: composing the screen, the name box's focus and the two radio buttons.
#include "screens/options_form.h"

#include <memory>

#include "frame/controls/edit_box.h"
#include "frame/surface/offscreen_surface.h"
#include "screens/controls/click_button.h"
#include "screens/controls/picture_radio_button.h"
#include "screens/game_application.h"
#include "screens/game_settings.h"

namespace screens {
namespace {

using Callback = frame::MemberCallback<OptionsForm>;

// The name box: at (62, 109), 117 by 16, text centred.
constexpr int kNameX = 62;
constexpr int kNameY = 109;
constexpr int kNameWidth = 117;
constexpr int kNameHeight = 16;
constexpr DWORD kCentredText = 1;

}  // namespace

OptionsForm::OptionsForm(frame::OffscreenSurface* backBuffer, const char* name, int x, int y,
                         int width, int height)
    : frame::ElementForm(name, x, y, width, height, frame::Caption::kPlain, 0),
      backBuffer_(backBuffer),
      pendingSound_(GetSoundSetting()),
      background_("pt_clearscreen.bmp"),
      title_("pt_preferencestitle.bmp"),
      box_("pt_optionsbox.bmp") {
  // The form registers the control and deletes it with itself.
  nameBox_ = new frame::EditBox(kNameX, kNameY, kNameWidth, kNameHeight, this, kNameLength,
                                frame::Editing::kEditable, frame::Lines::kSingle, kCentredText,
                                frame::Characters::kAny, RGB(0, 0, 0), RGB(255, 255, 255));
  // The group comes before accept and cancel: on the release that clicks accept, the selected
  // radio button has already set the pending choice.
  radioGroup_ = Elements().Add(std::make_unique<frame::ElementList>());
  soundOn_ = radioGroup_->Add(std::make_unique<PictureRadioButton>(
      radioGroup_, std::make_shared<Callback>(this, &OptionsForm::OnSoundOn),
      pendingSound_ == kSoundOn ? frame::Selection::kSelected : frame::Selection::kNotSelected,
      this, 83, 183, "pt_radiobutton.bmp"));
  soundOff_ = radioGroup_->Add(std::make_unique<PictureRadioButton>(
      radioGroup_, std::make_shared<Callback>(this, &OptionsForm::OnSoundOff),
      pendingSound_ == kSoundOff ? frame::Selection::kSelected : frame::Selection::kNotSelected,
      this, 137, 183, "pt_radiobutton.bmp"));
  Elements().Add(std::make_unique<ClickButton>(
      "pt_optionsaccept.bmp", 25, 220, this,
      std::make_unique<Callback>(this, &OptionsForm::OnAccept), frame::ButtonState::kEnabled));
  Elements().Add(std::make_unique<ClickButton>(
      "pt_optionscancel.bmp", 122, 220, this,
      std::make_unique<Callback>(this, &OptionsForm::OnCancel), frame::ButtonState::kEnabled));
}

void OptionsForm::OnShow() {
  loadName_ = true;
}

void OptionsForm::OnPaint() {
  background_.Draw(*backBuffer_, 0, 0, SRCCOPY);
  title_.Draw(*backBuffer_, 20, 20, SRCCOPY);
  box_.Draw(*backBuffer_, 21, 45, SRCCOPY);
  if (GetSoundSetting() == kSoundOn) {
    soundOn_->SelectQuietly();
  } else if (GetSoundSetting() == kSoundOff) {
    soundOff_->SelectQuietly();
  }
  Blit(*backBuffer_, 0, 0, kScreenWidth, kScreenHeight, 0, 0, SRCCOPY);
  if (loadName_) {
    nameBox_->SetText(GetPlayerName().c_str());
    loadName_ = false;
  }
  Elements().Paint();
}

int OptionsForm::OnStylusDown(int x, int y) {
  if (kNameX <= x && x < kNameX + kNameWidth + 1 && kNameY <= y && y < kNameY + kNameHeight) {
    nameBox_->SetFocus();
  } else {
    nameBox_->ClearFocus();
  }
  return Elements().OnStylusDown(x, y);
}

void OptionsForm::OnSoundOn(int, int) {
  pendingSound_ = kSoundOn;
  // A sample of what sounds on means.
  PlaySoundResource(ClickSoundId());
}

void OptionsForm::OnSoundOff(int, int) {
  pendingSound_ = kSoundOff;
}

void OptionsForm::Accept() {
  SetSoundSetting(pendingSound_);
  SetClickSoundOn(pendingSound_ == kSoundOn);
  std::string name = nameBox_->GetAllText();
  if (name.size() > kNameLength) name.resize(kNameLength);
  SetPlayerName(name.empty() ? " " : name);
  Cancel();
}

void OptionsForm::Cancel() {
  nameBox_->ClearFocus();
  SwitchForm(kMainMenuFormIndex, kOptionsFormIndex);
}

}  // namespace screens
