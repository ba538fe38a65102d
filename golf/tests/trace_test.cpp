// Recorded shots: every shot of data/shots.txt replays to exactly its recorded trace, and
// only the shots that start with the ball overlapping a wall depend on the overlap rule.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "golf/course_entry.h"
#include "golf/course_source.h"
#include "golf/shot_trace.h"
#include "test_hole.h"

namespace golf {
namespace {

std::string DataDir() {
  return testing::SourceRoot() + "/golf/tests/data/";
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct RecordedShot {
  std::string name;
  ShotRequest request;
};

std::vector<RecordedShot> ReadShots() {
  std::vector<RecordedShot> shots;
  std::istringstream lines(ReadText(DataDir() + "shots.txt"));
  std::string line;
  while (std::getline(lines, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    RecordedShot shot;
    std::string mode;
    words >> shot.name >> mode >> shot.request.hole;
    if (mode == "aim") {
      shot.request.aimed = true;
      words >> shot.request.aimX >> shot.request.aimY >> shot.request.holdMs;
    } else {
      words >> shot.request.fx >> shot.request.fy;
    }
    EXPECT_FALSE(words.fail()) << line;
    std::string option;
    if (words >> option && option == "--from") {
      shot.request.fromPoint = true;
      words >> shot.request.fromX >> shot.request.fromY;
      EXPECT_FALSE(words.fail()) << line;
    }
    shots.push_back(shot);
  }
  return shots;
}

std::vector<uint8_t> TestCourse() {
  std::vector<HoleRecord> holes;
  std::string error;
  EXPECT_TRUE(ParseCourseSource(ReadText(DataDir() + "test_holes.course"), "test_holes.course",
                                holes, error))
      << error;
  return WriteCourseEntry(holes);
}

TEST(RecordedShots, ReplayBitForBit) {
  const auto entry = TestCourse();
  const auto shots = ReadShots();
  ASSERT_GE(shots.size(), 30u);
  for (const RecordedShot& shot : shots) {
    std::string trace;
    ASSERT_EQ(TraceRequestedShot(entry, shot.request, trace), ShotOutcome::kPlayed) << shot.name;
    const std::string recorded = ReadText(DataDir() + "traces/" + shot.name + ".trace");
    EXPECT_EQ(trace, recorded) << shot.name;
  }
}

TEST(RecordedShots, OnlyOverlappingStartsDependOnTheOverlapRule) {
  const auto entry = TestCourse();
  for (const RecordedShot& shot : ReadShots()) {
    std::string mended, unmended;
    ShotRequest request = shot.request;
    TraceRequestedShot(entry, request, mended);
    request.rule = OverlapRule::kPassThrough;
    TraceRequestedShot(entry, request, unmended);
    const bool overlap = shot.name.rfind("overlap_", 0) == 0;
    EXPECT_EQ(mended != unmended, overlap) << shot.name;
  }
}

}  // namespace
}  // namespace golf
