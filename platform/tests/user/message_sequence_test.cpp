// Message sequences of the window manager: creation, activation, hiding, capture, enabling,
// destruction, and the queue's order (posted messages, WM_QUIT, WM_PAINT).
#include "user_test_support.h"

namespace user_test {
namespace {

using MessageSequence = UserTest;

LPARAM L(HWND h) {
  return reinterpret_cast<LPARAM>(h);
}
WPARAM W(HWND h) {
  return reinterpret_cast<WPARAM>(h);
}

TEST_F(MessageSequence, CreationSendsCreateSizeMoveBeforeReturning) {
  HWND hidden = Popup(10, 40, 100, 50);
  EXPECT_SEQUENCE({{nullptr, WM_CREATE},
                   {nullptr, WM_SIZE, kW | kL, SIZE_RESTORED, MAKELPARAM(100, 50)},
                   {nullptr, WM_MOVE, kL, 0, MAKELPARAM(10, 40)}});
  EXPECT_FALSE(IsWindowVisible(hidden));
  EXPECT_EQ(GetActiveWindow(), nullptr);

  // A visible popup is shown and activated before CreateWindowExW returns.
  HWND shown = Popup(0, 30, 50, 50, WS_POPUP | WS_VISIBLE);
  EXPECT_SEQUENCE({{nullptr, WM_CREATE},
                   {nullptr, WM_SIZE},
                   {nullptr, WM_MOVE},
                   {nullptr, WM_SHOWWINDOW, kW, TRUE},
                   {nullptr, WM_ACTIVATE, kW | kL, WA_ACTIVE, 0},
                   {nullptr, WM_SETFOCUS, kW, 0}});
  EXPECT_EQ(GetActiveWindow(), shown);
  EXPECT_EQ(GetFocus(), shown);

  // A caption takes its height from the client area.
  HWND captioned = Popup(0, 30, 100, 100, WS_POPUP | WS_CAPTION);
  RECT client, window;
  GetClientRect(captioned, &client);
  GetWindowRect(captioned, &window);
  EXPECT_EQ(client.right, 98);
  EXPECT_EQ(client.bottom, 100 - 2 - GetSystemMetrics(SM_CYCAPTION));
  EXPECT_EQ(window.top, 30);
}

TEST_F(MessageSequence, CreateReturningMinusOneDestroysTheWindow) {
  SetHook([](HWND, UINT m, WPARAM, LPARAM, LRESULT& r) {
    if (m != WM_CREATE) return false;
    r = -1;
    return true;
  });
  EXPECT_EQ(CreateWindowExW(0, L"TestWindow", L"x", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                            nullptr, nullptr, nullptr),
            nullptr);
  EXPECT_SEQUENCE({{nullptr, WM_CREATE}, {nullptr, WM_DESTROY}, {nullptr, WM_NCDESTROY}});
}

TEST_F(MessageSequence, ShowingAPopupActivatesItAndHidingHandsActivationBack) {
  HWND a = Popup(0, 30, 200, 200, WS_POPUP | WS_VISIBLE);
  HWND b = Popup(20, 60, 100, 100);
  Drain();
  Log().clear();

  EXPECT_FALSE(ShowWindow(b, SW_SHOW));
  EXPECT_SEQUENCE({{b, WM_SHOWWINDOW, kW, TRUE},
                   {a, WM_ACTIVATE, kW | kL, WA_INACTIVE, L(b)},
                   {b, WM_ACTIVATE, kW | kL, WA_ACTIVE, L(a)},
                   {a, WM_KILLFOCUS, kW, W(b)},
                   {b, WM_SETFOCUS, kW, W(a)}});
  EXPECT_EQ(GetActiveWindow(), b);
  Drain();
  Log().clear();

  // Hiding the active window activates the next one, and repaints what it uncovered.
  EXPECT_TRUE(ShowWindow(b, SW_HIDE));
  EXPECT_SEQUENCE({{b, WM_SHOWWINDOW, kW, FALSE},
                   {b, WM_ACTIVATE, kW | kL, WA_INACTIVE, L(a)},
                   {a, WM_ACTIVATE, kW | kL, WA_ACTIVE, L(b)},
                   {b, WM_KILLFOCUS, kW, W(a)},
                   {a, WM_SETFOCUS, kW, W(b)}});
  EXPECT_EQ(GetActiveWindow(), a);
  RECT update;
  EXPECT_TRUE(GetUpdateRect(a, &update, FALSE));
  EXPECT_EQ(update.left, 20);
  EXPECT_EQ(update.top, 30);
  EXPECT_EQ(update.right, 120);
  EXPECT_EQ(update.bottom, 130);

  // Hiding a hidden window does nothing.
  EXPECT_FALSE(ShowWindow(b, SW_HIDE));
  EXPECT_SEQUENCE({});

  // Hiding the last window leaves nothing active.
  ShowWindow(a, SW_HIDE);
  EXPECT_SEQUENCE({{a, WM_SHOWWINDOW, kW, FALSE},
                   {a, WM_ACTIVATE, kW | kL, WA_INACTIVE, 0},
                   {a, WM_KILLFOCUS, kW, 0}});
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(MessageSequence, SetActiveWindowNotifiesBothWindows) {
  HWND a = Popup(0, 30, 100, 100, WS_POPUP | WS_VISIBLE);
  HWND b = Popup(0, 30, 100, 100, WS_POPUP | WS_VISIBLE);
  Log().clear();
  EXPECT_EQ(SetActiveWindow(a), b);
  EXPECT_SEQUENCE({{b, WM_ACTIVATE, kW | kL, WA_INACTIVE, L(a)},
                   {a, WM_ACTIVATE, kW | kL, WA_ACTIVE, L(b)},
                   {b, WM_KILLFOCUS},
                   {a, WM_SETFOCUS}});
  EXPECT_EQ(SetActiveWindow(a), a);  // already active: nothing
  EXPECT_SEQUENCE({});
}

TEST_F(MessageSequence, CaptureChangesTellTheWindowThatLosesIt) {
  HWND a = Popup(0, 30, 100, 100, WS_POPUP | WS_VISIBLE);
  HWND b = Popup(0, 30, 100, 100, WS_POPUP | WS_VISIBLE);
  Log().clear();
  EXPECT_EQ(SetCapture(a), nullptr);
  EXPECT_EQ(SetCapture(b), a);
  EXPECT_EQ(GetCapture(), b);
  EXPECT_TRUE(ReleaseCapture());
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_SEQUENCE({{a, WM_CAPTURECHANGED, kL, 0, L(b)}, {b, WM_CAPTURECHANGED, kL, 0, 0}});

  // Hiding the capture window takes the capture away.
  SetCapture(a);
  ShowWindow(a, SW_HIDE);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_SEQUENCE({{a, WM_SHOWWINDOW},
                   {a, WM_CAPTURECHANGED, kL, 0, 0},
                   {a, WM_ACTIVATE, kOptional},
                   {a, WM_KILLFOCUS, kOptional}});
}

TEST_F(MessageSequence, EnableWindowReportsThePreviousStateAndCancelsModeFirst) {
  HWND a = Popup(0, 30, 100, 100, WS_POPUP | WS_VISIBLE);
  SetCapture(a);
  Log().clear();
  EXPECT_FALSE(EnableWindow(a, FALSE));  // it was enabled
  EXPECT_SEQUENCE({{a, WM_CANCELMODE},
                   {a, WM_CAPTURECHANGED, kL, 0, 0},  // DefWindowProcW releases the capture
                   {a, WM_KILLFOCUS, kW, 0},
                   {a, WM_ENABLE, kW, FALSE}});
  EXPECT_FALSE(IsWindowEnabled(a));
  EXPECT_TRUE(EnableWindow(a, FALSE));  // already disabled: no messages
  EXPECT_SEQUENCE({});
  EXPECT_TRUE(EnableWindow(a, TRUE));
  EXPECT_SEQUENCE({{a, WM_ENABLE, kW, TRUE}});
  EXPECT_FALSE(EnableWindow(a, TRUE));
  EXPECT_SEQUENCE({});
}

TEST_F(MessageSequence, DestroyWindowSendsDestroyDownAndNcDestroyUp) {
  HWND parent = Popup(0, 30, 100, 100, WS_POPUP | WS_VISIBLE);
  HWND child = Child(parent, 0, 0, 10, 10, 7);
  HWND grandchild = Child(child, 0, 0, 5, 5, 8);
  HWND owned = CreateWindowExW(0, L"TestWindow", L"owned", WS_POPUP, 0, 30, 10, 10, parent, nullptr,
                               nullptr, nullptr);
  Log().clear();
  EXPECT_TRUE(DestroyWindow(parent));
  EXPECT_SEQUENCE({{owned, WM_DESTROY},
                   {owned, WM_NCDESTROY},
                   {parent, WM_ACTIVATE, kW, WA_INACTIVE},
                   {parent, WM_KILLFOCUS, kOptional},
                   {parent, WM_DESTROY},
                   {child, WM_DESTROY},
                   {grandchild, WM_DESTROY},
                   {grandchild, WM_NCDESTROY},
                   {child, WM_NCDESTROY},
                   {parent, WM_NCDESTROY}});
  EXPECT_FALSE(IsWindow(parent));
  EXPECT_FALSE(IsWindow(child));
  EXPECT_FALSE(IsWindow(owned));
  EXPECT_EQ(GetActiveWindow(), nullptr);
}

TEST_F(MessageSequence, WindowsDestroyedFromInsideDestructionAreHandledOnce) {
  HWND parent = Popup(0, 30, 100, 100, WS_POPUP | WS_VISIBLE);
  HWND first = Child(parent, 0, 0, 10, 10, 1);
  HWND second = Child(parent, 20, 0, 10, 10, 2);
  SetHook([&](HWND h, UINT m, WPARAM, LPARAM, LRESULT&) {
    if (m == WM_DESTROY && h == parent) DestroyWindow(second);  // a child, early
    if (m == WM_DESTROY && h == first) DestroyWindow(parent);   // already going
    return false;
  });
  Log().clear();
  EXPECT_TRUE(DestroyWindow(parent));
  EXPECT_SEQUENCE({{parent, WM_ACTIVATE, kOptional},
                   {parent, WM_KILLFOCUS, kOptional},
                   {parent, WM_DESTROY},
                   {second, WM_DESTROY},
                   {second, WM_NCDESTROY},
                   {first, WM_DESTROY},
                   {first, WM_NCDESTROY},
                   {parent, WM_NCDESTROY}});
  EXPECT_FALSE(IsWindow(parent));
  EXPECT_FALSE(IsWindow(first));
  EXPECT_FALSE(IsWindow(second));
}

TEST_F(MessageSequence, PaintComesOnlyWhenNothingElseWaitsAndStaysUntilValidated) {
  HWND a = Popup(0, 30, 100, 100, WS_POPUP | WS_VISIBLE);
  Drain();
  InvalidateRect(a, nullptr, FALSE);
  PostMessageW(a, WM_USER + 1, 1, 0);
  PostMessageW(a, WM_USER + 2, 2, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 2));
  for (int i = 0; i < 2; ++i) {  // PM_REMOVE does not remove WM_PAINT
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT));
    EXPECT_EQ(msg.hwnd, a);
  }
  // A message posted now comes before the paint.
  PostMessageW(a, WM_USER + 3, 3, 0);
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 3));
  ValidateRect(a, nullptr);
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));

  // BeginPaint through DefWindowProcW validates; a filter that excludes WM_PAINT skips it.
  InvalidateRect(a, nullptr, TRUE);
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_USER, WM_USER + 10, PM_REMOVE));
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
  Log().clear();
  DispatchMessageW(&msg);
  EXPECT_SEQUENCE({{a, WM_PAINT}, {a, WM_ERASEBKGND}});
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageSequence, QuitArrivesAfterMessagesPostedLater) {
  HWND a = Popup(0, 30, 100, 100, WS_POPUP | WS_VISIBLE);
  Drain();
  PostMessageW(a, WM_USER + 1, 0, 0);
  PostQuitMessage(3);
  PostMessageW(a, WM_USER + 2, 0, 0);
  InvalidateRect(a, nullptr, FALSE);
  MSG msg;
  ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
  ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 2));
  // A peek without removing leaves it in place.
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 3u);
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT));  // the paint was still due
}

