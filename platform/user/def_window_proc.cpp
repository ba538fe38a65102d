// DefWindowProcW: what a window does with the messages its procedure leaves to the system.
#include <algorithm>
#include <cwchar>

#include "user/chrome_hooks.h"
#include "user/window_manager.h"

using platform::user::Window;
using platform::user::WindowManager;

LRESULT platform::user::AnswerGetText(const std::wstring& text, WPARAM capacity, LPARAM buffer) {
  auto* out = reinterpret_cast<LPWSTR>(buffer);
  if (!out || capacity == 0) return 0;
  const size_t n = std::min<size_t>(text.size(), capacity - 1);
  std::wmemcpy(out, text.data(), n);
  out[n] = L'\0';
  return static_cast<LRESULT>(n);
}

LRESULT WINAPI DefWindowProcW(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto& wm = WindowManager::Get();
  Window* w = wm.Check(hWnd);
  if (!w) return 0;
  switch (msg) {
    case WM_CLOSE:
      DestroyWindow(hWnd);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hWnd, &ps);
      EndPaint(hWnd, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return platform::user::EraseBackground(w, reinterpret_cast<HDC>(wParam)) ? 1 : 0;
    case WM_SETTEXT: {
      auto text = reinterpret_cast<LPCWSTR>(lParam);
      w->title = text ? text : L"";
      if ((w->style & WS_CAPTION) == WS_CAPTION) w->frameDirty = true;
      platform::user::WindowListChanged();
      return TRUE;
    }
    case WM_GETTEXT:
      return platform::user::AnswerGetText(w->title, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(w->title.size());
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) SetFocus(hWnd);
      return 0;
    case WM_CANCELMODE:
      if (wm.capture == hWnd) ReleaseCapture();
      return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return platform::user::DefaultControlColor(reinterpret_cast<HDC>(wParam), msg);
    default:
      return 0;
  }
}

LRESULT WINAPI CallWindowProcW(WNDPROC lpPrevWndFunc, HWND hWnd, UINT msg, WPARAM wParam,
                               LPARAM lParam) {
  if (!lpPrevWndFunc) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return lpPrevWndFunc(hWnd, msg, wParam, lParam);
}
