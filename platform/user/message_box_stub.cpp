// Placeholder MessageBoxW until the window manager draws real boxes: writes the box to stderr.
#include <windows.h>

#include <cstdio>

int WINAPI MessageBoxW(HWND, LPCWSTR lpText, LPCWSTR lpCaption, UINT) {
  std::fprintf(stderr, "[%ls] %ls\n", lpCaption ? lpCaption : L"", lpText ? lpText : L"");
  return IDOK;
}
