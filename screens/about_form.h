// AboutForm: the program's picture and version, and the credits typed out one line at a time
// on the board under the picture.
#pragma once

#include <windows.h>

#include <cstdint>

#include "frame/elements/picture.h"
#include "frame/form/element_form.h"

namespace screens {

// High byte major, low byte minor: 1.3.
inline constexpr uint16_t kProgramVersion = 0x0103;

inline constexpr int kCreditsLineCount = 15;
// Each role heading followed by the lines of the people in that role.
extern const char* const kCreditsTable[kCreditsLineCount];

class AboutForm : public frame::ElementForm {
 public:
  // The typewriter: one more character every 100 ms; a finished line stays 1 s before the next.
  static constexpr DWORD kCharacterInterval = 100;
  static constexpr DWORD kLineHold = 1000;

  AboutForm(const char* name, int x, int y, int width, int height);

  void OnPaint() override;
  // The credits start again from their first line.
  void OnShow() override;
  // Advances the credits; always asks to be called again.
  bool OnIdle() override;
  int OnChar(int code) override;

  int CreditsLine() const { return line_; }
  int CreditsProgress() const { return progress_; }

 private:
  void OnDone(int, int);
  // Clears the credits board and types the current line's first `progress_` characters.
  void DrawCredits();

  frame::Picture picture_;
  int line_ = 0;
  int progress_ = 0;
  DWORD stepTime_ = 0;
};

}  // namespace screens
