// pt-lzrw: command-line access to the LZRW entry points and Compressor blocks, the
// benchmark, and the benchmark's standard corpus.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "storage/lzrw/compressor.h"
#include "storage/lzrw/lzrw.h"
#include "tools/common/whole_file.h"
#include "tools/lzrw/bench.h"
#include "tools/lzrw/corpus.h"

namespace {

const char kUsage[] =
    "usage: pt-lzrw compress|decompress ALG IN OUT [--block]\n"
    "       pt-lzrw bench [--runs N] [FILE...]\n"
    "       pt-lzrw corpus DIR\n"
    "\n"
    "ALG is one of lzrw1a, lzrw2, lzrw3, lzrw3a.\n"
    "compress/decompress work on the raw stream of the algorithm's entry point; with --block\n"
    "they write/read the archive's block (u32 identifier, u32 expanded length, stream).\n"
    "bench compresses and expands the FILEs (default: the standard corpus, built in memory)\n"
    "with the four algorithms and LZ4 and prints, per codec, the medians of N runs (default 5):\n"
    "  NAME ratio R compress C MB/s decompress D MB/s\n"
    "corpus writes the standard corpus (about 22 MB of C++ headers, /usr/bin programs and\n"
    "generated uncompressed pictures) into DIR.\n";

CompressionAlgorithm* Find(const std::string& name) {
  if (name == "lzrw1a") return LZRW1A;
  if (name == "lzrw2") return LZRW2;
  if (name == "lzrw3") return LZRW3;
  if (name == "lzrw3a") return LZRW3A;
  return nullptr;
}

int Code(bool compress, int argc, char** argv) {
  if (argc < 5) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  CompressionAlgorithm* algorithm = Find(argv[2]);
  if (!algorithm) {
    std::fprintf(stderr, "pt-lzrw: unknown algorithm %s\n", argv[2]);
    return 2;
  }
  const bool block = argc > 5 && std::strcmp(argv[5], "--block") == 0;
  std::vector<uint8_t> in;
  if (!tools::ReadWholeFile(argv[3], in)) {
    std::fprintf(stderr, "pt-lzrw: cannot read %s\n", argv[3]);
    return 1;
  }
  if (in.size() > 0xFFFFFFF0u) {
    std::fprintf(stderr, "pt-lzrw: %s is too large\n", argv[3]);
    return 1;
  }
  const AlgorithmIdentity* identity = IdentityOf(algorithm);
  std::vector<uint8_t> out;
  if (block) {
    lzrw::Compressor compressor(identity->identifier);
    out = compress ? compressor.Compress(in.data(), uint32_t(in.size()))
                   : compressor.Decompress(in.data(), uint32_t(in.size()));
    if (!compress && in.size() >= 8 && std::memcmp(in.data(), &identity->identifier, 4) != 0)
      std::fprintf(stderr, "pt-lzrw: warning: block identifier is not %s's\n", identity->name);
  } else {
    std::vector<uint8_t> work(identity->memory);
    uint32_t n = 0;
    if (compress) {
      out.resize(in.size() + 34);
      algorithm(kLzrwCompress, work.data(), in.data(), uint32_t(in.size()), out.data(), &n);
    } else {
      // Decode with a known capacity: the most any stream of this length can expand to.
      out.resize(in.size() >= 4 ? (in.size() - 4) * 9 : 0);
      const AlgorithmTableEntry* table = AlgorithmTable();
      for (int i = 0; table[i].entry; ++i) {
        if (table[i].entry == algorithm) {
          n = table[i].decompress(work.data(), in.data(), uint32_t(in.size()), out.data(),
                                  out.size());
        }
      }
    }
    out.resize(n);
  }
  if (!tools::WriteWholeFile(argv[4], out.data(), out.size())) {
    std::fprintf(stderr, "pt-lzrw: cannot write %s\n", argv[4]);
    return 1;
  }
  return 0;
}

int Bench(int argc, char** argv) {
  int runs = 5;
  std::vector<std::vector<uint8_t>> inputs;
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
      continue;
    }
    std::vector<uint8_t> bytes;
    if (!tools::ReadWholeFile(argv[i], bytes)) {
      std::fprintf(stderr, "pt-lzrw: cannot read %s\n", argv[i]);
      return 1;
    }
    inputs.push_back(std::move(bytes));
  }
  if (inputs.empty())
    for (CorpusPart& part : BuildStandardCorpus()) inputs.push_back(std::move(part.bytes));
  return RunBench(inputs, runs) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    std::fputs(kUsage, argc < 2 ? stderr : stdout);
    return argc < 2 ? 2 : 0;
  }
  const std::string command = argv[1];
  if (command == "compress" || command == "decompress")
    return Code(command == "compress", argc, argv);
  if (command == "bench") return Bench(argc, argv);
  if (command == "corpus" && argc == 3) return WriteCorpus(BuildStandardCorpus(), argv[2]) ? 0 : 1;
  std::fputs(kUsage, stderr);
  return 2;
}
