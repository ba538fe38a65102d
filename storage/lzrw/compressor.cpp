// Compressor: the block header around an algorithm's stream, and the safe decoder for it.
#include "storage/lzrw/compressor.h"

#include <cstring>

#include "frame/base/byte_order.h"
#include "storage/lzrw/lzrw.h"

namespace lzrw {

namespace {

constexpr uint32_t kScratchSlack = 1023;

}  // namespace

Compressor::Compressor(uint32_t identifier) {
  const AlgorithmTableEntry* table = AlgorithmTable();
  for (int i = 0; table[i].entry; ++i) {
    const AlgorithmIdentity* identity = IdentityOf(table[i].entry);
    if (identity->identifier == identifier) {
      workMemory_ = std::make_unique<uint8_t[]>(identity->memory);
      index_ = i;
      identifier_ = identifier;
      return;
    }
  }
}

std::vector<uint8_t> Compressor::Compress(const uint8_t* source, uint32_t length) {
  if (!IsBound()) return {};
  std::vector<uint8_t> scratch(size_t(length) + kScratchSlack);
  uint32_t produced = 0;
  AlgorithmTable()[index_].entry(kLzrwCompress, workMemory_.get(), const_cast<uint8_t*>(source),
                                 length, scratch.data(), &produced);
  std::vector<uint8_t> block(size_t(produced) + kBlockHeaderSize);
  frame::WriteLittle32(block.data(), identifier_);
  frame::WriteLittle32(block.data() + 4, length);
  std::memcpy(block.data() + kBlockHeaderSize, scratch.data(), produced);
  return block;
}

std::vector<uint8_t> Compressor::Decompress(const uint8_t* block, uint32_t length) {
  if (!IsBound() || length < kBlockHeaderSize) return {};
  const uint32_t expanded = frame::ReadLittle32(block + 4);
  const uint32_t stream = length - kBlockHeaderSize;
  // A stream expands at most ninefold (a 2-byte copy item gives up to 18 bytes).
  if (expanded > uint64_t(stream) * 9) return {};
  std::vector<uint8_t> out(expanded);
  AlgorithmTable()[index_].decompress(workMemory_.get(), block + kBlockHeaderSize, stream,
                                      out.data(), out.size());
  return out;
}

bool IsLzrw2Block(const uint8_t* data, size_t size) {
  return size > kBlockHeaderSize && frame::ReadLittle32(data) == kLzrw2Identifier;
}

}  // namespace lzrw
