// Plays a parsed script against the program on the headless backend: its events and
// screenshots queued at their times, the program's end after the last command, the sound log.
#pragma once

#include <filesystem>
#include <string>

#include "program/script.h"

namespace platform {
class HeadlessBackend;
}

namespace program {

class ScriptRunner {
 public:
  ScriptRunner(platform::HeadlessBackend& backend, std::filesystem::path screenshots)
      : backend_(backend), screenshots_(std::move(screenshots)) {}

  // Queues every step; unless the script quits itself, the program is asked to end (as when
  // its window closes) once the last command has run.
  void Queue(const Script& script);

  // Screenshots that could not be written (each reported on stderr when it failed).
  int FailedShots() const { return failedShots_; }

  // Writes one line "MS ID" per sound the program started (stops are not listed).
  bool WriteSoundLog(const std::filesystem::path& file, std::string& error) const;

 private:
  void At(uint32_t time, const ScriptStep& step);

  platform::HeadlessBackend& backend_;
  std::filesystem::path screenshots_;
  uint32_t lastQueued_ = 0;
  int failedShots_ = 0;
};

}  // namespace program
