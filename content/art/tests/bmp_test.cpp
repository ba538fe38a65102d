// Bitmap files written by the generators read back pixel for pixel, at both depths, and the
// reader refuses files whose sizes do not fit their bytes.
#include <gtest/gtest.h>

#include "content/art/bmp.h"

namespace content {
namespace {

Canvas Stripes(int w, int h, int colours) {
  Canvas c(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int k = (x * 7 + y * 3) % colours;
      c.Set(x, y, Rgb{uint8_t(k), uint8_t(255 - k), uint8_t(k * 3)});
    }
  }
  return c;
}

TEST(Bmp, FewColoursMakeAnEightBitFileThatReadsBackExactly) {
  const Canvas c = Stripes(21, 5, 256);  // odd width: rows are padded
  const auto bytes = EncodeBmp(c);
  EXPECT_EQ(bytes[28], 8);
  EXPECT_EQ(bytes.size(), 54u + 1024u + 24u * 5u);
  const auto back = DecodeBmp(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Pixels(), c.Pixels());
}

TEST(Bmp, ManyColoursMakeATwentyFourBitFile) {
  Canvas c(30, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) c.Set(x, y, Rgb{uint8_t(x * 8), uint8_t(y * 12), 7});
  const auto bytes = EncodeBmp(c);
  EXPECT_EQ(bytes[28], 24);
  const auto back = DecodeBmp(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Pixels(), c.Pixels());
}

TEST(Bmp, CutShortOrOversizedFilesAreRefused) {
  auto bytes = EncodeBmp(Stripes(8, 8, 4));
  EXPECT_FALSE(DecodeBmp(std::span(bytes).first(bytes.size() - 1)));
  EXPECT_FALSE(DecodeBmp(std::span(bytes).first(40)));
  bytes[22] = 0xFF, bytes[23] = 0xFF;  // height 65535
  EXPECT_FALSE(DecodeBmp(bytes));
}

}  // namespace
}  // namespace content
