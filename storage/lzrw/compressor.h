// Compressor: binds one LZRW algorithm by its identifier and turns whole buffers into the
// archive's compressed blocks (u32 identifier, u32 expanded length, stream) and back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace lzrw {

class Compressor {
 public:
  // Walks the algorithm table for the identifier. An unknown identifier leaves the
  // compressor unbound: Compress and Decompress then return empty buffers.
  explicit Compressor(uint32_t identifier);

  bool IsBound() const { return index_ >= 0; }
  uint32_t Identifier() const { return identifier_; }

  std::vector<uint8_t> Compress(const uint8_t* source, uint32_t length);
  // The result has the block's expanded-length field as its size. A damaged stream leaves the
  // bytes it could not produce zero; a block too short for its header, or one whose length
  // field exceeds what its stream could ever expand to, gives an empty result.
  std::vector<uint8_t> Decompress(const uint8_t* block, uint32_t length);

 private:
  std::unique_ptr<uint8_t[]> workMemory_;
  int index_ = -1;
  uint32_t identifier_ = 0;
};

inline constexpr uint32_t kBlockHeaderSize = 8;

// Whether entry bytes are an LZRW2 block that readers expand: longer than the block header and
// starting with the LZRW2 identifier.
bool IsLzrw2Block(const uint8_t* data, size_t size);

}  // namespace lzrw
