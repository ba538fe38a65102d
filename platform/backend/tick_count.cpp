// The device clock, as the program sees it: milliseconds from the backend's clock.
#include <windows.h>

#include "backend/backend.h"

DWORD WINAPI GetTickCount(void) {
  return platform::CurrentBackend().TickCount();
}

void WINAPI Sleep(DWORD dwMilliseconds) {
  platform::CurrentBackend().Sleep(dwMilliseconds);
}
