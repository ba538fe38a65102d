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

BOOL WINAPI CommandBar_InsertMenubar(HWND hwndCB, HINSTANCE, WORD, WORD) {
  if (!IsWindow(hwndCB)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
  return FALSE;
}
