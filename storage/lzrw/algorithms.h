// The four LZRW algorithms on plain buffers, below the exported entry points: a compressor
// each (destination of source length + 34 bytes) and a decoder that knows its capacity.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lzrw {

// Work memory must hold the algorithm's published size; it is aligned up to 4 bytes here.
uint32_t Compress1A(uint8_t* work, const uint8_t* source, uint32_t length, uint8_t* destination);
uint32_t Compress2(uint8_t* work, const uint8_t* source, uint32_t length, uint8_t* destination);
uint32_t Compress3(uint8_t* work, const uint8_t* source, uint32_t length, uint8_t* destination);
uint32_t Compress3A(uint8_t* work, const uint8_t* source, uint32_t length, uint8_t* destination);

uint32_t Decompress1A(uint8_t* work, const uint8_t* source, uint32_t length, uint8_t* destination,
                      size_t capacity);
uint32_t Decompress2(uint8_t* work, const uint8_t* source, uint32_t length, uint8_t* destination,
                     size_t capacity);
uint32_t Decompress3(uint8_t* work, const uint8_t* source, uint32_t length, uint8_t* destination,
                     size_t capacity);
uint32_t Decompress3A(uint8_t* work, const uint8_t* source, uint32_t length, uint8_t* destination,
                      size_t capacity);

// The same, never writing past the last byte of the expanded data; `bound` only limits a
// damaged stream. Used by the exported entry points, whose callers give no buffer size.
uint32_t Decompress1AExact(uint8_t* work, const uint8_t* source, uint32_t length,
                           uint8_t* destination, size_t bound);
uint32_t Decompress2Exact(uint8_t* work, const uint8_t* source, uint32_t length,
                          uint8_t* destination, size_t bound);
uint32_t Decompress3Exact(uint8_t* work, const uint8_t* source, uint32_t length,
                          uint8_t* destination, size_t bound);
uint32_t Decompress3AExact(uint8_t* work, const uint8_t* source, uint32_t length,
                           uint8_t* destination, size_t bound);

// The first multiple of 4 at or after the caller's work memory.
inline uint8_t* AlignWork(uint8_t* work) {
  return reinterpret_cast<uint8_t*>((reinterpret_cast<uintptr_t>(work) + 3) & ~uintptr_t(3));
}

}  // namespace lzrw
