// The pieces under the search: aim points the game accepts, and the floor map that tells
// a ball at rest inside the play area from one that got out.
#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "golf/ball.h"
#include "golf/course_source.h"
#include "golf/hole_layout.h"
#include "tools/solve/play_area.h"
#include "tools/solve/shot_plan.h"

namespace {

// A hole of open floor walled all round, with extra wall lines and a tee.
std::vector<uint8_t> Hole(const std::string& extra, const std::string& tee) {
  std::string text = "hole 0\ngrid\n";
  for (int row = 0; row < 9; ++row) text += "01 01 01 01 01 01 01 01 01 01\n";
  text += "tee " + tee + "\ncup 4:9/5\n";
  text += "wall 0:0/7 0:9/9 joinA joinB\nwall 8:0/1 8:9/3 joinA joinB\n";
  text += "wall 0:0/7 8:0/1 joinA joinB\nwall 0:9/9 8:9/3 joinA joinB\n" + extra + "end\n";
  std::vector<golf::HoleRecord> holes;
  std::string error;
  EXPECT_TRUE(golf::ParseCourseSource(text, "test", holes, error)) << error;
  return golf::WriteCourseEntry(holes);
}

TEST(AimPoints, EveryPointIsATapTheGameTakesInADirectionOfItsOwn) {
  for (const auto& [bx, by] : {std::pair{120, 158}, std::pair{25, 74}, std::pair{215, 245}}) {
    const auto aims = solve::AimPoints(bx, by, 193, 158, solve::PlanSettings{});
    std::set<std::pair<int, int>> directions;
    for (const solve::AimPoint& a : aims) {
      EXPECT_TRUE(solve::AimAllowed(a.x, a.y)) << a.x << "," << a.y;
      EXPECT_FALSE(a.x == bx && a.y == by);
      int dx = a.x - bx, dy = a.y - by;
      const int g = std::gcd(std::abs(dx), std::abs(dy));
      EXPECT_TRUE(directions.insert({dx / g, dy / g}).second) << "repeated " << a.x << "," << a.y;
    }
  }
  // From the middle of the field nearly every one of the 720 rays gives a direction of its
  // own (near the axes, neighbouring rays can meet the edge on one pixel).
  EXPECT_GE(solve::AimPoints(120, 158, 193, 158, {}).size(), 650u);
  // The cup itself is the first aim; the score button's corner never is.
  EXPECT_EQ(solve::AimPoints(120, 158, 193, 158, {})[0].x, 193);
  EXPECT_FALSE(solve::AimAllowed(211, 241));
  EXPECT_TRUE(solve::AimAllowed(210, 248));
  EXPECT_FALSE(solve::AimAllowed(221, 150));
}

TEST(HoldTimes, CoverTheRisingHalfOfThePowerWaveEndsIncluded) {
  const auto holds = solve::HoldTimes(20);
  EXPECT_EQ(holds.front(), 50);
  EXPECT_EQ(holds.back(), 1000);
  EXPECT_EQ(holds.size(), 49u);
}

TEST(PlayArea, AWallAcrossTheFieldKeepsTheFarSideOut) {
  const auto entry = Hole("wall 0:5/8 8:5/2\n", "4:1/5");
  golf::HoleLayout layout;
  golf::Ball ball;
  ASSERT_EQ(layout.LoadHoleData(entry, 0, ball), golf::HoleLayout::LoadResult::kLoaded);
  const solve::PlayArea area(layout);
  EXPECT_TRUE(area.TeeOnFloor());
  EXPECT_TRUE(area.Contains(60, 100));
  EXPECT_FALSE(area.Contains(160, 100));
  EXPECT_FALSE(area.CupReachable());
  // A ball pressed into the wall counts on the tee's side; off the grid it never counts.
  EXPECT_TRUE(area.Contains(120, 100));
  EXPECT_FALSE(area.Contains(225, 100));
  // The wall's line is at x 130, drawn a pixel thick either side.
  EXPECT_GE(area.OpenRun(40, 158, 1, 0, 200), 88);
  EXPECT_LE(area.OpenRun(40, 158, 1, 0, 200), 90);
  EXPECT_LT(area.OpenRun(40, 158, -1, 0, 200), 26);  // the outer wall at x 15
}

TEST(PlayArea, AnArcLetsTheBallInFromOutsideButNotOut) {
  // A closed ring round the middle of the field.
  const std::string ring = "arc 4:4/5 2 0 359\n";
  golf::HoleLayout layout;
  golf::Ball ball;
  {
    ASSERT_EQ(layout.LoadHoleData(Hole(ring, "4:0/5"), 0, ball),
              golf::HoleLayout::LoadResult::kLoaded);
    const solve::PlayArea outside(layout);
    EXPECT_TRUE(outside.Contains(109, 158));  // the ring's centre
    EXPECT_TRUE(outside.CupReachable());
    // From inside the ring no way along the floor leads out to the cup.
    EXPECT_LT(outside.CupDistance(109, 158), 0);
    EXPECT_GT(outside.CupDistance(40, 158), 0);
  }
  ASSERT_EQ(layout.LoadHoleData(Hole(ring, "4:4/5"), 0, ball),
            golf::HoleLayout::LoadResult::kLoaded);
  const solve::PlayArea inside(layout);
  EXPECT_TRUE(inside.Contains(120, 158));
  EXPECT_FALSE(inside.Contains(40, 158));
  EXPECT_FALSE(inside.CupReachable());
}

}  // namespace
