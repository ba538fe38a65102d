// A course left with the ball rolling in the middle of hole 5 and taken up again: the settings
// are written once at the end of a run and read once at its start, and the resumed roll goes on
// exactly as if the program had never stopped.
#include <gtest/gtest.h>

#include "program/tests/e2e/game_checks.h"

namespace program::e2e {
namespace {

std::map<std::string, std::string> EngineRecord(const ProgramRun& run) {
  std::map<std::string, std::string> engine;
  for (const auto& [key, value] : run.Prefs())
    if (key.rfind("Engine/", 0) == 0) engine[key] = value;
  return engine;
}

std::string Record(const ProgramRun& run) {
  return run.Registry(kPreferencesKey, kPreferencesKeyName);
}

// An uninterrupted game: the prefix, then `after` ms from the last release to the quit.
std::map<std::string, std::string> Uninterrupted(int after) {
  ProgramRun run("resume_reference_" + std::to_string(after));
  EXPECT_EQ(run.PlayText("play",
                         ScriptText("hole5_prefix") + "wait " + std::to_string(after) + "\nquit\n")
                .status,
            0);
  return EngineRecord(run);
}

TEST(ResumedGame, AQuitWhileTheBallRollsResumesTheSameRoll) {
  ProgramRun run("resume");
  // Quit 1025 ms after the strong stroke on hole 5: 21 steps of its roll done.
  RunResult r = run.PlayText("quit", ScriptText("hole5_prefix") + "wait 1025\nquit\n");
  ASSERT_EQ(r.status, 0) << r.errors;
  const std::string saved = Record(run);
  auto prefs = run.Prefs();
  EXPECT_EQ(Pref(prefs, kCourseRecord + "Hole number"), "int 4");
  EXPECT_EQ(Pref(prefs, kCourseRecord + "Score4"), "int 1");
  EXPECT_EQ(Pref(prefs, kCourseRecord + "Score3"), "int 0");
  EXPECT_EQ(Pref(prefs, kBallRecord + "Ismoving"), "hex 01") << "the ball was not rolling";

  // Resumed and left again at once: no step happened, and the record is written back as read.
  r = run.PlayText("resume-quit",
                   ScriptText("resume_menu") + "tap 120 109\nwait 10\nshot resumed\n");
  ASSERT_EQ(r.status, 0) << r.errors;
  EXPECT_EQ(Record(run), saved) << "the record changed without play";
  ProgramRun fresh("resume_fresh_menu");
  ASSERT_EQ(fresh.Play("resume_menu").status, 0);
  EXPECT_NE(Area(run.Shot("menu"), 49, 68 + kBar, 142, 30),
            Area(fresh.Shot("menu"), 49, 68 + kBar, 142, 30))
      << "no resume button for the course in progress";
  EXPECT_NE(Area(run.Shot("resumed"), 0, 26, 240, 268), Area(run.Shot("menu"), 0, 26, 240, 268))
      << "resume did not show the game";

  // Resumed for 525 ms (the step clock restarts on showing the game: 10 steps), the saved game
  // is bit for bit the one of a game that never stopped and ran 21 + 10 steps.
  r = run.PlayText("resume-roll", ScriptText("resume_menu") + "tap 120 109\nwait 525\nquit\n");
  ASSERT_EQ(r.status, 0) << r.errors;
  const auto resumed = EngineRecord(run);
  EXPECT_EQ(Pref(resumed, kBallRecord + "Ismoving"), "hex 01");
  EXPECT_EQ(resumed, Uninterrupted(1525));
  // And to its end: the roll holes the ball, the next hole is set up, the counts are kept.
  r = run.PlayText("resume-end", ScriptText("resume_menu") + "tap 120 109\nwait 10000\nquit\n");
  ASSERT_EQ(r.status, 0) << r.errors;
  const auto finished = EngineRecord(run);
  EXPECT_EQ(Pref(finished, kCourseRecord + "Hole number"), "int 5");
  EXPECT_EQ(finished, Uninterrupted(10000));
}

}  // namespace
}  // namespace program::e2e
