// Helpers for the window-manager tests: a scripted input backend, a window procedure that logs
// every message, and one check that compares a logged sequence with an expected one.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "backend/backend.h"

namespace user_test {

// Input events handed out in order; the clock advances only when asked.
class ScriptedBackend : public platform::Backend {
 public:
  std::deque<platform::InputEvent> events;
  uint32_t now = 1000;
  int presents = 0;
  uint32_t TickCount() override { return now; }
  void Sleep(uint32_t ms) override { now += ms; }
  // Called once whenever the script runs dry (it may queue more).
  std::function<void()> onEmpty;
  bool NextEvent(platform::InputEvent& event, uint32_t) override {
    if (events.empty() && onEmpty) {
      auto action = std::move(onEmpty);
      onEmpty = nullptr;
      action();
    }
    if (events.empty()) return false;
    event = events.front();
    events.pop_front();
    return true;
  }
  void Present() override { ++presents; }
  void PlayWave(const uint8_t*, size_t) override {}
  const char* Name() const override { return "headless"; }

  void Tap(int x, int y);
  void Down(int x, int y);
  void Move(int x, int y);
  void Up(int x, int y);
  void Key(unsigned vk, bool down);
  void Type(const std::u32string& text);
};

struct Seen {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// What a sequence expects: the window (null: any), the message, which parameters to compare.
enum : unsigned { kW = 1, kL = 2, kOptional = 4 };
struct Expect {
  HWND hwnd = nullptr;
  UINT message = 0;
  unsigned flags = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

// Every message that reaches LoggingProc is appended here (while recording) and then handled by
// the test's hook if it returns true, else by DefWindowProcW.
std::vector<Seen>& Log();
using Hook = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT&)>;
void SetHook(Hook hook);
LRESULT CALLBACK LoggingProc(HWND, UINT, WPARAM, LPARAM);

// Compares the log with the expectation, ignoring WM_PAINT/WM_ERASEBKGND unless expected, and
// reports the first difference with both sequences.
void CheckSequence(const std::vector<Expect>& expected, const char* file, int line);
#define EXPECT_SEQUENCE(...) ::user_test::CheckSequence(__VA_ARGS__, __FILE__, __LINE__)

// Dispatches everything waiting, WM_PAINT included, until the queue is empty.
void Drain();

// The screen's pixel at (x, y) as 0x00RRGGBB.
uint32_t Pixel(int x, int y);

// Registers the test window class "TestWindow" (white background) and gives every test a clean
// window manager and a scripted backend.
class UserTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  HWND Popup(int x, int y, int w, int h, DWORD style = WS_POPUP, const wchar_t* title = L"popup");
  HWND Child(HWND parent, int x, int y, int w, int h, int id, DWORD style = 0);
  ScriptedBackend* backend_ = nullptr;
};

}  // namespace user_test
