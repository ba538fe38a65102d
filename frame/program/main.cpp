// The handheld program's start on this machine: the emulated device's options from the command
// line, the device prepared as an installation would have left it, then the entry routine with
// the program's instance (what WinMain receives on a device).
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "frame/app/entry.h"
#include "frame/program/first_run.h"
#include "platform/device/options.h"

int main(int argc, char** argv) {
  std::string error;
  if (!platform::ApplyDeviceOptions(argc, argv, &error)) {
    std::fprintf(stderr, "Puttland: %s\n", error.c_str());
    return 2;
  }
  std::error_code ec;
  const auto programFolder = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
  const auto data = program::FindGameData(programFolder);
  if (data.empty()) {
    std::fprintf(stderr,
                 "Puttland: no data archive (puttland.dat) beside the program or in "
                 "%s; the device is used as it is\n",
                 (programFolder.parent_path() / "share" / "puttland").c_str());
  } else if (!program::PrepareDevice(data, &error)) {
    std::fprintf(stderr, "Puttland: preparing the device: %s\n", error.c_str());
  }
  if (const std::string problem = program::DescribeArchiveProblem(); !problem.empty())
    std::fprintf(stderr, "Puttland: %s\n", problem.c_str());
  // The rest of the command line is ignored, as the entry routine ignores its own.
  return frame::EnterProgram(GetModuleHandleW(nullptr), frame::RunBaseApplication);
}
