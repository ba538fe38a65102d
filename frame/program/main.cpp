// The handheld program's start: the device options of the command line, then the entry
// routine with the application object of the program.
#include <windows.h>

#include <cstdio>
#include <string>

#include "frame/app/entry.h"
#include "platform/device/options.h"

// Only the instance is used; the command line is ignored.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPWSTR /*commandLine*/,
                   int /*showCommand*/) {
  return EnterProgram(instance, RunBaseApplication);
}

int main(int argc, char** argv) {
  std::string error;
  if (!platform::ApplyDeviceOptions(argc, argv, &error)) {
    std::fprintf(stderr, "Puttland: %s\n", error.c_str());
    return 2;
  }
  return WinMain(GetModuleHandleW(nullptr), nullptr, nullptr, SW_SHOWNORMAL);
}
