// Menus. The program has no menu resources and creates no menus, so every menu handle is
// invalid and the calls report ERROR_INVALID_MENU_HANDLE.
#include <windows.h>

DWORD WINAPI CheckMenuItem(HMENU, UINT, UINT) {
  SetLastError(ERROR_INVALID_MENU_HANDLE);
  return static_cast<DWORD>(-1);
}

BOOL WINAPI CheckMenuRadioItem(HMENU, UINT, UINT, UINT, UINT) {
  SetLastError(ERROR_INVALID_MENU_HANDLE);
  return FALSE;
}
