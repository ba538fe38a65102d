// Showing, hiding, moving and sizing windows, and the geometry queries.
#include <algorithm>

#include "user/chrome_hooks.h"
#include "user/window_manager.h"

using platform::user::Window;
using platform::user::WindowManager;

namespace {

// The shell's menu bar shows and hides with the window that owns it.
void ShowFollowers(WindowManager& wm, Window* owner, bool show) {
  std::vector<HWND> followers;
  for (Window* t : wm.TopLevels()) {
    if (t->owner == owner && t->followsOwner) followers.push_back(t->handle);
  }
  for (HWND h : followers) {
    if (wm.Find(h)) ShowWindow(h, show ? SW_SHOWNA : SW_HIDE);
  }
}

}  // namespace

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
  auto& wm = WindowManager::Get();
  Window* w = wm.Check(hWnd);
  if (!w) return FALSE;
  bool wasVisible = w->visible;
  bool hide = nCmdShow == SW_HIDE || nCmdShow == SW_MINIMIZE;
  bool activate = !hide && nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE &&
                  nCmdShow != SW_SHOWMINNOACTIVE && !w->parent && !w->noActivate;
  if (hide) {
    if (!wasVisible) return FALSE;
    wm.Send(w, WM_SHOWWINDOW, FALSE, 0);
    if (!wm.Find(hWnd) || !w->visible) return TRUE;
    wm.TakeOffScreen(w);
    wm.WindowGoesAway(w);
    if (wm.Find(hWnd) && !w->parent) ShowFollowers(wm, w, false);
    platform::user::WindowListChanged();
    return TRUE;
  }
  if (!wasVisible) {
    wm.Send(w, WM_SHOWWINDOW, TRUE, 0);
    if (!wm.Find(hWnd)) return FALSE;
    w->visible = true;
    w->style |= WS_VISIBLE;
    if (activate) wm.BringToTop(w);
    wm.LayoutChanged();
    wm.InvalidateWindowAll(w, platform::user::Erasing::kErase);
    if (!w->parent) ShowFollowers(wm, w, true);
  }
  if (activate && wm.Find(hWnd)) wm.Activate(w, WA_ACTIVE);
  platform::user::WindowListChanged();
  return wasVisible ? TRUE : FALSE;
}