TEST_F(MessageSequence, DeviceSwitchedOffEndsTheLoop) {
  backend_->events.push_back({platform::InputKind::kQuit, 0, 0, 0, {}});
  MSG msg;
  EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  // A backend that will never deliver anything again ends a blocking wait the same way.
  EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
}

TEST_F(MessageSequence, TranslateMessageMakesCharactersOfControlKeys) {
  HWND a = Popup(0, 30, 100, 100, WS_POPUP | WS_VISIBLE);
  Drain();
  backend_->Key(VK_BACK, true);
  backend_->Key(VK_BACK, false);
  backend_->Key(VK_LEFT, true);
  backend_->Type(U"é");
  Log().clear();
  Drain();
  EXPECT_SEQUENCE({{a, WM_KEYDOWN, kW | kL, VK_BACK, 1},
                   {a, WM_CHAR, kW, 0x08},
                   {a, WM_KEYUP, kW, VK_BACK},
                   {a, WM_KEYDOWN, kW, VK_LEFT},
                   {a, WM_CHAR, kW, 0xE9}});
  EXPECT_TRUE(GetAsyncKeyState(VK_LEFT) & 0x8000);
  EXPECT_FALSE(GetAsyncKeyState(VK_BACK) & 0x8000);
  EXPECT_EQ(GetAsyncKeyState(VK_BACK) & 1, 0);  // the press was reported by the first query
  EXPECT_EQ(GetAsyncKeyState(0x1234), 0);
}

}  // namespace
}  // namespace user_test
