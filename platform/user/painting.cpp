// Invalid areas and WM_PAINT: InvalidateRect, ValidateRect, UpdateWindow, BeginPaint/EndPaint,
// and the device contexts of windows (GetDC/ReleaseDC, the class's own DC).
#include <algorithm>
#include <functional>

#include "gdi/display_dc.h"
#include "user/window_manager.h"

namespace platform::user {

namespace {

// A DC onto a window's client area; paintOnly clips it to the area being painted.
HDC MakeClientDC(HWND hwnd, bool paintOnly) {
  return gdi::CreateDisplayDC([hwnd, paintOnly]() {
    gdi::DisplayView view;
    auto& wm = WindowManager::Get();
    Window* w = wm.Find(hwnd);
    if (!w) return view;
    view.origin = wm.ClientOrigin(w);
    view.visible = wm.VisibleClientRects(w);
    if (w->painting && (paintOnly || w->ownDC)) {
      RECT paint = Offset(w->paintRect, view.origin.x, view.origin.y);
      std::vector<RECT> clipped;
      for (const RECT& r : view.visible) {
        RECT i = IntersectRects(r, paint);
        if (!RectEmpty(i)) clipped.push_back(i);
      }
      view.visible.swap(clipped);
    }
    return view;
  });
}

bool NeedsPaint(const Window* w) {
  return !RectEmpty(w->update) || w->frameDirty;
}

Window* FindPaintable(WindowManager& wm, Window* w) {
  if (!w->visible || w->remote) return nullptr;
  if (NeedsPaint(w)) return w;
  for (Window* c : w->children) {
    if (Window* p = FindPaintable(wm, c)) return p;
  }
  return nullptr;
}

bool HasFrame(const Window* w) {
  return (w->style & (WS_BORDER | WS_DLGFRAME)) != 0;
}

}  // namespace

void CreateOwnDC(Window* w) {
  w->ownDC = MakeClientDC(w->handle, false);
}

void ReleaseWindowDCs(Window* w) {
  for (HDC dc : w->commonDCs) gdi::DestroyDisplayDC(dc);
  w->commonDCs.clear();
  if (w->paintDC) gdi::DestroyDisplayDC(w->paintDC);
  w->paintDC = nullptr;
  if (w->ownDC) gdi::DestroyDisplayDC(w->ownDC);
  w->ownDC = nullptr;
}

void WindowManager::InvalidateClient(Window* w, const RECT& clientRect, Erasing erasing,
                                     Children children) {
  RECT r = IntersectRects(clientRect, ClientRectLocal(w));
  if (!RectEmpty(r)) {
    w->update = Union(w->update, r);
    w->eraseNeeded |= erasing == Erasing::kErase;
  }
  if (children == Children::kExcluded || (w->style & WS_CLIPCHILDREN)) return;
  POINT origin = ClientOrigin(w);
  for (Window* c : w->children) {
    if (!c->visible) continue;
    RECT onScreen = Offset(clientRect, origin.x, origin.y);
    RECT cw = IntersectRects(onScreen, WindowRectOnScreen(c));
    if (RectEmpty(cw)) continue;
    if (HasFrame(c)) c->frameDirty = true;
    POINT co = ClientOrigin(c);
    InvalidateClient(c, Offset(onScreen, -co.x, -co.y), erasing, Children::kIncluded);
  }
}

void WindowManager::InvalidateWindowAll(Window* w, Erasing erasing) {
  if (HasFrame(w)) w->frameDirty = true;
  InvalidateClient(w, ClientRectLocal(w), erasing, Children::kIncluded);
}

void WindowManager::InvalidateWindowArea(Window* w, const RECT& area, Children children) {
  if (!IsShown(w) || w->remote) return;
  RECT wr = IntersectRects(WindowRectOnScreen(w), area);
  if (RectEmpty(wr)) return;
  if (HasFrame(w)) w->frameDirty = true;
  RECT client = ClientRectOnScreen(w);
  RECT cr = IntersectRects(client, area);
  if (!RectEmpty(cr))
    InvalidateClient(w, Offset(cr, -client.left, -client.top), Erasing::kErase, children);
}

void WindowManager::TakeOffScreen(Window* w) {
  const bool shown = IsShown(w);
  const RECT was = WindowRectOnScreen(w);
  w->visible = false;
  w->style &= ~WS_VISIBLE;
  LayoutChanged();
  if (shown) InvalidateScreenArea(was, w);
}

void WindowManager::InvalidateScreenArea(const RECT& area, const Window* except) {
  // Only what lies below `except` was covered by it.
  std::function<void(Window*)> touchTree = [&](Window* w) {
    InvalidateWindowArea(w, area, Children::kExcluded);
    for (Window* c : w->children) touchTree(c);
  };
  if (!except) {
    for (Window* t : topLevels_) touchTree(t);
    return;
  }
  const std::vector<Window*>& band = except->parent ? except->parent->children : topLevels_;
  auto it = std::find(band.begin(), band.end(), except);
  if (it != band.end()) ++it;
  if (except->parent) InvalidateWindowArea(except->parent, area, Children::kExcluded);
  for (; it != band.end(); ++it) touchTree(*it);
}

Window* WindowManager::NextWindowToPaint(HWND only) {
  if (only) {
    Window* w = Find(only);
    return w && IsShown(w) && NeedsPaint(w) ? w : nullptr;
  }
  for (Window* t : topLevels_) {
    if (Window* w = FindPaintable(*this, t)) return w;
  }
  return nullptr;
}

}  // namespace platform::user

