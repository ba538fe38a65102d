// Play on the game screen, end to end: a shot leaves at the speed its charge gave it toward the
// aim point and moves in 50-ms steps; strokes are counted on the status line; holing, hazards
// and the stroke limit follow the rules of play.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "program/tests/e2e/game_checks.h"

namespace program::e2e {
namespace {

struct BallState {
  double x, y, fx, fy;
};

// The engine's own roll of a shot from the tee, one state per 50-ms step (pt-shot).
std::vector<BallState> EngineTrace(int hole, int aimX, int aimY, int holdMs) {
  const RunResult r = RunCommand(
      {PT_SHOT, "aim", std::string(PT_COURSES) + "/course001.course", std::to_string(hole),
       std::to_string(aimX), std::to_string(aimY), std::to_string(holdMs)},
      60);
  std::vector<BallState> trace;
  std::istringstream lines(r.output);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    int step = 0;
    BallState s{};
    if (words >> step >> s.x >> s.y >> s.fx >> s.fy) trace.push_back(s);
  }
  return trace;
}

// The "2" of the status font, as the hole well shows it on hole 2.
std::vector<uint32_t> ReferenceTwo(const std::string& forTest) {
  ProgramRun run(forTest + "_reference_two");
  EXPECT_EQ(run.Play("hole_in_one").status, 0);
  return HoleWell(run.Shot("hole2"));
}

TEST(Shot, LeavesAtTheChargedSpeedTowardTheAimInStepsOf50Ms) {
  const std::vector<BallState> trace = EngineTrace(0, 120, 124, 500);
  ASSERT_GT(trace.size(), 10u);
  // A 500-ms charge is half power: 150 px/s, so the first 0.05-s step covers 7.5 px from the
  // tee (46, 158) toward the aim point (120, 124).
  const double dx = trace[0].x - 46, dy = trace[0].y - 158;
  EXPECT_NEAR(std::hypot(dx, dy), 7.5, 1e-9);
  EXPECT_NEAR(dx * -34.0 - dy * 74.0, 0.0, 1e-9) << "not toward the aim point";
  EXPECT_GT(dx, 0);

  // Quits 5, 15, ... 195 ms after the release; the saved ball is some step of the engine's roll.
  std::map<int, int> steps;  // ms after the release -> steps taken
  for (int after = 5; after < 200; after += 10) {
    ProgramRun run("shot_steps_" + std::to_string(after));
    const RunResult r = run.PlayText(
        "shot", ScriptText("shoot_first") + "wait " + std::to_string(after) + "\nquit\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    if (after == 5) {
      EXPECT_EQ(SoundsBetween(run.Sounds(), 109, 410, 420), 1) << "no aim sound";
      EXPECT_NE(Area(run.Shot("charging"), 164, 38, 60, 30),
                Area(run.Shot("aimed"), 164, 38, 60, 30))
          << "no power bar while charging";
    }
    const auto prefs = run.Prefs();
    EXPECT_EQ(Pref(prefs, kBallRecord + "Ismoving"), "hex 01") << after << " ms";
    const BallState saved{
        PrefDouble(prefs, kBallRecord + "posx"), PrefDouble(prefs, kBallRecord + "posy"),
        PrefDouble(prefs, kBallRecord + "Fx"), PrefDouble(prefs, kBallRecord + "Fy")};
    int step = 0;
    for (size_t i = 0; i < trace.size() && step == 0; ++i) {
      if (trace[i].x == saved.x && trace[i].y == saved.y && trace[i].fx == saved.fx &&
          trace[i].fy == saved.fy)
        step = int(i) + 1;
    }
    ASSERT_NE(step, 0) << after << " ms after the release the ball (" << saved.x << ", " << saved.y
                       << ") is on none of the engine's steps";
    steps[after] = step;
  }
  EXPECT_EQ(steps[5], 1) << "the first step did not come at once";
  for (int after = 5; after + 50 < 200; after += 10) {
    EXPECT_EQ(steps[after + 50], steps[after] + 1)
        << "between " << after << " and " << after + 50 << " ms after the release";
  }
}

TEST(Shot, TheBallComesToRestAndTheStatusLineShowsStroke2) {
  const std::vector<uint32_t> two = ReferenceTwo("shot_rest");
  ProgramRun run("shot_rest");
  const RunResult r = run.PlayText(
      "rest", ScriptText("shoot_first") + "wait 20000\nshot rested\nwait 1000\nshot later\n");
  ASSERT_EQ(r.status, 0) << r.errors;
  EXPECT_EQ(run.Shot("rested"), run.Shot("later")) << "the ball did not come to rest";
  EXPECT_EQ(StrokeWell(run.Shot("rested")), two) << "the status line does not show stroke 2";
  EXPECT_NE(StrokeWell(run.Shot("hole1")), two);
  const auto prefs = run.Prefs();
  EXPECT_EQ(Pref(prefs, kBallRecord + "Ismoving"), "hex 00");
  EXPECT_EQ(Pref(prefs, kCourseRecord + "Hole number"), "int 0");
  EXPECT_EQ(Pref(prefs, kCourseRecord + "Score0"), "int 1");
}

TEST(Rules, HolingPlaysItsSoundAndTheNextHoleStartsAtStroke1) {
  ProgramRun run("hole_in_one");
  const RunResult r = run.Play("hole_in_one");
  ASSERT_EQ(r.status, 0) << r.errors;
  EXPECT_EQ(SoundsBetween(run.Sounds(), 103, 930, 6930), 1) << "no holing sound";
  const Screenshot hole1 = run.Shot("hole1"), hole2 = run.Shot("hole2");
  EXPECT_NE(HoleWell(hole2), HoleWell(hole1)) << "the hole number did not move on";
  EXPECT_EQ(StrokeWell(hole2), StrokeWell(hole1)) << "the new hole does not start at stroke 1";
  EXPECT_NE(Area(hole2, 15, 90, 210, 189), Area(hole1, 15, 90, 210, 189)) << "same playfield";
  const auto prefs = run.Prefs();
  EXPECT_EQ(Pref(prefs, kCourseRecord + "Hole number"), "int 1");
  EXPECT_EQ(Pref(prefs, kCourseRecord + "Score0"), "int 0") << "a hole in one scores 1";
}

TEST(Rules, AHazardReturnsTheBallToItsShotAndCountsTheStroke) {
  const std::vector<uint32_t> two = ReferenceTwo("hazard");
  ProgramRun run("hazard");
  PrepareDevice(run, PreparedRecord(12, {}));
  const RunResult r = run.Play("garden13_hazard");
  ASSERT_EQ(r.status, 0) << r.errors;
  const auto sounds = run.Sounds();
  EXPECT_EQ(SoundsBetween(sounds, 111, 730), 1) << "no hazard sound";
  EXPECT_EQ(SoundsBetween(sounds, 107), 0);
  EXPECT_EQ(SoundsBetween(sounds, 103), 0);
  const auto prefs = run.Prefs();
  EXPECT_EQ(Pref(prefs, kCourseRecord + "Hole number"), "int 12");
  EXPECT_EQ(Pref(prefs, kCourseRecord + "Score12"), "int 1") << "the stroke was not counted";
  EXPECT_EQ(Pref(prefs, kBallRecord + "Ismoving"), "hex 00");
  EXPECT_EQ(PrefDouble(prefs, kBallRecord + "posx"), PrefDouble(prefs, kBallRecord + "shotx"));
  EXPECT_EQ(PrefDouble(prefs, kBallRecord + "posy"), PrefDouble(prefs, kBallRecord + "shoty"));
  // The ball's picture is back where it was before the shot (the water is animated, so only
  // the tee's surroundings are compared).
  const int teeX = int(PrefDouble(prefs, kBallRecord + "shotx"));
  const int teeY = int(PrefDouble(prefs, kBallRecord + "shoty")) + kBar;
  const Screenshot tee = run.Shot("tee"), back = run.Shot("returned");
  EXPECT_EQ(Area(back, teeX - 10, teeY - 10, 21, 21), Area(tee, teeX - 10, teeY - 10, 21, 21))
      << "the ball is not back on the tee it was shot from";
  EXPECT_EQ(StrokeWell(back), two);
}

TEST(Rules, TheSixthStrokeThatDoesNotSinkEndsTheHoleWith7) {
  ProgramRun run("stroke_limit");
  PrepareDevice(run, PreparedRecord(12, {}));
  const RunResult r = run.Play("garden13_limit");
  ASSERT_EQ(r.status, 0) << r.errors;
  // The sixth release is at 210 + 5 x 1590 + 90 ms.
  const uint32_t sixth = 210 + 5 * 1590 + 90;
  const auto sounds = run.Sounds();
  EXPECT_EQ(SoundsBetween(sounds, 107), 1);
  EXPECT_EQ(SoundsBetween(sounds, 107, sixth, sixth + 1500), 1) << "not after the sixth stroke";
  EXPECT_EQ(SoundsBetween(sounds, 111) + SoundsBetween(sounds, 103), 0);
  const auto prefs = run.Prefs();
  EXPECT_EQ(Pref(prefs, kCourseRecord + "Hole number"), "int 13");
  EXPECT_EQ(Pref(prefs, kCourseRecord + "Score12"), "int 6") << "the hole does not score 7";
  EXPECT_NE(HoleWell(run.Shot("next-hole")), HoleWell(run.Shot("before-limit")));
}

TEST(Rules, ASixthStrokeIntoAHazardEndsTheHoleWithout107) {
  ProgramRun run("stroke_limit_hazard");
  PrepareDevice(run, PreparedRecord(12, {}));
  const RunResult r = run.Play("garden13_limit_hazard");
  ASSERT_EQ(r.status, 0) << r.errors;
  const auto sounds = run.Sounds();
  EXPECT_EQ(SoundsBetween(sounds, 111), 1) << "the sixth stroke did not reach the water";
  EXPECT_EQ(SoundsBetween(sounds, 107), 0) << "the stroke limit sounded after a hazard";
  const auto prefs = run.Prefs();
  EXPECT_EQ(Pref(prefs, kCourseRecord + "Hole number"), "int 13");
  EXPECT_EQ(Pref(prefs, kCourseRecord + "Score12"), "int 6");
}

}  // namespace
}  // namespace program::e2e
