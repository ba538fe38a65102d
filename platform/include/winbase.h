// Kernel services: last error, tick count, mutexes, processes, files, module path, string conversions.
#pragma once

#include "windef.h"
#include "winerror.h"

DWORD WINAPI GetLastError(void);
void WINAPI SetLastError(DWORD dwErrCode);
DWORD WINAPI GetTickCount(void);
void WINAPI Sleep(DWORD dwMilliseconds);

#include "libloaderapi.h"
