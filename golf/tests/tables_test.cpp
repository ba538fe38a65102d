// The grid's keypad points, the angle tables, the Newton square root and the block and
// background tables.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "golf/angle_tables.h"
#include "golf/block_table.h"
#include "golf/grid.h"

namespace golf {
namespace {

TEST(GridToPixel, KeypadPointsOfACell) {
  // Cell 12 is row 1, column 2: corner (57, 85).
  EXPECT_EQ(GridToPixel(Axis::kX, 12, 7), 57);
  EXPECT_EQ(GridToPixel(Axis::kY, 12, 7), 85);
  EXPECT_EQ(GridToPixel(Axis::kX, 12, 5), 67);
  EXPECT_EQ(GridToPixel(Axis::kY, 12, 5), 95);
  EXPECT_EQ(GridToPixel(Axis::kX, 12, 3), 77);
  EXPECT_EQ(GridToPixel(Axis::kY, 12, 3), 105);
  EXPECT_EQ(GridToPixel(Axis::kX, 12, 4), 57);
  EXPECT_EQ(GridToPixel(Axis::kY, 12, 9), 85);
  // Keypad values off the pad give the corner.
  for (int keypad : {0, 10, 255}) {
    EXPECT_EQ(GridToPixel(Axis::kX, 12, keypad), 57);
    EXPECT_EQ(GridToPixel(Axis::kY, 12, keypad), 85);
  }
  // The grid's lowest right point.
  EXPECT_EQ(GridToPixel(Axis::kX, 89, 3), 224);
  EXPECT_EQ(GridToPixel(Axis::kY, 89, 3), 252);
}

TEST(AngleTables, RoundedAsDocumented) {
  const double pi = std::acos(-1.0);
  for (int a = 0; a < 360; ++a) {
    EXPECT_EQ(SinTable()[a], std::round(std::sin(a * pi / 180) * 10000) / 10000) << a;
    EXPECT_EQ(CosTable()[a], std::round(std::cos(a * pi / 180) * 10000) / 10000) << a;
  }
  for (int i = 0; i <= 200; ++i) {
    EXPECT_EQ(AcosTable()[i], std::lround(std::acos(i / 100.0 - 1) * 180 / pi)) << i;
  }
  EXPECT_EQ(SinTable()[1], 0.0175);
  EXPECT_EQ(SinTable()[90], 1.0);
  EXPECT_EQ(CosTable()[90], 0.0);
  EXPECT_EQ(AcosTable()[1], 172);
  EXPECT_EQ(AcosTable()[199], 8);
}

TEST(AngleTables, LookupsFoldAnglesAndClampTheArcCosine) {
  EXPECT_EQ(SinLookup(450), SinTable()[90]);
  EXPECT_EQ(SinLookup(-30), -SinTable()[30]);
  EXPECT_TRUE(std::signbit(SinLookup(0)));
  EXPECT_EQ(CosLookup(-60), CosTable()[60]);
  EXPECT_EQ(AcosLookup(0.0), 90);
  EXPECT_EQ(AcosLookup(1.0), 0);
  EXPECT_EQ(AcosLookup(-1.0), 180);
  EXPECT_EQ(AcosLookup(0.999), 8);  // trunc(199.9) = 199
  EXPECT_EQ(AcosLookup(1.02), 0);   // a hair past 1 from rounding
  EXPECT_EQ(AcosLookup(-1.02), 180);
  EXPECT_EQ(AcosLookup(std::numeric_limits<double>::quiet_NaN()), 180);
}

TEST(NewtonSqrt, StopsWithinTheTolerance) {
  EXPECT_EQ(NewtonSqrt(-4.0, 0.001), -1.0);
  EXPECT_EQ(NewtonSqrt(0.0, 0.001), 0.0);
  const double g = NewtonSqrt(441.0 * 2, 0.001);
  EXPECT_LT(std::fabs(g * g - 882.0), 0.001);
  // A loose tolerance stops early: 4 starts at 2, already exact; 2 stops at 1.5 for 0.3.
  EXPECT_EQ(NewtonSqrt(4.0, 1e-6), 2.0);
  EXPECT_EQ(NewtonSqrt(2.0, 0.3), 1.5);
  // Values that never meet the tolerance still return.
  EXPECT_TRUE(std::isnan(NewtonSqrt(std::numeric_limits<double>::quiet_NaN(), 1e-6)));
  NewtonSqrt(std::numeric_limits<double>::infinity(), 1e-6);
  const double big = NewtonSqrt(1e300, 1e-6);
  EXPECT_NEAR(big, 1e150, 1e140);
}

TEST(BackgroundTable, TheDesertsFourthHoleIsGrass) {
  EXPECT_EQ(BackgroundTable(2, 3), "pt_background_grass_18.bmp");
  EXPECT_EQ(BackgroundTable(2, 4), "pt_background_ground_00.bmp");
  EXPECT_EQ(BackgroundTable(5, 0), "");
}

}  // namespace
}  // namespace golf
