// The message box (modal, dismissed by a tap or a key, drawn on the screen), the shell's menu
// bar and the common controls, and the failures that invalid handles and arguments report.
#include <aygshell.h>
#include <commctrl.h>

#include "user_test_support.h"

namespace user_test {
namespace {

using Boxes = UserTest;

// The centre of the box's button `index` of `count` (they share the bottom row evenly).
POINT ButtonCentre(HWND box, int index, int count) {
  RECT window, client;
  GetWindowRect(box, &window);
  GetClientRect(box, &client);
  POINT origin{0, 0};
  ClientToScreen(box, &origin);
  int spacing = (client.right - count * 64) / (count + 1);
  return {origin.x + spacing + index * (64 + spacing) + 32, window.bottom - 1 - 8 - 11};
}

TEST_F(Boxes, MessageBoxIsDrawnDisablesItsOwnerAndEndsOnATapOfOk) {
  HWND owner = Popup(0, 26, 240, 268, WS_POPUP | WS_VISIBLE, L"Owner");
  Drain();
  bool ownerDisabled = false;
  uint32_t caption = 0, body = 0;
  backend_->onEmpty = [&] {
    HWND box = FindWindowW(L"#32770", L"Fatal error");
    ASSERT_NE(box, nullptr);
    Drain();  // painted
    ownerDisabled = !IsWindowEnabled(owner);
    EXPECT_EQ(GetActiveWindow(), box);
    RECT r;
    GetWindowRect(box, &r);
    caption = Pixel(r.right - 4, r.top + 3);
    body = Pixel(r.right - 4, r.top + 30);
    POINT ok = ButtonCentre(box, 0, 1);
    backend_->Tap(ok.x, ok.y);
  };
  EXPECT_EQ(MessageBoxW(owner, L"Something went wrong and this line is long enough to wrap.",
                        L"Fatal error", MB_ICONERROR | MB_SETFOREGROUND | MB_TOPMOST),
            IDOK);
  EXPECT_TRUE(ownerDisabled);
  EXPECT_EQ(caption, GetSysColor(COLOR_ACTIVECAPTION) == RGB(0, 0, 128) ? 0x000080u : 0u);
  EXPECT_EQ(body, 0xFFFFFFu);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(GetActiveWindow(), owner);
  EXPECT_EQ(FindWindowW(L"#32770", nullptr), nullptr);
}

TEST_F(Boxes, MessageBoxKeysAndQuit) {
  backend_->onEmpty = [&] { backend_->Key(VK_RETURN, true); };
  EXPECT_EQ(MessageBoxW(nullptr, L"Enter", nullptr, MB_OK), IDOK);
  backend_->onEmpty = [&] { backend_->Key(VK_ESCAPE, true); };
  EXPECT_EQ(MessageBoxW(nullptr, L"Escape", L"Question", MB_OKCANCEL | MB_ICONQUESTION), IDCANCEL);
  backend_->onEmpty = [&] {
    POINT cancel = ButtonCentre(FindWindowW(L"#32770", L"Two"), 1, 2);
    backend_->Tap(cancel.x, cancel.y);
  };
  EXPECT_EQ(MessageBoxW(nullptr, L"Tap", L"Two", MB_OKCANCEL), IDCANCEL);

  // The device switched off while the box waits: it ends, and the quit reaches the program.
  EXPECT_EQ(MessageBoxW(nullptr, L"Quit", L"Q", MB_OK), IDOK);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));

