// Checks the block catalogue against the engine's block table, and that turned rows really are
// their base turned: walls, outside parts and the slopes the ball feels.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "content/catalogue/block_catalogue.h"
#include "golf/block_table.h"
#include "golf/slope.h"

namespace content {
namespace {

struct Push {
  double x = 0, y = 0;
};

Push PushAt(const BlockPicture& row, int x, int y) {
  return {golf::LookupSlopeFunction(row.xSlope)(x, y, 1),
          golf::LookupSlopeFunction(row.ySlope)(x, y, 0)};
}

TEST(BlockCatalogue, EveryRowMatchesTheEngineBlockTable) {
  for (int id = 0; id < kCatalogueSize; ++id) {
    SCOPED_TRACE(id);
    const BlockPicture& row = BlockCatalogue(id);
    const golf::BlockRow& engine = golf::BlockTable(id);
    EXPECT_EQ(row.id, id);
    EXPECT_STREQ(row.name, engine.name);
    EXPECT_STREQ(row.xSlope, engine.xSlope);
    EXPECT_STREQ(row.ySlope, engine.ySlope);

    const bool sloped = std::string(engine.xSlope) != "NullFunction" ||
                        std::string(engine.ySlope) != "NullFunction";
    EXPECT_EQ(row.kind == BlockKind::kSlope, sloped);
    // Every id the engine sends the ball back from is drawn as something to avoid.
    const bool dangerous = row.kind == BlockKind::kHazard || row.kind == BlockKind::kMagnet ||
                           row.kind == BlockKind::kFan || row.kind == BlockKind::kSpare;
    EXPECT_EQ(dangerous, golf::IsHazardBlock(uint32_t(id)));
    EXPECT_EQ(row.kind == BlockKind::kHazard, row.hazard != HazardKind::kNone);
  }
}

TEST(BlockCatalogue, AnimatedCellsHaveTheFrameCountsTheGamePlays) {
  for (int id = 53; id <= 58; ++id) EXPECT_EQ(BlockCatalogue(id).frames, 3) << id;
  EXPECT_EQ(BlockCatalogue(golf::kMagnetLeft).frames, 16);
  EXPECT_EQ(BlockCatalogue(golf::kMagnetRight).frames, 16);
  EXPECT_EQ(BlockCatalogue(golf::kFanLeft).frames, 8);
  EXPECT_EQ(BlockCatalogue(golf::kFanRight).frames, 8);
  // The left magnet's zone lies to its left, the right fan blows to the right.
  EXPECT_EQ(BlockCatalogue(golf::kMagnetLeft).facing, Facing::kLeft);
  EXPECT_EQ(BlockCatalogue(golf::kFanRight).facing, Facing::kRight);
}

TEST(BlockCatalogue, TurnedRowsAreTheirBaseTurned) {
  for (int id = 0; id < kCatalogueSize; ++id) {
    SCOPED_TRACE(id);
    const BlockPicture& row = BlockCatalogue(id);
    const BlockPicture& base = BlockCatalogue(row.baseId);
    EXPECT_EQ(base.baseId, base.id);
    EXPECT_EQ(base.kind, row.kind);
    const BlockPicture expected = Turned(base, row.turnDegrees);
    EXPECT_EQ(row.wallEdges, expected.wallEdges);
    EXPECT_EQ(row.wall, expected.wall);
    if (row.wall == WallShape::kDiagonal) {
      EXPECT_EQ(row.diagonal, expected.diagonal);
    }
    if (row.wall == WallShape::kArc) {
      EXPECT_EQ(row.arc, expected.arc);
    }
    EXPECT_EQ(row.hasOutside, expected.hasOutside);
    if (row.hasOutside) {
      EXPECT_EQ(row.outsideMark, expected.outsideMark);
    }
    EXPECT_EQ(row.marking, expected.marking);
    EXPECT_EQ(row.hazard, expected.hazard);
    // The name carries the turn: block02_090 is block02 turned by 90 degrees.
    if (row.turnDegrees != 0) {
      char suffix[8];
      std::snprintf(suffix, sizeof suffix, "_%03d", row.turnDegrees);
      EXPECT_EQ(std::string(row.name), std::string(base.name) + suffix);
    }
  }
}

// A turned slope pushes the ball as its base would after the same turn. The engine's cones see
// their tops one pixel off a true turn (at -10 rather than -11, at 0 rather than -1) and round
// directions through whole degrees, so directions must agree only roughly (a few pixels by the top
// may differ), and a one-pixel ring at a cone's rim may be flat in one and not the other.
TEST(BlockCatalogue, TurnedSlopesPushTheTurnedWay) {
  for (int id = 0; id < kCatalogueSize; ++id) {
    const BlockPicture& row = BlockCatalogue(id);
    if (row.kind != BlockKind::kSlope || row.turnDegrees == 0) continue;
    SCOPED_TRACE(row.name);
    const BlockPicture& base = BlockCatalogue(row.baseId);
    int pushing = 0, misdirected = 0, rimOnly = 0;
    for (int y = 0; y < kCellPixels; ++y) {
      for (int x = 0; x < kCellPixels; ++x) {
        Push p = PushAt(base, x, y);
        int px = x, py = y;
        for (int q = 0; q < row.turnDegrees / 90; ++q) {
          p = {-p.y, p.x};
          const int turnedX = kCellPixels - 1 - py;
          py = px;
          px = turnedX;
        }
        const Push t = PushAt(row, px, py);
        const double a = std::hypot(p.x, p.y), b = std::hypot(t.x, t.y);
        if (a == 0 && b == 0) continue;
        ++pushing;
        if (a == 0 || b == 0) {
          ++rimOnly;
        } else if ((p.x * t.x + p.y * t.y) / (a * b) < std::cos(0.5)) {
          ++misdirected;
        }
      }
    }
    ASSERT_GT(pushing, 0);
    EXPECT_LT(misdirected, pushing / 20);
    EXPECT_LT(rimOnly, pushing / 4);
  }
}

// Wherever outside meets floor, the picture's wall runs between them, so the ball cannot reach
// a magenta pixel without meeting the wall the course places there.
TEST(BlockCatalogue, WallsRunAlongTheBorderOfTheOutsidePart) {
  for (int id = 0; id < kCatalogueSize; ++id) {
    const BlockPicture& row = BlockCatalogue(id);
    if (row.wall == WallShape::kNone) continue;
    SCOPED_TRACE(row.name);
    int outside = 0, floor = 0;
    for (int y = 0; y < kCellPixels; ++y) {
      for (int x = 0; x < kCellPixels; ++x) {
        const bool out = IsOutside(row, x, y);
        (out ? outside : floor)++;
        if (x + 1 < kCellPixels && IsOutside(row, x + 1, y) != out) {
          EXPECT_LT(WallDistance(row, x + 0.5, y), 1.0) << x << "," << y;
        }
        if (y + 1 < kCellPixels && IsOutside(row, x, y + 1) != out) {
          EXPECT_LT(WallDistance(row, x, y + 0.5), 1.0) << x << "," << y;
        }
      }
    }
    EXPECT_GT(floor, 0);
    EXPECT_EQ(outside > 0, row.hasOutside);
  }
}

TEST(BlockCatalogue, GridPointsRoundTripThroughCellPixels) {
  for (int rows = -1; rows <= 1; ++rows) {
    for (int columns = -1; columns <= 1; ++columns) {
      for (int keypad = 1; keypad <= 9; ++keypad) {
        const GridPoint g{rows, columns, keypad};
        EXPECT_EQ(ToGrid(ToLocal(g)), g);
      }
    }
  }
  EXPECT_EQ(ToLocal({0, 0, 3}), (LocalPoint{20, 20}));
  EXPECT_EQ(ToLocal({1, -1, 9}), (LocalPoint{-1, 21}));
}

}  // namespace
}  // namespace content
