// The course source format: sources and entries round-trip exactly, every byte value
// has a spelling, and errors name the file, the line and what is wrong.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "golf/course_entry.h"
#include "golf/course_source.h"
#include "test_hole.h"

namespace golf {
namespace {

using testing::FlatHole;

std::vector<uint8_t> Compile(const std::string& text) {
  std::vector<HoleRecord> holes;
  std::string error;
  EXPECT_TRUE(ParseCourseSource(text, "c.course", holes, error)) << error;
  return WriteCourseEntry(holes);
}

std::string ErrorOf(const std::string& text) {
  std::vector<HoleRecord> holes;
  std::string error;
  EXPECT_FALSE(ParseCourseSource(text, "c.course", holes, error));
  return error;
}

TEST(CourseSource, CompilesToTheDocumentedBytes) {
  const auto bytes = Compile(FlatHole(3,
                                      "tee 7:1/5\ncup 1:8/9\n"
                                      "wall 0:0/7 0:9/9 joinB\n"
                                      "arc 4:4/5 2 300 60\n"
                                      "record 05 01 02 03 04 05 06 07",
                                      {"-- ML MR FL FR #64 09/90 14r/180 block13_090 fan_left"}));
  ASSERT_EQ(bytes.size(), 95u + 4 * 8 + 1);
  EXPECT_EQ(bytes[0], 3);
  const uint8_t row0[10] = {112, 60, 61, 62, 63, 64, 31, 52, 44, 62};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(bytes[1 + i], row0[i]) << i;
  EXPECT_EQ(bytes[11], 1);  // block01 is code 1
  EXPECT_EQ(bytes[91], 71);
  EXPECT_EQ(bytes[92], 5);
  EXPECT_EQ(bytes[93], 18);
  EXPECT_EQ(bytes[94], 9);
  const uint8_t walls[24] = {0, 0,  7, 9, 9,  0, 0,  1,  //
                             1, 44, 5, 2, 44, 1, 60, 0,  //
                             5, 1,  2, 3, 4,  5, 6,  7};
  for (int i = 0; i < 24; ++i) EXPECT_EQ(bytes[95 + i], walls[i]) << i;
  EXPECT_EQ(bytes[119], 2);
  EXPECT_EQ(bytes.back(), 0xFF);
}

TEST(CourseSource, EntriesRoundTripThroughTheSource) {
  // Every block code, odd wall records, padded end records and out-of-grid cells.
  std::vector<HoleRecord> holes(3);
  for (int h = 0; h < 3; ++h) {
    HoleRecord& hole = holes[h];
    hole.index = static_cast<uint8_t>(h == 2 ? 200 : h);
    for (int i = 0; i < 90; ++i) hole.codes[i] = static_cast<uint8_t>(h * 90 + i);
    hole.teeCell = 255;
    hole.teeKeypad = 0;
    hole.cupCell = 89;
    hole.cupKeypad = 3;
  }
  holes[0].walls = {{0, 1, 2, 3, 4, 0, 1, 0},
                    {0, 1, 2, 3, 4, 9, 0, 0},
                    {0, 1, 2, 3, 4, 0, 2, 0},
                    {1, 255, 255, 255, 255, 255, 255, 255},
                    {200, 0, 0, 0, 0, 0, 0, 0}};
  holes[1].end = {2, 1, 2, 3, 4, 5, 6, 0xFF};
  const auto bytes = WriteCourseEntry(holes);
  const std::string source = WriteCourseSource(holes);
  EXPECT_EQ(Compile(source), bytes);
  // And a source round-trips to itself.
  std::vector<HoleRecord> again;
  std::string error;
  ASSERT_TRUE(ReadCourseEntry(bytes, again, error)) << error;
  EXPECT_EQ(WriteCourseSource(again), source);
}

TEST(CourseSource, CourseFilesRoundTripThroughCompileAndDecompile) {
  const std::filesystem::path source = testing::SourceRoot();
  std::vector<std::filesystem::path> files = {source / "golf/tests/data/test_holes.course"};
  for (const auto& item : std::filesystem::directory_iterator(source / "content/courses")) {
    if (item.path().extension() == ".course") files.push_back(item.path());
  }
  for (const auto& file : files) {
    SCOPED_TRACE(file.string());
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    const auto bytes = Compile(text.str());
    std::vector<HoleRecord> holes;
    std::string error;
    ASSERT_TRUE(ReadCourseEntry(bytes, holes, error)) << error;
    EXPECT_EQ(Compile(WriteCourseSource(holes)), bytes);
  }
  EXPECT_GE(files.size(), 2u);
}

TEST(CourseSource, EveryCodeHasOneToken) {
  for (int code = 0; code < 256; ++code) {
    uint8_t back = 0;
    const std::string token = BlockToken(static_cast<uint8_t>(code));
    ASSERT_TRUE(BlockCodeOfToken(token, back)) << token;
    EXPECT_EQ(back, code) << token;
  }
  uint8_t code = 0;
  EXPECT_TRUE(BlockCodeOfToken("magn_right", code));
  EXPECT_EQ(code, 61);
  EXPECT_FALSE(BlockCodeOfToken("notused", code));
  EXPECT_FALSE(BlockCodeOfToken("18", code));
  EXPECT_FALSE(BlockCodeOfToken("#256", code));
}

TEST(CourseSource, ErrorsNameFileLineAndProblem) {
  const std::string good = FlatHole(0, "tee 7:1/5\ncup 1:8/5");
  EXPECT_EQ(ErrorOf("# comment\nhole 18x\n"), "c.course:2: expected 'hole N' with N from 0 to 254");
  std::string bad = good;
  bad.replace(bad.find("01"), 2, "99");
  EXPECT_EQ(ErrorOf(bad), "c.course:3: unknown block '99'");
  EXPECT_EQ(ErrorOf("hole 0\ngrid\n01 01\n"), "c.course:3: a grid row needs 10 block tokens");
  bad = good;
  bad.replace(bad.find("tee 7:1/5"), 9, "tee 7:10/5");
  EXPECT_EQ(ErrorOf(bad), "c.course:12: expected 'tee ROW:COLUMN/KEYPAD'");
  bad = good;
  bad.replace(bad.find("end"), 3, "wall 0:0/7 0:1/7 joinC\nend");
  EXPECT_EQ(ErrorOf(bad), "c.course:14: unexpected 'joinC' (joinA or joinB, once each)");
  bad = good;
  bad.replace(bad.find("end"), 3, "record 02 00 00 00 00 00 00 00");
  EXPECT_EQ(ErrorOf(bad), "c.course:14: a record of kind 2 is written 'end'");
  EXPECT_EQ(ErrorOf(good.substr(0, good.find("end"))), "c.course:13: the hole has no 'end' line");
}

}  // namespace
}  // namespace golf
