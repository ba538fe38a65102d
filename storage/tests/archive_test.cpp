// The data archive: directory reading (name lengths around the 16-byte chunks, duplicates,
// case, cut-short directories) and VirtualFile's reads and seeks.
#include <gtest/gtest.h>

#include "storage/archive/archive_directory.h"
#include "storage/archive/archive_writer.h"
#include "storage/archive/virtual_file.h"
#include "storage/file/memory_file.h"
#include "storage/lzrw/compressor.h"
#include "storage/lzrw/lzrw.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Fill(size_t n, uint8_t first) {
  Bytes b(n);
  for (size_t i = 0; i < n; ++i) b[i] = uint8_t(first + i);
  return b;
}

Bytes Archive(const std::vector<ArchiveSource>& entries) {
  Bytes out;
  EXPECT_TRUE(BuildArchive(entries, EntryPacking::kRaw, &out));
  return out;
}

TEST(ArchiveDirectory, NamesAroundTheChunkSize) {
  std::vector<ArchiveSource> entries;
  for (size_t length : {1u, 15u, 16u, 17u, 31u, 32u, 33u, 40u}) {
    entries.push_back(
        {std::string(length, char('a' + length % 26)), Fill(length, uint8_t(length))});
  }
  MemoryFile file(Archive(entries));
  bool complete = false;
  const ArchiveDirectory directory = ReadArchiveDirectory(file, &complete);
  EXPECT_TRUE(complete);
  ASSERT_EQ(directory.size(), entries.size());
  for (const ArchiveSource& e : entries) {
    VirtualFile entry(file, directory, e.name.c_str());
    ASSERT_TRUE(entry.IsOpen()) << e.name.size();
    Bytes got(entry.GetSize());
    EXPECT_EQ(entry.Read(got.data(), uint32_t(got.size())), got.size());
    EXPECT_EQ(got, e.bytes) << "name of " << e.name.size() << " characters";
  }
}

TEST(ArchiveDirectory, EmptyDuplicateAndCase) {
  MemoryFile empty(Bytes{0, 'x', 'y'});
  EXPECT_TRUE(ReadArchiveDirectory(empty).empty());
  VirtualFile none(empty, {}, "x");
  EXPECT_FALSE(none.IsOpen());
  EXPECT_EQ(none.GetSize(), 0u);
  char byte;
  EXPECT_EQ(none.Read(&byte, 1), 0u);

  MemoryFile file(Archive(
      {{"pt_ball.bmp", Fill(4, 1)}, {"PT_ball.bmp", Fill(5, 10)}, {"pt_ball.bmp", Fill(6, 20)}}));
  const ArchiveDirectory directory = ReadArchiveDirectory(file);
  ASSERT_EQ(directory.size(), 2u);
  VirtualFile later(file, directory, "pt_ball.bmp");
  EXPECT_EQ(later.GetSize(), 6u);
  EXPECT_EQ(directory.at("PT_ball.bmp").size, 5u);
  EXPECT_FALSE(VirtualFile(file, directory, "pt_BALL.bmp").IsOpen());
}

TEST(ArchiveDirectory, CutShortDirectoryKeepsWholeRecords) {
  const Bytes full = Archive({{"first", Fill(3, 0)}, {"second_name_is_long", Fill(3, 0)}});
  // Records: "first" 0..13, "second_name_is_long" 14..41, end mark at 42. Cut inside the
  // first record's numbers, the second name, the second record's numbers, before the mark.
  const std::pair<size_t, size_t> cuts[] = {{8, 0}, {24, 1}, {38, 1}, {42, 2}};
  for (auto [cut, records] : cuts) {
    MemoryFile file(Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut)));
    bool complete = true;
    const ArchiveDirectory directory = ReadArchiveDirectory(file, &complete);
    EXPECT_FALSE(complete) << cut;
    EXPECT_EQ(directory.size(), records) << cut;
  }
}

TEST(VirtualFile, ReadsStopAtTheEntryEnd) {
  MemoryFile file(Archive({{"a", Fill(50, 0)}, {"b", Fill(30, 100)}}));
  const ArchiveDirectory directory = ReadArchiveDirectory(file);
  VirtualFile a(file, directory, "a");
  VirtualFile b(file, directory, "b");
  Bytes buffer(100);
  EXPECT_EQ(a.Seek(40, kSeekStart), 40u);
  EXPECT_EQ(a.Read(buffer.data(), 100), 10u);
  EXPECT_EQ(buffer[0], 40);
  EXPECT_EQ(a.Read(buffer.data(), 100), 0u);
  // Two entries read alternately each get their own bytes.
  a.Seek(0, kSeekStart);
  for (int i = 0; i < 5; ++i) {
    uint8_t x, y;
    ASSERT_EQ(a.Read(&x, 1), 1u);
    ASSERT_EQ(b.Read(&y, 1), 1u);
    EXPECT_EQ(x, i);
    EXPECT_EQ(y, 100 + i);
  }
}

TEST(VirtualFile, SeeksStayInsideTheEntry) {
  MemoryFile file(Archive({{"e", Fill(20, 0)}}));
  const ArchiveDirectory directory = ReadArchiveDirectory(file);
  VirtualFile e(file, directory, "e");
  EXPECT_EQ(e.Seek(0, kSeekEnd), 19u);  // counted back from the last byte
  EXPECT_EQ(e.Seek(3, kSeekEnd), 16u);
  EXPECT_EQ(e.Seek(-5, kSeekStart), 0u);
  EXPECT_EQ(e.Seek(20 + 7, kSeekStart), 19u);
  EXPECT_EQ(e.Seek(-4, kSeekCurrent), 15u);
  EXPECT_EQ(e.Seek(100, 9), 15u);  // unknown origin keeps the position
  EXPECT_EQ(e.Seek(INT32_MAX, kSeekCurrent), 19u);
  MemoryFile empty_entry(Archive({{"z", {}}}));
  VirtualFile z(empty_entry, ReadArchiveDirectory(empty_entry), "z");
  EXPECT_TRUE(z.IsOpen());
  EXPECT_EQ(z.Seek(5, kSeekStart), 0u);
  EXPECT_EQ(z.Seek(0, kSeekEnd), 0u);
}

TEST(ArchiveWriter, PacksOnlyWhereSmallerAndNeverLeavesAFalseBlock) {
  const Bytes text(1000, 'g');
  Bytes fake = {0x3A, 0x73, 0x8F, 0x3D, 1, 2, 3, 4, 5, 6};
  Bytes archive;
  std::vector<bool> packed;
  ASSERT_TRUE(BuildArchive({{"text", text}, {"tiny", Fill(5, 0)}, {"fake", fake}},
                           EntryPacking::kLzrw2WhenSmaller, &archive, &packed));
  EXPECT_EQ(packed, (std::vector<bool>{true, false, true}));
  MemoryFile file(archive);
  const ArchiveDirectory directory = ReadArchiveDirectory(file);
  VirtualFile f(file, directory, "fake");
  Bytes block(f.GetSize());
  f.Read(block.data(), uint32_t(block.size()));
  Compressor lzrw2(kLzrw2Identifier);
  EXPECT_EQ(lzrw2.Decompress(block.data(), uint32_t(block.size())), fake);
  EXPECT_FALSE(BuildArchive({{"", text}}, EntryPacking::kRaw, &archive));
}

}  // namespace
