// DefWindowProcW's drawing: the frame of windows with a border or caption, the class
// background, the default colours of controls, and the system colour brushes.
#include <array>

#include "gdi/display_dc.h"
#include "user/chrome_hooks.h"
#include "user/window_manager.h"

namespace platform::user {

namespace {

// A DC over the whole window rectangle (frame included), clipped to what is visible of it.
HDC WindowFrameDC(HWND hwnd) {
  return gdi::CreateDisplayDC([hwnd]() {
    gdi::DisplayView view;
    auto& wm = WindowManager::Get();
    Window* w = wm.Find(hwnd);
    if (!w) return view;
    RECT r = wm.WindowRectOnScreen(w);
    view.origin = {r.left, r.top};
    view.visible = wm.VisibleWindowRects(w);
    return view;
  });
}

HBRUSH BrushFor(HBRUSH brush) {
  // Brushes given as a system colour index + 1, as window classes may.
  auto value = reinterpret_cast<uintptr_t>(brush);
  if (value > 0 && value <= 32) return GetSysColorBrush(static_cast<int>(value - 1));
  return brush;
}

}  // namespace

void DrawNonClient(Window* w) {
  auto& wm = WindowManager::Get();
  if (!(w->style & (WS_BORDER | WS_DLGFRAME))) return;
  HDC dc = WindowFrameDC(w->handle);
  RECT r = wm.WindowRectOnScreen(w);
  int width = r.right - r.left;
  int height = r.bottom - r.top;
  HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  RECT edges[4] = {{0, 0, width, 1},
                   {0, height - 1, width, height},
                   {0, 0, 1, height},
                   {width - 1, 0, width, height}};
  for (const RECT& e : edges) FillRect(dc, &e, black);
  if ((w->style & WS_CAPTION) == WS_CAPTION) {
    bool active = wm.TopLevelOf(w)->handle == wm.active;
    RECT caption{1, 1, width - 1, 1 + kCaptionHeight};
    FillRect(dc, &caption, GetSysColorBrush(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_CAPTIONTEXT));
    RECT text{caption.left + 4, caption.top, caption.right - 2, caption.bottom};
    DrawTextW(dc, w->title.c_str(), static_cast<int>(w->title.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
  }
  gdi::DestroyDisplayDC(dc);
}

bool EraseBackground(Window* w, HDC dc) {
  HBRUSH brush = BrushFor(w->cls->info.hbrBackground);
  if (!brush || !dc) return false;
  RECT client = WindowManager::Get().ClientRectLocal(w);
  FillRect(dc, &client, brush);
  return true;
}

LRESULT DefaultControlColor(HDC dc, UINT message) {
  int background = message == WM_CTLCOLORSTATIC ? COLOR_STATIC : COLOR_WINDOW;
  if (message == WM_CTLCOLORBTN || message == WM_CTLCOLORDLG || message == WM_CTLCOLORMSGBOX ||
      message == WM_CTLCOLORSCROLLBAR) {
    background = COLOR_BTNFACE;
  }
  if (dc) {
    SetTextColor(dc,
                 GetSysColor(message == WM_CTLCOLORSTATIC ? COLOR_STATICTEXT : COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(background));
  }
  return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

}  // namespace platform::user

HBRUSH WINAPI GetSysColorBrush(int nIndex) {
  // One brush per colour for the life of the process, as the system's own.
  static std::array<HBRUSH, 32> brushes{};
  if (nIndex < 0 || nIndex >= static_cast<int>(brushes.size())) return nullptr;
  if (!brushes[nIndex]) brushes[nIndex] = CreateSolidBrush(GetSysColor(nIndex));
  return brushes[nIndex];
}
