// Runs the built program as a player's device would see it: a fresh device folder, a script
// from program/tests/scripts, and afterwards its screenshots, sound log and registry.
#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace program::e2e {

struct Screenshot {
  std::vector<uint32_t> pixels;  // 240x320, 0x00RRGGBB
  bool operator==(const Screenshot& other) const { return pixels == other.pixels; }
  // gtest prints a screenshot by its size, not its bytes.
  friend void PrintTo(const Screenshot& shot, std::ostream* out) {
    *out << "screenshot of " << shot.pixels.size() << " pixels";
  }
};

struct RunResult {
  int status = -1;  // exit status, or 128 + signal
  std::string output;
  std::string errors;
};

class ProgramRun {
 public:
  // A device folder of its own below the build's test folder; screenshots go to
  // build/screenshots/NAME.
  explicit ProgramRun(const std::string& name);

  // Runs the program with `args` (the device folder is added) and waits for its end.
  RunResult Start(std::vector<std::string> args, int timeoutSeconds = 120);
  // Runs scripts/SCRIPT.pts with screenshots and a sound log.
  RunResult Play(const std::string& script);

  Screenshot Shot(const std::string& name) const;
  // The sounds started, as (time, resource id).
  std::vector<std::pair<uint32_t, unsigned>> Sounds() const;
  // pt-registry's answer for one value ("" when it has none).
  std::string Registry(const std::string& key, const std::string& value) const;
  std::string RegistryShow() const;

  const std::filesystem::path& Device() const { return device_; }
  const std::filesystem::path& Shots() const { return shots_; }

 private:
  std::filesystem::path device_;
  std::filesystem::path shots_;
  std::filesystem::path soundLog_;
};

// Runs a command line and captures its output; status as a shell reports it.
RunResult RunCommand(const std::vector<std::string>& argv, int timeoutSeconds,
                     int signalAfterMs = 0, int signal = 0);

inline constexpr const char* kAppKey = "HKLM\\Software\\Ombrelune\\Puttland";
inline constexpr const char* kPreferencesKey = "HKLM\\Software\\Ombrelune\\Puttland\\Preferences";

}  // namespace program::e2e
