// The handheld program's start on this machine: the command line, the backend with the quit
// signals (and a script when one is given), the device prepared as an installation would have
// left it, then the entry routine with the program's instance (what WinMain receives there).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "backend/headless.h"
#include "backend/options.h"
#include "backend/sdl_backend.h"
#include "frame/app/entry.h"
#include "program/command_line.h"
#include "program/first_run.h"
#include "program/game_runner.h"
#include "program/quit_signals.h"
#include "program/script_runner.h"

namespace {

bool HasEnv(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// The platform's own rule for its backend: headless when asked or when there is no display.
bool HeadlessWanted() {
  if (platform::TheDeviceOptions().headless) return true;
  if (const char* env = std::getenv("PUTTLAND_BACKEND"); env && std::strcmp(env, "headless") == 0)
    return true;
  return !HasEnv("DISPLAY") && !HasEnv("WAYLAND_DISPLAY") && !HasEnv("SDL_VIDEODRIVER");
}

// Installs the backend, wrapped so that SIGINT and SIGTERM arrive as Quit; returns the
// headless backend when that is the one in use.
platform::HeadlessBackend* InstallBackend() {
  std::unique_ptr<platform::Backend> backend;
  platform::HeadlessBackend* headless = nullptr;
  if (!HeadlessWanted()) {
    std::string error;
    backend = platform::MakeSdlBackend(platform::TheDeviceOptions(), &error);
    if (!backend)
      std::fprintf(stderr, "Puttland: no window (%s); running headless\n", error.c_str());
  }
  if (!backend) {
    auto fresh = std::make_unique<platform::HeadlessBackend>();
    headless = fresh.get();
    backend = std::move(fresh);
  }
  platform::SetBackend(program::WithQuitSignals(std::move(backend)));
  program::InstallQuitSignals();
  return headless;
}

void PrepareDevice() {
  std::error_code ec;
  const auto programFolder = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
  const auto data = program::FindGameData(programFolder);
  std::string error;
  if (data.empty()) {
    std::fprintf(stderr,
                 "Puttland: no data archive (puttland.dat) beside the program or in "
                 "%s; the device is used as it is\n",
                 (programFolder.parent_path() / "share" / "puttland").c_str());
  } else if (!program::PrepareDevice(data, error)) {
    std::fprintf(stderr, "Puttland: preparing the device: %s\n", error.c_str());
  }
  if (const std::string problem = program::DescribeArchiveProblem(); !problem.empty())
    std::fprintf(stderr, "Puttland: %s\n", problem.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  program::CommandLine line;
  std::string error;
  if (!program::ReadCommandLine(argc, argv, line, error)) {
    std::fprintf(stderr, "Puttland: %s\n", error.c_str());
    return 2;
  }
  if (line.action == program::CommandLine::Action::kHelp) {
    std::fputs(program::UsageText().c_str(), stdout);
    return 0;
  }
  if (line.action == program::CommandLine::Action::kVersion) {
    std::puts(program::VersionLine().c_str());
    return 0;
  }

  // The whole script is checked before anything runs.
  std::optional<program::Script> script;
  if (!line.script.empty()) {
    script.emplace();
    if (!program::LoadScript(line.script, *script, error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 2;
    }
    std::error_code ec;
    std::filesystem::create_directories(line.screenshots, ec);
    if (ec) {
      std::fprintf(stderr, "Puttland: cannot make the screenshot folder %s: %s\n",
                   line.screenshots.c_str(), ec.message().c_str());
      return 2;
    }
  }

  platform::HeadlessBackend* headless = InstallBackend();
  std::optional<program::ScriptRunner> runner;
  if (script) {
    runner.emplace(*headless, line.screenshots);
    runner->Queue(*script);
  }

  PrepareDevice();
  const int result = frame::EnterProgram(GetModuleHandleW(nullptr), program::GameRunner());
  if (program::QuitSignalsReceived() > 0) std::fputs("Puttland: ended by a signal\n", stderr);

  if (runner && !line.soundLog.empty() && !runner->WriteSoundLog(line.soundLog, error)) {
    std::fprintf(stderr, "Puttland: %s\n", error.c_str());
    return 1;
  }
  if (runner && runner->FailedShots() > 0) return 1;
  return result;
}
