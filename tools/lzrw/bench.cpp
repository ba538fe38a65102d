// The benchmark loop. Every input is cut into blocks of 1 MiB, each compressed and expanded
// on its own by every codec; the times of one run are summed, and the median run is reported.
// MB is 10^6 bytes of uncompressed data per second; ratio is compressed over original size.
#include "tools/lzrw/bench.h"

#include <lz4.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "storage/lzrw/lzrw.h"

namespace {

constexpr size_t kBlock = 1u << 20;

struct Codec {
  const char* name;
  CompressionAlgorithm* lzrw;  // null for LZ4
  SafeDecompressor* decompress;
};

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

bool RunBench(const std::vector<std::vector<uint8_t>>& inputs, int runs) {
  std::vector<std::pair<const uint8_t*, size_t>> blocks;
  size_t total = 0;
  for (const auto& in : inputs) {
    for (size_t at = 0; at < in.size(); at += kBlock) {
      blocks.push_back({in.data() + at, std::min(kBlock, in.size() - at)});
      total += blocks.back().second;
    }
  }
  if (total == 0) {
    std::fprintf(stderr, "pt-lzrw bench: no data\n");
    return false;
  }
  // LZRW streams are expanded the way Compressor expands them: by the table's decoders,
  // which know the block's size.
  const AlgorithmTableEntry* table = AlgorithmTable();
  const Codec codecs[] = {{"lzrw1a", table[0].entry, table[0].decompress},
                          {"lzrw2", table[1].entry, table[1].decompress},
                          {"lzrw3", table[2].entry, table[2].decompress},
                          {"lzrw3a", table[3].entry, table[3].decompress},
                          {"lz4", nullptr, nullptr}};
  std::vector<uint8_t> work(65536);
  const size_t bound = std::max<size_t>(kBlock + 1024, size_t(LZ4_compressBound(int(kBlock))));
  std::vector<std::vector<uint8_t>> packed(blocks.size(), std::vector<uint8_t>(bound));
  std::vector<uint32_t> packedSize(blocks.size());
  std::vector<uint8_t> unpacked(kBlock + 64);
  bool ok = true;
  std::printf("corpus %.1f MB in %zu blocks, %d runs\n", total / 1e6, blocks.size(), runs);
  // Runs are the outer loop so that every codec sees the machine in the same state: on a
  // shared machine the load drifts, and the ratios to LZ4 are what matter.
  constexpr size_t kCodecs = sizeof(codecs) / sizeof(codecs[0]);
  std::vector<double> compressTimes[kCodecs], decompressTimes[kCodecs];
  size_t packedTotal[kCodecs] = {};
  for (int run = 0; run < runs; ++run) {
    for (size_t k = 0; k < kCodecs; ++k) {
      const Codec& codec = codecs[k];
      auto t0 = std::chrono::steady_clock::now();
      packedTotal[k] = 0;
      for (size_t i = 0; i < blocks.size(); ++i) {
        uint32_t n = 0;
        if (codec.lzrw) {
          codec.lzrw(kLzrwCompress, work.data(), const_cast<uint8_t*>(blocks[i].first),
                     uint32_t(blocks[i].second), packed[i].data(), &n);
        } else {
          n = uint32_t(LZ4_compress_default(reinterpret_cast<const char*>(blocks[i].first),
                                            reinterpret_cast<char*>(packed[i].data()),
                                            int(blocks[i].second), int(bound)));
        }
        packedSize[i] = n;
        packedTotal[k] += n;
      }
      auto t1 = std::chrono::steady_clock::now();
      for (size_t i = 0; i < blocks.size(); ++i) {
        uint32_t n = 0;
        if (codec.lzrw) {
          n = codec.decompress(work.data(), packed[i].data(), packedSize[i], unpacked.data(),
                               blocks[i].second);
        } else {
          n = uint32_t(LZ4_decompress_safe(reinterpret_cast<const char*>(packed[i].data()),
                                           reinterpret_cast<char*>(unpacked.data()),
                                           int(packedSize[i]), int(kBlock)));
        }
        if (run == 0 &&
            (n != blocks[i].second || std::memcmp(unpacked.data(), blocks[i].first, n) != 0)) {
          std::fprintf(stderr, "pt-lzrw bench: %s did not reproduce block %zu\n", codec.name, i);
          ok = false;
        }
      }
      auto t2 = std::chrono::steady_clock::now();
      compressTimes[k].push_back(std::chrono::duration<double>(t1 - t0).count());
      decompressTimes[k].push_back(std::chrono::duration<double>(t2 - t1).count());
    }
  }
  for (size_t k = 0; k < kCodecs; ++k) {
    std::printf("%s ratio %.3f compress %.0f MB/s decompress %.0f MB/s\n", codecs[k].name,
                double(packedTotal[k]) / double(total), total / 1e6 / Median(compressTimes[k]),
                total / 1e6 / Median(decompressTimes[k]));
  }
  return ok;
}
