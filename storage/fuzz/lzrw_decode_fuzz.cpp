// Arbitrary bytes into every decoder: the first byte sets the destination's capacity (in
// steps of 64 bytes), the rest is the stream. No read or write may leave the buffers.
#include <vector>

#include "storage/lzrw/compressor.h"
#include "storage/lzrw/lzrw.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1 || size > (1u << 20)) return 0;
  const size_t capacity = size_t(data[0]) * 64;
  const AlgorithmTableEntry* table = AlgorithmTable();
  for (int i = 0; table[i].entry; ++i) {
    std::vector<uint8_t> work(IdentityOf(table[i].entry)->memory);
    std::vector<uint8_t> out(capacity);
    table[i].decompress(work.data(), data + 1, uint32_t(size - 1), out.data(), capacity);
    // The same bytes as a Compressor block.
    lzrw::Compressor compressor(IdentityOf(table[i].entry)->identifier);
    compressor.Decompress(data + 1, uint32_t(size - 1));
  }
  return 0;
}
