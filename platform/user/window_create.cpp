// Window classes, window creation and destruction.
#include <algorithm>
#include <optional>

#include "backend/screen.h"
#include "user/chrome_hooks.h"
#include "user/window_manager.h"

using platform::user::Window;
using platform::user::WindowClass;
using platform::user::WindowManager;

namespace {

ATOM NextAtom = 0xC000;

std::vector<HWND> ChildHandles(const Window* w) {
  std::vector<HWND> handles;
  for (Window* c : w->children) handles.push_back(c->handle);
  return handles;
}

// WM_DESTROY goes to a window before its children; WM_NCDESTROY to the children first. A window
// procedure may destroy windows meanwhile, so each is looked up again by its handle.
void SendDestroy(WindowManager& wm, Window* w) {
  w->destroying = true;
  wm.Send(w, WM_DESTROY, 0, 0);
  for (HWND h : ChildHandles(w)) {
    if (Window* c = wm.Find(h)) SendDestroy(wm, c);
  }
}

void SendNcDestroy(WindowManager& wm, Window* w) {
  for (HWND h : ChildHandles(w)) {
    if (Window* c = wm.Find(h)) SendNcDestroy(wm, c);
  }
  wm.Send(w, WM_NCDESTROY, 0, 0);
}

void Forget(WindowManager& wm, Window* w) {
  for (HWND h : ChildHandles(w)) {
    if (Window* c = wm.Find(h)) Forget(wm, c);
  }
  platform::user::ReleaseWindowDCs(w);
  auto& posted = wm.posted;
  posted.erase(std::remove_if(posted.begin(), posted.end(),
                              [&](const MSG& m) { return m.hwnd == w->handle; }),
               posted.end());
  wm.RemoveFromZOrder(w);
  if (wm.active == w->handle) wm.active = nullptr;
  if (wm.focus == w->handle) wm.focus = nullptr;
  if (wm.capture == w->handle) wm.capture = nullptr;
  wm.ForgetWindow(w);
}

void DestroyTree(WindowManager& wm, Window* w) {
  // Owned windows go first, each completely.
  std::vector<HWND> owned;
  for (Window* t : wm.TopLevels()) {
    if (t->owner == w) owned.push_back(t->handle);
  }
  for (HWND h : owned) {
    if (Window* o = wm.Find(h)) DestroyTree(wm, o);
  }
  if (!wm.Find(w->handle) || w->destroying) return;
  HWND handle = w->handle;
  if (w->visible) wm.TakeOffScreen(w);
  wm.WindowGoesAway(w);
  if (!wm.Find(handle)) return;
  SendDestroy(wm, w);
  if (!wm.Find(handle)) return;
  SendNcDestroy(wm, w);
  if (!wm.Find(handle)) return;
  Window* parent = w->parent;
  Forget(wm, w);
  if (parent) {
    parent->children.erase(std::remove(parent->children.begin(), parent->children.end(), w),
                           parent->children.end());
  }
  platform::user::WindowListChanged();
}

}  // namespace

ATOM WINAPI RegisterClassW(const WNDCLASSW* lpWndClass) {
  auto& wm = WindowManager::Get();
  if (!lpWndClass || !lpWndClass->lpszClassName || !lpWndClass->lpfnWndProc ||
      lpWndClass->cbWndExtra < 0 || lpWndClass->cbClsExtra < 0 || lpWndClass->cbWndExtra > 40) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::wstring name = platform::user::ClassNameOf(lpWndClass->lpszClassName);
  if (name.empty()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (wm.FindClass(name)) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return 0;
  }
  wm.AddClass(*lpWndClass, platform::user::ClassOwner::kProgram);
  return NextAtom++;
}

BOOL WINAPI UnregisterClassW(LPCWSTR lpClassName, HINSTANCE) {
  auto& wm = WindowManager::Get();
  std::wstring name = platform::user::ClassNameOf(lpClassName);
  WindowClass* cls = name.empty() ? nullptr : wm.FindClass(name);
  if (!cls || cls->system) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  if (cls->windowCount > 0) {
    SetLastError(ERROR_CLASS_HAS_WINDOWS);
    return FALSE;
  }
  wm.RemoveClass(name);
  return TRUE;
}

BOOL WINAPI GetClassInfoW(HINSTANCE, LPCWSTR lpClassName, LPWNDCLASSW lpWndClass) {
  auto& wm = WindowManager::Get();
  std::wstring name = platform::user::ClassNameOf(lpClassName);
  WindowClass* cls = name.empty() ? nullptr : wm.FindClass(name);
  if (!cls) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  if (!lpWndClass) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *lpWndClass = cls->info;
  lpWndClass->lpszClassName = lpClassName;
  return TRUE;
}

