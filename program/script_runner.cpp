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
    end.kind = StepKind::Quit;
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
    case StepKind::StylusDown:
      event.kind = InputKind::StylusDown;
      break;
    case StepKind::StylusMove:
      event.kind = InputKind::StylusMove;
      break;
    case StepKind::StylusUp:
      event.kind = InputKind::StylusUp;
      break;
    case StepKind::KeyDown:
      event.kind = InputKind::KeyDown;
      break;
    case StepKind::KeyUp:
      event.kind = InputKind::KeyUp;
      break;
    case StepKind::Text:
      event.kind = InputKind::Text;
      event.text = step.text;
      break;
    case StepKind::Quit:
      event.kind = InputKind::Quit;
      break;
    case StepKind::Shot: {
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

bool ScriptRunner::WriteSoundLog(const std::filesystem::path& file, std::string* error) const {
  std::ofstream out(file, std::ios::trunc);
  for (const platform::PlayedSound& sound : backend_.Sounds())
    if (sound.size > 0) out << sound.time << ' ' << sound.resourceId << '\n';
  out.close();
  if (!out) {
    if (error) *error = "cannot write the sound log " + file.string();
    return false;
  }
  return true;
}

}  // namespace program
