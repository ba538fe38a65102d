// The manifest reader: a good line gives an entry; a bad line names its file and line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "content/art/manifest.h"

namespace content {
namespace {

std::filesystem::path Write(const std::string& text) {
  auto file = std::filesystem::temp_directory_path() / "pt_manifest_test.tsv";
  std::ofstream(file) << text;
  return file;
}

TEST(Manifest, ReadsEntriesAndSkipsCommentsAndBlankLines) {
  std::string error;
  const auto m = LoadManifest(Write("# header\n\npt_ball.bmp picture 8 8 sprites\n"
                                    "pt_font01.fmc metrics - - fonts  # metrics\n"),
                              error);
  ASSERT_TRUE(m) << error;
  ASSERT_EQ(m->size(), 2u);
  EXPECT_EQ((*m)[0].name, "pt_ball.bmp");
  EXPECT_EQ((*m)[0].width, 8);
  EXPECT_EQ((*m)[0].line, 3);
  EXPECT_EQ((*m)[1].kind, EntryKind::kMetrics);
  EXPECT_TRUE(InArchive((*m)[1]));
}

TEST(Manifest, BadLinesSayWhereAndWhat) {
  std::string error;
  EXPECT_FALSE(LoadManifest(Write("a.bmp picture 8 8 s\nb.bmp picture 8\n"), error));
  EXPECT_NE(error.find(":2: expected"), std::string::npos) << error;
  EXPECT_FALSE(LoadManifest(Write("a.bmp sprite 8 8 s\n"), error));
  EXPECT_NE(error.find(":1: unknown kind"), std::string::npos) << error;
  EXPECT_FALSE(LoadManifest(Write("a.bmp picture 8 8 s\na.bmp picture 8 8 s\n"), error));
  EXPECT_NE(error.find(":2: 'a.bmp' is listed twice"), std::string::npos) << error;
  EXPECT_FALSE(LoadManifest(Write("a.bmp picture -3 8 s\n"), error));
}

}  // namespace
}  // namespace content
