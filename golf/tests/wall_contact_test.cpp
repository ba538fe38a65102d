// Wall contacts: straight faces, capped and joined ends, motion along a wall, the nearest
// of several walls, arcs, balls that already overlap a wall, and a wedged ball.
#include <gtest/gtest.h>

#include <cmath>

#include "golf/ball.h"
#include "golf/hole_layout.h"
#include "golf/shot.h"
#include "test_hole.h"

namespace golf {
namespace {

using testing::CourseBytes;
using testing::FlatHole;

class WallContact : public ::testing::Test {
 protected:
  // A flat hole with the given wall lines; the ball placed and given a velocity.
  void Place(const std::string& walls, double x, double y, double fx, double fy,
             OverlapRule rule = OverlapRule::kMended) {
    const auto entry = CourseBytes(FlatHole(0, "tee 8:0/5\ncup 8:9/5\n" + walls));
    ASSERT_EQ(layout_.LoadHoleData(entry, 0, ball_), HoleLayout::LoadResult::kLoaded);
    layout_.SetOverlapRule(rule);
    ball_.posx = x;
    ball_.posy = y;
    ball_.Strike(fx, fy);
  }
  bool Collide() {
    t_ = kPhysicsStep;
    return layout_.CollideBall(ball_, t_);
  }
  HoleLayout layout_;
  Ball ball_;
  double t_ = 0;
};

// Horizontal wall y = 148 from x = 57 to x = 161 (normal (0, 1)).
constexpr const char* kHorizontal = "wall 4:2/7 4:6/9";

TEST_F(WallContact, StraightOnAHorizontalWallComesBackSlower) {
  // One radius from the line, as far as the wall normal's loose square root allows.
  Place(kHorizontal, 100, 160, 0, -300);
  ASSERT_TRUE(Collide());
  EXPECT_NEAR(ball_.posy, 148 + 3.5, 1e-6);
  EXPECT_EQ(ball_.posx, 100);
  EXPECT_EQ(ball_.fx, 0);
  EXPECT_NEAR(ball_.fy, 300 * 0.98, 1e-4);
  EXPECT_NEAR(t_, 0.05 * (1 - 8.5 / 15), 1e-9);
  // A ball moving away from the wall, or parallel beside it, meets nothing.
  Place(kHorizontal, 100, 160, 0, 300);
  EXPECT_FALSE(Collide());
  Place(kHorizontal, 100, 160, 300, 0);
  EXPECT_FALSE(Collide());
}

TEST_F(WallContact, JoinedEndsPassCappedEndsDeflect) {
  // B joined: the wall reaches x = 109 and has no cap there.
  Place("wall 4:2/7 4:4/7 joinB", 111, 160, 0, -300);
  EXPECT_FALSE(Collide());
  Place("wall 4:2/7 4:4/7 joinB", 107, 160, 0, -300);
  EXPECT_TRUE(Collide());  // the extension itself is wall
  // A capped: a ball passing 2 px left of the end is turned about the line from the end
  // point to its centre.
  Place("wall 4:2/7 4:4/7 joinB", 55, 160, 0, -300);
  ASSERT_TRUE(Collide());
  const double nx = ball_.posx - 57, ny = ball_.posy - 148;
  const double len = std::sqrt(nx * nx + ny * ny);
  EXPECT_NEAR(len, 3.5, 1e-3);
  // The normal component is reversed, the tangential one kept (times 0.98), as far as
  // the loose square root of the contact normal allows.
  EXPECT_NEAR((ball_.fx * nx + ball_.fy * ny) / len, 0.98 * 300 * ny / len, 0.5);
  EXPECT_NEAR((ball_.fx * -ny + ball_.fy * nx) / len, 0.98 * -300 * nx / len, 0.5);
  EXPECT_LT(ball_.fx, 0);
}

TEST_F(WallContact, AlongAWallTheNearerCapWins) {
  // Vertical wall x = 109 from A (y 106) to B (y 127); the ball comes down the wall's line
  // from above A, fast enough to reach both caps in one step. A's cap is nearer: the ball
  // bounces off it instead of running through the wall to B's.
  Place("wall 2:4/8 3:4/8", 109, 90, 0, 800);
  ASSERT_TRUE(Collide());
  EXPECT_NEAR(ball_.posy, 106 - 3.5, 1e-6);
  EXPECT_LT(ball_.fy, 0);
  // From below B the nearer cap is B's.
  Place("wall 2:4/8 3:4/8", 109, 143, 0, -800);
  ASSERT_TRUE(Collide());
  EXPECT_NEAR(ball_.posy, 127 + 3.5, 1e-6);
  EXPECT_GT(ball_.fy, 0);
}

TEST_F(WallContact, TheNearestOfSeveralWallsWins) {
  // The farther wall (y = 127) is listed first; the nearer one (y = 148) is met.
  Place(std::string("wall 3:2/7 3:6/7\n") + kHorizontal, 100, 160, 0, -800);
  ASSERT_TRUE(Collide());
  EXPECT_NEAR(ball_.posy, 151.5, 1e-6);
}

// Arc of radius 42 around (109, 158), spanning 270 through 0 to 90 (its right half).
constexpr const char* kArc = "arc 4:4/5 2 270 90";

TEST_F(WallContact, ArcsReflectWithinTheirSpanOnly) {
  Place(kArc, 139, 158, 300, 0);
  ASSERT_TRUE(Collide());
  EXPECT_NEAR(ball_.posx, 109 + 38.5, 0.02);  // the bisection settles within 1 px^2
  EXPECT_NEAR(ball_.fx, -300 * 0.98, 0.01);
  EXPECT_EQ(ball_.fy, 0);
  Place(kArc, 79, 158, -300, 0);  // towards 180 degrees: the open side
  EXPECT_FALSE(Collide());
  Place(kArc, 109, 128, 0, -300);  // 270 is an end of the span and still counts
  EXPECT_TRUE(Collide());
  // A ball that starts outside the circle never touches the arc.
  Place(kArc, 109 + 45, 158, -800, 0);
  EXPECT_FALSE(Collide());
  // An arc through 0 degrees the other way round, 90 to 270 (the left half).
  Place("arc 4:4/5 2 90 270", 79, 158, -300, 0);
  EXPECT_TRUE(Collide());
  Place("arc 4:4/5 2 90 270", 139, 158, 300, 0);
  EXPECT_FALSE(Collide());
}

// Quarter arcs around the same centre whose spans are not symmetric about 0 degrees, so a
// contact angle mirrored about either axis falls outside them. Angles turn from +x towards
// +y, which is down the screen: 0 to 90 is the lower right quarter, 180 to 270 the upper left.
// A ball 20 px off the centre's row, rolling sideways, meets the circle of radius
// 42 - 3.5 at an oblique 31 degrees from the row: its mirror image about the row, the same
// shot 20 px on the other side, crosses the circle where the arc is open.
TEST_F(WallContact, ObliqueArcContactsBounceOnlyWhereTheSpanIs) {
  struct ArcCase {
    const char* name;
    const char* arc;
    double side;  // +1: the ball rolls right, below the centre; -1: left, above it
  };
  const double reach = std::sqrt(38.5 * 38.5 - 20.0 * 20.0);  // from the centre along the row
  for (const ArcCase& c : {ArcCase{"0 to 90", "arc 4:4/5 2 0 90", 1.0},
                           ArcCase{"180 to 270", "arc 4:4/5 2 180 270", -1.0}}) {
    SCOPED_TRACE(c.name);
    const double startX = 109 + c.side * 25, fx = c.side * 300;
    Place(c.arc, startX, 158 + c.side * 20, fx, 0);
    ASSERT_TRUE(Collide());
    EXPECT_NEAR(ball_.posx, 109 + c.side * reach, 0.02);
    EXPECT_EQ(ball_.posy, 158 + c.side * 20);
    // The velocity is mirrored about the normal at the contact, the line from the arc's
    // centre to the ball's (and loses 2 %).
    const double nx = c.side * reach / 38.5, ny = c.side * 20 / 38.5;
    const double k = -2.0 * (fx * nx);
    EXPECT_NEAR(ball_.fx, 0.98 * (fx + k * nx), 0.3);
    EXPECT_NEAR(ball_.fy, 0.98 * (k * ny), 0.3);
    EXPECT_LT(ball_.fx * nx + ball_.fy * ny, 0) << "heads back into the circle";
    EXPECT_NEAR(std::hypot(ball_.fx, ball_.fy), 0.98 * 300, 0.3);

    // The mirror image about the centre's row, and about its column: open arc, no contact.
    Place(c.arc, startX, 158 - c.side * 20, fx, 0);
    EXPECT_FALSE(Collide());
    EXPECT_EQ(t_, kPhysicsStep);
    Place(c.arc, 109 - c.side * 25, 158 + c.side * 20, -fx, 0);
    EXPECT_FALSE(Collide());
  }
}

TEST_F(WallContact, AFastBallCanSlipIntoAnArcsBand) {
  // At 40 px per step the bisection steps past the contact band and gives up: the ball
  // ends the step inside the arc's band. The next step finds it overlapping the arc and
  // moving outward, so it bounces there instead of leaving through the arc.
  Place(kArc, 109, 158, 800, 0);
  EXPECT_FALSE(Collide());
  ball_.Advance(t_);
  EXPECT_GT(ball_.posx, 109 + 38.5);
  t_ = kPhysicsStep;
  EXPECT_TRUE(layout_.CollideBall(ball_, t_));
  EXPECT_LT(ball_.fx, 0);
}

// A ball half a pixel into a wall's contact band, shot at the wall: with the overlap
// rule mended it bounces back and stays on its side; unmended it passes through.
struct OverlapCase {
  const char* name;
  const char* walls;
  double x, y, fx, fy;
  bool (*onItsSide)(const Ball&);
};

const OverlapCase kOverlaps[] = {
    {"horizontal face", kHorizontal, 100, 148 + 3.0, 0, -300,
     [](const Ball& b) { return b.posy > 148 && b.fy > 0; }},
    {"vertical face", "wall 2:4/8 6:4/2", 109 + 3.0, 150, -300, 0,
     [](const Ball& b) { return b.posx > 109 && b.fx > 0; }},
    {"capped end", kHorizontal, 57 - 2.0, 148 + 2.0, 100, -100,
     [](const Ball& b) { return b.fx < 0 && b.fy > 0; }},
    {"inside an arc", kArc, 109 + 39.0, 158, 300, 0,
     [](const Ball& b) { return b.posx < 109 + 42 && b.fx < 0; }},
};

TEST_F(WallContact, ABallOverlappingAWallBouncesOffIt) {
  for (const OverlapCase& c : kOverlaps) {
    SCOPED_TRACE(c.name);
    Place(c.walls, c.x, c.y, c.fx, c.fy);
    ASSERT_TRUE(ball_.StepForces(layout_));
    RunPhysicsStep(layout_, ball_);
    EXPECT_TRUE(c.onItsSide(ball_)) << ball_.posx << " " << ball_.posy;
    Place(c.walls, c.x, c.y, c.fx, c.fy, OverlapRule::kPassThrough);
    ASSERT_TRUE(ball_.StepForces(layout_));
    RunPhysicsStep(layout_, ball_);
    EXPECT_FALSE(c.onItsSide(ball_)) << ball_.posx << " " << ball_.posy;
  }
}

TEST_F(WallContact, AnOverlappingBallStillLeavesThroughTheArcsOpening) {
  for (OverlapRule rule : {OverlapRule::kMended, OverlapRule::kPassThrough}) {
    Place(kArc, 109 - 39.0, 158, -300, 0, rule);
    EXPECT_FALSE(Collide());
  }
}

TEST_F(WallContact, AWedgedBallEndsItsStep) {
  // Walls 10 px apart hold a ball of radius 5 touching both: every contact is at once
  // and reverses it into the other wall. The step ends after a bounded number.
  ball_.radius = 5.0;
  Place("wall 3:2/7 3:6/7\nwall 3:2/4 3:6/4", 100, 132, 0, -100);
  ASSERT_TRUE(ball_.StepForces(layout_));
  RunPhysicsStep(layout_, ball_);
  EXPECT_NEAR(ball_.posy, 132, 1e-9);
  EXPECT_EQ(ball_.posx, 100);
}

}  // namespace
}  // namespace golf
