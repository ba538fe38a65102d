// The course check on input no course author writes: random and oversized holes end in
// reports within a bounded time, and problems point at the right line or byte.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "golf/course_entry.h"
#include "golf/course_source.h"
#include "tools/course/course_check.h"

namespace course {
namespace {

std::vector<Problem> Check(const std::vector<golf::HoleRecord>& holes) {
  return CheckCourse(holes, EntryPlaces(holes), CheckOptions{"byte", false, 0});
}

TEST(CourseCheck, RandomHolesEndInReports) {
  std::mt19937 random(7);
  const auto byte = [&] { return static_cast<uint8_t>(random() & 0xFF); };
  for (int round = 0; round < 200; ++round) {
    golf::HoleRecord hole;
    hole.index = static_cast<uint8_t>(random() % 18);
    for (uint8_t& code : hole.codes) code = random() % 4 == 0 ? byte() : uint8_t(1 + random() % 64);
    hole.teeCell = byte();
    hole.teeKeypad = byte();
    hole.cupCell = byte();
    hole.cupKeypad = byte();
    const int walls = static_cast<int>(random() % 40);
    for (int i = 0; i < walls; ++i) {
      golf::WallRecord r{};
      for (uint8_t& b : r) b = byte();
      r[0] = static_cast<uint8_t>(random() % 3 == 0 ? byte() : random() % 2);
      if (r[0] == golf::kWallListEnd) r[0] = 0;
      hole.walls.push_back(r);
    }
    const std::vector<golf::HoleRecord> holes{hole};
    const std::vector<uint8_t> entry = golf::WriteCourseEntry(holes);
    for (const Problem& p : Check(holes)) {
      EXPECT_GE(p.where, 0);
      EXPECT_LT(p.where, static_cast<int>(entry.size()));
      EXPECT_EQ(p.what.rfind("hole ", 0), 0u) << p.what;
    }
  }
}

TEST(CourseCheck, OversizedHolesAreCheckedInBoundedTime) {
  // The most walls a hole may have for the full check, each as costly as a wall can be: arcs
  // of the largest radius round the grid's middle and long diagonals across it.
  golf::HoleRecord hole;
  hole.codes.fill(1);
  hole.teeCell = 44;
  hole.teeKeypad = 5;
  hole.cupCell = 45;
  hole.cupKeypad = 5;
  for (int i = 0; i < kMostWallsChecked; ++i) {
    if (i % 2 == 0) {
      hole.walls.push_back({1, 44, uint8_t(1 + i % 9), 255, 0, 0, 0x67, 0x01});
    } else {
      hole.walls.push_back({0, 0, 7, 89, 3, 0, 0, 0});
    }
  }
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(Check({hole}).empty());
  hole.walls.push_back(hole.walls.back());
  const std::vector<Problem> tooMany = Check({hole});
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 30.0);
  ASSERT_FALSE(tooMany.empty());
  EXPECT_EQ(tooMany[0].what, "hole 0: 1001 walls; only holes of at most 1000 walls are checked");
}

TEST(CourseCheck, PlacesNameTheLinesAndBytesOfEachPart) {
  const std::string text =
      "# two holes\n"
      "hole 3\ngrid\n" +
      [] {
        std::string rows;
        for (int r = 0; r < 9; ++r) rows += "01 01 01 01 01 01 01 01 01 01\n";
        return rows;
      }() +
      "tee 4:1/5\n\ncup 4:8/5\nwall 0:0/7 0:9/9\narc 4:4/5 1 0 90\nend\n"
      "hole 4\ngrid\n" +
      [] {
        std::string rows;
        for (int r = 0; r < 9; ++r) rows += "-- -- -- -- -- -- -- -- -- --\n";
        return rows;
      }() +
      "tee 4:1/5\ncup 4:8/5\nend\n";
  std::vector<golf::HoleRecord> holes;
  std::vector<golf::HoleSourceLines> lines;
  std::string error;
  ASSERT_TRUE(golf::ParseCourseSource(text, "c.course", holes, error, &lines)) << error;
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].hole, 2);
  EXPECT_EQ(lines[0].gridRows[0], 4);
  EXPECT_EQ(lines[0].gridRows[8], 12);
  EXPECT_EQ(lines[0].tee, 13);
  EXPECT_EQ(lines[0].cup, 15);
  EXPECT_EQ(lines[0].walls, (std::vector<int>{16, 17}));
  EXPECT_EQ(lines[0].end, 18);
  EXPECT_EQ(lines[1].hole, 19);
  EXPECT_TRUE(lines[1].walls.empty());

  const std::vector<uint8_t> entry = golf::WriteCourseEntry(holes);
  const std::vector<golf::HoleSourceLines> bytes = EntryPlaces(holes);
  ASSERT_EQ(bytes.size(), 2u);
  EXPECT_EQ(entry[bytes[0].hole], 3);
  EXPECT_EQ(entry[bytes[1].hole], 4);
  EXPECT_EQ(entry[bytes[0].tee], 41);  // cell 4:1
  EXPECT_EQ(entry[bytes[0].cup], 48);
  EXPECT_EQ(entry[bytes[0].gridRows[4] + 1], 1);
  EXPECT_EQ(entry[bytes[0].walls[1]], 1);  // the arc's kind
  EXPECT_EQ(entry[bytes[0].end], golf::kWallListEnd);
  EXPECT_EQ(entry[bytes[1].end], golf::kWallListEnd);
  EXPECT_EQ(entry[bytes[1].end + 8], golf::kEntryEnd);
}

}  // namespace
}  // namespace course
