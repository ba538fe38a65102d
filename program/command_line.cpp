// Reading the program's command line: --help and --version first, then the device's options,
// then --script, --screenshots and --sound-log.
#include "program/command_line.h"

#include <string_view>
#include <vector>

#include "platform/device/options.h"

namespace program {

namespace {

// "--name VALUE" or "--name=VALUE" at args[i]; advances i past what it used. False when
// args[i] is not this option; `value` stays empty when the value is missing.
bool TakeValue(std::string_view name, const std::vector<std::string_view>& args, size_t& i,
               std::string_view& value, bool& missing) {
  const std::string_view arg = args[i];
  if (arg == name) {
    missing = i + 1 >= args.size() || args[i + 1].empty();
    if (!missing) value = args[i + 1];
    i += missing ? 1 : 2;
    return true;
  }
  if (arg.size() > name.size() && arg.substr(0, name.size()) == name && arg[name.size()] == '=') {
    value = arg.substr(name.size() + 1);
    missing = value.empty();
    ++i;
    return true;
  }
  return false;
}

}  // namespace

bool ReadCommandLine(int argc, char** argv, CommandLine& line, std::string& error) {
  line = CommandLine{};
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      line.action = CommandLine::Action::kHelp;
      return true;
    }
    if (arg == "--version") {
      line.action = CommandLine::Action::kVersion;
      return true;
    }
  }
  if (!platform::ApplyDeviceOptions(argc, argv, &error)) return false;

  const std::vector<std::string_view> args(argv + 1, argv + argc);
  bool wantsScript = false;
  for (size_t i = 0; i < args.size();) {
    std::string_view value;
    bool missing = false;
    std::filesystem::path* target = nullptr;
    std::string_view name;
    for (auto [option, path] :
         {std::pair{"--script", &line.script}, std::pair{"--screenshots", &line.screenshots},
          std::pair{"--sound-log", &line.soundLog}}) {
      if (TakeValue(option, args, i, value, missing)) {
        target = path;
        name = option;
        break;
      }
    }
    if (!target) {
      error = "unknown option \"" + std::string(args[i]) + "\" (see --help)";
      return false;
    }
    if (missing) {
      const char* what = name == "--screenshots" ? " needs a folder" : " needs a file";
      error = std::string(name) + what;
      return false;
    }
    *target = std::filesystem::path(std::string(value));
    wantsScript = wantsScript || target != &line.script;
  }
  if (wantsScript && line.script.empty()) {
    error = "--screenshots and --sound-log go with --script";
    return false;
  }
  if (line.screenshots.empty()) line.screenshots = ".";
  // A script plays on the headless clock.
  if (!line.script.empty()) platform::TheDeviceOptions().headless = true;
  return true;
}

std::string VersionLine() {
  return std::string("Puttland ") + kProgramVersion;
}

std::string UsageText() {
  return "Usage: Puttland [OPTION]...\n"
         "Miniature golf on an emulated 240x320 stylus handheld.\n"
         "\n"
         "  --scale N           window pixels per device pixel (1 to 16, default 2)\n"
         "  --fullscreen        the largest whole scale that fits, letterboxed\n"
         "  --device DIR        the handheld's storage folder (also PUTTLAND_DEVICE)\n"
         "  --headless          no window and no sound; the clock runs only for the program\n"
         "  --script FILE       play FILE against the program, headless (see the README)\n"
         "  --screenshots DIR   where the script's `shot` commands write (default: here)\n"
         "  --sound-log FILE    write each sound started as \"MS ID\", one a line\n"
         "  --help              show this and end\n"
         "  --version           show the version and end\n"
         "\n"
         "A bad script line is reported as FILE:LINE and the program ends with status 2.\n"
         "SIGINT and SIGTERM end the game as closing its window does, settings saved;\n"
         "a second SIGINT ends it at once.\n";
}

}  // namespace program
