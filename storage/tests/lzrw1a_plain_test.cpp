// The LZRW1-A compressor encodes some groups item by item and others in branch-free steps of
// two positions; whatever it picks, its stream must be the one a plain item-by-item
// encoder gives. The plain encoder here is written for clarity, not speed.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "storage/tests/lzrw_test_util.h"

using namespace lzrw_test;

namespace {

uint32_t Hash(const uint8_t* p) {
  return ((40543u * ((uint32_t(p[0]) << 8) ^ (uint32_t(p[1]) << 4) ^ p[2])) >> 4) & 0xFFF;
}

Bytes PlainLzrw1a(const Bytes& source) {
  const size_t n = source.size();
  std::vector<uint32_t> table(4096, 0);
  Bytes out = {0, 0, 0, 0, 0, 0};
  size_t control_at = 4, pos = 0, items = 0;
  uint32_t control = 0;
  auto item = [&](bool search) {
    size_t length = 0;
    uint32_t distance = 0;
    if (search) {
      const uint32_t h = Hash(&source[pos]);
      const size_t candidate = table[h];
      table[h] = uint32_t(pos);
      distance = uint32_t(pos - candidate);
      if (distance >= 1 && distance <= 4095) {
        while (length < 18 && source[candidate + length] == source[pos + length]) ++length;
      }
    }
    if (length >= 3) {
      control |= 1u << items;
      out.push_back(uint8_t(((distance >> 4) & 0xF0) | (length - 3)));
      out.push_back(uint8_t(distance));
      pos += length;
    } else {
      out.push_back(source[pos++]);
    }
    if (++items == 16) {
      out[control_at] = uint8_t(control);
      out[control_at + 1] = uint8_t(control >> 8);
      control_at = out.size();
      out.push_back(0);
      out.push_back(0);
      items = 0;
      control = 0;
    }
  };
  for (;;) {
    if (out.size() > n) {
      Bytes stored = {1, 0, 0, 0};
      stored.insert(stored.end(), source.begin(), source.end());
      return stored;
    }
    if (n - pos >= 288) {
      for (int i = 0; i < 16; ++i) item(true);
    } else if (n - pos >= 18) {
      item(true);
    } else if (pos < n) {
      item(false);
    } else {
      break;
    }
  }
  control |= 0xFFFFu << items;  // the last word's unused bits are ones
  out[control_at] = uint8_t(control);
  out[control_at + 1] = uint8_t(control >> 8);
  if (control_at + 2 == out.size()) out.resize(control_at);
  return out;
}

// Stretches whose groups fall on both sides of the encoder's choice: words with short
// copies, literal-heavy noise, long runs of one byte (every position in one table slot),
// repeats just inside and just outside 4095 bytes, and copies of every length to 18.
Bytes Mixture(std::mt19937& rng, size_t size) {
  static const char* words[] = {"int ", "return ", "(x)", " = ", "const ", ";\n", "  ", "std::"};
  Bytes out;
  while (out.size() < size) {
    const size_t start = out.size();
    const size_t n = 50 + rng() % 3000;
    switch (rng() % 6) {
      case 0:
        while (out.size() - start < n) {
          const char* w = words[rng() % 8];
          out.insert(out.end(), w, w + std::strlen(w));
          if (rng() % 3 == 0) out.push_back(uint8_t('a' + rng() % 26));
        }
        break;
      case 1:
        for (size_t i = 0; i < n; ++i) out.push_back(uint8_t(rng() % (2 + rng() % 200)));
        break;
      case 2:
        out.insert(out.end(), n, uint8_t(rng() % 3));
        break;
      case 3: {
        if (out.size() < 4200) break;
        const size_t back = 4094 + rng() % 4;
        for (size_t i = 0; i < n; ++i) out.push_back(out[out.size() - back]);
        break;
      }
      default:
        for (size_t i = 0; i < n; ++i) {
          const size_t back = 1 + rng() % 64;
          out.push_back(out.size() > back && rng() % 19 ? out[out.size() - back] : uint8_t(rng()));
        }
        break;
    }
  }
  out.resize(size);
  return out;
}

TEST(Lzrw1aPlain, StreamsMatchThePlainItemByItemEncoder) {
  std::mt19937 rng(7);
  for (size_t size : {0, 5, 17, 18, 287, 288, 289, 305, 1000, 4096, 4111, 20000, 70000}) {
    for (int round = 0; round < 6; ++round) {
      const Bytes source = Mixture(rng, size);
      ASSERT_EQ(Hex(Compress(LZRW1A, source)), Hex(PlainLzrw1a(source)))
          << "size " << size << ", round " << round;
    }
  }
}

}  // namespace
