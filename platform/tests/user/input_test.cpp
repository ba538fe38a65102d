// Stylus and key input: hit testing to the topmost visible enabled window, client coordinates,
// the capture window, activation by a tap, and keys to the focus or active window.
#include "user_test_support.h"

namespace user_test {
namespace {

using Input = UserTest;

LPARAM At(int x, int y) {
  return MAKELPARAM(x, y);
}

TEST_F(Input, StylusGoesToTheTopmostVisibleEnabledWindowInClientCoordinates) {
  HWND bottom = Popup(0, 30, 200, 200, WS_POPUP | WS_VISIBLE);
  HWND top = Popup(50, 80, 100, 100, WS_POPUP | WS_VISIBLE);
  HWND child = Child(top, 10, 10, 20, 20, 5);
  Drain();
  Log().clear();

  backend_->Tap(65, 95);    // on the child: (5, 5) of its client area
  backend_->Tap(120, 150);  // on the top popup, outside the child
  backend_->Tap(20, 40);    // on the bottom popup only: activates it first
  Drain();
  EXPECT_SEQUENCE({{child, WM_LBUTTONDOWN, kW | kL, MK_LBUTTON, At(5, 5)},
                   {child, WM_LBUTTONUP, kW | kL, 0, At(5, 5)},
                   {top, WM_LBUTTONDOWN, kL, 0, At(70, 70)},
                   {top, WM_LBUTTONUP, kL, 0, At(70, 70)},
                   {top, WM_ACTIVATE, kW, WA_INACTIVE},
                   {bottom, WM_ACTIVATE, kW | kL, WA_CLICKACTIVE, reinterpret_cast<LPARAM>(top)},
                   {top, WM_KILLFOCUS},
                   {bottom, WM_SETFOCUS},
                   {bottom, WM_LBUTTONDOWN, kL, 0, At(20, 10)},
                   {bottom, WM_LBUTTONUP, kL, 0, At(20, 10)}});
  EXPECT_EQ(GetActiveWindow(), bottom);

  // The bottom popup is now above the other one.
  backend_->Tap(120, 150);
  Drain();
  EXPECT_SEQUENCE({{bottom, WM_LBUTTONDOWN, kL, 0, At(120, 120)}, {bottom, WM_LBUTTONUP}});
}

TEST_F(Input, DisabledWindowsGetNoStylusInput) {
  HWND below = Popup(0, 30, 200, 200, WS_POPUP | WS_VISIBLE);
  HWND above = Popup(0, 30, 100, 100, WS_POPUP | WS_VISIBLE);
  HWND child = Child(below, 150, 150, 20, 20, 9);
  EnableWindow(above, FALSE);
  EnableWindow(child, FALSE);
  Drain();
  Log().clear();
  backend_->Tap(10, 40);    // on the disabled popup: lost, even though `below` lies under it
  backend_->Tap(155, 185);  // on the disabled child: its parent gets it
  Drain();
  EXPECT_SEQUENCE({{above, WM_ACTIVATE, kOptional},
                   {below, WM_ACTIVATE, kOptional},
                   {above, WM_KILLFOCUS, kOptional},
                   {below, WM_SETFOCUS, kOptional},
                   {below, WM_LBUTTONDOWN, kL, 0, At(155, 155)},
                   {below, WM_LBUTTONUP, kL, 0, At(155, 155)}});
  // Nothing under the stylus at all: the tap is lost too.
  ShowWindow(below, SW_HIDE);
  ShowWindow(above, SW_HIDE);
  Drain();
  Log().clear();
  backend_->Tap(100, 200);
  Drain();
  EXPECT_SEQUENCE({});
}

TEST_F(Input, TheCaptureWindowGetsTheStylusWherever) {
  HWND a = Popup(0, 30, 100, 100, WS_POPUP | WS_VISIBLE);
  HWND b = Popup(120, 30, 100, 100, WS_POPUP | WS_VISIBLE);
  Drain();
  SetHook([&](HWND h, UINT m, WPARAM, LPARAM, LRESULT&) {
    if (h == a && m == WM_LBUTTONDOWN) SetCapture(a);
    if (h == a && m == WM_LBUTTONUP) ReleaseCapture();
    return false;
  });
  Log().clear();
  backend_->Down(10, 40);
  backend_->Move(130, 50);  // over b, still to a: (130, 20) of a's client area
  backend_->Move(5, 5);     // over the top bar
  backend_->Up(150, 60);
  backend_->Tap(150, 60);  // released: b gets it
  Drain();
  EXPECT_SEQUENCE({{b, WM_ACTIVATE, kW, WA_INACTIVE},
                   {a, WM_ACTIVATE, kW, WA_CLICKACTIVE},
                   {b, WM_KILLFOCUS},
                   {a, WM_SETFOCUS},
                   {a, WM_LBUTTONDOWN, kL, 0, At(10, 10)},
                   {a, WM_MOUSEMOVE, kW | kL, MK_LBUTTON, At(130, 20)},
                   {a, WM_MOUSEMOVE, kL, 0, At(5, -25)},
                   {a, WM_LBUTTONUP, kL, 0, At(150, 30)},
                   {a, WM_CAPTURECHANGED, kL, 0, 0},
                   {a, WM_ACTIVATE, kW, WA_INACTIVE},
                   {b, WM_ACTIVATE, kW, WA_CLICKACTIVE},
                   {a, WM_KILLFOCUS},
                   {b, WM_SETFOCUS},
                   {b, WM_LBUTTONDOWN, kL, 0, At(30, 30)},
                   {b, WM_LBUTTONUP}});
  EXPECT_EQ(GET_Y_LPARAM(At(5, -25)), -25);
}

TEST_F(Input, KeysGoToTheFocusWindowElseTheActiveWindow) {
  HWND a = Popup(0, 30, 100, 100, WS_POPUP | WS_VISIBLE);
  HWND child = Child(a, 0, 0, 10, 10, 3);
  Drain();
  SetFocus(nullptr);
  Log().clear();
  backend_->Key(VK_F1, true);
  Drain();
  SetFocus(child);
  backend_->Key(VK_F1, false);
  Drain();
  EXPECT_SEQUENCE(
      {{a, WM_KEYDOWN, kW, VK_F1},
       {a, WM_KILLFOCUS, kOptional},
       {child, WM_SETFOCUS},
       {child, WM_KEYUP, kW | kL, VK_F1, static_cast<LPARAM>(1 | (1L << 30) | (1UL << 31))}});
}

}  // namespace
}  // namespace user_test
