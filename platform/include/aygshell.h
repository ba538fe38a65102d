// Pocket PC shell: the menu bar across the bottom of the screen (SHCreateMenuBar).
// An empty bar, with the input-panel button unless SHCMBF_HIDESIPBUTTON is given.
#pragma once

#include "windef.h"
#include "winerror.h"
#include "winuser.h"

#define SHCMBF_EMPTYBAR 0x0001
#define SHCMBF_HIDDEN 0x0002
#define SHCMBF_HIDESIPBUTTON 0x0004
#define SHCMBF_COLORBK 0x0008
#define SHCMBF_HMENU 0x0010

#define SHCMBM_SETSUBMENU (WM_USER + 400)
#define SHCMBM_GETSUBMENU (WM_USER + 401)
#define SHCMBM_GETMENU (WM_USER + 402)
#define SHCMBM_OVERRIDEKEY (WM_USER + 403)

// cbSize: 32 on the device for the first eight fields (no clrBk), or this layout's sizeof;
// clrBk is read only with SHCMBF_COLORBK and a cbSize that includes it.
typedef struct tagSHMENUBARINFO {
  DWORD cbSize;
  HWND hwndParent;
  DWORD dwFlags;
  UINT nToolBarId;
  HINSTANCE hInstRes;
  int nBmpId;
  int cBmpImages;
  HWND hwndMB;
  COLORREF clrBk;
} SHMENUBARINFO, *PSHMENUBARINFO;

BOOL WINAPI SHCreateMenuBar(SHMENUBARINFO* pmbi);
