// EditBox: the native single- or multi-line edit field (the player's name on the options
// screen); every operation is a message to the control.
#pragma once

#include "frame/controls/ui_control.h"
#include "frame/surface/rect.h"

namespace frame {

// Whether the player may change the text.
enum class Editing { kEditable, kReadOnly };
// One line, or several (wrapped, with a vertical scroll).
enum class Lines { kSingle, kMultiple };
// Which characters the control accepts.
enum class Characters { kAny, kDigits };

class EditBox : public UIControl {
 public:
  EditBox(int x, int y, int width, int height, ControlHost* form, int maxCharacters,
          Editing editing, Lines lines, DWORD extraStyle, Characters characters, COLORREF textColor,
          COLORREF backgroundColor);

  void SetFocus();
  // Takes the keyboard focus away from every window.
  void ClearFocus();
  bool HasFocus() const;
  int GetTextLength() const;
  // Copies at most length - 1 characters and a terminator into destination (length bytes).
  void GetText(char* destination, int length) const;
  // The whole text; destination holds GetTextLength() + 1 bytes.
  void GetAllText(char* destination) const;
  std::string GetAllText() const;
  using UIControl::GetText;
  // Replaces the control's text (and the stored copy).
  void SetText(const char* text) override;
  // Sends the characters one by one; false as soon as the control refuses one.
  bool TypeText(const char* text);
  void SetEditable(bool editable);
  bool IsEditable() const { return editable_; }
  void SetFormatRect(int x, int y, int width, int height);
  Rect GetFormatRect() const;
  bool IsModified() const;

 private:
  bool editable_;
};

}  // namespace frame
