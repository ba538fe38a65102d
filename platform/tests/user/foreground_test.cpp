// SetForegroundWindow across programs on one device: a second program finds the first one's
// window by class and title and brings it to the front.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "user/window_manager.h"
#include "user_test_support.h"

namespace user_test {
namespace {

using Foreground = UserTest;

// The first program: a root window, a popup it owns that was active last, and another window
// on top. Exits 0 once a request has brought the popup back to the front.
[[noreturn]] void FirstProgram() {
  platform::user::WindowManager::Get().ResetForTests();
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.lpszClassName = L"RemoteRoot";
  RegisterClassW(&wc);
  HWND root = CreateWindowExW(0, L"RemoteRoot", L"First", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0,
                              nullptr, nullptr, nullptr, nullptr);
  HWND form = CreateWindowExW(0, L"RemoteRoot", L"Form", WS_POPUP | WS_VISIBLE, 0, 26, 240, 268,
                              root, nullptr, nullptr, nullptr);
  HWND other = CreateWindowExW(0, L"RemoteRoot", L"Other", WS_POPUP | WS_VISIBLE, 0, 26, 240, 268,
                               nullptr, nullptr, nullptr, nullptr);
  if (GetActiveWindow() != other) _exit(2);
  MSG msg;
  for (int i = 0; i < 5000; ++i) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    if (GetActiveWindow() == form) _exit(0);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  _exit(1);
}

TEST_F(Foreground, ASecondProgramBringsTheFirstToTheFront) {
  EXPECT_EQ(FindWindowW(L"RemoteRoot", L"First"), nullptr);
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) FirstProgram();

  HWND found = nullptr;
  for (int i = 0; i < 5000 && !found; ++i) {
    found = FindWindowW(L"remoteroot", L"First");  // class names ignore case
    if (!found) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ASSERT_NE(found, nullptr);
  EXPECT_TRUE(IsWindow(found));
  EXPECT_FALSE(IsWindowVisible(found));  // not a window of this program
  EXPECT_EQ(FindWindowW(L"RemoteRoot", L"Second"), nullptr);
  EXPECT_TRUE(SetForegroundWindow(found));
  int status = -1;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  // The first program is gone: its window is no longer found.
  EXPECT_EQ(FindWindowW(L"RemoteRoot", L"First"), nullptr);
}

}  // namespace
}  // namespace user_test
