// Window data (styles, procedure, user data, extra bytes), titles, and finding windows.
#include <cstring>

#include "backend/screen.h"
#include "kernel/wide_text.h"
#include "user/chrome_hooks.h"
#include "user/foreground_link.h"
#include "user/window_manager.h"

using platform::user::Window;
using platform::user::WindowManager;

namespace {

bool ReadLong(Window* w, int index, LONG_PTR& value) {
  switch (index) {
    case GWLP_WNDPROC:
      value = reinterpret_cast<LONG_PTR>(w->proc);
      return true;
    case GWLP_HINSTANCE:
      value = reinterpret_cast<LONG_PTR>(w->instance);
      return true;
    case GWL_STYLE:
      value = static_cast<LONG>(w->style);
      return true;
    case GWL_EXSTYLE:
      value = static_cast<LONG>(w->exStyle);
      return true;
    case GWLP_USERDATA:
      value = w->userData;
      return true;
    case GWLP_ID:
      value = w->id;
      return true;
    default:
      break;
  }
  if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG) <= w->extra.size()) {
    LONG v;
    std::memcpy(&v, w->extra.data() + index, sizeof v);
    value = v;
    return true;
  }
  SetLastError(ERROR_INVALID_INDEX);
  return false;
}

bool WriteLong(Window* w, int index, LONG_PTR value, LONG_PTR& old) {
  auto& wm = WindowManager::Get();
  if (!ReadLong(w, index, old)) return false;
  switch (index) {
    case GWLP_WNDPROC:
      if (!value) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
      }
      w->proc = reinterpret_cast<WNDPROC>(value);
      return true;
    case GWLP_HINSTANCE:
      w->instance = reinterpret_cast<HINSTANCE>(value);
      return true;
    case GWL_STYLE: {
      DWORD keep = w->style & (WS_VISIBLE | WS_CHILD);
      w->style = (static_cast<DWORD>(value) & ~(WS_VISIBLE | WS_CHILD)) | keep;
      wm.LayoutChanged();
      return true;
    }
    case GWL_EXSTYLE:
      w->exStyle = static_cast<DWORD>(value);
      return true;
    case GWLP_USERDATA:
      w->userData = value;
      return true;
    case GWLP_ID:
      w->id = value;
      return true;
    default: {
      LONG v = static_cast<LONG>(value);
      std::memcpy(w->extra.data() + index, &v, sizeof v);
      return true;
    }
  }
}

}  // namespace

LONG WINAPI GetWindowLongW(HWND hWnd, int nIndex) {
  Window* w = WindowManager::Get().Check(hWnd);
  if (!w) return 0;
  LONG_PTR value = 0;
  if (nIndex == GWLP_WNDPROC) {  // a procedure address does not fit 32 bits here
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  if (!ReadLong(w, nIndex, value)) return 0;
  return static_cast<LONG>(value);
}

LONG WINAPI SetWindowLongW(HWND hWnd, int nIndex, LONG dwNewLong) {
  Window* w = WindowManager::Get().Check(hWnd);
  if (!w) return 0;
  if (nIndex == GWLP_WNDPROC) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  LONG_PTR old = 0;
  if (!WriteLong(w, nIndex, dwNewLong, old)) return 0;
  return static_cast<LONG>(old);
}

LONG_PTR WINAPI GetWindowLongPtrW(HWND hWnd, int nIndex) {
  Window* w = WindowManager::Get().Check(hWnd);
  if (!w) return 0;
  LONG_PTR value = 0;
  if (!ReadLong(w, nIndex, value)) return 0;
  return value;
}

LONG_PTR WINAPI SetWindowLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
  Window* w = WindowManager::Get().Check(hWnd);
  if (!w) return 0;
  LONG_PTR old = 0;
  if (!WriteLong(w, nIndex, dwNewLong, old)) return 0;
  return old;
}

BOOL WINAPI SetWindowTextW(HWND hWnd, LPCWSTR lpString) {
  auto& wm = WindowManager::Get();
  Window* w = wm.Check(hWnd);
  if (!w) return FALSE;
  return wm.Send(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString ? lpString : L"")) != 0;
}

