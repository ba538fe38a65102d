// The script runner: script steps become the headless backend's scripted input and actions,
// at the device-clock times the script gave them.
#include "program/script_runner.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "backend/headless.h"

namespace program {

void ScriptRunner::Queue(const Script& script) {
  for (const ScriptStep& step : script.steps) At(step.time, step);
  if (!script.endsWithQuit) {
    ScriptStep end;
    end.kind = StepKind::kQuit;
    At(script.endTime, end);
  }
}

void ScriptRunner::At(uint32_t time, const ScriptStep& step) {
  using platform::InputKind;
  platform::InputEvent event;
  event.x = step.x;
  event.y = step.y;
  event.key = step.key;
  switch (step.kind) {
    case StepKind::kStylusDown:
      event.kind = InputKind::kStylusDown;
      break;
    case StepKind::kStylusMove:
      event.kind = InputKind::kStylusMove;
      break;
    case StepKind::kStylusUp:
      event.kind = InputKind::kStylusUp;
      break;
    case StepKind::kKeyDown:
      event.kind = InputKind::kKeyDown;
      break;
    case StepKind::kKeyUp:
      event.kind = InputKind::kKeyUp;
      break;
    case StepKind::kText:
      event.kind = InputKind::kText;
      event.text = step.text;
      break;
    case StepKind::kQuit:
      event.kind = InputKind::kQuit;
      break;
    case StepKind::kShot: {
      // Actions are queued by delay after the later of the clock and the last queued time.
      const uint32_t base = std::max(backend_.Now(), lastQueued_);
      const std::filesystem::path file = screenshots_ / (step.name + ".png");
      backend_.Do(time > base ? time - base : 0, [this, file, line = step.line] {
        std::string error;
        if (!backend_.Screenshot(file, &error)) {
          std::fprintf(stderr, "Puttland: shot at script line %d: %s\n", line, error.c_str());
          ++failedShots_;
        }
      });
      lastQueued_ = std::max(lastQueued_, time);
      return;
    }
  }
  backend_.At(time, std::move(event));
  lastQueued_ = std::max(lastQueued_, time);
}

bool ScriptRunner::WriteSoundLog(const std::filesystem::path& file, std::string& error) const {
  std::ofstream out(file, std::ios::trunc);
  for (const platform::PlayedSound& sound : backend_.Sounds())
    if (sound.size > 0) out << sound.time << ' ' << sound.resourceId << '\n';
  out.close();
  if (!out) {
    error = "cannot write the sound log " + file.string();
    return false;
  }
  return true;
}

}  // namespace program