  SetLastError(0);
  EXPECT_EQ(MessageBoxW(nullptr, L"x", L"y", 3 /* MB_YESNOCANCEL */), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
}

TEST_F(Boxes, MenuBarLiesAcrossTheBottomAndFollowsItsOwner) {
  HWND form = Popup(0, 26, 240, 268, WS_POPUP, L"Form");
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES};
  EXPECT_TRUE(InitCommonControlsEx(&icc));
  SHMENUBARINFO info{};
  info.cbSize = 32;
  info.hwndParent = form;
  info.dwFlags = SHCMBF_EMPTYBAR;
  ASSERT_TRUE(SHCreateMenuBar(&info));
  HWND bar = info.hwndMB;
  RECT r;
  GetWindowRect(bar, &r);
  EXPECT_EQ(r.top, 294);
  EXPECT_EQ(r.bottom, 320);
  EXPECT_EQ(r.right, 240);
  EXPECT_FALSE(IsWindowVisible(bar));
  ShowWindow(form, SW_SHOW);
  EXPECT_TRUE(IsWindowVisible(bar));
  EXPECT_EQ(GetActiveWindow(), form);
  Drain();
  EXPECT_EQ(Pixel(120, 310), 0xD6D6D6u);  // the bar
  EXPECT_EQ(Pixel(210, 300), 0x404040u);  // the input-panel button's outline
  EXPECT_EQ(SendMessageW(bar, SHCMBM_GETMENU, 0, 0), 0);
  // Tapping the bar does not take the activation away from the form.
  backend_->Tap(100, 310);
  Drain();
  EXPECT_EQ(GetActiveWindow(), form);
  ShowWindow(form, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(bar));

  // A bar with its own colour and no input-panel button.
  SHMENUBARINFO coloured{};
  coloured.cbSize = sizeof coloured;
  coloured.hwndParent = form;
  coloured.dwFlags = SHCMBF_EMPTYBAR | SHCMBF_COLORBK | SHCMBF_HIDESIPBUTTON;
  coloured.clrBk = RGB(10, 20, 30);
  ASSERT_TRUE(SHCreateMenuBar(&coloured));
  ShowWindow(form, SW_SHOW);
  Drain();
  EXPECT_EQ(Pixel(120, 310), 0x0A141Eu);
  EXPECT_EQ(Pixel(210, 300), 0x0A141Eu);
  ShowWindow(form, SW_HIDE);

  info.dwFlags = 0;
  info.nToolBarId = 100;  // no menu resources exist
  EXPECT_FALSE(SHCreateMenuBar(&info));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
  info.cbSize = 4;
  EXPECT_FALSE(SHCreateMenuBar(&info));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  DestroyWindow(form);
  EXPECT_FALSE(IsWindow(bar));  // owned windows go with their owner
}

TEST_F(Boxes, TopBarShowsTheActiveWindowsTitle) {
  Popup(0, 26, 10, 10);  // the first window brings the chrome; nothing is active yet
  Drain();
  uint32_t empty = Pixel(40, 13);
  HWND w = Popup(0, 26, 240, 268, WS_POPUP | WS_VISIBLE, L"MMMMMMMM");
  Drain();
  EXPECT_EQ(Pixel(2, 2), 0x10246Eu);  // the bar's blue
  HDC screen = GetDC(nullptr);
  SIZE size{};
  bool textWorks = GetTextExtentPoint32W(screen, L"M", 1, &size);
  ReleaseDC(nullptr, screen);
  if (!textWorks) GTEST_SKIP() << "text drawing is not available";
  bool textDrawn = false;
  for (int x = 22; x < 100; ++x) {
    for (int y = 4; y < 22; ++y) textDrawn |= Pixel(x, y) != 0x10246Eu;
  }
  EXPECT_TRUE(textDrawn);
  EXPECT_EQ(empty, 0x10246Eu);
  DestroyWindow(w);
}

