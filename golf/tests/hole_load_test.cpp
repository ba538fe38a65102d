// Loading holes from course entry bytes: the hole search, cells and fields, tee and cup,
// walls in order with their joins, and entries that are cut short or lack the hole.
#include <gtest/gtest.h>

#include "golf/ball.h"
#include "golf/block_table.h"
#include "golf/hole_layout.h"
#include "storage/file/memory_file.h"
#include "test_hole.h"

namespace golf {
namespace {

using testing::CourseBytes;
using testing::FlatHole;
using Result = HoleLayout::LoadResult;

std::vector<const Wall*> Walls(const HoleLayout& layout) {
  std::vector<const Wall*> walls;
  for (const Wall* w = layout.FirstWall(); w != nullptr; w = w->next) walls.push_back(w);
  return walls;
}

TEST(HoleSearch, FindsFirstAndLastAmongRecordsOfDifferentLengths) {
  std::string source;
  for (int h = 0; h < 18; ++h) {
    std::string walls;
    for (int w = 0; w < h % 4; ++w) walls += "\nwall 0:0/7 0:" + std::to_string(w + 1) + "/7";
    source += FlatHole(h, "tee " + std::to_string(h / 10) + ":" + std::to_string(h % 10) +
                              "/5\ncup 8:9/3" + walls);
  }
  const auto entry = CourseBytes(source);
  HoleLayout layout;
  Ball ball;
  ASSERT_EQ(layout.LoadHoleData(entry, 0, ball), Result::kLoaded);
  EXPECT_EQ(layout.TeeX(), 25);
  EXPECT_TRUE(Walls(layout).empty());  // end record at offset 95
  ASSERT_EQ(layout.LoadHoleData(entry, 17, ball), Result::kLoaded);
  EXPECT_EQ(layout.TeeX(), 15 + 21 * 7 + 10);
  EXPECT_EQ(layout.TeeY(), 64 + 21 + 10);
  EXPECT_EQ(ball.posx, layout.TeeX());
  EXPECT_EQ(ball.posy, layout.TeeY());
  EXPECT_EQ(layout.CupX(), 224);
  EXPECT_EQ(layout.CupY(), 252);
  EXPECT_EQ(Walls(layout).size(), 1u);
}

TEST(HoleSearch, MissingHoleOrTruncatedEntryClearsOnlyTheWalls) {
  auto entry = CourseBytes(
      FlatHole(0, "tee 4:4/5\ncup 1:1/5\nwall 0:0/7 0:9/9", {"-- 01 01 01 01 01 01 01 01 01"}));
  HoleLayout layout;
  Ball ball;
  ASSERT_EQ(layout.LoadHoleData(entry, 0, ball), Result::kLoaded);
  ball.posx = 50;
  EXPECT_EQ(layout.LoadHoleData(entry, 5, ball), Result::kMissing);
  EXPECT_TRUE(Walls(layout).empty());
  EXPECT_EQ(layout.BlockAt(0, 0), kEmptyBlock);  // cells, tee and ball untouched
  EXPECT_EQ(layout.TeeX(), 15 + 84 + 10);
  EXPECT_EQ(ball.posx, 50);

  // Every cut of the entry: never read past it, and a cut record is not loaded.
  for (std::size_t size = 0; size < entry.size(); ++size) {
    std::span<const uint8_t> cut(entry.data(), size);
    const Result r = layout.LoadHoleData(cut, 0, ball);
    EXPECT_EQ(r, size >= 95 + 16 ? Result::kLoaded : Result::kDamaged) << size;
    EXPECT_EQ(layout.LoadHoleData(cut, 3, ball), Result::kDamaged) << size;
  }
  EXPECT_EQ(layout.LoadHoleData(entry, -1, ball), Result::kMissing);
  EXPECT_EQ(layout.LoadHoleData(entry, 255, ball), Result::kMissing);
}

TEST(HoleSearch, LoadsFromAnOpenedCourseEntry) {
  storage::MemoryFile file(CourseBytes(FlatHole(4, "tee 4:4/5\ncup 1:1/5\nwall 0:0/7 0:9/9")));
  HoleLayout layout;
  Ball ball;
  EXPECT_EQ(layout.LoadHole(file, "course001", 4, ball), Result::kLoaded);
  EXPECT_EQ(ball.posx, 15 + 84 + 10);
  EXPECT_EQ(Walls(layout).size(), 1u);
  EXPECT_EQ(layout.LoadHole(file, "course001", 5, ball), Result::kMissing);
}

TEST(HoleCells, CodesBecomeBlocksFieldsAndHazards) {
  auto entry = CourseBytes(
      FlatHole(0, "tee 4:4/5\ncup 1:1/5",
               {"-- ML MR FL FR #64 01 15 #0 #65", "09 14c 12 13 #113 01 01 01 01 01"}));
  HoleLayout layout;
  Ball ball;
  ASSERT_EQ(layout.LoadHoleData(entry, 0, ball), Result::kLoaded);
  const uint32_t expected[10] = {112, 60, 61, 62, 63, 63, 0, 53, 112, 112};
  for (int c = 0; c < 10; ++c) EXPECT_EQ(layout.BlockAt(0, c), expected[c]) << c;
  EXPECT_EQ(layout.BlockAt(1, 0), 29u);
  EXPECT_EQ(layout.BlockAt(1, 1), 48u);
  EXPECT_EQ(layout.BlockAt(1, 4), 112u);       // code 113: no such block
  EXPECT_EQ(layout.BlockAt(9, 0), 112u);       // off the grid
  EXPECT_EQ(layout.ForceFields().size(), 4u);  // code 64 is a fan picture without wind
  // Hazards: empty, fans and magnets, animated cells; flat ground is not one.
  EXPECT_TRUE(layout.IsHazardAt(15, 64));
  EXPECT_TRUE(layout.IsHazardAt(15 + 21 + 20, 84));
  EXPECT_TRUE(layout.IsHazardAt(15 + 21 * 7, 64));
  EXPECT_FALSE(layout.IsHazardAt(15 + 21 * 6, 64));
  EXPECT_FALSE(layout.IsHazardAt(225, 64));  // off the grid: no hazard, no wrong cell
  EXPECT_FALSE(layout.IsHazardAt(15, 253));
}

TEST(HoleWalls, OrderingJoinsCapsAndBoxes) {
  auto entry = CourseBytes(FlatHole(0,
                                    "tee 4:4/5\ncup 1:1/5\n"
                                    "wall 0:9/9 0:0/7 joinA\n"          // horizontal, right to left
                                    "wall 8:0/1 0:0/7 joinB\n"          // vertical, bottom to top
                                    "wall 4:6/8 2:4/8 joinA\n"          // diagonal
                                    "record 07 00 00 00 00 00 00 00\n"  // unknown kind
                                    "arc 4:4/5 3 270 90\n"
                                    "wall 3:3/5 3:3/5 joinA"));  // no length: a post
  HoleLayout layout;
  Ball ball;
  ASSERT_EQ(layout.LoadHoleData(entry, 0, ball), Result::kLoaded);
  const auto walls = Walls(layout);
  ASSERT_EQ(walls.size(), 5u);
  // Swapped to left-to-right with its join flag: B was joined, moved 10 right.
  const Wall& h = *walls[0];
  EXPECT_EQ(h.x1, 15);
  EXPECT_EQ(h.x2, 234);
  EXPECT_EQ(h.capA, 1);
  EXPECT_EQ(h.capB, 0);
  EXPECT_EQ(h.extB, 10.0);
  EXPECT_EQ(h.normalX, 0.0);
  EXPECT_NEAR(h.normalY, 1.0, 1e-6);  // (yA - yB, xB - xA) / length
  EXPECT_EQ(h.boxMinX, 11.5);
  EXPECT_EQ(h.boxMaxX, 237.5);
  EXPECT_EQ(h.boxMinY, 60.5);
  // Swapped to top-to-bottom: A (the joined top end) moves 10 up.
  const Wall& v = *walls[1];
  EXPECT_EQ(v.y1, 54);
  EXPECT_EQ(v.y2, 252);
  EXPECT_EQ(v.capA, 0);
  EXPECT_EQ(v.extA, 10.0);
  EXPECT_NEAR(v.normalX, -1.0, 1e-6);
  // A joined diagonal end keeps its place and only loses its cap.
  const Wall& d = *walls[2];
  EXPECT_EQ(d.x1, 15 + 6 * 21 + 10);
  EXPECT_EQ(d.y1, 64 + 4 * 21);
  EXPECT_EQ(d.capA, 0);
  EXPECT_EQ(d.extA, 0.0);
  // The arc after the skipped record.
  const Wall& a = *walls[3];
  EXPECT_EQ(a.kind, WallKind::kArcWall);
  EXPECT_EQ(a.x2, 63);
  EXPECT_EQ(a.extA, 270.0);
  EXPECT_EQ(a.extB, 90.0);
  EXPECT_EQ(a.boxMinX, 15 + 84 + 10 - 66.5);
  // The picture draws the horizontal and vertical walls as they were before joining.
  int x1, y1, x2, y2;
  ASSERT_TRUE(WallPictureLine(h, x1, y1, x2, y2));
  EXPECT_EQ(x1, 15);
  EXPECT_EQ(x2, 224);
  ASSERT_TRUE(WallPictureLine(v, x1, y1, x2, y2));
  EXPECT_EQ(y1, 64);
  EXPECT_EQ(y2, 252);
  EXPECT_FALSE(WallPictureLine(d, x1, y1, x2, y2));
  EXPECT_FALSE(WallPictureLine(a, x1, y1, x2, y2));
  // The post has no normal and does not move.
  const Wall& p = *walls[4];
  EXPECT_EQ(p.y1, p.y2);
  EXPECT_EQ(p.normalX, 0.0);
  EXPECT_EQ(p.normalY, 0.0);
}

}  // namespace
}  // namespace golf
