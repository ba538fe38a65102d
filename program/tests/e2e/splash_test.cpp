// The start as a player sees it: the first splash for 2 s, the second for 3 s, then the menu;
// a tap cuts a splash short; the exit button works under a splash.
#include <gtest/gtest.h>

#include <filesystem>

#include "program/tests/e2e/program_run.h"

namespace program::e2e {
namespace {

// A picture, not a blank: the form's area holds more than one colour.
bool ShowsAPicture(const Screenshot& shot) {
  for (int i = 240 * 26; i < 240 * 294; ++i)
    if (shot.pixels[i] != shot.pixels[size_t{240} * 26]) return true;
  return false;
}

TEST(Splash, TwoSecondsThenThreeThenTheMenu) {
  ProgramRun run("splash");
  const RunResult r = run.Play("splash");
  ASSERT_EQ(r.status, 0) << r.errors;
  const Screenshot first = run.Shot("splash1-early");
  const Screenshot second = run.Shot("splash2-early");
  const Screenshot menu = run.Shot("menu");
  EXPECT_TRUE(ShowsAPicture(first));
  EXPECT_TRUE(ShowsAPicture(second));
  EXPECT_TRUE(ShowsAPicture(menu));
  EXPECT_EQ(run.Shot("splash1-late"), first) << "the first splash ended before 2 s";
  EXPECT_FALSE(second == first) << "the first splash lasted past 2 s";
  EXPECT_EQ(run.Shot("splash2-late"), second) << "the second splash ended before 5 s";
  EXPECT_FALSE(menu == second) << "the second splash lasted past 5 s";
  EXPECT_EQ(run.Shot("menu-later"), menu);
}

TEST(Splash, ATapCutsTheFirstSplashShort) {
  ProgramRun untouched("splash_reference");
  ASSERT_EQ(untouched.Play("splash").status, 0);
  ProgramRun run("splash_tap");
  const RunResult r = run.Play("splash_tap");
  ASSERT_EQ(r.status, 0) << r.errors;
  EXPECT_EQ(run.Shot("splash1"), untouched.Shot("splash1-early"));
  EXPECT_EQ(run.Shot("splash2-early"), untouched.Shot("splash2-early"));
  EXPECT_EQ(run.Shot("splash2-late"), untouched.Shot("splash2-early"))
      << "the second splash did not last 3 s from the tap";
  EXPECT_EQ(run.Shot("menu"), untouched.Shot("menu"));
}

TEST(Splash, TheExitButtonWorksUnderTheSplash) {
  ProgramRun run("splash_exit");
  const RunResult r = run.Play("splash_exit");
  EXPECT_EQ(r.status, 0) << r.errors;
  EXPECT_FALSE(std::filesystem::exists(run.Shots() / "after-exit.png"))
      << "the program was still running after its exit button";
  EXPECT_NE(run.RegistryShow().find("Preference0"), std::string::npos)
      << "the settings were not saved at exit";
}

}  // namespace
}  // namespace program::e2e