TEST_F(Boxes, InvalidHandlesFailWithTheDocumentedError) {
  HWND bad = reinterpret_cast<HWND>(0x12345678);
  HWND gone = Popup(0, 26, 10, 10);
  DestroyWindow(gone);
  for (HWND h : {bad, gone}) {
    RECT r;
    POINT p{};
    PAINTSTRUCT ps;
    MSG msg{};
    msg.hwnd = h;
    struct Call {
      const char* name;
      std::function<bool()> fails;
    };
    std::vector<Call> calls = {
        {"ShowWindow", [&] { return !ShowWindow(h, SW_SHOW); }},
        {"DestroyWindow", [&] { return !DestroyWindow(h); }},
        {"SetWindowPos", [&] { return !SetWindowPos(h, nullptr, 0, 0, 1, 1, SWP_NOZORDER); }},
        {"GetWindowRect", [&] { return !GetWindowRect(h, &r); }},
        {"GetClientRect", [&] { return !GetClientRect(h, &r); }},
        {"ClientToScreen", [&] { return !ClientToScreen(h, &p); }},
        {"EnableWindow", [&] { return !EnableWindow(h, FALSE); }},
        {"IsWindowEnabled", [&] { return !IsWindowEnabled(h); }},
        {"SetFocus", [&] { return !SetFocus(h); }},
        {"SetActiveWindow", [&] { return !SetActiveWindow(h); }},
        {"SetCapture", [&] { return !SetCapture(h); }},
        {"SetForegroundWindow", [&] { return !SetForegroundWindow(h); }},
        {"PostMessageW", [&] { return !PostMessageW(h, WM_USER, 0, 0); }},
        {"SendMessageW", [&] { return !SendMessageW(h, WM_GETTEXTLENGTH, 0, 0); }},
        {"DispatchMessageW", [&] { return !DispatchMessageW(&msg); }},
        {"InvalidateRect", [&] { return !InvalidateRect(h, nullptr, TRUE); }},
        {"UpdateWindow", [&] { return !UpdateWindow(h); }},
        {"BeginPaint", [&] { return !BeginPaint(h, &ps); }},
        {"GetDC", [&] { return !GetDC(h); }},
        {"SetWindowTextW", [&] { return !SetWindowTextW(h, L"x"); }},
        {"GetWindowLongW", [&] { return !GetWindowLongW(h, GWL_STYLE); }},
        {"GetParent", [&] { return !GetParent(h); }},
        {"CreateWindowExW",
         [&] {
           return !CreateWindowExW(0, L"TestWindow", L"", WS_CHILD, 0, 0, 1, 1, h, nullptr, nullptr,
                                   nullptr);
         }},
        {"MessageBoxW", [&] { return MessageBoxW(h, L"", L"", MB_OK) == 0; }},
    };
    for (const Call& call : calls) {
      SetLastError(0);
      EXPECT_TRUE(call.fails()) << call.name;
      EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE)) << call.name;
    }
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(PeekMessageW(&msg, h, 0, 0, PM_REMOVE), FALSE);
  }
}

TEST_F(Boxes, BadArgumentsAreRefused) {
  SetLastError(0);
  EXPECT_EQ(CreateWindowExW(0, L"NoSuchClass", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                            nullptr),
            nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
  EXPECT_EQ(CreateWindowExW(0, L"TestWindow", L"", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                            nullptr),
            nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_TLW_WITH_WSCHILD));
  WNDCLASSW wc{};
  wc.lpfnWndProc = LoggingProc;
  wc.lpszClassName = L"testwindow";  // names compare without case
  EXPECT_EQ(RegisterClassW(&wc), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
  EXPECT_EQ(RegisterClassW(nullptr), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  HWND w = Popup(0, 26, 10, 10);
  EXPECT_FALSE(UnregisterClassW(L"TestWindow", nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_HAS_WINDOWS));
  EXPECT_FALSE(UnregisterClassW(L"EDIT", nullptr));
  EXPECT_EQ(GetWindowLongW(w, 1000), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
  EXPECT_FALSE(GetWindowRect(w, nullptr));
  MSG* none = nullptr;
  EXPECT_FALSE(PeekMessageW(none, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(GetMessageW(none, nullptr, 0, 0), -1);
  EXPECT_FALSE(InitCommonControlsEx(nullptr));
  EXPECT_EQ(CheckMenuItem(nullptr, 1, MF_CHECKED), static_cast<DWORD>(-1));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE));
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 240);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 320);
  EXPECT_EQ(GetSystemMetrics(9999), 0);
  DestroyWindow(w);
  EXPECT_TRUE(UnregisterClassW(L"TestWindow", nullptr));
}

}  // namespace
}  // namespace user_test
