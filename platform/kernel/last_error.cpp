// The calling thread's last-error code.
#include <windows.h>

namespace {
thread_local DWORD tls_last_error = ERROR_SUCCESS;
}

DWORD WINAPI GetLastError(void) {
  return tls_last_error;
}

void WINAPI SetLastError(DWORD dwErrCode) {
  tls_last_error = dwErrCode;
}
