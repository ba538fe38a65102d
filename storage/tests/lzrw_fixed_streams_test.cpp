// The streams the LZRW compressors produce are part of the file format: a large mixed input
// must give exactly the recorded streams (by checksum), and every decoder must restore it.
#include <gtest/gtest.h>

#include <random>

#include "storage/lzrw/algorithms.h"
#include "storage/tests/lzrw_test_util.h"

using namespace lzrw_test;

namespace {

uint64_t Fnv1a(const Bytes& bytes) {
  uint64_t h = 0xCBF29CE484222325ull;
  for (uint8_t b : bytes) h = (h ^ b) * 0x100000001B3ull;
  return h;
}

// About 600 KB of the kinds of data the archive holds, each piece with its own match
// lengths, distances and literal runs: text, runs, short periods, pictures with noise,
// small-alphabet binary, incompressible stretches, and long repeats far and near.
Bytes MixedInput() {
  std::mt19937 rng(20240611);
  Bytes out;
  static const char* words[] = {"ball ",   "hole ", "cup ",    "slope ", "wall ", "fan ",
                                "magnet ", "\n\t",  "course ", "par 3 ", "putt ", "green "};
  for (int piece = 0; piece < 60; ++piece) {
    const uint32_t kind = rng() % 7;
    const size_t n = 2000 + rng() % 14000;
    const size_t start = out.size();
    switch (kind) {
      case 0:
        while (out.size() - start < n) {
          const char* w = words[rng() % 12];
          out.insert(out.end(), w, w + strlen(w));
          if (rng() % 5 == 0) out.push_back(uint8_t(rng()));
        }
        break;
      case 1:
        for (size_t i = 0; i < n; ++i) out.push_back(uint8_t(rng() % 3 ? 0 : rng() % 4));
        break;
      case 2: {
        const size_t period = 1 + rng() % 40;
        for (size_t i = 0; i < n; ++i) out.push_back(uint8_t('a' + (i % period) * 7 % 26));
        break;
      }
      case 3:  // a 24-bit gradient with noise in the low bits
        for (size_t i = 0; i < n; ++i) out.push_back(uint8_t((i / 3) + (i % 3) * 40 + rng() % 4));
        break;
      case 4:
        for (size_t i = 0; i < n; ++i) out.push_back(uint8_t(rng()));
        break;
      case 5: {  // a repeat of earlier data, near or up to far past 4095 bytes back
        if (out.size() < 20000) break;
        const size_t from = out.size() - 1 - rng() % (rng() % 2 ? 4000 : 20000);
        for (size_t i = 0; i < n; ++i) out.push_back(out[from + i % (out.size() - from)]);
        break;
      }
      default:
        for (size_t i = 0; i < n; ++i) out.push_back(uint8_t(rng() % 16 ? 0x41 + rng() % 4 : 0));
        break;
    }
  }
  return out;
}

TEST(LzrwFixedStreams, MixedInputGivesTheRecordedStreams) {
  const Bytes source = MixedInput();
  ASSERT_GT(source.size(), 400000u);
  const uint64_t expected[] = {0x51796892F0288796ull, 0xD4E7C67D70BF4B92ull, 0x4F5CECF3CE64BB5Full,
                               0x44F48117A08A655Full};
  for (size_t k = 0; k < 4; ++k) {
    const Named& a = kAll[k];
    // The whole input as one block, and as blocks of 64 KB as the archive stores them.
    Bytes chain;
    for (size_t block : {source.size(), size_t(65536)}) {
      for (size_t at = 0; at < source.size(); at += block) {
        const size_t end = std::min(source.size(), at + block);
        const Bytes piece(source.begin() + static_cast<std::ptrdiff_t>(at),
                          source.begin() + static_cast<std::ptrdiff_t>(end));
        const Bytes stream = Compress(a.algorithm, piece);
        chain.insert(chain.end(), stream.begin(), stream.end());
        EXPECT_EQ(Decompress(a.algorithm, stream, piece.size()), piece) << a.name;
        Bytes out(piece.size() + 300, 0);
        using Decoder = uint32_t (*)(uint8_t*, const uint8_t*, uint32_t, uint8_t*, size_t);
        const Decoder safe[] = {lzrw::Decompress1A, lzrw::Decompress2, lzrw::Decompress3,
                                lzrw::Decompress3A};
        std::vector<uint8_t> work(24676 + 16);
        const uint32_t n =
            safe[k](work.data(), stream.data(), uint32_t(stream.size()), out.data(), out.size());
        out.resize(n);
        EXPECT_EQ(out, piece) << a.name;
      }
    }
    EXPECT_LT(chain.size(), source.size() * 2 * 3 / 4) << a.name << " mostly compressed";
    EXPECT_EQ(Fnv1a(chain), expected[k]) << a.name;
  }
}

}  // namespace
