// The LZRW compressor family as callers see it: the shared entry-point shape, the identity
// records, the four exported entry points and the algorithm table that Compressor walks.
#pragma once

#include <cstddef>
#include <cstdint>

// Actions of an entry point.
inline constexpr uint16_t kLzrwIdentify = 0;
inline constexpr uint16_t kLzrwCompress = 1;
inline constexpr uint16_t kLzrwDecompress = 2;

// One entry point: action, work memory, source, source length, destination, result.
// Compression needs a destination of source length + 34 bytes at the least. Decompression
// through the entry point trusts its stream: the destination must hold the expanded data, and
// a damaged stream is never expanded beyond 9 x its length. Untrusted streams go through
// LzrwDecompressSafe or Compressor, which know the destination's size.
//
// Action 0 stores in *result where the identity record is. A 32-bit result cannot hold an
// address on 64-bit machines, so there it holds the record's signed byte distance from the
// entry point itself; IdentityOf resolves both forms.
using CompressionAlgorithm = void(uint16_t action, uint8_t* workMemory, uint8_t* source,
                                  uint32_t sourceLength, uint8_t* destination, uint32_t* result);

struct AlgorithmIdentity {
  uint32_t identifier;
  uint32_t memory;  // bytes of work memory the caller supplies, alignment slack included
  const char* name;
  const char* version;
  const char* date;
  const char* rights;
  const char* author;
  const char* affiliation;
  const char* vendor;
};

extern "C" {
CompressionAlgorithm LZRW1A;
CompressionAlgorithm LZRW2;
CompressionAlgorithm LZRW3;
CompressionAlgorithm LZRW3A;
}

inline constexpr uint32_t kLzrw1aIdentifier = 0x4B3E387B;
inline constexpr uint32_t kLzrw2Identifier = 0x3D8F733A;
inline constexpr uint32_t kLzrw3Identifier = 0x032DDEA8;
inline constexpr uint32_t kLzrw3aIdentifier = 0x01B90B91;

// Runs action 0 and turns its result into the record's address.
const AlgorithmIdentity* IdentityOf(CompressionAlgorithm* algorithm);

// A decoder that checks every reference and length against its buffers; used for everything
// read from files. Returns the bytes written; on a damaged stream it stops at the first item
// that does not fit and returns what it wrote up to there.
using SafeDecompressor = uint32_t(uint8_t* workMemory, const uint8_t* source, uint32_t sourceLength,
                                  uint8_t* destination, size_t capacity);

struct AlgorithmTableEntry {
  CompressionAlgorithm* entry;  // null ends the table
  SafeDecompressor* decompress;
};

// LZRW1-A, LZRW2, LZRW3, LZRW3-A, then an empty entry.
const AlgorithmTableEntry* AlgorithmTable();
