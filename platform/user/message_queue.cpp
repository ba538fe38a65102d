// The message queue of the program's one thread: posted and sent messages, WM_QUIT after every
// posted message, WM_PAINT only when nothing else waits, and the blocking wait on the backend.
#include <algorithm>
#include <cstring>

#include "backend/backend.h"
#include "user/chrome_hooks.h"
#include "user/foreground_link.h"
#include "user/input.h"
#include "user/window_manager.h"

namespace platform::user {

void WindowManager::Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  MSG m{};
  m.hwnd = hwnd;
  m.message = msg;
  m.wParam = wParam;
  m.lParam = lParam;
  m.time = GetTickCount();
  DWORD pos = GetMessagePos();
  m.pt = {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
  posted.push_back(m);
}

LRESULT WindowManager::Send(Window* w, UINT msg, WPARAM wParam, LPARAM lParam) {
  WNDPROC proc = w->proc ? w->proc : DefWindowProcW;
  return proc(w->handle, msg, wParam, lParam);
}

namespace {

bool InRange(UINT message, UINT min, UINT max) {
  if (min == 0 && max == 0) return true;
  return message >= min && message <= max;
}

bool Matches(const MSG& m, HWND hwnd, UINT min, UINT max) {
  if (hwnd == reinterpret_cast<HWND>(-1)) {
    if (m.hwnd) return false;
  } else if (hwnd && m.hwnd != hwnd) {
    return false;
  }
  return InRange(m.message, min, max);
}

// Looks for a message without waiting.
bool TakeMessage(LPMSG out, HWND hwnd, UINT min, UINT max, UINT remove) {
  auto& wm = WindowManager::Get();
  // Posted messages first, then input (made into messages one event at a time, when taken).
  do {
    for (auto it = wm.posted.begin(); it != wm.posted.end(); ++it) {
      if (!Matches(*it, hwnd, min, max)) continue;
      *out = *it;
      if (remove & PM_REMOVE) wm.posted.erase(it);
      wm.lastMessage = *out;
      return true;
    }
  } while (!wm.quitPosted && ConvertNextInput());
  if (wm.quitPosted) {
    *out = MSG{};
    out->message = WM_QUIT;
    out->wParam = static_cast<WPARAM>(wm.quitCode);
    out->time = GetTickCount();
    if (remove & PM_REMOVE) wm.quitPosted = false;
    return true;
  }
  if (InRange(WM_PAINT, min, max)) {
    if (Window* w = wm.NextWindowToPaint(hwnd == reinterpret_cast<HWND>(-1) ? nullptr : hwnd)) {
      // WM_PAINT stays until the window is validated, whatever the remove flag says.
      *out = MSG{};
      out->hwnd = w->handle;
      out->message = WM_PAINT;
      out->time = GetTickCount();
      return true;
    }
  }
  return false;
}

void PollSources() {
  PumpInput(0);
  ServeForegroundRequests();
  TickClock();
}

}  // namespace

}  // namespace platform::user

using platform::user::Window;
using platform::user::WindowManager;

BOOL WINAPI PostMessageW(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto& wm = WindowManager::Get();
  if (hWnd && !wm.Check(hWnd)) return FALSE;
  wm.Post(hWnd, msg, wParam, lParam);
  return TRUE;
}

LRESULT WINAPI SendMessageW(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto& wm = WindowManager::Get();
  Window* w = wm.Check(hWnd);
  if (!w) return 0;
  return wm.Send(w, msg, wParam, lParam);
}

BOOL WINAPI PeekMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax,
                         UINT wRemoveMsg) {
  auto& wm = WindowManager::Get();
  if (!lpMsg) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (hWnd && hWnd != reinterpret_cast<HWND>(-1) && !wm.Check(hWnd)) return FALSE;
  platform::CurrentBackend().Present();
  platform::user::PollSources();
  return platform::user::TakeMessage(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, wRemoveMsg);
}

BOOL WINAPI GetMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
  auto& wm = WindowManager::Get();
  if (!lpMsg) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return -1;
  }
  if (hWnd && hWnd != reinterpret_cast<HWND>(-1) && !wm.Check(hWnd)) return -1;
  auto& backend = platform::CurrentBackend();
  platform::user::PollSources();
  for (;;) {
    if (platform::user::TakeMessage(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, PM_REMOVE)) {
      return lpMsg->message != WM_QUIT;
    }
    backend.Present();
    // Real time: wake for the clock's next minute and for requests of other programs.
    uint32_t timeout = INFINITE;
    if (std::strcmp(backend.Name(), "headless") != 0) {
      timeout = std::min<uint32_t>(platform::user::MillisecondsToNextMinute(), 250);
    }
    bool never = false;
    platform::user::PumpInput(timeout, &never);
    if (never) {
      // The backend can never deliver anything again (a finished script): the device is off.
      wm.quitPosted = true;
    }
    platform::user::ServeForegroundRequests();
    platform::user::TickClock();
  }
}

BOOL WINAPI TranslateMessage(const MSG* lpMsg) {
  if (!lpMsg) return FALSE;
  if (lpMsg->message != WM_KEYDOWN && lpMsg->message != WM_KEYUP &&
      lpMsg->message != WM_SYSKEYDOWN && lpMsg->message != WM_SYSKEYUP) {
    return FALSE;
  }
  // Printable characters reach the program as WM_CHAR from the input panel (the backend's text
  // input); the keys below have no text of their own, so their WM_CHAR is made here.
  if (lpMsg->message == WM_KEYDOWN) {
    WPARAM ch = 0;
    switch (lpMsg->wParam) {
      case VK_BACK:
        ch = 0x08;
        break;
      case VK_TAB:
        ch = 0x09;
        break;
      case VK_RETURN:
        ch = 0x0D;
        break;
      case VK_ESCAPE:
        ch = 0x1B;
        break;
      default:
        break;
    }
    if (ch) {
      MSG m = *lpMsg;
      m.message = WM_CHAR;
      m.wParam = ch;
      WindowManager::Get().posted.push_front(m);  // read next
    }
  }
  return TRUE;
}

LRESULT WINAPI DispatchMessageW(const MSG* lpMsg) {
  auto& wm = WindowManager::Get();
  if (!lpMsg) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (!lpMsg->hwnd) return 0;
  Window* w = wm.Check(lpMsg->hwnd);
  if (!w) return 0;
  return wm.Send(w, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

void WINAPI PostQuitMessage(int nExitCode) {
  auto& wm = WindowManager::Get();
  wm.quitPosted = true;
  wm.quitCode = nExitCode;
}

LONG WINAPI GetMessageTime(void) {
  return static_cast<LONG>(WindowManager::Get().lastMessage.time);
}
