// The window procedure shared by every form: messages become the form's operations.
#include "frame/base/launch_help.h"
#include "frame/controls/ui_control.h"
#include "frame/form/form.h"
#include "frame/form/game_key.h"
#include "frame/form/process_state.h"

namespace frame {

namespace {

// Stylus positions are the signed low and high words of the second parameter.
int StylusX(LPARAM lParam) {
  return static_cast<SHORT>(LOWORD(lParam));
}
int StylusY(LPARAM lParam) {
  return static_cast<SHORT>(HIWORD(lParam));
}

}  // namespace

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Bind the new window before the lookup so that its creation message finds the form.
  if (message == WM_CREATE && FormUnderConstruction != nullptr) {
    FormUnderConstruction->AttachWindow(window);
    FormUnderConstruction = nullptr;
  }
  Form* form = FormTable.Find(window);
  if (form == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return form->HandleMessage(message, wParam, lParam);
}

LRESULT Form::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(Window(), message, wParam, lParam);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // A form deactivated by a cancel-mode step becomes active again with its next message.
  if (reactivatePending_) {
    active_ = true;
    ActiveForm = this;
    reactivatePending_ = false;
    OnActivate();
  }
  switch (message) {
    case WM_CREATE:
      SetMenu(menuId_);
      return 0;
    case WM_DESTROY:
      modalResult_ = -1;
      return 0;
    case WM_SIZE:
      for (UIControl* control : controls_) control->MoveToPlacement();
      return 0;
    case WM_ACTIVATE:
      ActivationStep(LOWORD(wParam));
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(Window(), &paint);
      paintRect_ = Rect::FromRECT(paint.rcPaint);
      OnPaint();
      paintRect_ = Rect{};
      EndPaint(Window(), &paint);
      return 0;
    }
    case WM_CLOSE:
      OnHide();  // the window stays; screens are hidden, never closed
      return 0;
    case WM_ERASEBKGND:
      // Only captioned forms let the system erase; the others show just what OnPaint draws.
      if (!captioned_) return 1;
      return Default(message, wParam, lParam);
    case WM_CANCELMODE:
      CancelModeStep();
      return 0;
    case WM_HELP:
      LaunchHelp();
      return 0;
    case WM_KEYDOWN:
    case WM_KEYUP: {
      const int key = GameKeyFromVirtualKey(wParam);
      if (key == 0) return Default(message, wParam, lParam);
      KeyStep(key, message == WM_KEYDOWN ? 1 : 0);
      return 0;
    }
    case WM_CHAR:
      OnChar(LOWORD(wParam));
      return 0;
    case WM_COMMAND:
      CommandStep(wParam, lParam);
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      return ControlColour(wParam, lParam, message);
    case WM_MOUSEMOVE:
      // Moves count only between a stylus-down on this form and the stylus-up.
      if (stylusDown_) OnStylusMove(StylusX(lParam), StylusY(lParam));
      return 0;
    case WM_LBUTTONDOWN:
      stylusDown_ = true;
      SetCapture(Window());
      OnStylusDown(StylusX(lParam), StylusY(lParam));
      return 0;
    case WM_LBUTTONUP:
      stylusDown_ = false;
      ReleaseCapture();
      OnStylusUp(StylusX(lParam), StylusY(lParam));
      return 0;
    case WM_CAPTURECHANGED:
      stylusDown_ = false;
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

void Form::ActivationStep(WORD state) {
  if (state == WA_INACTIVE) {
    active_ = false;
    ActiveForm = nullptr;
    OnDeactivate();
  } else {
    active_ = true;
    ActiveForm = this;
    OnActivate();
  }
  CancelModeStep();
}

void Form::CancelModeStep() {
  if (GetCapture() == Window()) {
    stylusDown_ = false;
    ReleaseCapture();
  }
  if (active_) {
    reactivatePending_ = true;
    active_ = false;
    ActiveForm = nullptr;
    OnDeactivate();
  }
}

void Form::CommandStep(WPARAM wParam, LPARAM lParam) {
  const WORD notification = HIWORD(wParam);
  if (notification != 0 && notification != 1) return;  // only clicks, menus and accelerators
  UIControl* control = FindControl(reinterpret_cast<HWND>(lParam));
  if (control == nullptr) {
    OnCommand(LOWORD(wParam));
    return;
  }
  control->OnCommand();
  if (notification == 0 && control->ClosesForm()) EndModal(control->Id());
}

LRESULT Form::ControlColour(WPARAM wParam, LPARAM lParam, UINT message) {
  UIControl* control = FindControl(reinterpret_cast<HWND>(lParam));
  if (control == nullptr) return Default(message, wParam, lParam);
  HDC dc = reinterpret_cast<HDC>(wParam);
  SetTextColor(dc, control->TextColor());
  SetBkColor(dc, control->BackgroundColor());
  return reinterpret_cast<LRESULT>(control->BackgroundBrush());
}

void Form::KeyStep(int key, int down) {
  // Keys go to the active form through the application, whichever form received them.
  if (TheApplication != nullptr && ApplicationKeyHandler != nullptr) {
    ApplicationKeyHandler(*TheApplication, key, down);
  }
}

}  // namespace frame
