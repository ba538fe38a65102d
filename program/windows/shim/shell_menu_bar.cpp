// SHCreateMenuBar on the desktop. The handheld's shell puts the menu bar of a program's window
// across the bottom 26 pixels of the screen (its menu, and the input-panel button unless
// SHCMBF_HIDESIPBUTTON); the shim makes the same bar at the bottom of the screen, without the
// input-panel button (the desktop has no input panel).
#include <aygshell.h>
#include <commctrl.h>
#include <windows.h>

#include <cstddef>

namespace {

constexpr wchar_t kBarClass[] = L"PuttlandMenuBar";
constexpr int kBarHeight = 26;
constexpr COLORREF kBarColour = RGB(214, 214, 214);
constexpr COLORREF kBarEdgeColour = RGB(128, 128, 128);
// The fields up to hwndMB: the size of the structure in the handheld's first SDKs.
constexpr DWORD kSmallestInfo = offsetof(SHMENUBARINFO, clrBk);

// Across the bottom of the screen, as on the handheld, whatever the owner's size.
void PlaceAtBottom(HWND bar) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  SetWindowPos(bar, nullptr, 0, height - kBarHeight, width, kBarHeight,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK OwnerProc(HWND owner, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                           DWORD_PTR /*data*/) {
  if (message == WM_WINDOWPOSCHANGED) {
    HWND bar = reinterpret_cast<HWND>(id);
    const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
    if ((position->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
      PlaceAtBottom(bar);
    if (position->flags & SWP_SHOWWINDOW) ShowWindow(bar, SW_SHOWNA);
    if (position->flags & SWP_HIDEWINDOW) ShowWindow(bar, SW_HIDE);
  }
  return DefSubclassProc(owner, message, wParam, lParam);
}

void Fill(HDC dc, const RECT& area, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &area, brush);
  DeleteObject(brush);
}

// The bar's colour (the window's user data) with a one-pixel grey edge along its top.
void PaintBar(HWND bar) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(bar, &paint);
  RECT area{};
  GetClientRect(bar, &area);
  Fill(dc, area, static_cast<COLORREF>(GetWindowLongPtrW(bar, GWLP_USERDATA)));
  area.bottom = area.top + 1;
  Fill(dc, area, kBarEdgeColour);
  EndPaint(bar, &paint);
}

LRESULT CALLBACK BarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintBar(bar);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case SHCMBM_GETMENU:
    case SHCMBM_GETSUBMENU:
      return 0;  // an empty bar has no menu
    case WM_DESTROY:
      RemoveWindowSubclass(GetWindow(bar, GW_OWNER), OwnerProc, reinterpret_cast<UINT_PTR>(bar));
      return 0;
    default:
      return DefWindowProcW(bar, message, wParam, lParam);
  }
}

// Registered by the first bar; a later registration finds the class there already.
bool RegisterBarClass(HINSTANCE instance) {
  WNDCLASSW barClass{};
  barClass.lpfnWndProc = BarProc;
  barClass.hInstance = instance;
  barClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  barClass.lpszClassName = kBarClass;
  return RegisterClassW(&barClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

// Only empty bars: the game has no menu or tool-bar resources, so a bar that names one fails
// as on the handheld when the resource is missing.
extern "C" BOOL WINAPI SHCreateMenuBar(SHMENUBARINFO* pmbi) {
  if (pmbi == nullptr || pmbi->cbSize < kSmallestInfo) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (!IsWindow(pmbi->hwndParent)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (!(pmbi->dwFlags & SHCMBF_EMPTYBAR) && pmbi->nToolBarId != 0) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return FALSE;
  }
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterBarClass(instance)) return FALSE;
  HWND owner = GetAncestor(pmbi->hwndParent, GA_ROOT);
  HWND bar = CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, kBarClass, L"", WS_POPUP, 0, 0, 0,
                             0, owner, nullptr, instance, nullptr);
  if (bar == nullptr) return FALSE;
  const bool ownColour = (pmbi->dwFlags & SHCMBF_COLORBK) && pmbi->cbSize >= sizeof(SHMENUBARINFO);
  SetWindowLongPtrW(bar, GWLP_USERDATA,
                    static_cast<LONG_PTR>(ownColour ? pmbi->clrBk : kBarColour));
  PlaceAtBottom(bar);
  if (!(pmbi->dwFlags & SHCMBF_HIDDEN)) {
    if (!SetWindowSubclass(owner, OwnerProc, reinterpret_cast<UINT_PTR>(bar), 0)) {
      DestroyWindow(bar);
      return FALSE;
    }
    if (IsWindowVisible(owner)) ShowWindow(bar, SW_SHOWNA);
  }
  pmbi->hwndMB = bar;
  return TRUE;
}
