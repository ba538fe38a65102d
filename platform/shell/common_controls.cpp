// The common-controls library: initialisation (nothing to load here: the EDIT class is always
// registered) and command-bar menu insertion, for which the program has no menu resources.
#include <commctrl.h>
#include <windows.h>

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* lpInitCtrls) {
  if (!lpInitCtrls || lpInitCtrls->dwSize != sizeof(INITCOMMONCONTROLSEX)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return TRUE;
}

void WINAPI InitCommonControls(void) {}

BOOL WINAPI CommandBar_InsertMenubar(HWND hwndCB, HINSTANCE, WORD, int) {
  if (!IsWindow(hwndCB)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
  return FALSE;
}

DWORD WINAPI CheckMenuItem(HMENU, UINT, UINT) {
  // No menu exists: every handle is invalid.
  SetLastError(ERROR_INVALID_MENU_HANDLE);
  return static_cast<DWORD>(-1);
}

BOOL WINAPI CheckMenuRadioItem(HMENU, UINT, UINT, UINT, UINT) {
  SetLastError(ERROR_INVALID_MENU_HANDLE);
  return FALSE;
}
