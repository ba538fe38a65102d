// VFileResource: whole entries, LZRW2 blocks expanded, and the fatal missing entry.
#include <gtest/gtest.h>

#include "frame/tests/fatal_capture.h"

#include "storage/archive/archive_writer.h"
#include "storage/archive/virtual_file.h"
#include "storage/file/memory_file.h"
#include "storage/lzrw/compressor.h"
#include "storage/lzrw/lzrw.h"
#include "storage/resource/vfile_resource.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Archive {
  explicit Archive(const std::vector<storage::ArchiveSource>& entries) : file(Build(entries)) {
    directory = storage::ReadArchiveDirectory(file);
  }
  static Bytes Build(const std::vector<storage::ArchiveSource>& entries) {
    Bytes bytes;
    EXPECT_TRUE(storage::BuildArchive(entries, storage::EntryPacking::kVerbatim, bytes));
    return bytes;
  }
  Bytes Load(const char* name) {
    storage::VirtualFile entry(file, directory, name);
    storage::VFileResource resource(entry, name);
    return Bytes(resource.Data(), resource.Data() + resource.Size());
  }
  storage::MemoryFile file;
  storage::ArchiveDirectory directory;
};

TEST(VFileResource, RawAndCompressedEntries) {
  const Bytes picture(5000, 0x42);
  lzrw::Compressor lzrw2(kLzrw2Identifier);
  const Bytes block = lzrw2.Compress(picture.data(), uint32_t(picture.size()));
  const Bytes tagOnly = {0x3A, 0x73, 0x8F, 0x3D, 0x10, 0, 0, 0};  // exactly 8: not expanded
  Archive archive({{"raw", {1, 2, 3}}, {"packed", block}, {"eight", tagOnly}, {"empty", {}}});
  EXPECT_EQ(archive.Load("raw"), (Bytes{1, 2, 3}));
  EXPECT_EQ(archive.Load("packed"), picture);
  EXPECT_EQ(archive.Load("eight"), tagOnly);
  EXPECT_TRUE(archive.Load("empty").empty());
}

TEST(VFileResource, DamagedEntries) {
  // A block whose length field no stream of its size can fill gives no data.
  const Bytes lying = {0x3A, 0x73, 0x8F, 0x3D, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0, 0xFF};
  Bytes archiveBytes = Archive::Build({{"lying", lying}, {"short", Bytes(100, 9)}});
  // Cut the last entry short: the resource holds what the file has.
  archiveBytes.resize(archiveBytes.size() - 40);
  storage::MemoryFile file(archiveBytes);
  const storage::ArchiveDirectory directory = storage::ReadArchiveDirectory(file);
  storage::VirtualFile lyingEntry(file, directory, "lying");
  EXPECT_EQ(storage::VFileResource(lyingEntry, "lying").Size(), 0u);
  storage::VirtualFile shortEntry(file, directory, "short");
  EXPECT_EQ(storage::VFileResource(shortEntry, "short").Size(), 60u);
}

TEST(VFileResourceDeathTest, MissingEntryIsFatal) {
  Archive archive({{"pt_ball.bmp", {1}}});
  fatal_capture::Install();
  EXPECT_EXIT(archive.Load("pt_hole.bmp"), testing::ExitedWithCode(255),
              "\\[Fatal error\\] VFileResource: Couldn't load file resource: pt_hole\\.bmp");
}

}  // namespace
