// The calling thread's last-error code.
#include <windows.h>

namespace {
thread_local DWORD TlsLastError = ERROR_SUCCESS;
}

DWORD WINAPI GetLastError(void) {
  return TlsLastError;
}

void WINAPI SetLastError(DWORD dwErrCode) {
  TlsLastError = dwErrCode;
}
