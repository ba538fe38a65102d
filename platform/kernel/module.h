// The program as a module: its instance handle and its path on the device.
// The resource and window code take the same handle as the program's instance.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

// GetModuleHandleW(NULL): the program's module, also the instance its entry routine receives.
HMODULE ProgramModule();
// The program's file on the device: "\Program Files\<Name>\<Name>.exe", where <Name> is the
// file name of the running executable ("Puttland" gives "\Program Files\Puttland\Puttland.exe").
std::wstring ProgramDevicePath();

}  // namespace platform
