// DiskFile and DataFile over real files of the device's storage folder.
#include <gtest/gtest.h>

#include "storage/archive/archive_writer.h"
#include "storage/archive/data_file.h"
#include "storage/archive/virtual_file.h"
#include "storage/tests/device_folder.h"

namespace {

using Bytes = std::vector<uint8_t>;

TEST(DiskFile, MissingFileIsClosedAndReadsNothing) {
  test_device::Folder();
  storage::DiskFile file(L"\\no such file.dat", OPEN_EXISTING, GENERIC_READ, FILE_SHARE_READ);
  EXPECT_FALSE(file.IsOpen());
  char buffer[4];
  EXPECT_EQ(file.Read(buffer, 4), 0u);
  EXPECT_EQ(file.GetSize(), 0xFFFFFFFFu);  // the system's failure value
}

TEST(DiskFile, ReadsSeeksBackAndStopsAtTheEnd) {
  test_device::WriteFile("ten.bin", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  storage::DiskFile file(L"\\ten.bin", OPEN_EXISTING, GENERIC_READ, FILE_SHARE_READ);
  ASSERT_TRUE(file.IsOpen());
  EXPECT_EQ(file.GetSize(), 10u);
  uint8_t buffer[16];
  EXPECT_EQ(file.Read(buffer, 6), 6u);
  EXPECT_EQ(file.Seek(-4, storage::kSeekCurrent), 2u);
  EXPECT_EQ(file.Read(buffer, 16), 8u);
  EXPECT_EQ(buffer[0], 2);
  EXPECT_EQ(file.Read(buffer, 16), 0u);
}

TEST(DataFile, ReadsItsDirectoryAndServesEntries) {
  Bytes archive;
  ASSERT_TRUE(
      storage::BuildArchive({{"exactly_16_chars", {1, 2, 3}}, {"pt_ball.bmp", Bytes(40, 7)}},
                            storage::EntryPacking::kRaw, archive));
  test_device::WriteFile("data.dat", archive);
  storage::DataFile data(L"\\data.dat");
  ASSERT_TRUE(data.IsOpen());
  EXPECT_EQ(data.Directory().size(), 2u);
  storage::VirtualFile entry(data, data.Directory(), "exactly_16_chars");
  uint8_t bytes[8];
  EXPECT_EQ(entry.Read(bytes, 8), 3u);
  EXPECT_EQ(bytes[2], 3);
  storage::DataFile missing(L"\\missing.dat");
  EXPECT_FALSE(missing.IsOpen());
  EXPECT_TRUE(missing.Directory().empty());
}

}  // namespace
