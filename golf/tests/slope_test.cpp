// Slope increments: planes, ridges, cones, the cup's pull, fan and magnet zones, and the
// field's last pixel line beyond the grid.
#include <gtest/gtest.h>

#include "golf/ball.h"
#include "golf/hole_layout.h"
#include "golf/slope.h"
#include "test_hole.h"

namespace golf {
namespace {

using testing::CourseBytes;
using testing::FlatHole;

TEST(SlopeFunctions, NamesPlanesAndRidges) {
  EXPECT_EQ(LookupSlopeFunction("NullFunction"), NullFunction);
  EXPECT_EQ(LookupSlopeFunction(""), NullFunction);
  EXPECT_EQ(LookupSlopeFunction("rightsideraised"), NullFunction);  // case matters
  EXPECT_EQ(LookupSlopeFunction("RightSideRaised")(3, 4, 0), -8.0);
  EXPECT_EQ(LookupSlopeFunction("LeftSideRaised")(3, 4, 1), 8.0);
  const SlopeFunction ridge = LookupSlopeFunction("RaisedOnCenter");
  EXPECT_EQ(ridge(10, 0, 1), -16.0);
  EXPECT_EQ(ridge(11, 0, 1), 16.0);
  EXPECT_EQ(ridge(0, 11, 0), 16.0);  // axis 0 reads ly
  const SlopeFunction trough = LookupSlopeFunction("LoweredOnCenter");
  EXPECT_EQ(trough(10, 0, 1), 16.0);
  EXPECT_EQ(trough(11, 0, 1), -16.0);
}

TEST(SlopeFunctions, ConesPushAwayFromTheirTop) {
  // At the top and on or beyond the radius: nothing.
  EXPECT_EQ(ConeSlope(0, 0, 31, 1), 0.0);
  EXPECT_EQ(ConeSlope(31, 0, 31, 1), 0.0);
  EXPECT_EQ(ConeSlope(22, 22, 31, 0), 0.0);  // 968 >= 961
  const double mag31 = (31 * 8.0) * 0.047619047619047616;
  // Straight below the top: no x push, +mag in y; straight above: -mag.
  EXPECT_EQ(ConeSlope(0, 5, 31, 1), 0.0);
  EXPECT_EQ(ConeSlope(0, 5, 31, 0), mag31);
  EXPECT_EQ(ConeSlope(0, -5, 31, 0), -mag31);
  EXPECT_EQ(ConeSlope(-3, 0, 21, 1), -8.0);
  // The direction is quantised: at 45 degrees c = 0.7071 truncates to table entry 170,
  // acos(0.70) = 46 degrees, and the push follows the 4-place cosine and sine of 46.
  EXPECT_EQ(ConeSlope(4, 4, 21, 1), 0.6947 * 8.0);
  EXPECT_EQ(ConeSlope(4, 4, 21, 0), 0.7193 * 8.0);
  // Cone3L sees the hill's top at (31, 10): at local (20, 10) it pushes left.
  EXPECT_EQ(LookupSlopeFunction("Cone3L")(20, 10, 1), -mag31);
  EXPECT_EQ(LookupSlopeFunction("Cone3D")(10, 0, 0), mag31);  // top at (10, -10)
  EXPECT_EQ(LookupSlopeFunction("QuarterConeRD")(0, 0, 1), 0.0);
}

TEST(SlopeForce, SumsCellCupAndFields) {
  auto entry =
      CourseBytes(FlatHole(0, "tee 8:0/5\ncup 4:4/5",
                           {"01 01 01 01 01 01 01 01 01 01", "01 01 01 01 01 01 01 01 01 01",
                            "01 01 01 01 01 01 01 01 01 01", "01 01 01 01 01 01 01 01 01 01",
                            "01 01 01 01 13 01 01 01 01 01", "01 FR 01 01 01 01 01 01 FL 01",
                            "01 01 01 01 01 01 01 01 01 09"}));
  HoleLayout layout;
  Ball ball;
  ASSERT_EQ(layout.LoadHoleData(entry, 0, ball), HoleLayout::LoadResult::kLoaded);
  const int cx = layout.CupX(), cy = layout.CupY();  // (109, 158), on a ridge at lx 10
  EXPECT_EQ(layout.SlopeForceX(cx, cy), -16.0);      // no pull at the centre itself
  EXPECT_EQ(layout.SlopeForceY(cx, cy), 0.0);
  // The pull reaches squared distance 48, not 49.
  EXPECT_EQ(layout.SlopeForceX(cx + 4, cy + 5), -32.0 + 16.0);  // 41: -4 * 8 plus ridge +16
  EXPECT_EQ(layout.SlopeForceY(cx + 4, cy + 5), -40.0);
  EXPECT_EQ(layout.SlopeForceY(cx, cy + 7), 0.0);
  EXPECT_EQ(layout.SlopeForceY(cx, cy - 6), 48.0);

  // A right fan at column 1, row 5: no push on the first pixel right of its cell.
  const int y = 64 + 5 * 21 + 3;
  EXPECT_EQ(layout.SlopeForceX(15 + 21 * 1 + 21, y), 0.0);
  EXPECT_EQ(layout.SlopeForceX(15 + 21 * 1 + 22, y), (1.0 - 1.0 / 42) * 8.0);
  EXPECT_EQ(layout.SlopeForceX(15 + 21 * 1 + 21 + 41, y), (1.0 - 41.0 / 42) * 8.0);
  EXPECT_EQ(layout.SlopeForceX(15 + 21 * 1 + 21 + 42, y), 0.0);       // far boundary
  EXPECT_EQ(layout.SlopeForceX(15 + 21 * 1 + 22, 64 + 6 * 21), 0.0);  // next row
  // A left fan at column 8: strongest at the far end of its zone.
  EXPECT_EQ(layout.SlopeForceX(15 + 21 * 8 - 1, y), (-1.0 / 42) * 8.0);
  EXPECT_EQ(layout.SlopeForceX(15 + 21 * 8 - 41, y), (-41.0 / 42) * 8.0);
  EXPECT_EQ(layout.SlopeForceX(15 + 21 * 8 - 42, y), 0.0);

  // The last pixel line beyond the grid is flat ground (row 6 ends in a leaning cell).
  EXPECT_EQ(layout.SlopeForceY(224, 200), -8.0);
  EXPECT_EQ(layout.SlopeForceY(225, 200), 0.0);
  EXPECT_EQ(layout.SlopeForceX(100, 253), 0.0);
}

TEST(SlopeForce, OverlappingZonesAddUp) {
  // A right fan at column 0 and a left fan at column 3 blow over the same two cells.
  auto entry = CourseBytes(FlatHole(0, "tee 8:0/5\ncup 8:9/5", {"FR 01 01 FL 01 01 01 01 01 01"}));
  HoleLayout layout;
  Ball ball;
  ASSERT_EQ(layout.LoadHoleData(entry, 0, ball), HoleLayout::LoadResult::kLoaded);
  const int x = 15 + 21 * 2 + 5;
  const double first = (1.0 - static_cast<double>(x - 36) / 42) * 8.0;
  const double second = (static_cast<double>(x - (21 * 3 + 15)) / 42) * 8.0;
  EXPECT_EQ(layout.SlopeForceX(x, 70), first + second);
}

TEST(SlopeForce, MagnetsPullTowardsTheirCell) {
  // A left magnet at column 5 pulls right over columns 3 and 4; a right magnet at
  // column 0 anchors its zone at column 3 and pulls left over columns 1 and 2.
  auto entry = CourseBytes(FlatHole(0, "tee 8:0/5\ncup 8:9/5", {"MR 01 01 01 01 ML 01 01 01 01"}));
  HoleLayout layout;
  Ball ball;
  ASSERT_EQ(layout.LoadHoleData(entry, 0, ball), HoleLayout::LoadResult::kLoaded);
  EXPECT_GT(layout.SlopeForceX(15 + 21 * 3 + 1, 70), 7.0);
  EXPECT_LT(layout.SlopeForceX(15 + 21 * 4 + 20, 70), 0.5);
  EXPECT_GT(layout.SlopeForceX(15 + 21 * 4 + 20, 70), 0.0);
  EXPECT_LT(layout.SlopeForceX(15 + 21 * 1 + 1, 70), -7.0);
  EXPECT_EQ(layout.SlopeForceX(15 + 21 * 3 + 1, 90), 0.0);
}

}  // namespace
}  // namespace golf
