// The program's command line on this machine: help, version, the emulated device's options and
// the script runner's. The handheld's own entry routine never sees any of it.
#pragma once

#include <filesystem>
#include <string>

namespace program {

inline constexpr const char* kProgramVersion = "1.3";

struct CommandLine {
  enum class Action { kRun, kHelp, kVersion };
  Action action = Action::kRun;
  std::filesystem::path script;       // --script FILE: play it headless
  std::filesystem::path screenshots;  // --screenshots DIR: where `shot` writes (default ".")
  std::filesystem::path soundLog;     // --sound-log FILE: the sounds started, written at the end
};

// Reads the whole command line: the device's options are applied (device/options.h), the
// program's own are returned in `line`. False with the problem in `error` for an unknown
// option, a missing value, or an option that needs --script without it.
bool ReadCommandLine(int argc, char** argv, CommandLine& line, std::string& error);

// The text --help prints and --version's one line.
std::string UsageText();
std::string VersionLine();

}  // namespace program
