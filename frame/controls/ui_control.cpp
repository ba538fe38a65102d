// UIControl: ids, window creation and clean-up.
#include "frame/controls/ui_control.h"

#include <cstdio>

#include "frame/base/process_instance.h"
#include "frame/base/wide_string.h"

namespace frame {

namespace {

// Control ids start at 4000 in every process and grow by one per control.
WORD NextControlId = 4000;

}  // namespace

UIControl::UIControl(int x, int y, int width, int height, const char* text, ControlHost* form,
                     const char* windowClass, DWORD style, COLORREF textColor,
                     COLORREF backgroundColor)
    : id_(NextControlId++),
      x_(static_cast<SHORT>(x)),
      y_(static_cast<SHORT>(y)),
      width_(static_cast<SHORT>(width)),
      height_(static_cast<SHORT>(height)),
      form_(form),
      textColor_(textColor),
      backgroundColor_(backgroundColor) {
  SetText(text);
  WideString wideClass(windowClass);
  WideString wideTitle(text != nullptr ? text : "");
  window_ = CreateWindowExW(0, wideClass, wideTitle, style, x_, y_, width_, height_,
                            form != nullptr ? form->ControlParent() : nullptr, nullptr,
                            ProcessInstance, nullptr);
  if (window_ == nullptr) {
    char message[256];
    std::snprintf(message, sizeof message,
                  "UIControl::UIControl - CreateWindow failed with error %d (window class was %s)",
                  static_cast<int>(GetLastError()), windowClass);
    WideString wideMessage(message);
    MessageBoxW(nullptr, wideMessage, L"Error", MB_OK);
  } else if (form != nullptr) {
    form->AddControl(this);
  }
  backgroundBrush_ = CreateSolidBrush(backgroundColor_);
}

UIControl::~UIControl() {
  if (form_ != nullptr) form_->RemoveControl(this);
  SetText(nullptr);
  if (window_ != nullptr) DestroyWindow(window_);
  DeleteObject(backgroundBrush_);
}

void UIControl::SetText(const char* text) {
  hasText_ = text != nullptr;
  text_ = hasText_ ? text : "";
}

const char* UIControl::GetText() const {
  return hasText_ ? text_.c_str() : nullptr;
}

void UIControl::MoveToPlacement() {
  if (window_ != nullptr) MoveWindow(window_, x_, y_, width_, height_, TRUE);
}

}  // namespace frame
