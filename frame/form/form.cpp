// Form: construction, window creation, showing, controls, menu bar and destruction.
#include "frame/form/form.h"

#include <algorithm>

#include "frame/base/fatal_error.h"
#include "frame/base/wide_string.h"
#include "frame/controls/ui_control.h"
#include "frame/form/menu_bar.h"
#include "frame/form/process_state.h"

namespace frame {

Form::Form(const char* name, int x, int y, int width, int height, Caption caption, WORD menuId)
    : DrawingSurface(width, height),
      menuId_(menuId),
      captioned_(caption == Caption::kCaptioned),
      name_(name) {
  tableIndex_ = FormTable.Add(this);
  if (tableIndex_ < 0) FatalError("Too many forms", -1);
  CreateFormWindow("VelaFormClass", name, x, y, width, height);
}

Form::~Form() {
  menuBar_.reset();
  HWND window = Window();
  ReleaseDC(window, DeviceContext());
  AttachDeviceContext(nullptr);
  DestroyWindow(window);
  FormTable.Remove(tableIndex_);
  // Controls delete themselves from the list as they go.
  while (!controls_.empty()) delete controls_.back();
  if (ActiveForm == this) ActiveForm = nullptr;
}

void Form::CreateFormWindow(const char* className, const char* name, int x, int y, int width,
                            int height) {
  WideString wideClass(className);
  WideString wideName(name);
  DWORD style = WS_POPUP;
  if (captioned_) style |= WS_CAPTION;
  FormUnderConstruction = this;
  HWND window = CreateWindowExW(0, wideClass, wideName, style, x, y + kTopBarHeight, width, height,
                                RootWindow, nullptr, ProcessInstance, nullptr);
  FormUnderConstruction = nullptr;
  if (window == nullptr) FatalError("Couldn't create window", -1);
  AttachWindow(window);
  AttachDeviceContext(GetDC(window));
}

void Form::Show() {
  previousActiveWindow_ = GetActiveWindow();
  ShowWindow(Window(), SW_SHOWNORMAL);
  OnShow();
  UpdateWindow(Window());
}

void Form::Hide() {
  ShowWindow(Window(), SW_HIDE);
  SetActiveWindow(previousActiveWindow_);
  OnHide();
}

bool Form::IsEnabled() const {
  return IsWindowEnabled(Window()) != FALSE;
}

DWORD Form::Enable(bool enable) {
  EnableWindow(Window(), enable ? TRUE : FALSE);
  return GetLastError();
}

UIControl* Form::GetControl(int index) const {
  if (index < 0 || index >= ControlCount()) return nullptr;
  return controls_[static_cast<size_t>(index)];
}

void Form::AddControl(UIControl* control) {
  controls_.push_back(control);
}

void Form::RemoveControl(UIControl* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

UIControl* Form::FindControl(HWND window) const {
  if (window == nullptr) return nullptr;
  for (UIControl* control : controls_) {
    if (control->Window() == window) return control;
  }
  return nullptr;
}

void Form::SetMenu(WORD menuId) {
  menuBar_.reset();
  menuBar_ = std::make_unique<MenuBar>(Window(), menuId, InputPanelButton::kShown);
}

void Form::CheckMenuItem(UINT item, bool checked) {
  if (menuBar_) menuBar_->CheckItem(item, checked);
}

void Form::CheckMenuRadioItem(UINT item, UINT first, UINT last) {
  if (menuBar_) menuBar_->CheckRadioItem(item, first, last);
}

}  // namespace frame
