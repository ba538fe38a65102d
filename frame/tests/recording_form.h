// A form for tests that logs its operations (with whether it was the active form at the time)
// and whose idle and command answers are set by the test.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "frame/form/form.h"
#include "frame/form/process_state.h"

namespace frame_test {

using Log = std::vector<std::string>;

class RecordingForm : public frame::Form {
 public:
  RecordingForm(const char* name, Log* log, int x = 0, int y = 0, int width = 240, int height = 268,
                frame::Caption caption = frame::Caption::kPlain)
      : frame::Form(name, x, y, width, height, caption, 0), log_(log) {}

  void OnActivate() override { Note("activate"); }
  void OnDeactivate() override { Note("deactivate"); }
  void OnHide() override { Note("hide"); }
  int OnStylusDown(int x, int y) override { return Note("down", x, y); }
  int OnStylusMove(int x, int y) override { return Note("move", x, y); }
  int OnStylusUp(int x, int y) override { return Note("up", x, y); }
  int OnCommand(int id) override {
    Note("command " + std::to_string(id));
    if (onCommand) onCommand(id);
    return 0;
  }
  int OnKey(int key, int down) override {
    return Note("key " + std::to_string(key) + (down ? " down" : " up"));
  }
  int OnChar(int code) override { return Note("char " + std::to_string(code)); }
  bool OnIdle() override {
    ++idleCalls;
    return onIdle ? onIdle() : false;
  }

  // Keeps only entries of these kinds (e.g. activation) when comparing.
  static Log Only(const Log& log, const std::vector<std::string>& prefixes);

  int idleCalls = 0;
  std::function<bool()> onIdle;
  std::function<void(int)> onCommand;

 private:
  int Note(const std::string& what, int x, int y) {
    return Note(what + " " + std::to_string(x) + "," + std::to_string(y));
  }
  int Note(const std::string& what) {
    log_->push_back(std::string(Name()) + " " + what +
                    (frame::ActiveForm == this ? " [active]" : ""));
    return 0;
  }
  Log* log_;
};

inline Log RecordingForm::Only(const Log& log, const std::vector<std::string>& prefixes) {
  Log kept;
  for (const std::string& entry : log) {
    for (const std::string& prefix : prefixes) {
      if (entry.rfind(prefix, 0) == 0) {
        kept.push_back(entry);
        break;
      }
    }
  }
  return kept;
}

// Runs every waiting message (not the quit message) through the window procedures. Bounded:
// a window that never validates would keep its paint message coming.
inline void Pump() {
  MSG message;
  for (int i = 0; i < 10000; ++i) {
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) || message.message == WM_QUIT) return;
    PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Pumps, and drops any quit message left for the next test.
inline void DrainQueue() {
  Pump();
  MSG quit;
  while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
  Pump();
}

}  // namespace frame_test
