// The two message boxes of Setup: the fatal error that ends it and the warning it goes on after.
// Both come to the front above every window, as Setup has no window of its own.
#include <windows.h>

#include "setup_error.h"
#include "setup_windows.h"

void ShowFatalError(const std::string& text) {
  MessageBoxA(nullptr, text.c_str(), "Fatal error",
              MB_OK | MB_ICONERROR | MB_SYSTEMMODAL | MB_SETFOREGROUND | MB_TOPMOST);
}

void ShowWarning(const std::string& text) {
  MessageBoxA(nullptr, text.c_str(), "Error",
              MB_OK | MB_ICONWARNING | MB_SETFOREGROUND | MB_TOPMOST);
}

std::string ModulePath(DWORD capacity) {
  std::string path(capacity, '\0');
  DWORD length = GetModuleFileNameA(nullptr, path.data(), capacity);
  // A path that fills the buffer may have been cut short: never act on a cut path.
  if (length == 0 || length >= capacity) {
    path.resize(length == 0 ? 0 : capacity);
    throw SetupError("GetModuleFilename returned bad path: " + path);
  }
  path.resize(length);
  return path;
}
