// The headless backend's virtual clock and script: time moves only when told, when the program
// waits for input, or by the poll step; scripted events arrive in order at their times.
#include <gtest/gtest.h>

#include "backend/headless.h"

namespace platform {
namespace {

constexpr uint32_t kForever = HeadlessBackend::kForever;

TEST(HeadlessClock, StandsStillUntilToldAndSleepAdvancesIt) {
  HeadlessBackend backend;
  backend.SetPollStep(0);
  EXPECT_EQ(backend.TickCount(), 0u);
  InputEvent event;
  backend.StylusDown(1, 1, 500);
  for (int i = 0; i < 100; ++i) EXPECT_FALSE(backend.NextEvent(event, 0));
  EXPECT_EQ(backend.TickCount(), 0u);
  backend.Advance(120);
  backend.Sleep(30);
  EXPECT_EQ(backend.TickCount(), 150u);
}

TEST(HeadlessClock, WaitingJumpsToTheNextEventOrByTheTimeout) {
  HeadlessBackend backend;
  backend.StylusDown(10, 20, 300);
  backend.StylusUp(10, 20, 200);  // at 500
  InputEvent event;

  EXPECT_FALSE(backend.NextEvent(event, 100));  // the event lies beyond the timeout
  EXPECT_EQ(backend.TickCount(), 100u);
  ASSERT_TRUE(backend.NextEvent(event, 200));  // due exactly at the end of the timeout
  EXPECT_EQ(backend.TickCount(), 300u);
  EXPECT_EQ(event.kind, InputKind::kStylusDown);
  EXPECT_EQ(event.x, 10);
  EXPECT_EQ(event.y, 20);
  ASSERT_TRUE(backend.NextEvent(event, kForever));
  EXPECT_EQ(backend.TickCount(), 500u);
  EXPECT_EQ(event.kind, InputKind::kStylusUp);

  // Nothing left: a bounded wait lets the whole timeout pass.
  EXPECT_FALSE(backend.NextEvent(event, 40));
  EXPECT_EQ(backend.TickCount(), 540u);
}

TEST(HeadlessClock, AnEmptyPollRunsTheClockOnByTheStepButNotPastTheNextEvent) {
  HeadlessBackend backend;
  backend.KeyPress(0x26, 3);
  InputEvent event;
  EXPECT_FALSE(backend.NextEvent(event, 0));
  EXPECT_FALSE(backend.NextEvent(event, 0));
  EXPECT_EQ(backend.TickCount(), 2u);
  backend.SetPollStep(10);
  ASSERT_TRUE(backend.NextEvent(event, 0));  // falls due during the step, which stops there
  EXPECT_EQ(backend.TickCount(), 3u);
  EXPECT_EQ(event.kind, InputKind::kKeyDown);
  EXPECT_EQ(event.key, 0x26u);
}

TEST(HeadlessScript, EventsArriveInTimeOrderAndTiesInQueueOrder) {
  HeadlessBackend backend;
  backend.Advance(1000);
  backend.At(1500, InputEvent{InputKind::kKeyDown, 0, 0, 0x70, {}});
  backend.At(1200, InputEvent{InputKind::kStylusDown, 1, 2, 0, {}});
  backend.At(1200, InputEvent{InputKind::kStylusMove, 3, 4, 0, {}});
  backend.At(900, InputEvent{InputKind::kKeyUp, 0, 0, 0x71, {}});  // already due
  // Relative delays follow the last scripted event (1500), not the clock.
  backend.Text(U"Hé", 100);
  backend.Quit();

  std::vector<std::pair<InputKind, uint32_t>> seen;
  InputEvent event;
  while (backend.NextEvent(event, kForever)) {
    seen.emplace_back(event.kind, backend.TickCount());
    if (event.kind == InputKind::kText) {
      EXPECT_EQ(event.text, U"Hé");
    }
    if (event.kind == InputKind::kQuit) break;
  }
  std::vector<std::pair<InputKind, uint32_t>> expected = {
      {InputKind::kKeyUp, 1000},   {InputKind::kStylusDown, 1200}, {InputKind::kStylusMove, 1200},
      {InputKind::kKeyDown, 1500}, {InputKind::kText, 1600},       {InputKind::kQuit, 1600}};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(backend.AutoQuits(), 0u);
}

TEST(HeadlessScript, TapsAndKeyPressesComeAsPairs) {
  HeadlessBackend backend;
  backend.Tap(5, 6, 10, 40);
  backend.KeyPress(0x0D, 0, 5);
  InputEvent event;
  std::vector<std::tuple<InputKind, uint32_t, unsigned>> seen;
  while (backend.PendingEvents() > 0 && backend.NextEvent(event, kForever)) {
    seen.emplace_back(event.kind, backend.TickCount(), event.key);
  }
  std::vector<std::tuple<InputKind, uint32_t, unsigned>> expected = {
      {InputKind::kStylusDown, 10, 0},
      {InputKind::kStylusUp, 50, 0},
      {InputKind::kKeyDown, 50, 0x0D},
      {InputKind::kKeyUp, 55, 0x0D}};
  EXPECT_EQ(seen, expected);
}

TEST(HeadlessScript, ActionsRunWhenTheirTimeComesAndDeliverNothing) {
  HeadlessBackend backend;
  std::vector<uint32_t> ran;
  backend.Do(100, [&] { ran.push_back(backend.TickCount()); });
  backend.Do(50, [&] {
    ran.push_back(backend.TickCount());
    backend.KeyDown(0x70, 10);  // an action may extend the script
  });
  InputEvent event;
  EXPECT_FALSE(backend.NextEvent(event, 120));  // the first action runs, nothing is delivered
  EXPECT_EQ(backend.TickCount(), 120u);
  ASSERT_TRUE(backend.NextEvent(event, kForever));
  EXPECT_EQ(event.kind, InputKind::kKeyDown);
  EXPECT_EQ(backend.TickCount(), 160u);
  EXPECT_EQ(ran, (std::vector<uint32_t>{100, 150}));
}

TEST(HeadlessScript, AProgramWaitingForEverAfterTheScriptGetsQuitEachTime) {
  HeadlessBackend backend;
  InputEvent event;
  for (unsigned i = 1; i <= 2; ++i) {
    ASSERT_TRUE(backend.NextEvent(event, kForever));
    EXPECT_EQ(event.kind, InputKind::kQuit);
    EXPECT_EQ(backend.AutoQuits(), i);
  }
  EXPECT_EQ(backend.TickCount(), 0u);
}

}  // namespace
}  // namespace platform
