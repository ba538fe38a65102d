// The LZRW streams byte for byte: the worked examples of the stream format for every
// algorithm, the identity records, and the sizes that decide the stored form.
#include <gtest/gtest.h>

#include <cstring>

#include "storage/lzrw/compressor.h"
#include "storage/tests/lzrw_test_util.h"

using namespace lzrw_test;

namespace {

const Bytes kDigits = FromText("123456789012345678");
const Bytes kFortyA(40, 'a');

TEST(LzrwStreams, EighteenDigitsCopyTheStartString) {
  EXPECT_EQ(Hex(Compress(LZRW2, kDigits)), "00 00 00 00 FF FF 0F 00");
  EXPECT_EQ(Hex(Compress(LZRW3, kDigits)), "00 00 00 00 FF FF 4F F0");
  EXPECT_EQ(Hex(Compress(LZRW3A, kDigits)), "00 00 00 00 FF FF 7F 80");
  // LZRW1-A has nothing earlier to refer to, so the bytes come out stored.
  Bytes stored = {1, 0, 0, 0};
  stored.insert(stored.end(), kDigits.begin(), kDigits.end());
  EXPECT_EQ(Compress(LZRW1A, kDigits), stored);
  for (const Named& a : kAll)
    EXPECT_EQ(Decompress(a.algorithm, Compress(a.algorithm, kDigits), 18), kDigits) << a.name;
}

TEST(LzrwStreams, FortyLettersA) {
  EXPECT_EQ(Hex(Compress(LZRW1A, kFortyA)), "00 00 00 00 C6 FF 61 0F 01 0F 12 61 61 61");
  EXPECT_EQ(Hex(Compress(LZRW2, kFortyA)), "00 00 00 00 C6 FF 61 0F 00 0F 01 61 61 61");
  EXPECT_EQ(Hex(Compress(LZRW3, kFortyA)), "00 00 00 00 D8 FF 61 61 61 2F 0E 2F 0E 61");
  // LZRW3-A's second copy has four candidates of 18 bytes in partition 14 and takes slot 0.
  EXPECT_EQ(Hex(Compress(LZRW3A, kFortyA)), "00 00 00 00 D8 FF 61 61 61 0F 70 0F 70 61");
  for (const Named& a : kAll)
    EXPECT_EQ(Decompress(a.algorithm, Compress(a.algorithm, kFortyA), 40), kFortyA) << a.name;
}

TEST(LzrwStreams, EmptyAndTinySourcesAreStored) {
  for (const Named& a : kAll) {
    EXPECT_EQ(Hex(Compress(a.algorithm, {})), "01 00 00 00") << a.name;
    EXPECT_TRUE(Decompress(a.algorithm, {1, 0, 0, 0}, 0).empty()) << a.name;
    for (size_t n = 1; n <= 5; ++n) {
      const Bytes source(n, 'x');
      const Bytes stream = Compress(a.algorithm, source);
      ASSERT_EQ(stream.size(), n + 4) << a.name;
      EXPECT_EQ(stream[0], 1);
      EXPECT_EQ(Decompress(a.algorithm, stream, n), source);
    }
    // A compressed header with no groups at all is an empty result too.
    EXPECT_TRUE(Decompress(a.algorithm, {0, 0, 0, 0}, 0).empty()) << a.name;
  }
}

TEST(LzrwStreams, SixBytesIsTheFirstSizeThatMayCompress) {
  // Six repeated bytes cannot shrink (a literal, then tail literals): still stored; with 21
  // bytes LZRW1-A finds its run.
  EXPECT_EQ(Compress(LZRW1A, Bytes(6, 'q'))[0], 1);
  EXPECT_EQ(Hex(Compress(LZRW1A, Bytes(21, 'q'))), "00 00 00 00 F2 FF 71 0F 01 71 71");
}

TEST(LzrwStreams, EighteenBytesRemainingIsSearchedSeventeenIsTail) {
  // 19 repeated bytes: a literal, then 18 remain and are taken by one copy.
  EXPECT_EQ(Hex(Compress(LZRW1A, Bytes(19, 'q'))), "00 00 00 00 FE FF 71 0F 01");
  // 18 repeated bytes: a literal, then only 17 remain: all tail literals, which does not
  // shrink, so the stream is stored.
  EXPECT_EQ(Compress(LZRW1A, Bytes(18, 'q'))[0], 1);
  // LZRW2 with the digits followed by 17 more bytes: those 17 are tail literals.
  Bytes source = kDigits;
  source.insert(source.end(), kDigits.begin(), kDigits.begin() + 17);
  const Bytes stream = Compress(LZRW2, source);
  EXPECT_EQ(Hex(Bytes(stream.begin(), stream.begin() + 8)), "00 00 00 00 01 00 0F 00");
  // Two control words: a copy and 15 literals, then 2 literals (0xFFFC).
  ASSERT_EQ(stream.size(), 27u);
  EXPECT_EQ(stream[23], 0xFC);
  EXPECT_EQ(stream[24], 0xFF);
}

TEST(LzrwStreams, ItemCountMultipleOf16EndsWithoutEmptyControlWord) {
  // 16 x 18 digits are 16 copies of the start string in LZRW2: exactly one full group.
  Bytes source;
  for (int i = 0; i < 16; ++i) source.insert(source.end(), kDigits.begin(), kDigits.end());
  const Bytes stream = Compress(LZRW2, source);
  ASSERT_EQ(stream.size(), 4u + 2u + 32u);
  EXPECT_EQ(stream[4], 0xFF);
  EXPECT_EQ(stream[5], 0xFF);
  EXPECT_EQ(Decompress(LZRW2, stream, source.size()), source);
}

TEST(LzrwIdentity, RecordsCarryThePublishedFields) {
  struct Expected {
    CompressionAlgorithm* algorithm;
    uint32_t identifier, memory;
    const char *name, *date;
  } expected[] = {{LZRW1A, 0x4B3E387B, 16387, "LZRW1-A", "22-Jun-1991"},
                  {LZRW2, 0x3D8F733A, 24676, "LZRW2", "25-Nov-1990"},
                  {LZRW3, 0x032DDEA8, 16400, "LZRW3", "31-Dec-1990"},
                  {LZRW3A, 0x01B90B91, 16400, "LZRW3-A", "15-Jul-1990"}};
  for (const Expected& e : expected) {
    const AlgorithmIdentity* id = IdentityOf(e.algorithm);
    EXPECT_EQ(id->identifier, e.identifier);
    EXPECT_EQ(id->memory, e.memory);
    EXPECT_STREQ(id->name, e.name);
    EXPECT_STREQ(id->version, "1.0");
    EXPECT_STREQ(id->date, e.date);
    EXPECT_STREQ(id->rights, "Public Domain");
    EXPECT_STREQ(id->vendor, "Public Domain");
  }
  // Unknown actions do nothing.
  uint32_t result = 0xDEADBEEF;
  LZRW2(7, nullptr, nullptr, 0, nullptr, &result);
  EXPECT_EQ(result, 0xDEADBEEFu);
}

TEST(LzrwCompressor, BlockHeaderAndRoundTrip) {
  lzrw::Compressor compressor(0x3D8F733A);
  ASSERT_TRUE(compressor.IsBound());
  const Bytes block = compressor.Compress(kFortyA.data(), 40);
  EXPECT_EQ(Hex(block), "3A 73 8F 3D 28 00 00 00 00 00 00 00 C6 FF 61 0F 00 0F 01 61 61 61");
  EXPECT_EQ(compressor.Decompress(block.data(), uint32_t(block.size())), kFortyA);
  for (uint32_t id : {0x4B3E387Bu, 0x032DDEA8u, 0x01B90B91u}) {
    lzrw::Compressor other(id);
    const Bytes b = other.Compress(kDigits.data(), 18);
    EXPECT_EQ(other.Decompress(b.data(), uint32_t(b.size())), kDigits);
  }
  lzrw::Compressor unknown(0x12345678);
  EXPECT_FALSE(unknown.IsBound());
  EXPECT_TRUE(unknown.Compress(kDigits.data(), 18).empty());
}

TEST(LzrwCompressor, DamagedBlocks) {
  lzrw::Compressor compressor(0x3D8F733A);
  const Bytes shortBlock = {0x3A, 0x73, 0x8F, 0x3D, 0x28, 0};
  EXPECT_TRUE(compressor.Decompress(shortBlock.data(), 6).empty());
  // A length field far beyond what the stream could hold is refused, not allocated.
  const Bytes huge = {0x3A, 0x73, 0x8F, 0x3D, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0};
  EXPECT_TRUE(compressor.Decompress(huge.data(), uint32_t(huge.size())).empty());
  // A length field shorter than the stream: the expansion stops at the buffer's end.
  Bytes block = compressor.Compress(kFortyA.data(), 40);
  block[4] = 10;
  EXPECT_EQ(compressor.Decompress(block.data(), uint32_t(block.size())), Bytes(10, 'a'));
}

}  // namespace
