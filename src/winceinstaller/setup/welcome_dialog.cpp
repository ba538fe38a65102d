// The welcome dialog: centred on the screen's work area, "Install" ends it with 1,
// "Cancel" (also Escape and the close box) with 0.
#include <windows.h>

#include "resource.h"
#include "setup_error.h"
#include "setup_windows.h"

namespace {

void CentreOnScreen(HWND dialog) {
  RECT rect;
  GetWindowRect(dialog, &rect);
  int width = rect.right - rect.left;
  int height = rect.bottom - rect.top;
  int x = (GetSystemMetrics(SM_CXFULLSCREEN) - width) / 2;
  int y = (GetSystemMetrics(SM_CYFULLSCREEN) - height) / 2;
  MoveWindow(dialog, x, y, width, height, TRUE);
}

INT_PTR CALLBACK WelcomeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      CentreOnScreen(dialog);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_CANCEL) {
        EndDialog(dialog, 0);
        return TRUE;
      }
      if (LOWORD(wParam) == IDC_INSTALL) {
        EndDialog(dialog, 1);
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

INT_PTR ShowWelcomeDialog(HINSTANCE instance) {
  INT_PTR result =
      DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_WELCOME), nullptr, WelcomeDialogProc, 0);
  // -1 means the dialog never appeared; that must not count as the user choosing "Install".
  if (result == -1) throw SetupError("Couldn't show welcome dialog");
  return result;
}
