// Placeholder backend selection until the SDL and headless backends exist: a real-time clock
// and no input. Replaced by the backends' own selection.
#include "backend/backend.h"

#include <chrono>
#include <thread>

namespace platform {
namespace {

class RealTimeBackend final : public Backend {
 public:
  uint32_t TickCount() override {
    auto elapsed = std::chrono::steady_clock::now() - start_;
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
  }
  void Sleep(uint32_t ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
  bool NextEvent(InputEvent&, uint32_t timeoutMs) override {
    if (timeoutMs != 0xFFFFFFFFu) Sleep(timeoutMs);
    return false;
  }
  void Present() override {}
  void PlayWave(const uint8_t*, size_t) override {}
  const char* Name() const override { return "null"; }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

std::unique_ptr<Backend>& Slot() {
  static std::unique_ptr<Backend> backend;
  return backend;
}

}  // namespace

Backend& CurrentBackend() {
  auto& slot = Slot();
  if (!slot) slot = std::make_unique<RealTimeBackend>();
  return *slot;
}

void SetBackend(std::unique_ptr<Backend> backend) {
  Slot() = std::move(backend);
}

}  // namespace platform
