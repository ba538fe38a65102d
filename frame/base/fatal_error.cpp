// FatalError: message box (error icon, set foreground, topmost), then the process ends at
// once with the caller's code; nothing is cleaned up or saved.
#include "frame/base/fatal_error.h"

#include <windows.h>

#include "frame/base/wide_string.h"

namespace frame {

namespace {

FatalErrorObserver fatal_error_observer = nullptr;

}  // namespace

void SetFatalErrorObserver(FatalErrorObserver observer) {
  fatal_error_observer = observer;
}

void FatalError(const char* message, int exit_code) {
  if (fatal_error_observer) fatal_error_observer(message, exit_code);
  {
    WideString text(message);
    MessageBoxW(nullptr, text, L"Fatal error", MB_ICONERROR | MB_SETFOREGROUND | MB_TOPMOST);
  }
  TerminateProcess(GetCurrentProcess(), UINT(exit_code));
  ExitProcess(UINT(exit_code));  // not reached: the own process has ended
}

}  // namespace frame
