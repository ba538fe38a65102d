// The handheld calls that the desktop Windows headers lack or that behave differently there,
// declared as the shim implements them (the game sees them through game_prelude.h).
#pragma once

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

// wingdi.h (handheld): a copy that leaves out the pixels of one colour; hSrc is a DC or a bitmap.
BOOL WINAPI TransparentImage(HDC destination, LONG x, LONG y, LONG width, LONG height,
                             HANDLE source, LONG sourceX, LONG sourceY, LONG sourceWidth,
                             LONG sourceHeight, COLORREF transparent);

// winreg.h (handheld): the access mask is reserved (0) and every key opens for reading and
// writing; the desktop's calls of the same name check the mask.
LONG WINAPI HandheldRegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD options, REGSAM access,
                                  PHKEY result);
LONG WINAPI HandheldRegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD reserved, LPWSTR keyClass,
                                    DWORD options, REGSAM access, LPSECURITY_ATTRIBUTES security,
                                    PHKEY result, LPDWORD disposition);

#ifdef __cplusplus
}
#endif
