// The LZRW1-A, LZRW2 and LZRW3 compressors encode some groups item by item and others in
// branch-free steps of two positions; whatever they pick, their streams must be the ones a
// plain item-by-item encoder gives. The plain encoders here are written for clarity.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <random>

#include "storage/tests/lzrw_test_util.h"

using namespace lzrw_test;

namespace {

const char kStart[] = "123456789012345678";
constexpr uint32_t kStartRef = 0xFFFFFFFF;

uint32_t Hash(const uint8_t* p) {
  return ((40543u * ((uint32_t(p[0]) << 8) ^ (uint32_t(p[1]) << 4) ^ p[2])) >> 4) & 0xFFF;
}

// Equal leading bytes (up to 18) of the source at pos and at a table entry.
size_t Match(const Bytes& source, size_t pos, uint32_t entry) {
  const uint8_t* c = entry == kStartRef ? reinterpret_cast<const uint8_t*>(kStart) : &source[entry];
  size_t length = 0;
  while (length < 18 && c[length] == source[pos + length]) ++length;
  return length;
}

struct Found {
  size_t length;  // below 3: a literal
  uint32_t reference;
};
// Searches at a position and keeps the algorithm's tables; told when a full group ends.
struct Plain {
  std::function<Found(const Bytes&, size_t)> search;
  std::function<void()> groupEnd = [] {};
};

Bytes Encode(const Bytes& source, Plain algorithm) {
  const size_t n = source.size();
  Bytes out = {0, 0, 0, 0, 0, 0};
  size_t controlAt = 4, pos = 0, items = 0;
  uint32_t control = 0;
  auto item = [&](bool search) {
    const Found found = search ? algorithm.search(source, pos) : Found{0, 0};
    if (found.length >= 3) {
      control |= 1u << items;
      out.push_back(uint8_t(((found.reference >> 4) & 0xF0) | (found.length - 3)));
      out.push_back(uint8_t(found.reference));
      pos += found.length;
    } else {
      out.push_back(source[pos++]);
    }
    if (++items == 16) {
      out[controlAt] = uint8_t(control);
      out[controlAt + 1] = uint8_t(control >> 8);
      controlAt = out.size();
      out.push_back(0);
      out.push_back(0);
      items = 0;
      control = 0;
      algorithm.groupEnd();
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
  out[controlAt] = uint8_t(control);
  out[controlAt + 1] = uint8_t(control >> 8);
  if (controlAt + 2 == out.size()) out.resize(controlAt);
  return out;
}

Plain PlainLzrw1a() {
  auto table = std::make_shared<std::vector<uint32_t>>(4096, 0);
  return {[table](const Bytes& source, size_t pos) {
    const uint32_t h = Hash(&source[pos]);
    const uint32_t candidate = (*table)[h];
    (*table)[h] = uint32_t(pos);
    const uint32_t distance = uint32_t(pos - candidate);
    if (distance < 1 || distance > 4095) return Found{0, 0};
    return Found{Match(source, pos, candidate), distance};
  }};
}

Plain PlainLzrw2() {
  struct State {
    std::vector<uint16_t> hash = std::vector<uint16_t>(4096, 0);
    std::vector<uint32_t> phrase = std::vector<uint32_t>(4096, kStartRef);
    uint32_t counter = 0;
  };
  auto state = std::make_shared<State>();
  return {[state](const Bytes& source, size_t pos) {
            const uint32_t h = Hash(&source[pos]);
            const uint32_t n = state->hash[h];
            const uint32_t entry = state->phrase[n];
            state->hash[h] = uint16_t(state->counter);
            state->phrase[state->counter++] = uint32_t(pos);
            return Found{Match(source, pos, entry), n};
          },
          [state] { state->counter &= 0xFFF; }};
}

Plain PlainLzrw3() {
  struct State {
    std::vector<uint32_t> table = std::vector<uint32_t>(4096, kStartRef);
    int pending1 = -1, pending2 = -1;
  };
  auto state = std::make_shared<State>();
  return {[state](const Bytes& source, size_t pos) {
    State& t = *state;
    const uint32_t h = Hash(&source[pos]);
    const size_t length = Match(source, pos, t.table[h]);
    if (length >= 3) {
      if (t.pending1 >= 0) {
        if (t.pending2 >= 0) t.table[size_t(t.pending2)] = uint32_t(pos - 2);
        t.table[size_t(t.pending1)] = uint32_t(pos - 1);
        t.pending1 = t.pending2 = -1;
      }
      t.table[h] = uint32_t(pos);
      return Found{length, h};
    }
    if (t.pending2 >= 0) t.table[size_t(t.pending2)] = uint32_t(pos - 2);
    t.pending2 = t.pending1;
    t.pending1 = int(h);
    return Found{0, 0};
  }};
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

TEST(LzrwPlain, StreamsMatchThePlainItemByItemEncoders) {
  struct Case {
    const char* name;
    CompressionAlgorithm* algorithm;
    Plain (*plain)();
  };
  const Case cases[] = {
      {"LZRW1-A", LZRW1A, PlainLzrw1a}, {"LZRW2", LZRW2, PlainLzrw2}, {"LZRW3", LZRW3, PlainLzrw3}};
  std::mt19937 rng(7);
  for (size_t size : {0, 5, 17, 18, 287, 288, 289, 305, 1000, 4096, 4111, 20000, 70000}) {
    for (int round = 0; round < 6; ++round) {
      const Bytes source = Mixture(rng, size);
      for (const Case& c : cases) {
        ASSERT_EQ(Hex(Compress(c.algorithm, source)), Hex(Encode(source, c.plain())))
            << c.name << ", size " << size << ", round " << round;
      }
    }
  }
}

}  // namespace
