// OptionsForm: the player name box and the sound on/off choice, taken over by accept and
// dropped by cancel.
#pragma once

#include <cstdint>

#include "frame/elements/picture.h"
#include "frame/form/element_form.h"

namespace frame {
class EditBox;
class OffscreenSurface;
}  // namespace frame

namespace screens {

class ClickButton;
class PictureRadioButton;

class OptionsForm : public frame::ElementForm {
 public:
  // The name box takes at most this many characters.
  static constexpr int kNameLength = 11;

  // The back buffer is shared, not owned.
  OptionsForm(frame::OffscreenSurface* backBuffer, const char* name, int x, int y, int width,
              int height);

  void OnPaint() override;
  // The next paint fills the name box from the player name.
  void OnShow() override;
  // A tap on the name box gives it the keyboard focus, a tap elsewhere takes it away.
  int OnStylusDown(int x, int y) override;

  // The sound setting and the name box's text become the settings (an empty box gives " ").
  void Accept();
  void Cancel();

  int32_t PendingSoundSetting() const { return pendingSound_; }
  frame::EditBox& NameBox() const { return *nameBox_; }
  PictureRadioButton& SoundOnRadio() const { return *soundOn_; }
  PictureRadioButton& SoundOffRadio() const { return *soundOff_; }

 private:
  void OnSoundOn(int, int);
  void OnSoundOff(int, int);
  void OnAccept(int, int) { Accept(); }
  void OnCancel(int, int) { Cancel(); }

  frame::OffscreenSurface* backBuffer_;
  int32_t pendingSound_;
  bool loadName_ = false;
  frame::Picture background_;
  frame::Picture title_;
  frame::Picture box_;
  frame::EditBox* nameBox_;  // owned by the form, as every control
  frame::ElementList* radioGroup_;
  PictureRadioButton* soundOn_;
  PictureRadioButton* soundOff_;
};

}  // namespace screens
