// Bitmap: depths of 1, 4, 8 and 24 bits, raw and compressed entries, colour tables of 2^bpp
// entries, and every fatal message.
#include <gtest/gtest.h>

#include "frame/tests/fatal_capture.h"

#include <cstring>

#include "frame/bitmap/bitmap.h"
#include "storage/archive/archive_writer.h"
#include "storage/archive/virtual_file.h"
#include "storage/file/memory_file.h"
#include "storage/resource/vfile_resource.h"

namespace {

using Bytes = std::vector<uint8_t>;

void Put32(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}

// A bottom-up bitmap file: headers, `colours` palette entries, then rows of a pattern.
Bytes MakeBmp(int32_t width, int32_t height, uint16_t bpp, uint32_t colours) {
  const uint32_t stride = uint32_t((width * bpp + 31) / 32 * 4);
  Bytes b(54 + 4 * colours, 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 10, uint32_t(b.size()));
  Put32(b, 14, 40);
  Put32(b, 18, uint32_t(width));
  Put32(b, 22, uint32_t(height));
  b[26] = 1;
  b[28] = uint8_t(bpp);
  Put32(b, 46, colours);  // colours used: ignored by the loader
  for (uint32_t i = 0; i < colours; ++i) Put32(b, 54 + 4 * i, i * 0x010101u);
  for (uint32_t i = 0; i < stride * uint32_t(height); ++i) b.push_back(uint8_t(i * 7 + 1));
  return b;
}

TEST(Bitmap, EveryDepthGetsItsFullColourTable) {
  for (uint16_t bpp : {1, 4, 8, 24}) {
    const uint32_t colours = bpp <= 8 ? 1u << bpp : 0;
    const Bytes file = MakeBmp(13, 5, bpp, colours);
    frame::Bitmap bitmap("pt_test.bmp", file.data(), uint32_t(file.size()));
    ASSERT_NE(bitmap.Handle(), nullptr) << bpp;
    EXPECT_EQ(bitmap.Width(), 13);
    EXPECT_EQ(bitmap.Height(), 5);
    EXPECT_EQ(bitmap.RowStride(), uint32_t((13 * bpp + 31) / 32 * 4));
    EXPECT_EQ(bitmap.ImageSize(), bitmap.RowStride() * 5);
    EXPECT_EQ(std::memcmp(bitmap.Bits(), file.data() + 54 + sizeof(RGBQUAD) * colours,
                          bitmap.ImageSize()),
              0);
    if (bpp <= 8) {
      ASSERT_NE(bitmap.ColourTable(), nullptr);
      EXPECT_EQ(bitmap.ColourTable()[colours - 1].rgbBlue, uint8_t((colours - 1) & 0xFF));
    } else {
      EXPECT_EQ(bitmap.ColourTable(), nullptr);
    }
  }
}

TEST(Bitmap, FewerStoredColoursTakeTheFollowingBytesAsColours) {
  // Four colours stored, colours-used says 4, but a 4-bit picture always takes 16 entries:
  // the first rows' bytes become the other twelve, and the bits come from the offset.
  Bytes file = MakeBmp(64, 4, 4, 4);
  frame::Bitmap bitmap("pt_short_palette.bmp", file.data(), uint32_t(file.size()));
  EXPECT_EQ(std::memcmp(&bitmap.ColourTable()[4], file.data() + 54 + 16, 4), 0);
}

TEST(Bitmap, ColourTableFollowsFortyHeaderBytesWhateverSizeTheHeaderNames) {
  // A header claiming 108 bytes: the loader still takes the colours from offset 54, and the
  // system is told the table follows 40 bytes of header.
  Bytes file = MakeBmp(8, 2, 8, 256);
  Put32(file, 14, 108);
  frame::Bitmap bitmap("pt_v4.bmp", file.data(), uint32_t(file.size()));
  ASSERT_NE(bitmap.Handle(), nullptr);
  EXPECT_EQ(bitmap.ColourTable()[1].rgbGreen, 1);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap.Handle());
  RGBQUAD colours[2] = {};
  EXPECT_EQ(GetDIBColorTable(dc, 0, 2, colours), 2u);
  EXPECT_EQ(colours[1].rgbRed, 1);
  SelectObject(dc, old);
  DeleteDC(dc);
}

TEST(Bitmap, CompressedEntryIsMeasuredAfterExpansion) {
  const Bytes file = MakeBmp(40, 30, 8, 256);
  Bytes archive;
  ASSERT_TRUE(storage::BuildArchive({{"pt_packed.bmp", file}},
                                    storage::EntryPacking::kLzrw2WhenSmaller, archive));
  storage::MemoryFile archiveFile(archive);
  const storage::ArchiveDirectory directory = storage::ReadArchiveDirectory(archiveFile);
  storage::VirtualFile entry(archiveFile, directory, "pt_packed.bmp");
  ASSERT_LT(entry.GetSize(), file.size());
  storage::VFileResource resource(entry, "pt_packed.bmp");
  frame::Bitmap bitmap("pt_packed.bmp", resource.Data(), resource.Size());
  EXPECT_EQ(std::memcmp(bitmap.Bits(), file.data() + 54 + 1024, bitmap.ImageSize()), 0);
}

void ExpectFatal(const Bytes& file, const char* message) {
  fatal_capture::Install();
  EXPECT_EXIT(frame::Bitmap("pt_bad.bmp", file.data(), uint32_t(file.size())),
              testing::ExitedWithCode(255), message);
}

TEST(BitmapDeathTest, EveryFailureNamesTheEntry) {
  Bytes file = MakeBmp(8, 8, 8, 256);
  ExpectFatal(Bytes(file.begin(), file.begin() + 53),
              "\\[Fatal error\\] Bad bitmap resource:pt_bad\\.bmp");
  ExpectFatal(Bytes(file.begin(), file.begin() + 54 + 1023),
              "\\[Fatal error\\] Can't read bitmap palette:pt_bad\\.bmp");
  ExpectFatal(Bytes(file.begin(), file.end() - 1),
              "\\[Fatal error\\] Can't read bitmap bits:pt_bad\\.bmp");
  // A header whose rows the entry cannot hold never reaches the system.
  Bytes huge = MakeBmp(8, 8, 24, 0);
  Put32(huge, 18, 60000);
  Put32(huge, 22, 60000);
  ExpectFatal(huge, "\\[Fatal error\\] Can't read bitmap bits:pt_bad\\.bmp");
  Bytes odd = MakeBmp(8, 8, 24, 0);
  odd[28] = 23;  // no such depth
  ExpectFatal(odd, "\\[Fatal error\\] Couldn't create DIB section");
}

}  // namespace
