// Temporary: stand-ins for drawing until the software GDI is merged.
#include "device/chrome_paint.h"
#include "gdi/display_dc.h"
#include "user/window_manager.h"

namespace platform::gdi {
__attribute__((weak)) HDC CreateDisplayDC(DisplayViewSource) {
  static uintptr_t next = 0x70000;
  next += 4;
  return reinterpret_cast<HDC>(next);
}
__attribute__((weak)) void DestroyDisplayDC(HDC) {}
}  // namespace platform::gdi

namespace platform::user {
void DrawNonClient(Window*) {}
bool EraseBackground(Window* w, HDC) {
  return w->cls->info.hbrBackground != nullptr;
}
LRESULT DefaultControlColor(HDC, UINT) {
  return 0;
}
}  // namespace platform::user

namespace platform::device {
void PaintTopBar(HDC, const std::wstring&, const std::wstring&) {}
void PaintMenuBar(HDC, int, bool) {}
}  // namespace platform::device

#include "user/edit_control.h"
namespace platform::user {
void PaintEdit(HWND hwnd, const EditState&) {
  PAINTSTRUCT ps;
  BeginPaint(hwnd, &ps);
  EndPaint(hwnd, &ps);
}
int MeasureEditText(HWND, const std::wstring& text) {
  return 6 * static_cast<int>(text.size());
}
void RegisterMessageBoxClass() {}
}  // namespace platform::user
namespace platform::shell {
void RegisterMenuBarClass() {}
}  // namespace platform::shell
int WINAPI MessageBoxW(HWND, LPCWSTR, LPCWSTR, UINT) {
  return IDOK;
}
