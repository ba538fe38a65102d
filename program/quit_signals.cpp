// The quit signals: an async-signal-safe handler that counts them, and a backend wrapper that
// hands each one to the program as the Quit that closing the window gives.
#include "program/quit_signals.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>

namespace program {

namespace {

static_assert(std::atomic<int>::is_always_lock_free);
std::atomic<int> Received{0};

extern "C" void OnQuitSignal(int signal) {
  const int before = Received.fetch_add(1, std::memory_order_relaxed);
  if (signal == SIGINT && before > 0) _exit(128 + SIGINT);
}

// How long a real-time wait runs before the wrapper looks at the signal count again.
constexpr uint32_t kSliceMs = 20;

class QuitSignalBackend final : public platform::Backend {
 public:
  explicit QuitSignalBackend(std::unique_ptr<platform::Backend> inner)
      : inner_(std::move(inner)),
        virtualClock_(std::strcmp(inner_->Name(), "headless") == 0),
        delivered_(Received.load(std::memory_order_relaxed)) {}

  uint32_t TickCount() override { return inner_->TickCount(); }
  void Sleep(uint32_t ms) override { inner_->Sleep(ms); }
  void Present() override { inner_->Present(); }
  void PlayWave(const uint8_t* data, size_t size) override { inner_->PlayWave(data, size); }
  const char* Name() const override { return inner_->Name(); }
  void Raise() override { inner_->Raise(); }

  bool NextEvent(platform::InputEvent& event, uint32_t timeoutMs) override {
    if (TakeSignal(event)) return true;
    if (virtualClock_ || timeoutMs <= kSliceMs) return inner_->NextEvent(event, timeoutMs);
    const bool forever = timeoutMs == 0xFFFFFFFFu;
    const uint32_t start = inner_->TickCount();
    for (;;) {
      const uint32_t spent = inner_->TickCount() - start;
      if (!forever && spent >= timeoutMs) return false;
      const uint32_t slice = forever ? kSliceMs : std::min(kSliceMs, timeoutMs - spent);
      if (inner_->NextEvent(event, slice)) return true;
      if (TakeSignal(event)) return true;
    }
  }

 private:
  bool TakeSignal(platform::InputEvent& event) {
    if (Received.load(std::memory_order_relaxed) <= delivered_) return false;
    ++delivered_;
    event = platform::InputEvent{};
    event.kind = platform::InputKind::kQuit;
    return true;
  }

  std::unique_ptr<platform::Backend> inner_;
  bool virtualClock_;
  int delivered_;  // signals already handed over (or older than this backend)
};

}  // namespace

void InstallQuitSignals() {
  struct sigaction action {};
  action.sa_handler = OnQuitSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

int QuitSignalsReceived() {
  return Received.load(std::memory_order_relaxed);
}

std::unique_ptr<platform::Backend> WithQuitSignals(std::unique_ptr<platform::Backend> inner) {
  return std::make_unique<QuitSignalBackend>(std::move(inner));
}

}  // namespace program
