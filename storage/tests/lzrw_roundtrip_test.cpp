// LZRW round trips over many kinds of input, the end-of-input thresholds, and what the
// decoders do with damaged streams.
#include <gtest/gtest.h>

#include <random>

#include "storage/lzrw/algorithms.h"
#include "storage/tests/lzrw_test_util.h"

using namespace lzrw_test;

namespace {

Bytes Random(size_t n, uint32_t seed) {
  std::mt19937 rng(seed);
  Bytes out(n);
  for (uint8_t& b : out) b = uint8_t(rng());
  return out;
}

// Text-like data: words from a small vocabulary, so matches of every length and distance.
Bytes Structured(size_t n, uint32_t seed) {
  static const char* words[] = {"ball ",   "hole ", "cup ",    "slope ", "wall ", "fan ",
                                "magnet ", "\n",    "course ", "par 3 ", "putt ", "green "};
  std::mt19937 rng(seed);
  Bytes out;
  while (out.size() < n) {
    const char* w = words[rng() % 12];
    out.insert(out.end(), w, w + strlen(w));
    if (rng() % 7 == 0) out.push_back(uint8_t(rng()));
  }
  out.resize(n);
  return out;
}

void ExpectRoundTrip(const Bytes& source, const char* what) {
  for (const Named& a : kAll) {
    for (size_t misalign : {size_t(0), size_t(3)}) {
      const Bytes stream = Compress(a.algorithm, source, misalign);
      if (stream[0] == 0) {
        EXPECT_LE(stream.size(), source.size()) << a.name << " " << what;
      } else {
        EXPECT_EQ(stream.size(), source.size() + 4) << a.name << " " << what;
      }
      EXPECT_EQ(Decompress(a.algorithm, stream, source.size(), misalign), source)
          << a.name << " " << what << " size " << source.size();
    }
  }
}

TEST(LzrwRoundTrip, KindsOfInput) {
  ExpectRoundTrip(Bytes(1, 'x'), "one byte");
  ExpectRoundTrip(Bytes(1000, 0), "zeros");
  ExpectRoundTrip(Structured(5000, 1), "structured");
  Bytes pattern;
  for (int i = 0; i < 3000; ++i) pattern.push_back(uint8_t("abcabd"[i % 6]));
  ExpectRoundTrip(pattern, "short period");
  // Random bytes do not shrink: always the stored form.
  for (const Named& a : kAll) EXPECT_EQ(Compress(a.algorithm, Random(4000, 2))[0], 1) << a.name;
  ExpectRoundTrip(Random(4000, 2), "random");
}

TEST(LzrwRoundTrip, LargeInputsAcrossThePhraseCounterWrap) {
  // Well over 4096 items, so LZRW2's phrase counter wraps several times; the mix keeps the
  // data compressible without being one long run.
  Bytes big = Structured(90000, 3);
  const Bytes noise = Random(8000, 4);
  big.insert(big.begin() + 40000, noise.begin(), noise.end());
  ExpectRoundTrip(big, "large");
  EXPECT_EQ(Compress(LZRW2, big)[0], 0);
}

TEST(LzrwRoundTrip, LengthsAroundTheGroupThresholds) {
  // 288 source bytes left selects a whole group without end checks, 18 a single searched
  // item; a compressed stream with 32 bytes left after its control word is decoded a group at
  // a time. Every length around those edges must come back intact.
  const Bytes base = Structured(700, 5);
  for (size_t n : {17u, 18u, 19u, 34u, 35u, 36u, 286u, 287u, 288u, 289u, 290u, 305u, 306u, 307u,
                   576u, 594u, 595u}) {
    ExpectRoundTrip(Bytes(base.begin(), base.begin() + static_cast<std::ptrdiff_t>(n)),
                    "threshold");
    ExpectRoundTrip(Bytes(n, 'r'), "run");
  }
}

// Every damaged stream decodes into a buffer of exactly its capacity, with a guard behind it.
void DecodeDamaged(const Bytes& stream, size_t capacity) {
  using Decoder = uint32_t (*)(uint8_t*, const uint8_t*, uint32_t, uint8_t*, size_t);
  const Decoder decoders[] = {lzrw::Decompress1A, lzrw::Decompress2, lzrw::Decompress3,
                              lzrw::Decompress3A};
  for (Decoder decode : decoders) {
    std::vector<uint8_t> work(24676 + 16);
    Bytes out(capacity + 8, 0xCC);
    const uint32_t n =
        decode(work.data(), stream.data(), uint32_t(stream.size()), out.data(), capacity);
    EXPECT_LE(n, capacity);
    for (size_t i = capacity; i < out.size(); ++i) ASSERT_EQ(out[i], 0xCC);
  }
}

TEST(LzrwDamaged, DecodersStayInsideTheirBuffers) {
  // Header alone, a control word cut short, a copy item cut short.
  DecodeDamaged({0, 0, 0}, 16);
  DecodeDamaged({0, 0, 0, 0, 0xFF}, 16);
  DecodeDamaged({0, 0, 0, 0, 0x00, 0x00}, 16);  // a control word and no item
  DecodeDamaged({0, 0, 0, 0, 0xFF, 0xFF, 0x0F}, 16);
  // A reference before the start of the output (LZRW1-A) and copies longer than the room.
  DecodeDamaged({0, 0, 0, 0, 0xFF, 0xFF, 0x0F, 0x05, 0x0F, 0xFF}, 40);
  DecodeDamaged({0, 0, 0, 0, 0xFE, 0xFF, 0x61, 0x0F, 0x01}, 5);
  // Stored streams longer than the destination.
  DecodeDamaged({1, 0, 0, 0, 1, 2, 3, 4, 5, 6}, 3);
  // Long streams of random items, with room and without.
  for (uint32_t seed = 0; seed < 20; ++seed) {
    Bytes stream = Random(600, seed);
    stream[0] = 0;
    DecodeDamaged(stream, 5000);
    DecodeDamaged(stream, 100);
  }
  // Far past 4096 items, where LZRW2 stops testing for the start string.
  Bytes stream = Random(60000, 99);
  stream[0] = 0;
  DecodeDamaged(stream, 400000);
  DecodeDamaged(stream, 30000);
}

TEST(LzrwDamaged, Lzrw1aStopsAtAReferenceBeforeTheOutput) {
  // A literal, then a copy from 5 back: only the literal comes out.
  const Bytes stream = {0, 0, 0, 0, 0xFE, 0xFF, 0x61, 0x0F, 0x05};
  EXPECT_EQ(Decompress(LZRW1A, stream, 40), Bytes(1, 'a'));
}

}  // namespace

namespace {

TEST(LzrwRoundTrip, GroupsDecodedWholeFromThirtyTwoStreamBytesOn) {
  // LZRW2 streams of 16 and 15 copies of the start string: after the control word exactly 32
  // (a whole group at once) and 30 bytes (item by item) remain. Both decode the same with room
  // to spare and with a destination of exactly the expanded size.
  const std::string digits = "123456789012345678";
  for (int copies : {15, 16}) {
    std::string text;
    for (int i = 0; i < copies; ++i) text += digits;
    const Bytes source(text.begin(), text.end());
    const Bytes stream = Compress(LZRW2, source);
    ASSERT_EQ(stream.size(), 4u + 2u + 2u * copies);
    for (size_t capacity : {source.size(), source.size() + 100}) {
      std::vector<uint8_t> work(24676);
      Bytes out(capacity + 8, 0xCC);
      const uint32_t n = lzrw::Decompress2(work.data(), stream.data(), uint32_t(stream.size()),
                                           out.data(), capacity);
      ASSERT_EQ(n, source.size());
      EXPECT_EQ(Bytes(out.begin(), out.begin() + n), source);
      EXPECT_EQ(out[capacity], 0xCC);
    }
  }
}

}  // namespace