BOOL WINAPI SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int x, int y, int cx, int cy,
                         UINT uFlags) {
  auto& wm = WindowManager::Get();
  Window* w = wm.Check(hWnd);
  if (!w) return FALSE;
  Window* after = nullptr;
  bool special = hWndInsertAfter == HWND_TOP || hWndInsertAfter == HWND_BOTTOM ||
                 hWndInsertAfter == HWND_TOPMOST || hWndInsertAfter == HWND_NOTOPMOST;
  if (!(uFlags & SWP_NOZORDER) && !special) {
    after = wm.Check(hWndInsertAfter);
    if (!after) return FALSE;
  }
  bool shown = wm.IsShown(w);
  RECT was = wm.WindowRectOnScreen(w);
  RECT old = w->rect;
  RECT now = old;
  if (!(uFlags & SWP_NOMOVE)) now = {x, y, x + (old.right - old.left), y + (old.bottom - old.top)};
  if (!(uFlags & SWP_NOSIZE)) {
    now.right = now.left + (cx < 0 ? 0 : cx);
    now.bottom = now.top + (cy < 0 ? 0 : cy);
  }
  bool moved = now.left != old.left || now.top != old.top;
  bool sized = (now.right - now.left) != (old.right - old.left) ||
               (now.bottom - now.top) != (old.bottom - old.top);
  w->rect = now;
  if (!(uFlags & SWP_NOZORDER)) {
    if (hWndInsertAfter == HWND_TOPMOST) w->exStyle |= WS_EX_TOPMOST;
    if (hWndInsertAfter == HWND_NOTOPMOST) w->exStyle &= ~WS_EX_TOPMOST;
    wm.RemoveFromZOrder(w);
    auto& band = w->parent ? w->parent->children : wm.TopLevels();
    if (hWndInsertAfter == HWND_BOTTOM) {
      band.push_back(w);
    } else if (after && after != w) {
      auto pos = std::find(band.begin(), band.end(), after);
      band.insert(pos == band.end() ? pos : pos + 1, w);
    } else {
      wm.InsertInZOrder(w);
    }
  }
  wm.LayoutChanged();
  if (moved || sized || !(uFlags & SWP_NOZORDER)) {
    if (shown) wm.InvalidateScreenArea(was, w);
    if (!(uFlags & SWP_NOREDRAW)) wm.InvalidateWindowAll(w, platform::user::Erasing::kErase);
  }
  if (sized) wm.SendSize(w);
  if (moved && wm.Find(hWnd)) wm.SendMove(w);
  if (!wm.Find(hWnd)) return TRUE;
  if (uFlags & SWP_SHOWWINDOW) {
    ShowWindow(hWnd, (uFlags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
  } else if (uFlags & SWP_HIDEWINDOW) {
    ShowWindow(hWnd, SW_HIDE);
  } else if (!(uFlags & SWP_NOACTIVATE) && !w->parent && w->visible && !w->noActivate) {
    wm.Activate(w, WA_ACTIVE);
  }
  return TRUE;
}

BOOL WINAPI MoveWindow(HWND hWnd, int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW);
  return SetWindowPos(hWnd, nullptr, x, y, nWidth, nHeight, flags);
}

BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) {
  auto& wm = WindowManager::Get();
  Window* w = wm.CheckWithResult(hWnd, lpRect);
  if (!w) return FALSE;
  *lpRect = wm.WindowRectOnScreen(w);
  return TRUE;
}

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
  auto& wm = WindowManager::Get();
  Window* w = wm.CheckWithResult(hWnd, lpRect);
  if (!w) return FALSE;
  *lpRect = wm.ClientRectLocal(w);
  return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
  auto& wm = WindowManager::Get();
  Window* w = wm.CheckWithResult(hWnd, lpPoint);
  if (!w) return FALSE;
  POINT o = wm.ClientOrigin(w);
  lpPoint->x += o.x;
  lpPoint->y += o.y;
  return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
  auto& wm = WindowManager::Get();
  Window* w = wm.CheckWithResult(hWnd, lpPoint);
  if (!w) return FALSE;
  POINT o = wm.ClientOrigin(w);
  lpPoint->x -= o.x;
  lpPoint->y -= o.y;
  return TRUE;
}

BOOL WINAPI IsWindow(HWND hWnd) {
  return WindowManager::Get().Find(hWnd) != nullptr;
}

BOOL WINAPI IsWindowVisible(HWND hWnd) {
  auto& wm = WindowManager::Get();
  Window* w = wm.Find(hWnd);
  return w && !w->remote && wm.IsShown(w);
}

BOOL WINAPI IsChild(HWND hWndParent, HWND hWnd) {
  auto& wm = WindowManager::Get();
  Window* parent = wm.Find(hWndParent);
  Window* w = wm.Find(hWnd);
  if (!parent || !w) return FALSE;
  for (Window* p = w->parent; p; p = p->parent) {
    if (p == parent) return TRUE;
  }
  return FALSE;
}

HWND WINAPI GetParent(HWND hWnd) {
  auto& wm = WindowManager::Get();
  Window* w = wm.Check(hWnd);
  if (!w) return nullptr;
  if (w->parent) return w->parent->handle;
  if (w->owner && (w->style & WS_POPUP)) return w->owner->handle;
  return nullptr;
}

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
  auto& wm = WindowManager::Get();
  Window* w = wm.Check(hDlg);
  if (!w) return nullptr;
  for (Window* c : w->children) {
    if (c->id == nIDDlgItem) return c->handle;
  }
  SetLastError(ERROR_INVALID_PARAMETER);
  return nullptr;
}

int WINAPI GetDlgCtrlID(HWND hWnd) {
  auto& wm = WindowManager::Get();
  Window* w = wm.Check(hWnd);
  if (!w) return 0;
  return w->parent ? static_cast<int>(w->id) : 0;
}

HWND WINAPI WindowFromPoint(POINT point) {
  Window* w = WindowManager::Get().HitTest(point, platform::user::HitTesting::kAnyWindow);
  return w ? w->handle : nullptr;
}
