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

Bytes Archive(const std::vector<storage::ArchiveSource>& entries) {
  Bytes out;
  EXPECT_TRUE(storage::BuildArchive(entries, storage::EntryPacking::kRaw, out));
  return out;
}

TEST(ArchiveDirectory, NamesAroundTheChunkSize) {
  std::vector<storage::ArchiveSource> entries;
  for (size_t length : {1u, 15u, 16u, 17u, 31u, 32u, 33u, 40u}) {
    entries.push_back(
        {std::string(length, char('a' + length % 26)), Fill(length, uint8_t(length))});
  }
  storage::MemoryFile file(Archive(entries));
  bool complete = false;
  const storage::ArchiveDirectory directory = storage::ReadArchiveDirectory(file, &complete);
  EXPECT_TRUE(complete);
  ASSERT_EQ(directory.size(), entries.size());
  for (const storage::ArchiveSource& e : entries) {
    storage::VirtualFile entry(file, directory, e.name.c_str());
    ASSERT_TRUE(entry.IsOpen()) << e.name.size();
    Bytes got(entry.GetSize());
    EXPECT_EQ(entry.Read(got.data(), uint32_t(got.size())), got.size());
    EXPECT_EQ(got, e.bytes) << "name of " << e.name.size() << " characters";
  }
}

TEST(ArchiveDirectory, EmptyDuplicateAndCase) {
  storage::MemoryFile empty(Bytes{0, 'x', 'y'});
  EXPECT_TRUE(storage::ReadArchiveDirectory(empty).empty());
  storage::VirtualFile none(empty, {}, "x");
  EXPECT_FALSE(none.IsOpen());
  EXPECT_EQ(none.GetSize(), 0u);
  char byte;
  EXPECT_EQ(none.Read(&byte, 1), 0u);

  storage::MemoryFile file(Archive(
      {{"pt_ball.bmp", Fill(4, 1)}, {"PT_ball.bmp", Fill(5, 10)}, {"pt_ball.bmp", Fill(6, 20)}}));
  const storage::ArchiveDirectory directory = storage::ReadArchiveDirectory(file);
  ASSERT_EQ(directory.size(), 2u);
  storage::VirtualFile later(file, directory, "pt_ball.bmp");
  EXPECT_EQ(later.GetSize(), 6u);
  EXPECT_EQ(directory.at("PT_ball.bmp").size, 5u);
  EXPECT_FALSE(storage::VirtualFile(file, directory, "pt_BALL.bmp").IsOpen());
}

TEST(ArchiveDirectory, CutShortDirectoryKeepsWholeRecords) {
  const Bytes full = Archive({{"first", Fill(3, 0)}, {"second_name_is_long", Fill(3, 0)}});
  // Records: "first" 0..13, "second_name_is_long" 14..41, end mark at 42. Cut inside the
  // first record's numbers, the second name, the second record's numbers, before the mark.
  const std::pair<size_t, size_t> cuts[] = {{8, 0}, {24, 1}, {38, 1}, {42, 2}};
  for (auto [cut, records] : cuts) {
    storage::MemoryFile file(Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut)));
    bool complete = true;
    const storage::ArchiveDirectory directory = storage::ReadArchiveDirectory(file, &complete);
    EXPECT_FALSE(complete) << cut;
    EXPECT_EQ(directory.size(), records) << cut;
  }
}

TEST(VirtualFile, ReadsStopAtTheEntryEnd) {
  storage::MemoryFile file(Archive({{"a", Fill(50, 0)}, {"b", Fill(30, 100)}}));
  const storage::ArchiveDirectory directory = storage::ReadArchiveDirectory(file);
  storage::VirtualFile a(file, directory, "a");
  storage::VirtualFile b(file, directory, "b");
  Bytes buffer(100);
  EXPECT_EQ(a.Seek(40, storage::kSeekStart), 40u);
  EXPECT_EQ(a.Read(buffer.data(), 100), 10u);
  EXPECT_EQ(buffer[0], 40);
  EXPECT_EQ(a.Read(buffer.data(), 100), 0u);
  // Two entries read alternately each get their own bytes.
  a.Seek(0, storage::kSeekStart);
  for (int i = 0; i < 5; ++i) {
    uint8_t x, y;
    ASSERT_EQ(a.Read(&x, 1), 1u);
    ASSERT_EQ(b.Read(&y, 1), 1u);
    EXPECT_EQ(x, i);
    EXPECT_EQ(y, 100 + i);
  }
}

TEST(VirtualFile, SeeksStayInsideTheEntry) {
  storage::MemoryFile file(Archive({{"e", Fill(20, 0)}}));
  const storage::ArchiveDirectory directory = storage::ReadArchiveDirectory(file);
  storage::VirtualFile e(file, directory, "e");
  EXPECT_EQ(e.Seek(0, storage::kSeekEnd), 19u);  // counted back from the last byte
  EXPECT_EQ(e.Seek(3, storage::kSeekEnd), 16u);
  EXPECT_EQ(e.Seek(-5, storage::kSeekStart), 0u);
  EXPECT_EQ(e.Seek(20 + 7, storage::kSeekStart), 19u);
  EXPECT_EQ(e.Seek(-4, storage::kSeekCurrent), 15u);
  EXPECT_EQ(e.Seek(100, 9), 15u);  // unknown origin keeps the position
  EXPECT_EQ(e.Seek(INT32_MAX, storage::kSeekCurrent), 19u);
  storage::MemoryFile emptyEntry(Archive({{"z", {}}}));
  storage::VirtualFile z(emptyEntry, storage::ReadArchiveDirectory(emptyEntry), "z");
  EXPECT_TRUE(z.IsOpen());
  EXPECT_EQ(z.Seek(5, storage::kSeekStart), 0u);
  EXPECT_EQ(z.Seek(0, storage::kSeekEnd), 0u);
}

TEST(ArchiveWriter, PacksOnlyWhereSmallerAndNeverLeavesAFalseBlock) {
  const Bytes text(1000, 'g');
  Bytes fake = {0x3A, 0x73, 0x8F, 0x3D, 1, 2, 3, 4, 5, 6};
  Bytes archive;
  std::vector<bool> packed;
  ASSERT_TRUE(storage::BuildArchive({{"text", text}, {"tiny", Fill(5, 0)}, {"fake", fake}},
                                    storage::EntryPacking::kLzrw2WhenSmaller, archive, &packed));
  EXPECT_EQ(packed, (std::vector<bool>{true, false, true}));
  storage::MemoryFile file(archive);
  const storage::ArchiveDirectory directory = storage::ReadArchiveDirectory(file);
  storage::VirtualFile f(file, directory, "fake");
  Bytes block(f.GetSize());
  f.Read(block.data(), uint32_t(block.size()));
  lzrw::Compressor lzrw2(kLzrw2Identifier);
  EXPECT_EQ(lzrw2.Decompress(block.data(), uint32_t(block.size())), fake);
  EXPECT_FALSE(storage::BuildArchive({{"", text}}, storage::EntryPacking::kRaw, archive));
}

}  // namespace
