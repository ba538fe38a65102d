// A whole course, end to end: the score card during play and at the end, the best score
// entered under the player's name only when strictly lower, the main menu back without resume;
// and the best-scores screen with its defaults and scrolling.
#include <gtest/gtest.h>

#include "program/tests/e2e/game_checks.h"

namespace program::e2e {
namespace {

// The main menu's resume button (form (49, 68), 142 by 30).
std::vector<uint32_t> ResumeButton(const Screenshot& s) {
  return Area(s, 49, 68 + kBar, 142, 30);
}
// The k-th of the three boxes of the best-scores list (form (24, 46 + 60k), 180 by 56).
std::vector<uint32_t> ScoreBox(const Screenshot& s, int k) {
  return Area(s, 24, 46 + 60 * k + kBar, 180, 56);
}

// The main menu of a device without a saved game in progress.
Screenshot MenuWithoutResume(const std::string& forTest) {
  ProgramRun run(forTest + "_menu_without_resume");
  EXPECT_EQ(run.Play("resume_menu").status, 0);
  return run.Shot("menu");
}

TEST(Course, AWholeCourseScoresEveryHoleAndEntersTheBestScore) {
  ProgramRun run("course_garden");
  const RunResult r = run.Play("course_garden");
  ASSERT_EQ(r.status, 0) << r.errors;
  EXPECT_EQ(SoundsBetween(run.Sounds(), 103), 18) << "not every hole was holed";

  // On hole 8 after its first stroke: holes 1 to 8, hole 8 showing the stroke to come (2).
  const Screenshot during = run.Shot("card-hole8"), end = run.Shot("card-end");
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(CardLine(during, i), CardLine(end, i)) << "hole " << i + 1 << " during play";
  for (int i = 8; i < 18; ++i)
    EXPECT_NE(CardLine(during, i), CardLine(end, i)) << "hole " << i + 1 << " listed too early";
  EXPECT_NE(CardTotal(during), CardTotal(end)) << "the total did not grow";
  // At the end: the same scores read the same (rows of the same shade): 1 on holes 1 and 3,
  // 9 and 11; 2 on holes 8 and 12, which holes 1 and 9 are not.
  EXPECT_EQ(CardLine(end, 0), CardLine(end, 2));
  EXPECT_EQ(CardLine(end, 8), CardLine(end, 10));
  EXPECT_EQ(CardLine(end, 7), CardLine(end, 11));
  EXPECT_NE(CardLine(end, 7), CardLine(end, 8));
  // Closing the card leaves the game and no longer offers to resume it.
  EXPECT_EQ(ResumeButton(run.Shot("menu-after")), ResumeButton(MenuWithoutResume("course_garden")))
      << "the main menu offers to resume a finished course";

  const auto prefs = run.Prefs();
  EXPECT_EQ(Pref(prefs, kCourseRecord + "Hole number"), "int 18");
  int total = 0;
  for (int i = 0; i < 18; ++i)
    total += std::atoi(Pref(prefs, kCourseRecord + "Score" + std::to_string(i)).c_str() + 4) + 1;
  EXPECT_EQ(total, 22) << "the witnesses hole Garden in 22 strokes";
  EXPECT_EQ(Pref(prefs, "PlayerName"), "text \"No nameAda\"");
  EXPECT_EQ(Pref(prefs, "HS0"), "int 22");
  EXPECT_EQ(Pref(prefs, "HSName0"), "text \"No nameAda\"");
  EXPECT_EQ(Pref(prefs, "HS1"), "int 80") << "another course's entry changed";
  // The list shows the new Garden entry; the other boxes are the defaults.
  ProgramRun fresh("highscores_fresh");
  ASSERT_EQ(fresh.PlayText("list", ScriptText("resume_menu") + "tap 120 179\nwait 50\nshot list\n")
                .status,
            0);
  const Screenshot after = run.Shot("highscores"), before = fresh.Shot("list");
  EXPECT_NE(ScoreBox(after, 0), ScoreBox(before, 0));
  EXPECT_EQ(ScoreBox(after, 1), ScoreBox(before, 1));
}

// Finishes Garden from a prepared game on its last hole with a known total against a best
// score of 70; returns the saved settings.
std::map<std::string, std::string> FinishGarden(const std::string& name, int holesAt3) {
  // Counts of 3 (score 4) on the first holesAt3 holes, 2 (score 3) on the others before the
  // last, which the witness holes in 2: 17 holes x 4 + 2 = 70, one less per hole at 2.
  std::array<int, 18> counts{};
  for (int i = 0; i < 17; ++i) counts[i] = i < holesAt3 ? 3 : 2;
  ProgramRun run(name);
  PrepareDevice(run, PreparedRecord(17, counts, "Ada", 0, 70, "Earlier"));
  const RunResult r = run.Play("garden18_finish");
  EXPECT_EQ(r.status, 0) << r.errors;
  EXPECT_EQ(ResumeButton(run.Shot("menu-after")), ResumeButton(MenuWithoutResume(name)));
  return run.Prefs();
}

TEST(BestScores, AResultEntersOnlyWhenStrictlyLower) {
  auto prefs = FinishGarden("best_69", 16);  // 16 x 4 + 3 + 2 = 69
  EXPECT_EQ(Pref(prefs, kCourseRecord + "Score17"), "int 1");
  EXPECT_EQ(Pref(prefs, "HS0"), "int 69");
  EXPECT_EQ(Pref(prefs, "HSName0"), "text \"Ada\"");
  prefs = FinishGarden("best_70", 17);  // 70: equal, the older entry stays
  EXPECT_EQ(Pref(prefs, "HS0"), "int 70");
  EXPECT_EQ(Pref(prefs, "HSName0"), "text \"Earlier\"");
}

TEST(BestScores, DefaultsOnFirstStartAndScrolling) {
  ProgramRun run("highscores");
  // The scroll bar's down button: form (206, 46 + 176 - 14), 14 by 14.
  const RunResult r = run.PlayText(
      "scroll", ScriptText("resume_menu") +
                    "tap 120 179\nwait 50\nshot list0\ntap 213 241\nwait 300\nshot list1\n"
                    "tap 213 241\nwait 300\nshot list2\ntap 213 241\nwait 300\nshot list2-again\n"
                    "key up\nwait 50\nshot list1-key\n");
  ASSERT_EQ(r.status, 0) << r.errors;
  const Screenshot list0 = run.Shot("list0"), list1 = run.Shot("list1"), list2 = run.Shot("list2");
  EXPECT_EQ(ScoreBox(list1, 0), ScoreBox(list0, 1)) << "the list did not scroll by one entry";
  EXPECT_EQ(ScoreBox(list1, 1), ScoreBox(list0, 2));
  EXPECT_EQ(ScoreBox(list2, 0), ScoreBox(list1, 1));
  EXPECT_EQ(ScoreBox(list2, 1), ScoreBox(list1, 2));
  EXPECT_NE(ScoreBox(list2, 2), ScoreBox(list1, 2)) << "Mars is not shown at the end";
  EXPECT_EQ(Area(run.Shot("list2-again"), 24, 72, 180, 176), Area(list2, 24, 72, 180, 176))
      << "the list scrolled past its end";
  // A key press acts on its down and its up: two entries back, to the start.
  EXPECT_EQ(Area(run.Shot("list1-key"), 24, 72, 180, 176), Area(list0, 24, 72, 180, 176));
  const auto prefs = run.Prefs();
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(Pref(prefs, "HS" + std::to_string(i)), "int " + std::to_string((i + 7) * 10));
    EXPECT_EQ(Pref(prefs, "HSName" + std::to_string(i)), "text \"No name\"");
  }
}

}  // namespace
}  // namespace program::e2e
