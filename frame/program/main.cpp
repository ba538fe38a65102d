// The handheld program's start on this machine: the emulated device's options from the command
// line, then the entry routine with the program's instance (what WinMain receives on a device).
#include <windows.h>

#include <cstdio>
#include <string>

#include "frame/app/entry.h"
#include "platform/device/options.h"

int main(int argc, char** argv) {
  std::string error;
  if (!platform::ApplyDeviceOptions(argc, argv, &error)) {
    std::fprintf(stderr, "Puttland: %s\n", error.c_str());
    return 2;
  }
  // The rest of the command line is ignored, as the entry routine ignores its own.
  return EnterProgram(GetModuleHandleW(nullptr), RunBaseApplication);
}
