// The options screen as a player uses it: the sound-on radio plays its sample at once, and
// cancel leaves the settings as they were.
#include <gtest/gtest.h>

#include "program/tests/e2e/program_run.h"

namespace program::e2e {
namespace {

TEST(Options, SoundSampleAndCancel) {
  ProgramRun run("options");
  const RunResult r = run.Play("options");
  ASSERT_EQ(r.status, 0) << r.errors;
  // Nothing before the radio's sample, which sounds when the radio is tapped at 210 ms (the
  // selected radio sounds again on later releases on its screen).
  const auto sounds = run.Sounds();
  ASSERT_FALSE(sounds.empty()) << "the sound-on radio played nothing";
  EXPECT_EQ(sounds.front().second, 108u);
  EXPECT_GE(sounds.front().first, 210u);
  EXPECT_LT(sounds.front().first, 220u);
  EXPECT_FALSE(run.Shot("sound-on") == run.Shot("options")) << "the radio did not change";
  EXPECT_EQ(run.Shot("options-again"), run.Shot("options")) << "cancel changed the settings";
}

}  // namespace
}  // namespace program::e2e
