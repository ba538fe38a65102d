// The window-manager tests' helpers.
#include "user_test_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

#include "backend/screen.h"
#include "kernel/storage.h"
#include "user/window_manager.h"

namespace user_test {

namespace {

Hook& TheHook() {
  static Hook hook;
  return hook;
}

std::string Name(UINT m) {
  static const std::map<UINT, const char*> kNames = {
      {WM_CREATE, "WM_CREATE"},
      {WM_DESTROY, "WM_DESTROY"},
      {WM_MOVE, "WM_MOVE"},
      {WM_SIZE, "WM_SIZE"},
      {WM_ACTIVATE, "WM_ACTIVATE"},
      {WM_SETFOCUS, "WM_SETFOCUS"},
      {WM_KILLFOCUS, "WM_KILLFOCUS"},
      {WM_ENABLE, "WM_ENABLE"},
      {WM_SETTEXT, "WM_SETTEXT"},
      {WM_GETTEXT, "WM_GETTEXT"},
      {WM_PAINT, "WM_PAINT"},
      {WM_CLOSE, "WM_CLOSE"},
      {WM_QUIT, "WM_QUIT"},
      {WM_ERASEBKGND, "WM_ERASEBKGND"},
      {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
      {WM_CANCELMODE, "WM_CANCELMODE"},
      {WM_NCDESTROY, "WM_NCDESTROY"},
      {WM_KEYDOWN, "WM_KEYDOWN"},
      {WM_KEYUP, "WM_KEYUP"},
      {WM_CHAR, "WM_CHAR"},
      {WM_COMMAND, "WM_COMMAND"},
      {WM_CTLCOLOREDIT, "WM_CTLCOLOREDIT"},
      {WM_CTLCOLORSTATIC, "WM_CTLCOLORSTATIC"},
      {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
      {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
      {WM_LBUTTONUP, "WM_LBUTTONUP"},
      {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
  };
  auto it = kNames.find(m);
  if (it != kNames.end()) return it->second;
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%04X", m);
  return buffer;
}

std::string Describe(HWND hwnd, UINT m, WPARAM w, LPARAM l) {
  std::ostringstream out;
  out << hwnd << " " << Name(m) << " w=" << std::hex << w << " l=" << l;
  return out.str();
}

bool Noise(UINT m) {
  return m == WM_PAINT || m == WM_ERASEBKGND;
}

}  // namespace

void ScriptedBackend::Tap(int x, int y) {
  Down(x, y);
  Up(x, y);
}
void ScriptedBackend::Down(int x, int y) {
  events.push_back({platform::InputKind::kStylusDown, x, y, 0, {}});
}
void ScriptedBackend::Move(int x, int y) {
  events.push_back({platform::InputKind::kStylusMove, x, y, 0, {}});
}
void ScriptedBackend::Up(int x, int y) {
  events.push_back({platform::InputKind::kStylusUp, x, y, 0, {}});
}
void ScriptedBackend::Key(unsigned vk, bool down) {
  events.push_back(
      {down ? platform::InputKind::kKeyDown : platform::InputKind::kKeyUp, 0, 0, vk, {}});
}
void ScriptedBackend::Type(const std::u32string& text) {
  events.push_back({platform::InputKind::kText, 0, 0, 0, text});
}

std::vector<Seen>& Log() {
  static std::vector<Seen> log;
  return log;
}

void SetHook(Hook hook) {
  TheHook() = std::move(hook);
}

LRESULT CALLBACK LoggingProc(HWND hwnd, UINT m, WPARAM w, LPARAM l) {
  Log().push_back({hwnd, m, w, l});
  LRESULT result = 0;
  if (TheHook() && TheHook()(hwnd, m, w, l, result)) return result;
  return DefWindowProcW(hwnd, m, w, l);
}

void CheckSequence(const std::vector<Expect>& expected, const char* file, int line) {
  std::vector<Seen> seen;
  bool paintExpected = false;
  for (const Expect& e : expected) paintExpected |= Noise(e.message);
  for (const Seen& s : Log()) {
    if (paintExpected || !Noise(s.message)) seen.push_back(s);
  }
  size_t i = 0, j = 0;
  std::string problem;
  while (i < expected.size() || j < seen.size()) {
    if (i == expected.size()) {
      problem = "unexpected message " +
                Describe(seen[j].hwnd, seen[j].message, seen[j].wParam, seen[j].lParam);
      break;
    }
    const Expect& e = expected[i];
    bool match = j < seen.size() && (!e.hwnd || e.hwnd == seen[j].hwnd) &&
                 e.message == seen[j].message && (!(e.flags & kW) || e.wParam == seen[j].wParam) &&
                 (!(e.flags & kL) || e.lParam == seen[j].lParam);
    if (match) {
      ++i, ++j;
    } else if (e.flags & kOptional) {
      ++i;
    } else {
      problem =
          "expected " + Describe(e.hwnd, e.message, e.wParam, e.lParam) + ", got " +
          (j < seen.size() ? Describe(seen[j].hwnd, seen[j].message, seen[j].wParam, seen[j].lParam)
                           : std::string("nothing"));
      break;
    }
  }
  if (problem.empty()) {
    Log().clear();
    return;
  }
  std::ostringstream diff;
  diff << problem << "\n  expected:";
  for (const Expect& e : expected) {
    diff << "\n    " << Describe(e.hwnd, e.message, e.wParam, e.lParam)
         << ((e.flags & kOptional) ? " (optional)" : "");
  }
  diff << "\n  seen:";
  for (const Seen& s : seen) diff << "\n    " << Describe(s.hwnd, s.message, s.wParam, s.lParam);
  ADD_FAILURE_AT(file, line) << diff.str();
  Log().clear();
}

uint32_t Pixel(int x, int y) {
  return platform::TheScreen().Row(y)[x] & 0xFFFFFF;
}

void Drain() {
  MSG msg;
  for (int guard = 0; guard < 1000 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++guard) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void UserTest::SetUp() {
  static bool rooted = false;
  if (!rooted) {
    auto dir = std::filesystem::temp_directory_path() /
               ("platform-user-test-" + std::to_string(::getpid()));
    platform::SetDeviceRoot(dir);
    rooted = true;
    static pid_t owner = ::getpid();
    std::atexit([] {
      if (::getpid() != owner) return;
      std::error_code ignored;
      std::filesystem::remove_all(
          std::filesystem::temp_directory_path() / ("platform-user-test-" + std::to_string(owner)),
          ignored);
    });
  }
  platform::user::WindowManager::Get().ResetForTests();
  auto backend = std::make_unique<ScriptedBackend>();
  backend_ = backend.get();
  platform::SetBackend(std::move(backend));
  WNDCLASSW wc{};
  wc.lpfnWndProc = LoggingProc;
  wc.hbrBackground = nullptr;
  wc.lpszClassName = L"TestWindow";
  ASSERT_NE(RegisterClassW(&wc), 0);
  SetHook(nullptr);
  Drain();
  Log().clear();
}

void UserTest::TearDown() {
  SetHook(nullptr);
  platform::user::WindowManager::Get().ResetForTests();
  Log().clear();
}

HWND UserTest::Popup(int x, int y, int w, int h, DWORD style, const wchar_t* title) {
  HWND hwnd = CreateWindowExW(0, L"TestWindow", title, style, x, y, w, h, nullptr, nullptr, nullptr,
                              nullptr);
  EXPECT_NE(hwnd, nullptr);
  return hwnd;
}

HWND UserTest::Child(HWND parent, int x, int y, int w, int h, int id, DWORD style) {
  HWND hwnd =
      CreateWindowExW(0, L"TestWindow", L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                      reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr, nullptr);
  EXPECT_NE(hwnd, nullptr);
  return hwnd;
}

}  // namespace user_test
