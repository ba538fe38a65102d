// A new game played as a player would: the aim point placed with its sound, a shot charged for
// 500 ms, the ball rolling out and coming to rest.
#include <gtest/gtest.h>

#include <algorithm>

#include "program/tests/e2e/program_run.h"

namespace program::e2e {
namespace {

TEST(NewGame, AimShootAndRoll) {
  ProgramRun run("new_game");
  const RunResult r = run.Play("new_game");
  ASSERT_EQ(r.status, 0) << r.errors;
  // The aim tap is at 410 ms; the message is handled within a few milliseconds of the clock.
  const auto sounds = run.Sounds();
  EXPECT_TRUE(std::any_of(sounds.begin(), sounds.end(), [](const auto& sound) {
    return sound.second == 109 && sound.first >= 410 && sound.first < 420;
  })) << "no aim sound when the aim point was placed";
  EXPECT_FALSE(run.Shot("hole1") == run.Shot("menu")) << "course 1 did not start";
  EXPECT_FALSE(run.Shot("aimed") == run.Shot("hole1")) << "no aim mark";
  EXPECT_FALSE(run.Shot("rolling-100") == run.Shot("rolling-200")) << "the ball does not roll";
  EXPECT_EQ(run.Shot("rested"), run.Shot("rested-later")) << "the ball never came to rest";
}

}  // namespace
}  // namespace program::e2e
