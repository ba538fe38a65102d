// The top bar: a system window across the top 26 pixels showing the active window's title and
// the clock. It never takes activation, and it repaints when the title or the minute changes.
#include "device/chrome.h"

#include <cstring>
#include <ctime>
#include <string>

#include "backend/backend.h"
#include "device/chrome_paint.h"
#include "device/input_panel.h"
#include "user/window_manager.h"

namespace platform::device {

namespace {

constexpr wchar_t kTopBarClass[] = L"HHTaskBar";
constexpr wchar_t kDesktopClass[] = L"DesktopExplorerWindow";

struct Chrome {
  HWND desktop = nullptr;
  HWND topBar = nullptr;
  bool creating = false;
  std::wstring shownTitle;
  long shownMinute = -1;
};

Chrome& TheChrome() {
  static Chrome chrome;
  return chrome;
}

bool Headless() {
  return std::strcmp(CurrentBackend().Name(), "headless") == 0;
}

// Minutes since midnight: local time on a real screen, the device clock when headless (so that
// screenshots do not depend on the hour they were taken).
long CurrentMinute() {
  if (Headless()) return static_cast<long>((CurrentBackend().TickCount() / 60000u) % 1440u);
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_hour * 60L + local.tm_min;
}

std::wstring ActiveTitle() {
  auto& wm = user::WindowManager::Get();
  user::Window* w = wm.Find(wm.active);
  return w && !w->remote ? w->title : std::wstring();
}

LRESULT CALLBACK TopBarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    Chrome& chrome = TheChrome();
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    chrome.shownTitle = ActiveTitle();
    chrome.shownMinute = CurrentMinute();
    wchar_t clock[16];
    std::swprintf(clock, 16, L"%ld:%02ld", chrome.shownMinute / 60, chrome.shownMinute % 60);
    if (dc) PaintTopBar(dc, chrome.shownTitle, clock);
    EndPaint(hwnd, &ps);
    return 0;
  }
  if (msg == WM_ERASEBKGND) return 1;
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

void RegisterTopBarClass() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = TopBarProc;
  wc.lpszClassName = kTopBarClass;
  user::WindowManager::Get().AddClass(wc, user::ClassOwner::kSystem);
  // The desktop under every window, so that what windows uncover is painted.
  wc.lpfnWndProc = DefWindowProcW;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BACKGROUND + 1);
  wc.lpszClassName = kDesktopClass;
  user::WindowManager::Get().AddClass(wc, user::ClassOwner::kSystem);
}

void EnsureChrome() {
  Chrome& chrome = TheChrome();
  if (chrome.creating || IsWindow(chrome.topBar)) return;
  chrome.creating = true;
  auto& wm = user::WindowManager::Get();
  if (!IsWindow(chrome.desktop)) {
    chrome.desktop = CreateWindowExW(0, kDesktopClass, L"Desktop", WS_POPUP, 0, 0, 240, 320,
                                     nullptr, nullptr, nullptr, nullptr);
    if (user::Window* w = wm.Find(chrome.desktop)) {
      w->noActivate = true;
      SetWindowPos(chrome.desktop, HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
  }
  chrome.topBar = CreateWindowExW(WS_EX_TOPMOST, kTopBarClass, L"", WS_POPUP, 0, 0, 240,
                                  kTopBarHeight, nullptr, nullptr, nullptr, nullptr);
  if (user::Window* w = wm.Find(chrome.topBar)) {
    w->noActivate = true;
    ShowWindow(chrome.topBar, SW_SHOWNA);
  }
  chrome.shownTitle.clear();
  chrome.shownMinute = -1;
  chrome.creating = false;
}

HWND TopBarWindow() {
  HWND bar = TheChrome().topBar;
  return IsWindow(bar) ? bar : nullptr;
}

void WindowListChanged() {
  Chrome& chrome = TheChrome();
  if (!IsWindow(chrome.topBar)) return;
  if (ActiveTitle() != chrome.shownTitle) InvalidateRect(chrome.topBar, nullptr, FALSE);
}

unsigned MillisecondsToNextMinute() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return static_cast<unsigned>((60 - local.tm_sec) * 1000);
}

void TickClock() {
  Chrome& chrome = TheChrome();
  if (!IsWindow(chrome.topBar) || chrome.shownMinute < 0) return;
  if (CurrentMinute() != chrome.shownMinute) InvalidateRect(chrome.topBar, nullptr, FALSE);
}

namespace {

void RegisterChromeClasses() {
  RegisterTopBarClass();
  RegisterInputPanelClass();
}

bool InstallChrome() {
  user::ChromeHooks hooks;
  hooks.registerClasses = &RegisterChromeClasses;
  hooks.ensure = &EnsureChrome;
  hooks.windowListChanged = &WindowListChanged;
  hooks.millisecondsToNextMinute = &MillisecondsToNextMinute;
  hooks.tickClock = &TickClock;
  user::SetChromeHooks(hooks);
  return true;
}

}  // namespace

}  // namespace platform::device

// Plugs the chrome into the window manager at start-up; every program links this through the
// platform library (platform/CMakeLists.txt).
extern "C" const bool kPtDeviceHooks = platform::device::InstallChrome();