int WINAPI GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount) {
  auto& wm = WindowManager::Get();
  Window* w = wm.Check(hWnd);
  if (!w) return 0;
  if (!lpString || nMaxCount <= 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return static_cast<int>(
      wm.Send(w, WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}

int WINAPI GetWindowTextLengthW(HWND hWnd) {
  auto& wm = WindowManager::Get();
  Window* w = wm.Check(hWnd);
  if (!w) return 0;
  return static_cast<int>(wm.Send(w, WM_GETTEXTLENGTH, 0, 0));
}

HWND WINAPI FindWindowW(LPCWSTR lpClassName, LPCWSTR lpWindowName) {
  auto& wm = WindowManager::Get();
  std::wstring cls = platform::user::ClassNameOf(lpClassName);
  for (Window* t : wm.TopLevels()) {
    if (t->remote) continue;
    if (lpClassName && !platform::EqualsNoCase(t->cls->name, cls)) continue;
    if (lpWindowName && t->title != lpWindowName) continue;
    return t->handle;
  }
  // Windows of other programs on the same device.
  if (HWND remote = platform::user::FindRemoteWindow(lpClassName ? &cls : nullptr, lpWindowName)) {
    return remote;
  }
  SetLastError(ERROR_FILE_NOT_FOUND);
  return nullptr;
}

int WINAPI GetSystemMetrics(int nIndex) {
  switch (nIndex) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
      return 240;
    case SM_CYSCREEN:
      return 320;
    case SM_CYFULLSCREEN:
      return 320 - platform::ScreenBuffer::kTopBarHeight - platform::ScreenBuffer::kMenuBarHeight;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
      return 13;
    case SM_CYCAPTION:
      return platform::user::kCaptionHeight;
    case SM_CXBORDER:
    case SM_CYBORDER:
      return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
    case SM_CXEDGE:
    case SM_CYEDGE:
      return 2;
    case SM_CXICON:
    case SM_CYICON:
      return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
      return 16;
    case SM_CYMENU:
      return platform::ScreenBuffer::kMenuBarHeight;
    default:
      return 0;
  }
}

DWORD WINAPI GetSysColor(int nIndex) {
  switch (nIndex) {
    case COLOR_WINDOW:
    case COLOR_STATIC:
      return RGB(255, 255, 255);
    case COLOR_WINDOWTEXT:
    case COLOR_BTNTEXT:
    case COLOR_MENUTEXT:
    case COLOR_STATICTEXT:
    case COLOR_WINDOWFRAME:
      return RGB(0, 0, 0);
    case COLOR_ACTIVECAPTION:
      return RGB(0, 0, 128);
    case COLOR_INACTIVECAPTION:
    case COLOR_GRAYTEXT:
      return RGB(128, 128, 128);
    case COLOR_CAPTIONTEXT:
      return RGB(255, 255, 255);
    case COLOR_BTNFACE:
    case COLOR_MENU:
    case COLOR_SCROLLBAR:
      return RGB(192, 192, 192);
    case COLOR_BTNSHADOW:
      return RGB(128, 128, 128);
    case COLOR_BACKGROUND:
      return RGB(0, 128, 128);
    default:
      return 0;
  }
}

// ---- Rectangles ----

BOOL WINAPI SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom) {
  if (!lprc) return FALSE;
  *lprc = {xLeft, yTop, xRight, yBottom};
  return TRUE;
}

BOOL WINAPI SetRectEmpty(LPRECT lprc) {
  return SetRect(lprc, 0, 0, 0, 0);
}

BOOL WINAPI CopyRect(LPRECT lprcDst, const RECT* lprcSrc) {
  if (!lprcDst || !lprcSrc) return FALSE;
  *lprcDst = *lprcSrc;
  return TRUE;
}

BOOL WINAPI IsRectEmpty(const RECT* lprc) {
  return !lprc || platform::user::RectEmpty(*lprc);
}

BOOL WINAPI PtInRect(const RECT* lprc, POINT pt) {
  return lprc && pt.x >= lprc->left && pt.x < lprc->right && pt.y >= lprc->top &&
         pt.y < lprc->bottom;
}

BOOL WINAPI OffsetRect(LPRECT lprc, int dx, int dy) {
  if (!lprc) return FALSE;
  *lprc = platform::user::Offset(*lprc, dx, dy);
  return TRUE;
}

BOOL WINAPI InflateRect(LPRECT lprc, int dx, int dy) {
  if (!lprc) return FALSE;
  *lprc = {lprc->left - dx, lprc->top - dy, lprc->right + dx, lprc->bottom + dy};
  return TRUE;
}

BOOL WINAPI IntersectRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
  if (!lprcDst || !lprcSrc1 || !lprcSrc2) return FALSE;
  *lprcDst = platform::user::IntersectRects(*lprcSrc1, *lprcSrc2);
  return !platform::user::RectEmpty(*lprcDst);
}

BOOL WINAPI UnionRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
  if (!lprcDst || !lprcSrc1 || !lprcSrc2) return FALSE;
  *lprcDst = platform::user::Union(*lprcSrc1, *lprcSrc2);
  if (platform::user::RectEmpty(*lprcDst)) *lprcDst = RECT{0, 0, 0, 0};
  return !platform::user::RectEmpty(*lprcDst);
}

BOOL WINAPI EqualRect(const RECT* lprc1, const RECT* lprc2) {
  return lprc1 && lprc2 && lprc1->left == lprc2->left && lprc1->top == lprc2->top &&
         lprc1->right == lprc2->right && lprc1->bottom == lprc2->bottom;
}
