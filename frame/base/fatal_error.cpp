// FatalError: message box (error icon, set foreground, topmost), then the process ends at
// once with the caller's code; nothing is cleaned up or saved.
#include "frame/base/fatal_error.h"

#include <windows.h>

#include "frame/base/wide_string.h"

namespace frame {

namespace {

FatalErrorObserver CurrentObserver = nullptr;

}  // namespace

void SetFatalErrorObserver(FatalErrorObserver observer) {
  CurrentObserver = observer;
}

void FatalError(const char* message, int exitCode) {
  if (CurrentObserver) CurrentObserver(message, exitCode);
  {
    WideString text(message);
    MessageBoxW(nullptr, text, L"Fatal error", MB_ICONERROR | MB_SETFOREGROUND | MB_TOPMOST);
  }
  TerminateProcess(GetCurrentProcess(), UINT(exitCode));
  ExitProcess(UINT(exitCode));  // not reached: the own process has ended
}

}  // namespace frame
