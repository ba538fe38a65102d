// Every algorithm must give back exactly what it compressed, within its published work
// memory and a destination of source length + 34 bytes.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "storage/lzrw/lzrw.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 20)) return 0;
  const AlgorithmTableEntry* table = AlgorithmTable();
  for (int i = 0; table[i].entry; ++i) {
    const AlgorithmIdentity* identity = IdentityOf(table[i].entry);
    std::vector<uint8_t> work(identity->memory);
    std::vector<uint8_t> packed(size + 34);
    uint32_t packedSize = 0;
    table[i].entry(kLzrwCompress, work.data(), const_cast<uint8_t*>(data), uint32_t(size),
                   packed.data(), &packedSize);
    if (packedSize > size + 4) std::abort();
    std::vector<uint8_t> unpacked(size);
    const uint32_t n = table[i].decompress(work.data(), packed.data(), packedSize, unpacked.data(),
                                           unpacked.size());
    if (n != size || (size && std::memcmp(unpacked.data(), data, size) != 0)) std::abort();
  }
  return 0;
}
