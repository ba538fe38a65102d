// Window classes, window creation and destruction.
#include <algorithm>

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
  wm.AddClass(*lpWndClass, false);
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

HWND WINAPI CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName,
                            DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                            HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam) {
  auto& wm = WindowManager::Get();
  platform::user::EnsureChrome();
  std::wstring className = platform::user::ClassNameOf(lpClassName);
  WindowClass* cls = className.empty() ? nullptr : wm.FindClass(className);
  if (!cls) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  Window* parent = nullptr;
  if (hWndParent) {
    parent = wm.Check(hWndParent);
    if (!parent) return nullptr;
  }
  bool child = (dwStyle & WS_CHILD) != 0;
  if (child && !parent) {
    SetLastError(ERROR_TLW_WITH_WSCHILD);
    return nullptr;
  }
  // Default placement: the work area between the top bar and the menu bar.
  if (x == CW_USEDEFAULT) x = 0, y = child ? 0 : platform::ScreenBuffer::kTopBarHeight;
  if (nWidth == CW_USEDEFAULT) {
    nWidth = child ? 0 : 240;
    nHeight = child ? 0 : 320 - 2 * platform::ScreenBuffer::kTopBarHeight;
  }
  if (nWidth < 0) nWidth = 0;
  if (nHeight < 0) nHeight = 0;

  Window* w = wm.NewWindow();
  HWND handle = w->handle;
  w->cls = cls;
  ++cls->windowCount;
  w->proc = cls->info.lpfnWndProc;
  w->style = dwStyle & ~WS_VISIBLE;
  w->exStyle = dwExStyle;
  w->instance = hInstance;
  w->title = lpWindowName ? lpWindowName : L"";
  w->extra.assign(static_cast<size_t>(cls->info.cbWndExtra), 0);
  w->rect = {x, y, x + nWidth, y + nHeight};
  if (child) {
    w->parent = parent;
    w->id = reinterpret_cast<LONG_PTR>(hMenu);
  } else if (parent) {
    w->owner = wm.TopLevelOf(parent);
  }
  if (cls->info.style & CS_OWNDC) platform::user::CreateOwnDC(w);
  wm.InsertInZOrder(w);

  CREATESTRUCTW cs{};
  cs.lpCreateParams = lpParam;
  cs.hInstance = hInstance;
  cs.hMenu = hMenu;
  cs.hwndParent = hWndParent;
  cs.cx = nWidth;
  cs.cy = nHeight;
  cs.x = x;
  cs.y = y;
  cs.style = static_cast<LONG>(dwStyle);
  cs.lpszName = lpWindowName;
  cs.lpszClass = lpClassName;
  cs.dwExStyle = dwExStyle;
  LRESULT created = wm.Send(w, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs));
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
  if (dwStyle & WS_VISIBLE) ShowWindow(handle, SW_SHOW);
  platform::user::WindowListChanged();
  return wm.Find(handle) ? handle : nullptr;
}

BOOL WINAPI DestroyWindow(HWND hWnd) {
  auto& wm = WindowManager::Get();
  Window* w = wm.Check(hWnd);
  if (!w) return FALSE;
  if (w->destroying) return TRUE;
  DestroyTree(wm, w);
  return TRUE;
}
