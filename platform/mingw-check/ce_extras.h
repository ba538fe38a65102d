// The Windows CE and Pocket PC calls that the desktop Windows headers lack, declared as the CE SDK
// declares them. Forced into every file of the mingw-w64 compile check (-include).
#pragma once

// The desktop headers declare WinMain with a narrow command line; Windows CE passes a wide one.
// Their declaration is renamed out of the way and CE's is declared below.
#define WinMain DesktopWinMain
#include <windows.h>
#undef WinMain

#ifdef __cplusplus
extern "C" {
#endif

// winbase.h (CE): the program's entry routine.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nShowCmd);

// wingdi.h (CE): a copy that leaves out the pixels of one colour.
BOOL WINAPI TransparentImage(HDC hdcDest, LONG DstX, LONG DstY, LONG DstCx, LONG DstCy, HANDLE hSrc,
                             LONG SrcX, LONG SrcY, LONG SrcCx, LONG SrcCy,
                             COLORREF TransparentColor);

// aygshell.h (Pocket PC): the menu bar across the bottom of the screen.
typedef struct tagSHMENUBARINFO {
  DWORD cbSize;
  HWND hwndParent;
  DWORD dwFlags;
  UINT nToolBarId;
  HINSTANCE hInstRes;
  int nBmpId;
  int cBmpImages;
  HWND hwndMB;
} SHMENUBARINFO, *PSHMENUBARINFO;

#define SHCMBF_EMPTYBAR 0x0001
#define SHCMBF_HIDDEN 0x0002
#define SHCMBF_HIDESIPBUTTON 0x0004
#define SHCMBF_COLORBK 0x0008
#define SHCMBF_HMENU 0x0010

#define SHCMBM_SETSUBMENU (WM_USER + 400)
#define SHCMBM_GETSUBMENU (WM_USER + 401)
#define SHCMBM_GETMENU (WM_USER + 402)

BOOL WINAPI SHCreateMenuBar(SHMENUBARINFO* pmbi);

// winuser.h (CE): caption styles of the handheld.
#define WS_EX_NODRAG 0x40000000L
#define WS_EX_CAPTIONOKBTN 0x80000000L

// commctrl.h (CE): menus in a command bar.
BOOL WINAPI CommandBar_InsertMenubar(HWND hwndCB, HINSTANCE hInst, WORD idMenu, int iButton);
BOOL WINAPI CommandBar_InsertMenubarEx(HWND hwndCB, HINSTANCE hInst, LPTSTR pszMenu, WORD iButton);

#ifdef __cplusplus
}
#endif
