// The way a program of forms uses the window manager: a hidden-size root window owning
// full-screen popups with menu bars, switched by hiding one and showing another, and a modal
// form that disables the others while it runs.
#include <aygshell.h>

#include "backend/screen.h"
#include "user_test_support.h"

namespace user_test {
namespace {

class ScreenSwitching : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    root_ = CreateWindowExW(0, L"TestWindow", L"Game", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                            nullptr);
    ShowWindow(root_, SW_SHOWNORMAL);
    for (int i = 0; i < 3; ++i) {
      forms_[i] = CreateWindowExW(0, L"TestWindow", kNames[i], WS_POPUP, 0, 26, 240, 268, root_,
                                  nullptr, nullptr, nullptr);
      SHMENUBARINFO bar{};
      bar.cbSize = 32;
      bar.hwndParent = forms_[i];
      bar.dwFlags = SHCMBF_EMPTYBAR;
      ASSERT_TRUE(SHCreateMenuBar(&bar));
      bars_[i] = bar.hwndMB;
    }
  }
  // Show: remember the active window, show, repaint at once.
  void Show(int i) {
    previous_[i] = GetActiveWindow();
    ShowWindow(forms_[i], SW_SHOWNORMAL);
    UpdateWindow(forms_[i]);
  }
  // Hide: hide, then give the activation back to the window remembered by Show.
  void Hide(int i) {
    ShowWindow(forms_[i], SW_HIDE);
    SetActiveWindow(previous_[i]);
  }
  static constexpr const wchar_t* kNames[3] = {L"White", L"Menu", L"Options"};
  HWND root_ = nullptr;
  HWND forms_[3] = {};
  HWND bars_[3] = {};
  HWND previous_[3] = {};
};

TEST_F(ScreenSwitching, SwitchingFormsMovesActivationAndMenuBars) {
  EXPECT_EQ(GetActiveWindow(), root_);
  Show(0);
  Show(1);
  EXPECT_EQ(GetActiveWindow(), forms_[1]);
  EXPECT_TRUE(IsWindowVisible(bars_[0]));
  EXPECT_TRUE(IsWindowVisible(bars_[1]));
  EXPECT_EQ(WindowFromPoint(POINT{100, 310}), bars_[1]);  // the top form's bar lies on top

  // Switch from the menu to the options and back.
  Hide(1);
  EXPECT_EQ(GetActiveWindow(), forms_[0]);
  Show(2);
  EXPECT_EQ(GetActiveWindow(), forms_[2]);
  EXPECT_FALSE(IsWindowVisible(bars_[1]));
  EXPECT_EQ(WindowFromPoint(POINT{100, 100}), forms_[2]);
  Hide(2);
  Show(1);
  EXPECT_EQ(GetActiveWindow(), forms_[1]);
  EXPECT_EQ(WindowFromPoint(POINT{100, 310}), bars_[1]);

  // A tap on the top bar or a menu bar leaves the activation where it is.
  backend_->Tap(100, 10);
  backend_->Tap(100, 310);
  Drain();
  EXPECT_EQ(GetActiveWindow(), forms_[1]);

  // Another program looking for the root window finds it by class and title.
  EXPECT_EQ(FindWindowW(L"TestWindow", L"Game"), root_);
  EXPECT_TRUE(SetForegroundWindow(root_));
  EXPECT_EQ(GetActiveWindow(), root_);
}

TEST_F(ScreenSwitching, ModalFormDisablesTheOthersAndPassesQuitOn) {
  Show(0);
  Show(1);
  Drain();
  // Run "Options" modally over "Menu".
  HWND remembered = GetActiveWindow();
  EnableWindow(forms_[0], FALSE);
  EnableWindow(forms_[1], FALSE);
  Show(2);
  EXPECT_EQ(GetActiveWindow(), forms_[2]);
  // Taps on the disabled forms are lost: the modal form has the only enabled area here.
  ShowWindow(forms_[2], SW_HIDE);  // pretend it is small: hide it to uncover the others
  backend_->Tap(100, 100);
  Log().clear();
  Drain();
  EXPECT_SEQUENCE({});
  ShowWindow(forms_[2], SW_SHOWNORMAL);
  PostQuitMessage(7);
  MSG msg;
  bool quit = false;
  while (!quit && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    quit = msg.message == WM_QUIT;
    if (!quit) DispatchMessageW(&msg);
  }
  ASSERT_TRUE(quit);
  EnableWindow(forms_[0], TRUE);
  EnableWindow(forms_[1], TRUE);
  Hide(2);
  SetActiveWindow(remembered);
  PostQuitMessage(static_cast<int>(msg.wParam));
  EXPECT_EQ(GetActiveWindow(), forms_[1]);
  EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
}  // namespace user_test
