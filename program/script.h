// The scripts a headless run plays: one command a line, parsed whole before anything runs into
// stylus, key and text events and screenshots at times of the device clock.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace program {

enum class StepKind { kStylusDown, kStylusMove, kStylusUp, kKeyDown, kKeyUp, kText, kShot, kQuit };

// One thing that happens at one time of the device clock (milliseconds from its start).
struct ScriptStep {
  uint32_t time = 0;
  StepKind kind = StepKind::kQuit;
  int x = 0;  // stylus: device screen pixel
  int y = 0;
  unsigned key = 0;     // keys: virtual-key code
  std::u32string text;  // typed characters
  std::string name;     // screenshot file name without ".png"
  int line = 0;         // where the command stands in the script
};

struct Script {
  std::vector<ScriptStep> steps;  // in time order; equal times in script order
  uint32_t endTime = 0;           // the time after the last command
  bool endsWithQuit = false;      // the script says `quit` itself
};

struct ScriptError {
  int line = 0;
  std::string message;
};

// The device screen the stylus sees, and the latest time a script may reach.
inline constexpr int kScreenWidth = 240;
inline constexpr int kScreenHeight = 320;
inline constexpr uint32_t kMaxScriptTime = 0x7FFFFFFF;

// Parses a whole script. On the first bad line returns false with its number and the problem.
bool ParseScript(std::string_view text, Script& script, ScriptError& error);

// Reads and parses the file; on failure `error` is "FILE:LINE: what" (or "FILE: what" when the
// file cannot be read).
bool LoadScript(const std::filesystem::path& file, Script& script, std::string& error);

}  // namespace program
