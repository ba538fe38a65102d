// The entry routine across processes: a second copy gives way to the first, and every fatal
// start-up error shows its message and ends the process with -1.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "child_process.h"
#include "frame/app/entry.h"
#include "frame/controls/edit_box.h"
#include "frame/form/form.h"
#include "frame/form/process_state.h"

using namespace frame_test;

namespace {

// Blocks until the parent closes our standard input.
void WaitForParent() {
  char byte;
  while (read(0, &byte, 1) > 0) {
  }
}

bool HelperMode(const char* mode) {
  const char* value = std::getenv("PT_FRAME_HELPER");
  return value != nullptr && std::string(value) == mode;
}

// --- Helpers, run only inside the child processes started below (with the environment that
// names their mode; a helper started by hand without it does nothing).

constexpr const char* kNotAChild = "a helper of ProgramProcesses, run only in its child processes";

// The first copy covers its root window with another window, then reports whether the root
// window came to the front once the parent has run a second copy.
int RunCoveredFirstCopy() {
  WNDCLASSW coverClass{};
  coverClass.lpfnWndProc = DefWindowProcW;
  coverClass.hInstance = frame::ProcessInstance;
  coverClass.lpszClassName = L"Cover";
  RegisterClassW(&coverClass);
  HWND cover = CreateWindowExW(0, L"Cover", L"Cover", WS_POPUP, 0, 26, 100, 100, nullptr, nullptr,
                               frame::ProcessInstance, nullptr);
  ShowWindow(cover, SW_SHOWNORMAL);
  std::printf("ready\nroot %s\n",
              GetForegroundWindow() == frame::RootWindow ? "in front" : "behind");
  std::fflush(stdout);
  char line[64];
  if (std::fgets(line, sizeof line, stdin) == nullptr) return 1;  // "check"
  for (int i = 0; i < 500 && GetForegroundWindow() != frame::RootWindow; ++i) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    usleep(2000);
  }
  std::printf("root %s\n", GetForegroundWindow() == frame::RootWindow ? "in front" : "behind");
  std::fflush(stdout);
  WaitForParent();
  DestroyWindow(cover);
  return 0;
}

TEST(ProgramHelper, DISABLED_FirstCopy) {
  if (!HelperMode("first")) GTEST_SKIP() << kNotAChild;
  const int result = frame::EnterProgram(GetModuleHandleW(nullptr), RunCoveredFirstCopy);
  std::fflush(stdout);
  std::_Exit(result);
}

TEST(ProgramHelper, DISABLED_SecondCopy) {
  if (!HelperMode("second")) GTEST_SKIP() << kNotAChild;
  const int result = frame::EnterProgram(GetModuleHandleW(nullptr), [] {
    std::printf("second copy ran\n");
    return 5;
  });
  std::fflush(stdout);
  std::_Exit(result);
}

TEST(ProgramHelper, DISABLED_MutexOnly) {
  if (!HelperMode("mutex")) GTEST_SKIP() << kNotAChild;
  HANDLE mutex = CreateMutexW(nullptr, TRUE, L"OmbrelunePuttland");
  std::printf("ready\n");
  std::fflush(stdout);
  WaitForParent();
  CloseHandle(mutex);
  std::_Exit(0);
}

TEST(ProgramHelper, DISABLED_ClassTaken) {
  if (!HelperMode("class")) GTEST_SKIP() << kNotAChild;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"VelaMainFormClass";
  RegisterClassW(&windowClass);
  std::_Exit(frame::EnterProgram(GetModuleHandleW(nullptr), [] { return 0; }));
}

TEST(ProgramHelper, DISABLED_FormWithoutClass) {
  if (!HelperMode("form")) GTEST_SKIP() << kNotAChild;
  frame::Form form("Lonely", 0, 0, 10, 10, frame::Caption::kPlain, 0);
  std::_Exit(0);
}