namespace {

// What creation found when it checked its arguments.
struct CreationTarget {
  WindowClass* cls = nullptr;
  Window* parent = nullptr;
  bool child = false;
};

// The class must be registered, a parent handle must name a live window, and a child needs a
// parent. Sets the last error (a bad parent handle sets its own) and returns nothing otherwise.
std::optional<CreationTarget> CheckCreation(WindowManager& wm, LPCWSTR className, DWORD style,
                                            HWND parentHandle) {
  CreationTarget target;
  const std::wstring name = platform::user::ClassNameOf(className);
  target.cls = name.empty() ? nullptr : wm.FindClass(name);
  if (!target.cls) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return std::nullopt;
  }
  if (parentHandle) {
    target.parent = wm.Check(parentHandle);
    if (!target.parent) return std::nullopt;
  }
  target.child = (style & WS_CHILD) != 0;
  if (target.child && !target.parent) {
    SetLastError(ERROR_TLW_WITH_WSCHILD);
    return std::nullopt;
  }
  return target;
}

struct Placement {
  int x;
  int y;
  int width;
  int height;
};

// Default placement: the work area between the top bar and the menu bar. Negative sizes are
// empty.
Placement PlaceWindow(bool child, int x, int y, int width, int height) {
  if (x == CW_USEDEFAULT) x = 0, y = child ? 0 : platform::ScreenBuffer::kTopBarHeight;
  if (width == CW_USEDEFAULT) {
    width = child ? 0 : 240;
    height = child ? 0 : 320 - 2 * platform::ScreenBuffer::kTopBarHeight;
  }
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  return {x, y, width, height};
}

// The window's record, linked to its parent (a child) or its owner's top-level window (a popup
// or overlapped window), with its own DC when the class asks for one, in the z-order.
Window* AddWindow(WindowManager& wm, const CreationTarget& target, const CREATESTRUCTW& cs,
                  DWORD style) {
  Window* w = wm.NewWindow();
  WindowClass* cls = target.cls;
  w->cls = cls;
  ++cls->windowCount;
  w->proc = cls->info.lpfnWndProc;
  w->style = style & ~WS_VISIBLE;
  w->exStyle = cs.dwExStyle;
  w->instance = cs.hInstance;
  w->title = cs.lpszName ? cs.lpszName : L"";
  w->extra.assign(static_cast<size_t>(cls->info.cbWndExtra), 0);
  w->rect = {cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy};
  if (target.child) {
    w->parent = target.parent;
    w->id = reinterpret_cast<LONG_PTR>(cs.hMenu);
  } else if (target.parent) {
    w->owner = wm.TopLevelOf(target.parent);
  }
  if (cls->info.style & CS_OWNDC) platform::user::CreateOwnDC(w);
  wm.InsertInZOrder(w);
  return w;
}

// WM_CREATE (-1 destroys the window), WM_SIZE and WM_MOVE, then shows a WS_VISIBLE window. Any
// of them may destroy it, so the handle is looked up after each; null once it is gone.
HWND SendCreationMessages(WindowManager& wm, Window* w, CREATESTRUCTW& cs, DWORD style) {
  const HWND handle = w->handle;
  const LRESULT created = wm.Send(w, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs));
  if (!wm.Find(handle)) return nullptr;  // destroyed during creation
  if (created == -1) {
    DestroyWindow(handle);
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  w->created = true;
  wm.SendSize(w);
  if (!wm.Find(handle)) return nullptr;
  wm.SendMove(w);
  if (!wm.Find(handle)) return nullptr;
  if (style & WS_VISIBLE) ShowWindow(handle, SW_SHOW);
  platform::user::WindowListChanged();
  return wm.Find(handle) ? handle : nullptr;
}

}  // namespace

HWND WINAPI CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName,
                            DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                            HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam) {
  auto& wm = WindowManager::Get();
  platform::user::EnsureChrome();
  const std::optional<CreationTarget> target = CheckCreation(wm, lpClassName, dwStyle, hWndParent);
  if (!target) return nullptr;
  const Placement place = PlaceWindow(target->child, x, y, nWidth, nHeight);

  CREATESTRUCTW cs{};
  cs.lpCreateParams = lpParam;
  cs.hInstance = hInstance;
  cs.hMenu = hMenu;
  cs.hwndParent = hWndParent;
  cs.cx = place.width;
  cs.cy = place.height;
  cs.x = place.x;
  cs.y = place.y;
  cs.style = static_cast<LONG>(dwStyle);
  cs.lpszName = lpWindowName;
  cs.lpszClass = lpClassName;
  cs.dwExStyle = dwExStyle;
  Window* w = AddWindow(wm, *target, cs, dwStyle);
  return SendCreationMessages(wm, w, cs, dwStyle);
}

BOOL WINAPI DestroyWindow(HWND hWnd) {
  auto& wm = WindowManager::Get();
  Window* w = wm.Check(hWnd);
  if (!w) return FALSE;
  if (w->destroying) return TRUE;
  DestroyTree(wm, w);
  return TRUE;
}
