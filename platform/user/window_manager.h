// The window manager's own state: classes, the window tree, z-order, activation, focus,
// capture and the message queue of the program's one thread. Internal to the platform layer.
#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gdi/region.h"

namespace platform::user {

// Who registered a window class: the system's classes are never unregistered.
enum class ClassOwner { kProgram, kSystem };
// Which windows a hit test returns: any window, or only enabled ones (a disabled top-level
// window then swallows the point, a disabled child leaves it to its parent).
enum class HitTesting { kAnyWindow, kEnabledOnly };
// Whether an invalidated area has its background erased before it is painted.
enum class Erasing { kErase, kNoErase };
// Whether invalidation reaches a window's children too.
enum class Children { kIncluded, kExcluded };

struct WindowClass {
  std::wstring name;  // as registered; looked up case-insensitively
  WNDCLASSW info{};
  bool system = false;  // registered by the layer itself (EDIT, menu bar, top bar, message box)
  int windowCount = 0;
};

struct Window {
  HWND handle = nullptr;
  WindowClass* cls = nullptr;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  HINSTANCE instance = nullptr;
  Window* parent = nullptr;       // children only
  Window* owner = nullptr;        // top-level windows only
  std::vector<Window*> children;  // z-order, topmost first
  RECT rect{};  // window rectangle, in the parent's client coordinates (screen for top-level)
  std::wstring title;
  LONG_PTR id = 0;  // the control id of a child (hMenu at creation)
  LONG_PTR userData = 0;
  std::vector<uint8_t> extra;  // cbWndExtra bytes
  bool visible = false;        // WS_VISIBLE mirrors it
  bool destroying = false;
  bool created = false;  // WM_CREATE returned
  // Painting state.
  RECT update{};  // invalid part of the client area, client coordinates (empty = valid)
  bool eraseNeeded = false;
  bool frameDirty = false;  // the non-client frame (border, caption) needs drawing
  bool painting = false;    // between BeginPaint and EndPaint
  RECT paintRect{};
  HDC ownDC = nullptr;         // CS_OWNDC
  HDC paintDC = nullptr;       // made by BeginPaint, destroyed by EndPaint
  std::vector<HDC> commonDCs;  // GetDC handles not yet released
  // System windows take no activation and never show up as the active window.
  bool noActivate = false;
  // Remote windows are stand-ins for a window of another process (FindWindowW).
  bool remote = false;
  int remotePid = 0;
  uint64_t remoteHandle = 0;
  // Owned windows that appear and disappear with their owner (the shell's menu bar).
  bool followsOwner = false;
  HWND lastActivePopup = nullptr;
};

class WindowManager {
 public:
  static WindowManager& Get();

  // Handles.
  Window* Find(HWND hwnd) const;   // null for unknown or destroyed handles
  Window* Check(HWND hwnd) const;  // as Find, but sets ERROR_INVALID_WINDOW_HANDLE
  // As Check, and a null `result` (where the call puts its answer) is ERROR_INVALID_PARAMETER.
  Window* CheckWithResult(HWND hwnd, const void* result) const;
  Window* NewWindow();
  Window* FindRemote(int pid, uint64_t handle) const;  // a stand-in made before
  void ForgetWindow(Window* w);

  // Classes.
  WindowClass* FindClass(const std::wstring& name);
  WindowClass* AddClass(const WNDCLASSW& info, ClassOwner owner);
  bool RemoveClass(const std::wstring& name);
  void EnsureSystemClasses();

  // Geometry, in screen coordinates.
  RECT WindowRectOnScreen(const Window* w) const;
  RECT ClientRectOnScreen(const Window* w) const;
  RECT ClientRectLocal(const Window* w) const;  // (0, 0, width, height) of the client
  POINT ClientOrigin(const Window* w) const;
  bool IsShown(const Window* w) const;  // visible together with every ancestor
  bool IsEnabledTree(const Window* w) const;
  Window* TopLevelOf(Window* w) const;
  // The screen rectangles where a window's client area shows (windows above taken out).
  std::vector<RECT> VisibleClientRects(Window* w);
  std::vector<RECT> VisibleWindowRects(Window* w);

  // Z-order.
  std::vector<Window*>& TopLevels() { return topLevels_; }
  void BringToTop(Window* w);
  void RemoveFromZOrder(Window* w);
  void InsertInZOrder(Window* w);  // at the top of its band
  Window* HitTest(POINT screen, HitTesting testing);
  void LayoutChanged() { ++layoutGeneration_; }

  // Invalidation: what a window uncovers or covers.
  void InvalidateScreenArea(const RECT& screen, const Window* except);
  // Makes a window invisible and repaints what it covered on the screen.
  void TakeOffScreen(Window* w);
  void InvalidateWindowAll(Window* w, Erasing erasing);
  // Invalidates a screen area of one window (frame included) and, unless told not to, of its
  // children.
  void InvalidateWindowArea(Window* w, const RECT& screen, Children children = Children::kIncluded);
  void InvalidateClient(Window* w, const RECT& clientRect, Erasing erasing, Children children);
  Window* NextWindowToPaint(HWND only);  // only: null for any window

  // Activation, focus, capture.
  HWND active = nullptr;
  HWND focus = nullptr;
  HWND capture = nullptr;
  HWND Activate(Window* w, int how);  // w may be null: nothing active afterwards
  Window* NextActivationCandidate(const Window* leaving);
  void ChangeFocus(Window* w);
  void ChangeCapture(Window* w);
  void WindowGoesAway(Window* w);  // hidden or destroyed: hand on activation, focus, capture

  // The queue.
  std::deque<MSG> posted;
  bool quitPosted = false;
  int quitCode = 0;
  MSG lastMessage{};
  void Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Send(Window* w, UINT msg, WPARAM wParam, LPARAM lParam);
  void SendSize(Window* w);  // WM_SIZE with the client area's size
  void SendMove(Window* w);  // WM_MOVE with the client origin, in the parent's client coordinates

  // Destroys every window and class (tests start from a clean slate).
  void ResetForTests();

 private:
  WindowManager() = default;

  std::map<uintptr_t, std::unique_ptr<Window>> windows_;
  std::vector<std::unique_ptr<WindowClass>> classes_;
  std::vector<Window*> topLevels_;  // topmost first
  uintptr_t nextHandle_ = 0x10010;
  uint64_t layoutGeneration_ = 1;
  std::map<const Window*, std::pair<uint64_t, std::vector<RECT>>> visibleCache_;
  bool systemClassesReady_ = false;
};

// Rectangle helpers (emptiness and intersection are the drawing layer's).
using gdi::IntersectRects;
using gdi::RectEmpty;
RECT Union(const RECT& a, const RECT& b);
RECT Offset(RECT r, int dx, int dy);
void SubtractRect(std::vector<RECT>& rects, const RECT& cut);

// Device contexts of windows (painting.cpp).
void CreateOwnDC(Window* w);
void ReleaseWindowDCs(Window* w);
// Draws the border and caption of a window with a frame (frame_paint.cpp).
void DrawNonClient(Window* w);
// DefWindowProcW's painting: the class background, and the default control colours.
bool EraseBackground(Window* w, HDC dc);
LRESULT DefaultControlColor(HDC dc, UINT message);
// WM_GETTEXT's answer: as much of `text` as fits the buffer of `capacity` characters with its
// terminator; the number of characters copied.
LRESULT AnswerGetText(const std::wstring& text, WPARAM capacity, LPARAM buffer);

std::wstring ClassNameOf(LPCWSTR name);  // "#atom" for MAKEINTRESOURCE atoms

}  // namespace platform::user
