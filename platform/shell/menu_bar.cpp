// SHCreateMenuBar: the shell's menu bar, a window across the bottom 26 pixels owned by the
// program's window. It shows and hides with its owner and never takes activation. Only empty
// bars exist here: the program has no menu or toolbar resources.
#include <aygshell.h>
#include <windows.h>

#include "device/chrome.h"
#include "device/chrome_paint.h"
#include "device/input_panel.h"
#include "user/chrome_hooks.h"
#include "user/window_manager.h"

namespace platform::shell {

namespace {

constexpr wchar_t kMenuBarClass[] = L"menu_worker";
// User data: bit 0 the input-panel button; with bit 1, bits 8-31 hold the background colour.
constexpr LONG_PTR kSipButton = 1;
constexpr LONG_PTR kOwnColour = 2;

LRESULT CALLBACK MenuBarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT client;
      GetClientRect(hwnd, &client);
      LONG_PTR data = GetWindowLongPtrW(hwnd, GWLP_USERDATA);
      COLORREF colour =
          (data & kOwnColour) ? static_cast<COLORREF>(data >> 8) : device::kMenuBarColour;
      if (dc) device::PaintMenuBar(dc, client.right, (data & kSipButton) != 0, colour);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN: {
      RECT client;
      GetClientRect(hwnd, &client);
      bool sip = GetWindowLongPtrW(hwnd, GWLP_USERDATA) & kSipButton;
      if (sip && GET_X_LPARAM(lParam) >= client.right - 32) device::ToggleInputPanel();
      return 0;
    }
    case SHCMBM_GETMENU:
    case SHCMBM_GETSUBMENU:
      return 0;  // an empty bar has no menu
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

}  // namespace

void RegisterMenuBarClass() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = MenuBarProc;
  wc.lpszClassName = kMenuBarClass;
  user::WindowManager::Get().AddClass(wc, user::ClassOwner::kSystem);
}

}  // namespace platform::shell

// Plugs the menu bar's class into the window manager at start-up; every program links this
// through the platform library (platform/CMakeLists.txt).
extern "C" const bool kPtShellHooks =
    (platform::user::SetShellClassRegistrar(&platform::shell::RegisterMenuBarClass), true);

BOOL WINAPI SHCreateMenuBar(SHMENUBARINFO* pmbi) {
  using platform::user::WindowManager;
  auto& wm = WindowManager::Get();
  if (!pmbi || pmbi->cbSize < 32) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  platform::user::Window* owner = wm.Check(pmbi->hwndParent);
  if (!owner) return FALSE;
  if (!(pmbi->dwFlags & SHCMBF_EMPTYBAR) && pmbi->nToolBarId != 0) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return FALSE;
  }
  owner = wm.TopLevelOf(owner);
  int height = platform::device::kMenuBarHeight;
  HWND bar = CreateWindowExW(0, platform::shell::kMenuBarClass, L"", WS_POPUP, 0, 320 - height, 240,
                             height, owner->handle, nullptr, pmbi->hInstRes, nullptr);
  if (!bar) return FALSE;
  if (platform::user::Window* w = wm.Find(bar)) {
    w->noActivate = true;
    w->followsOwner = !(pmbi->dwFlags & SHCMBF_HIDDEN);
  }
  LONG_PTR data = (pmbi->dwFlags & SHCMBF_HIDESIPBUTTON) ? 0 : platform::shell::kSipButton;
  if ((pmbi->dwFlags & SHCMBF_COLORBK) && pmbi->cbSize >= sizeof(SHMENUBARINFO)) {
    data |= platform::shell::kOwnColour | (static_cast<LONG_PTR>(pmbi->clrBk & 0xFFFFFF) << 8);
  }
  SetWindowLongPtrW(bar, GWLP_USERDATA, data);
  if (owner->visible && !(pmbi->dwFlags & SHCMBF_HIDDEN)) ShowWindow(bar, SW_SHOWNA);
  pmbi->hwndMB = bar;
  return TRUE;
}
