// UIControl: a native child window on a form, with its placement, text, colours and brush;
// the form routes its commands and colour requests to it.
#pragma once

#include <windows.h>

#include <string>

#include "frame/controls/control_host.h"

namespace frame {

class UIControl {
 public:
  virtual ~UIControl();
  UIControl(const UIControl&) = delete;
  UIControl& operator=(const UIControl&) = delete;

  virtual void Show() { shown_ = true; }
  virtual void Hide() { shown_ = false; }
  // A click or accelerator command from the control.
  virtual int OnCommand() { return 0; }
  // Replaces the stored copy of the text (null clears it).
  virtual void SetText(const char* text);
  // The stored copy; null when there is none.
  virtual const char* GetText() const;

  WORD Id() const { return id_; }
  HWND Window() const { return window_; }
  ControlHost* Owner() const { return form_; }
  bool IsShown() const { return shown_; }
  bool ClosesForm() const { return closesForm_; }
  // A control that closes its form ends the form's modal loop with the control's id.
  void SetClosesForm(bool closes) { closesForm_ = closes; }
  COLORREF TextColor() const { return textColor_; }
  COLORREF BackgroundColor() const { return backgroundColor_; }
  HBRUSH BackgroundBrush() const { return backgroundBrush_; }
  // Moves the window back to its stored placement (after the form was resized).
  void MoveToPlacement();

 protected:
  // Creates the window; a failure is shown in a message box and the control stays out of the
  // form's list.
  UIControl(int x, int y, int width, int height, const char* text, ControlHost* form,
            const char* windowClass, DWORD style, COLORREF textColor, COLORREF backgroundColor);

 private:
  WORD id_;
  // Placement is kept as 16-bit values, like the system's own control placement.
  SHORT x_, y_, width_, height_;
  bool shown_ = false;
  ControlHost* form_;
  bool hasText_ = false;
  std::string text_;
  HWND window_ = nullptr;
  bool closesForm_ = false;
  COLORREF textColor_;
  COLORREF backgroundColor_;
  HBRUSH backgroundBrush_ = nullptr;
};

}  // namespace frame
