// Helpers for the LZRW tests: run an entry point with exactly its published work memory
// (guard bytes behind it) and compare streams in hex.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "storage/lzrw/lzrw.h"

namespace lzrw_test {

using Bytes = std::vector<uint8_t>;

inline Bytes FromText(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

inline std::string Hex(const Bytes& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i) out += ' ';
    out += digits[bytes[i] >> 4];
    out += digits[bytes[i] & 15];
  }
  return out;
}

// Work memory of exactly the published size, starting `misalign` bytes past a 4-byte
// boundary, followed by guard bytes that must survive the call.
class WorkMemory {
 public:
  WorkMemory(CompressionAlgorithm* algorithm, size_t misalign = 0)
      : size_(IdentityOf(algorithm)->memory), misalign_(misalign), raw_(size_ + 64, 0xA5) {}
  uint8_t* Get() {
    uintptr_t p = (reinterpret_cast<uintptr_t>(raw_.data()) + 15) & ~uintptr_t(15);
    return reinterpret_cast<uint8_t*>(p) + misalign_;
  }
  bool GuardIntact() {
    const uint8_t* guard = Get() + size_;
    for (size_t i = 0; i < 16; ++i)
      if (guard[i] != 0xA5) return false;
    return true;
  }

 private:
  size_t size_, misalign_;
  Bytes raw_;
};

inline Bytes Compress(CompressionAlgorithm* algorithm, const Bytes& source, size_t misalign = 0) {
  WorkMemory work(algorithm, misalign);
  Bytes out(source.size() + 34 + 16, 0xEE);
  uint32_t length = 0;
  algorithm(kLzrwCompress, work.Get(), const_cast<uint8_t*>(source.data()), uint32_t(source.size()),
            out.data(), &length);
  EXPECT_TRUE(work.GuardIntact()) << "work memory overrun";
  for (size_t i = source.size() + 34; i < out.size(); ++i)
    EXPECT_EQ(out[i], 0xEE) << "destination overrun";
  out.resize(length);
  return out;
}

inline Bytes Decompress(CompressionAlgorithm* algorithm, const Bytes& stream, size_t expanded,
                        size_t misalign = 0) {
  WorkMemory work(algorithm, misalign);
  Bytes out(expanded + 64, 0xEE);
  uint32_t length = 0;
  algorithm(kLzrwDecompress, work.Get(), const_cast<uint8_t*>(stream.data()),
            uint32_t(stream.size()), out.data(), &length);
  EXPECT_TRUE(work.GuardIntact()) << "work memory overrun";
  // The entry point knows no buffer size: nothing past the expanded data may change.
  for (size_t i = std::min<size_t>(length, expanded); i < out.size(); ++i) {
    if (out[i] != 0xEE) {
      ADD_FAILURE() << "destination written past the expanded data at " << i;
      break;
    }
  }
  out.resize(length);
  return out;
}

struct Named {
  const char* name;
  CompressionAlgorithm* algorithm;
};
inline const Named kAll[] = {
    {"LZRW1A", LZRW1A}, {"LZRW2", LZRW2}, {"LZRW3", LZRW3}, {"LZRW3A", LZRW3A}};

}  // namespace lzrw_test
