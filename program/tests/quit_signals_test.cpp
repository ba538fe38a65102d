// Quit signals: each one reaches the program once as Quit, a wait for input notices it within a
// slice, the headless clock keeps its rules, and a second SIGINT ends the process at once.
#include "program/quit_signals.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "backend/headless.h"

namespace program {
namespace {

using platform::InputEvent;
using platform::InputKind;

// A real-time backend that never has input; it raises SIGTERM on its third wait.
class SilentBackend final : public platform::Backend {
 public:
  uint32_t TickCount() override { return now_; }
  void Sleep(uint32_t ms) override { now_ += ms; }
  bool NextEvent(InputEvent&, uint32_t timeoutMs) override {
    waits.push_back(timeoutMs);
    now_ += timeoutMs;
    if (waits.size() == 3) raise(SIGTERM);
    return false;
  }
  void Present() override {}
  void PlayWave(const uint8_t*, size_t) override {}
  const char* Name() const override { return "sdl"; }
  std::vector<uint32_t> waits;

 private:
  uint32_t now_ = 0;
};

TEST(QuitSignals, AWaitForeverNoticesTheSignalWithinASlice) {
  InstallQuitSignals();
  auto inner = std::make_unique<SilentBackend>();
  SilentBackend* silent = inner.get();
  auto backend = WithQuitSignals(std::move(inner));
  const int before = QuitSignalsReceived();
  InputEvent event;
  ASSERT_TRUE(backend->NextEvent(event, 0xFFFFFFFFu));
  EXPECT_EQ(event.kind, InputKind::kQuit);
  EXPECT_EQ(QuitSignalsReceived(), before + 1);
  ASSERT_EQ(silent->waits.size(), 3u);
  for (uint32_t wait : silent->waits) EXPECT_LE(wait, 20u);
  // Delivered once: a bounded wait afterwards times out as usual.
  EXPECT_FALSE(backend->NextEvent(event, 50));
}

TEST(QuitSignals, HeadlessInputKeepsItsOrderAndClock) {
  InstallQuitSignals();
  auto headless = std::make_unique<platform::HeadlessBackend>();
  platform::HeadlessBackend* script = headless.get();
  auto backend = WithQuitSignals(std::move(headless));
  script->StylusDown(5, 6, 100);
  InputEvent event;
  ASSERT_TRUE(backend->NextEvent(event, 0xFFFFFFFFu));
  EXPECT_EQ(event.kind, InputKind::kStylusDown);
  EXPECT_EQ(backend->TickCount(), 100u);  // the virtual clock jumped, no real waiting
  raise(SIGTERM);
  ASSERT_TRUE(backend->NextEvent(event, 0));
  EXPECT_EQ(event.kind, InputKind::kQuit);
  EXPECT_EQ(backend->TickCount(), 100u);
}

TEST(QuitSignalsDeathTest, ASecondSigintEndsTheProcessAtOnce) {
  EXPECT_EXIT(
      {
        InstallQuitSignals();
        raise(SIGINT);
        std::fputs("the first one is only noted\n", stderr);
        raise(SIGINT);
        std::exit(0);
      },
      ::testing::ExitedWithCode(130), "the first one is only noted");
}

}  // namespace
}  // namespace program
