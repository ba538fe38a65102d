// Activation, keyboard focus, stylus capture and the enabled state of windows.
#include "user/chrome_hooks.h"
#include "user/window_manager.h"

namespace platform::user {

namespace {
bool Within(const WindowManager& wm, HWND inner, const Window* outer) {
  for (Window* w = wm.Find(inner); w; w = w->parent) {
    if (w == outer) return true;
  }
  return false;
}
}  // namespace

HWND WindowManager::Activate(Window* w, int how) {
  HWND old = active;
  HWND target = w ? w->handle : nullptr;
  if (target == old) {
    if (w) BringToTop(w);
    return old;
  }
  active = target;
  if (Window* o = Find(old)) {
    if (!o->remote)
      Send(o, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(target));
  }
  if (w && Find(target) && active == target) {
    BringToTop(w);
    Window* top = w;
    while (top->owner) top = top->owner;
    top->lastActivePopup = target;
    Send(w, WM_ACTIVATE, MAKEWPARAM(how, 0), reinterpret_cast<LPARAM>(old));
  }
  // Captions show which window is active.
  for (HWND h : {old, target}) {
    Window* c = Find(h);
    if (c && !c->remote && (c->style & WS_CAPTION) == WS_CAPTION && IsShown(c)) DrawNonClient(c);
  }
  // The focus stays only inside the active window.
  Window* now = Find(active);
  if (focus && (!now || !Within(*this, focus, now))) ChangeFocus(nullptr);
  WindowListChanged();
  return old;
}

Window* WindowManager::NextActivationCandidate(const Window* leaving) {
  for (Window* t : topLevels_) {
    if (t == leaving || t->remote || t->noActivate || !t->visible) continue;
    if (t->style & WS_DISABLED) continue;
    bool ownedByLeaving = false;
    for (Window* o = t->owner; o; o = o->owner) ownedByLeaving |= (o == leaving);
    if (ownedByLeaving) continue;
    return t;
  }
  return nullptr;
}

void WindowManager::ChangeFocus(Window* w) {
  HWND old = focus;
  HWND target = w ? w->handle : nullptr;
  if (old == target) return;
  focus = target;
  if (Window* o = Find(old)) Send(o, WM_KILLFOCUS, reinterpret_cast<WPARAM>(target), 0);
  if (w && Find(target) && focus == target) {
    Send(w, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  }
}

void WindowManager::ChangeCapture(Window* w) {
  HWND old = capture;
  HWND target = w ? w->handle : nullptr;
  if (old == target) return;
  capture = target;
  if (Window* o = Find(old)) {
    Send(o, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(target));
  }
}

void WindowManager::WindowGoesAway(Window* w) {
  HWND handle = w->handle;
  if (capture && Within(*this, capture, w)) ChangeCapture(nullptr);
  if (!Find(handle)) return;
  if (active && Within(*this, active, w)) Activate(NextActivationCandidate(w), WA_ACTIVE);
  if (!Find(handle)) return;
  if (focus && Within(*this, focus, w)) ChangeFocus(nullptr);
}

}  // namespace platform::user

using platform::user::Window;
using platform::user::WindowManager;

HWND WINAPI SetActiveWindow(HWND hWnd) {
  auto& wm = WindowManager::Get();
  Window* w = nullptr;
  if (hWnd) {
    w = wm.Check(hWnd);
    if (!w) return nullptr;
    w = wm.TopLevelOf(w);
    if (w->noActivate) return wm.active;
  }
  return wm.Activate(w, WA_ACTIVE);
}

HWND WINAPI GetActiveWindow(void) {
  return WindowManager::Get().active;
}

HWND WINAPI SetFocus(HWND hWnd) {
  auto& wm = WindowManager::Get();
  HWND old = wm.focus;
  if (!hWnd) {
    wm.ChangeFocus(nullptr);
    return old;
  }
  Window* w = wm.Check(hWnd);
  if (!w) return nullptr;
  // Focusing a window of an inactive top-level window activates that first.
  Window* top = wm.TopLevelOf(w);
  if (wm.active != top->handle && !top->noActivate) wm.Activate(top, WA_ACTIVE);
  if (!wm.Find(hWnd)) return nullptr;
  wm.ChangeFocus(w);
  return old;
}

HWND WINAPI GetFocus(void) {
  return WindowManager::Get().focus;
}

HWND WINAPI SetCapture(HWND hWnd) {
  auto& wm = WindowManager::Get();
  HWND old = wm.capture;
  Window* w = wm.Check(hWnd);
  if (!w) return nullptr;
  wm.ChangeCapture(w);
  return old;
}

BOOL WINAPI ReleaseCapture(void) {
  WindowManager::Get().ChangeCapture(nullptr);
  return TRUE;
}

HWND WINAPI GetCapture(void) {
  return WindowManager::Get().capture;
}

BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable) {
  auto& wm = WindowManager::Get();
  Window* w = wm.Check(hWnd);
  if (!w) return FALSE;
  bool wasDisabled = (w->style & WS_DISABLED) != 0;
  if (bEnable && wasDisabled) {
    w->style &= ~WS_DISABLED;
    wm.Send(w, WM_ENABLE, TRUE, 0);
  } else if (!bEnable && !wasDisabled) {
    // Cancel-mode first, while the window still takes input; then the state and WM_ENABLE.
    wm.Send(w, WM_CANCELMODE, 0, 0);
    if (!wm.Find(hWnd)) return FALSE;
    w->style |= WS_DISABLED;
    if (wm.focus && platform::user::Within(wm, wm.focus, w)) wm.ChangeFocus(nullptr);
    if (wm.Find(hWnd)) wm.Send(w, WM_ENABLE, FALSE, 0);
  }
  return wasDisabled ? TRUE : FALSE;
}

BOOL WINAPI IsWindowEnabled(HWND hWnd) {
  Window* w = WindowManager::Get().Check(hWnd);
  return w && !(w->style & WS_DISABLED);
}