using platform::user::Children;
using platform::user::Erasing;
using platform::user::Window;
using platform::user::WindowManager;

BOOL WINAPI InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) {
  auto& wm = WindowManager::Get();
  if (!hWnd) {
    for (Window* t : wm.TopLevels()) {
      if (!t->remote) wm.InvalidateWindowAll(t, bErase ? Erasing::kErase : Erasing::kNoErase);
    }
    return TRUE;
  }
  Window* w = wm.Check(hWnd);
  if (!w) return FALSE;
  RECT r = lpRect ? *lpRect : wm.ClientRectLocal(w);
  wm.InvalidateClient(w, r, bErase ? Erasing::kErase : Erasing::kNoErase, Children::kIncluded);
  return TRUE;
}

BOOL WINAPI ValidateRect(HWND hWnd, const RECT* lpRect) {
  auto& wm = WindowManager::Get();
  if (!hWnd) return TRUE;
  Window* w = wm.Check(hWnd);
  if (!w) return FALSE;
  if (!lpRect) {
    w->update = RECT{0, 0, 0, 0};
    w->eraseNeeded = false;
    w->frameDirty = false;
    return TRUE;
  }
  // The invalid area is kept as one rectangle: what remains of it is their bounding box.
  std::vector<RECT> rest{w->update};
  platform::user::SubtractRect(rest, *lpRect);
  RECT remaining{0, 0, 0, 0};
  for (const RECT& r : rest) remaining = platform::user::Union(remaining, r);
  w->update = remaining;
  if (platform::user::RectEmpty(remaining)) w->eraseNeeded = false;
  return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL) {
  Window* w = WindowManager::Get().Check(hWnd);
  if (!w) return FALSE;
  if (lpRect) *lpRect = w->update;
  return !platform::user::RectEmpty(w->update);
}

BOOL WINAPI UpdateWindow(HWND hWnd) {
  auto& wm = WindowManager::Get();
  Window* w = wm.Check(hWnd);
  if (!w) return FALSE;
  if (wm.IsShown(w) && platform::user::NeedsPaint(w)) {
    wm.Send(w, WM_PAINT, 0, 0);
  }
  // Then the children that still wait for their paint.
  std::vector<HWND> children;
  for (Window* c : w->children) children.push_back(c->handle);
  for (HWND c : children) {
    if (wm.Find(c)) UpdateWindow(c);
  }
  return TRUE;
}

HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
  auto& wm = WindowManager::Get();
  Window* w = wm.CheckWithResult(hWnd, lpPaint);
  if (!w) return nullptr;
  if (w->frameDirty) {
    w->frameDirty = false;
    platform::user::DrawNonClient(w);
  }
  *lpPaint = PAINTSTRUCT{};
  HDC dc = w->ownDC;
  if (!dc) {
    if (w->paintDC) platform::gdi::DestroyDisplayDC(w->paintDC);
    w->paintDC = platform::user::MakeClientDC(hWnd, true);
    dc = w->paintDC;
  }
  w->painting = true;
  w->paintRect = w->update;
  w->update = RECT{0, 0, 0, 0};
  lpPaint->hdc = dc;
  lpPaint->rcPaint = w->paintRect;
  bool erase = w->eraseNeeded;
  w->eraseNeeded = false;
  if (erase) {
    lpPaint->fErase = wm.Send(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0;
  }
  return dc;
}

BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint) {
  auto& wm = WindowManager::Get();
  Window* w = wm.Check(hWnd);
  if (!w) return FALSE;
  (void)lpPaint;
  w->painting = false;
  w->paintRect = RECT{0, 0, 0, 0};
  if (w->paintDC) {
    platform::gdi::DestroyDisplayDC(w->paintDC);
    w->paintDC = nullptr;
  }
  return TRUE;
}

HDC WINAPI GetDC(HWND hWnd) {
  auto& wm = WindowManager::Get();
  if (!hWnd) {
    // The whole screen.
    return platform::gdi::CreateDisplayDC([]() {
      platform::gdi::DisplayView view;
      view.visible.push_back(RECT{0, 0, 240, 320});
      return view;
    });
  }
  Window* w = wm.Check(hWnd);
  if (!w) return nullptr;
  if (w->ownDC) return w->ownDC;
  HDC dc = platform::user::MakeClientDC(hWnd, false);
  w->commonDCs.push_back(dc);
  return dc;
}

int WINAPI ReleaseDC(HWND hWnd, HDC hDC) {
  auto& wm = WindowManager::Get();
  if (!hDC) return 0;
  if (!hWnd) {
    platform::gdi::DestroyDisplayDC(hDC);
    return 1;
  }
  Window* w = wm.Find(hWnd);
  if (!w) return 0;
  if (hDC == w->ownDC) return 1;
  auto it = std::find(w->commonDCs.begin(), w->commonDCs.end(), hDC);
  if (it == w->commonDCs.end()) return 0;
  platform::gdi::DestroyDisplayDC(hDC);
  w->commonDCs.erase(it);
  return 1;
}
