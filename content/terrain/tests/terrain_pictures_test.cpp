// Checks the terrain pictures against what the game does with them: keyed block pictures are
// magenta exactly outside the course, hazards are opaque, fans and magnets let the ground show
// and stand away from their zone, slopes facing the light are brighter, and every picture fits
// an 8-bit bitmap.
#include <gtest/gtest.h>

#include <string>

#include "content/catalogue/block_catalogue.h"
#include "content/terrain/colour_limit.h"
#include "content/terrain/terrain_entries.h"
#include "golf/block_table.h"

namespace content {
namespace {

std::string FrameName(const BlockPicture& row, int frame) {
  return std::string(row.name) + "_" + char('a' + frame) + ".bmp";
}

Canvas Picture(const std::string& name) {
  std::optional<Canvas> c = PaintTerrainEntry(name);
  EXPECT_TRUE(c.has_value()) << name;
  return c ? *c : Canvas();
}

double Brightness(const Canvas& c) {
  double sum = 0;
  for (Rgb p : c.Pixels()) sum += p.r + p.g + p.b;
  return sum / double(c.Pixels().size());
}

TEST(TerrainPictures, StillBlocksAreMagentaExactlyOutsideTheCourse) {
  for (int id = 0; id < int(golf::kFirstHazardBlock); ++id) {
    const BlockPicture& row = BlockCatalogue(id);
    SCOPED_TRACE(row.name);
    const Canvas c = Picture(std::string(row.name) + ".bmp");
    ASSERT_EQ(c.Width(), kCellPixels);
    ASSERT_EQ(c.Height(), kCellPixels);
    for (int y = 0; y < kCellPixels; ++y) {
      for (int x = 0; x < kCellPixels; ++x) {
        const bool magenta = c.Get(x, y) == kMagenta;
        if (!IsOutside(row, x, y)) {
          EXPECT_FALSE(magenta) << x << "," << y;
        } else if (WallDistance(row, x, y) > 1.0) {
          EXPECT_TRUE(magenta) << x << "," << y;
        }
      }
    }
  }
}

// Light comes from the top left: ground falling towards it faces it.
TEST(TerrainPictures, SlopesFallingTowardsTheLightAreBrighter) {
  EXPECT_GT(Brightness(Picture("block09.bmp")), Brightness(Picture("block09_180.bmp")));
  EXPECT_GT(Brightness(Picture("block09_270.bmp")), Brightness(Picture("block09_090.bmp")));
  // The corner hill with its top at the lower right falls towards the top left.
  EXPECT_GT(Brightness(Picture("block12.bmp")), Brightness(Picture("block12_180.bmp")));
}

TEST(TerrainPictures, AnimatedCellsMoveAndKeyAsTheGameDrawsThem) {
  for (int id = int(golf::kFirstHazardBlock); id < kCatalogueSize; ++id) {
    const BlockPicture& row = BlockCatalogue(id);
    SCOPED_TRACE(row.name);
    for (int f = 0; f < row.frames; ++f) {
      const Canvas frame = Picture(FrameName(row, f));
      const Canvas next = Picture(FrameName(row, (f + 1) % row.frames));
      EXPECT_NE(frame.Pixels(), next.Pixels()) << "frame " << f << " does not move";
      int magenta = 0;
      double massX = 0;
      int mass = 0;
      for (int y = 0; y < kCellPixels; ++y) {
        for (int x = 0; x < kCellPixels; ++x) {
          if (frame.Get(x, y) == kMagenta) {
            ++magenta;
          } else {
            massX += x;
            ++mass;
          }
        }
      }
      if (row.kind == BlockKind::kHazard) {
        EXPECT_EQ(magenta, 0);  // copied opaque
      } else {
        EXPECT_GT(magenta, 0);
        // The body stands on the side away from its zone; wind and field lines are lighter.
        const double centre = massX / mass;
        if (row.facing == Facing::kLeft) {
          EXPECT_GT(centre, 10.0);
        } else {
          EXPECT_LT(centre, 10.0);
        }
      }
    }
    // Past the last frame there is no picture.
    EXPECT_FALSE(PaintTerrainEntry(FrameName(row, row.frames)).has_value());
  }
}

TEST(TerrainPictures, EveryPictureFitsAnEightBitBitmap) {
  for (int course = 0; course < 5; ++course) {
    for (int hole = 0; hole < 18; ++hole) {
      const std::string name = golf::BackgroundTable(course, hole);
      const Canvas c = Picture(name);
      EXPECT_EQ(c.Width(), 210) << name;
      EXPECT_EQ(c.Height(), 189) << name;
      EXPECT_LE(CountColours(c), 256) << name;
    }
  }
  for (int id = 0; id < kCatalogueSize; ++id) {
    const BlockPicture& row = BlockCatalogue(id);
    if (row.frames == 1) {
      EXPECT_LE(CountColours(Picture(std::string(row.name) + ".bmp")), 256);
    }
    for (int f = 0; row.frames > 1 && f < row.frames; ++f) {
      EXPECT_LE(CountColours(Picture(FrameName(row, f))), 256);
    }
  }
}

}  // namespace
}  // namespace content