TEST(ProgramHelper, DISABLED_FirstControls) {
  if (!HelperMode("controls")) GTEST_SKIP() << kNotAChild;
  frame::ProcessInstance = GetModuleHandleW(nullptr);
  frame::CreateRootWindow();
  frame::Form form("Form", 0, 0, 100, 100, frame::Caption::kPlain, 0);
  frame::EditBox first(0, 0, 50, 20, &form, 11, frame::Editing::kEditable, frame::Lines::kSingle, 0,
                       frame::Characters::kAny, 0, 0);
  frame::EditBox second(0, 30, 50, 20, &form, 11, frame::Editing::kEditable, frame::Lines::kSingle,
                        0, frame::Characters::kAny, 0, 0);
  std::printf("ids %d %d\n", first.Id(), second.Id());
  std::fflush(stdout);
  std::_Exit(0);
}

// --- The tests.

class ProgramProcesses : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(device_); }
  std::map<std::string, std::string> Environment(const char* mode) const {
    return {
        {"PT_FRAME_HELPER", mode}, {"PUTTLAND_DEVICE", device_}, {"PUTTLAND_BACKEND", "headless"}};
  }
  std::string device_ = MakeDeviceFolder();
};

TEST_F(ProgramProcesses, ASecondCopyBringsTheFirstToTheFrontAndEndsWithZero) {
  ChildProcess first("ProgramHelper.DISABLED_FirstCopy", Environment("first"));
  ASSERT_TRUE(first.WaitForLine("ready")) << first.Errors();
  ASSERT_TRUE(first.WaitForLine("root behind")) << first.Output();

  ChildProcess second("ProgramHelper.DISABLED_SecondCopy", Environment("second"));
  EXPECT_EQ(second.Wait(), 0) << second.Errors();
  EXPECT_EQ(second.Output().find("second copy ran"), std::string::npos);

  first.WriteLine("check");
  EXPECT_TRUE(first.WaitForLine("root in front")) << first.Output();
  first.CloseInput();
  EXPECT_EQ(first.Wait(), 0) << first.Errors();

  // With the first copy gone, a new copy starts normally.
  ChildProcess third("ProgramHelper.DISABLED_SecondCopy", Environment("second"));
  EXPECT_EQ(third.Wait(), 5) << third.Errors();
  EXPECT_NE(third.Output().find("second copy ran"), std::string::npos);
}

TEST_F(ProgramProcesses, AMutexWithoutARootWindowIsFatal) {
  ChildProcess holder("ProgramHelper.DISABLED_MutexOnly", Environment("mutex"));
  ASSERT_TRUE(holder.WaitForLine("ready")) << holder.Errors();
  ChildProcess copy("ProgramHelper.DISABLED_SecondCopy", Environment("second"));
  EXPECT_EQ(copy.Wait(), 255);
  EXPECT_NE(copy.Errors().find("Another application instance is running, but application "
                               "window couldn't be found"),
            std::string::npos)
      << copy.Errors();
  EXPECT_NE(copy.Errors().find("Fatal error"), std::string::npos);
  holder.CloseInput();
  EXPECT_EQ(holder.Wait(), 0);
}

TEST_F(ProgramProcesses, AWindowClassThatCannotBeRegisteredIsFatal) {
  ChildProcess copy("ProgramHelper.DISABLED_ClassTaken", Environment("class"));
  EXPECT_EQ(copy.Wait(), 255);
  EXPECT_NE(copy.Errors().find("Couldn't register window class"), std::string::npos)
      << copy.Errors();
}

TEST_F(ProgramProcesses, AFormWindowThatCannotBeCreatedIsFatal) {
  ChildProcess copy("ProgramHelper.DISABLED_FormWithoutClass", Environment("form"));
  EXPECT_EQ(copy.Wait(), 255);
  EXPECT_NE(copy.Errors().find("Couldn't create window"), std::string::npos) << copy.Errors();
}

TEST_F(ProgramProcesses, ControlIdsStartAt4000InAFreshProcess) {
  ChildProcess child("ProgramHelper.DISABLED_FirstControls", Environment("controls"));
  EXPECT_EQ(child.Wait(), 0) << child.Errors();
  EXPECT_NE(child.Output().find("ids 4000 4001"), std::string::npos) << child.Output();
}

}  // namespace
