// The headless backend: a virtual clock, scripted input, PNG screenshots and a log of played
// sounds. Tests drive a whole program with it, deterministically and in milliseconds.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "backend/backend.h"

namespace platform {

// A sound handed to the backend: when, which resource (0 when it was not an integer resource
// of the program, e.g. SND_MEMORY) and how many bytes. A stop is recorded with size 0.
struct PlayedSound {
  uint32_t time = 0;
  unsigned resourceId = 0;
  size_t size = 0;
};

// Clock rules:
//  - The clock starts at 0 and moves only forward: Advance(), Sleep(), and waiting for input.
//  - NextEvent delivers a scripted event once the clock has reached its time, in the order
//    the events were queued (ties keep queue order).
//  - NextEvent with a timeout > 0 and nothing due: the clock jumps to the next event's time if
//    that comes within the timeout (and delivers it), otherwise it advances by the timeout.
//  - An empty poll (timeout 0) lets the clock run on by the poll step (1 ms unless changed,
//    never past the next scripted event) and delivers what falls due, as the real backend waits
//    about 1 ms for input after an empty poll. So a program that spins on an empty queue still
//    sees time pass, and reaches the script's later events.
//  - When the script is exhausted and the program waits for ever, it gets InputKind::kQuit
//    (every time it waits so), so a test can never hang on a program that waits for input.
//    A program that only polls is ended by scripting Quit().
class HeadlessBackend final : public Backend {
 public:
  static constexpr uint32_t kForever = 0xFFFFFFFFu;

  uint32_t TickCount() override { return now_; }
  void Sleep(uint32_t ms) override { now_ += ms; }
  bool NextEvent(InputEvent& event, uint32_t timeoutMs) override;
  void Present() override;
  void PlayWave(const uint8_t* data, size_t size) override;
  const char* Name() const override { return "headless"; }

  // --- Script. `At` queues at an absolute clock time; the others queue `delayMs` after the
  // later of the current time and the last scripted event, so calls read as a sequence.
  void At(uint32_t time, InputEvent event);
  void After(uint32_t delayMs, InputEvent event);
  void StylusDown(int x, int y, uint32_t delayMs = 0);
  void StylusMove(int x, int y, uint32_t delayMs = 0);
  void StylusUp(int x, int y, uint32_t delayMs = 0);
  // Down, then up `holdMs` later at the same point.
  void Tap(int x, int y, uint32_t delayMs = 0, uint32_t holdMs = 0);
  // Key down, then key up `holdMs` later (virtual-key code).
  void KeyPress(unsigned vk, uint32_t delayMs = 0, uint32_t holdMs = 0);
  void KeyDown(unsigned vk, uint32_t delayMs = 0);
  void KeyUp(unsigned vk, uint32_t delayMs = 0);
  void Text(std::u32string text, uint32_t delayMs = 0);
  void Quit(uint32_t delayMs = 0);
  // Runs `action` (a check, a screenshot) when the clock reaches its time, while the program
  // waits or polls for input; it delivers no event. The action may queue more script.
  void Do(uint32_t delayMs, std::function<void()> action);

  // --- Clock.
  void Advance(uint32_t ms) { now_ += ms; }
  uint32_t Now() const { return now_; }
  // How far an empty poll moves the clock (0 freezes it between scripted events).
  void SetPollStep(uint32_t ms) { pollStep_ = ms; }
  size_t PendingEvents() const { return script_.size(); }
  // Quit events handed out because the script ran dry while the program waited for ever.
  unsigned AutoQuits() const { return autoQuits_; }

  // --- Observation.
  // Present() calls, and those that found the screen changed since the last one.
  uint64_t PresentCalls() const { return presentCalls_; }
  uint64_t FrameCount() const { return frames_; }
  // Writes TheScreen() as a 240x320 RGB PNG; false (with a reason in `error`) on failure.
  // ReadPng (backend/png_file.h) reads it back for comparisons.
  bool Screenshot(const std::filesystem::path& file, std::string* error = nullptr) const;
  const std::vector<PlayedSound>& Sounds() const { return sounds_; }
  void ClearSounds() { sounds_.clear(); }

 private:
  struct Scripted {
    uint32_t time;
    InputEvent event;
    std::function<void()> action;  // set for Do(): run instead of delivering `event`
  };
  void Insert(uint32_t time, Scripted entry);
  uint32_t SequenceTime(uint32_t delayMs) const;

  uint32_t now_ = 0;
  uint32_t pollStep_ = 1;
  std::deque<Scripted> script_;  // sorted by time; equal times in queue order
  uint32_t lastScripted_ = 0;
  unsigned autoQuits_ = 0;
  uint64_t presentCalls_ = 0;
  uint64_t frames_ = 0;
  uint64_t presentedGeneration_ = 0;
  bool presentedOnce_ = false;
  std::vector<PlayedSound> sounds_;
};

// The process's headless backend: installs a fresh one as the current backend unless the
// current one already is headless, and returns it.
HeadlessBackend& Headless();
// Installs a fresh headless backend (clock at 0, empty script and logs) and returns it: the
// start of a test that must not see what an earlier test left behind.
HeadlessBackend& FreshHeadless();

}  // namespace platform
