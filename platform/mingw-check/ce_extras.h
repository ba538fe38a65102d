// The Windows CE and Pocket PC calls that the desktop Windows headers lack, declared as the CE SDK
// declares them. Forced into every file of the mingw-w64 compile check (-include). The menu bar
// (aygshell.h) and TransparentImage come from the desktop build's shim (program/windows/shim/),
// which implements them.
#pragma once

// The desktop headers declare WinMain with a narrow command line; Windows CE passes a wide one.
// Their declaration is renamed out of the way and CE's is declared below.
#define WinMain DesktopWinMain
#include <windows.h>
#undef WinMain

#include <aygshell.h>
#include <handheld.h>

#ifdef __cplusplus
extern "C" {
#endif

// winbase.h (CE): the program's entry routine.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nShowCmd);

// winuser.h (CE): caption styles of the handheld.
#define WS_EX_NODRAG 0x40000000L
#define WS_EX_CAPTIONOKBTN 0x80000000L

// commctrl.h (CE): menus in a command bar.
BOOL WINAPI CommandBar_InsertMenubar(HWND hwndCB, HINSTANCE hInst, WORD idMenu, int iButton);
BOOL WINAPI CommandBar_InsertMenubarEx(HWND hwndCB, HINSTANCE hInst, LPTSTR pszMenu, WORD iButton);

#ifdef __cplusplus
}
#endif
