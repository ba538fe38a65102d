// The four exported entry points, their identity records and the algorithm table. They sit in
// this one object file so that a program exporting them pulls in all four together.
#include <cstdlib>

#include "storage/lzrw/algorithms.h"
#include "storage/lzrw/lzrw.h"
#include "storage/lzrw/stream_format.h"

namespace lzrw {

const uint8_t kStartString[kStartStringRoom] = "123456789012345678";

namespace {

constexpr const char* kRights = "Public Domain";
constexpr const char* kAuthor = "The Puttland developers";
constexpr const char* kAffiliation = "Ombrelune";
constexpr const char* kVendor = "Public Domain";

// Work memory: the tables plus slack for aligning their start to 4 bytes.
constexpr AlgorithmIdentity kIdentity1A = {
    kLzrw1aIdentifier, 16387,   "LZRW1-A",    "1.0",  "22-Jun-1991",
    kRights,           kAuthor, kAffiliation, kVendor};
constexpr AlgorithmIdentity kIdentity2 = {kLzrw2Identifier, 24676,   "LZRW2", "1.0",
                                          "25-Nov-1990",    kRights, kAuthor, kAffiliation,
                                          kVendor};
constexpr AlgorithmIdentity kIdentity3 = {kLzrw3Identifier, 16400,   "LZRW3", "1.0",
                                          "31-Dec-1990",    kRights, kAuthor, kAffiliation,
                                          kVendor};
constexpr AlgorithmIdentity kIdentity3A = {
    kLzrw3aIdentifier, 16400,   "LZRW3-A",    "1.0",  "15-Jul-1990",
    kRights,           kAuthor, kAffiliation, kVendor};

// Where an address fits 32 bits, the result is the record's address; otherwise its signed
// byte distance from the entry point (code and constant data of one program lie well within
// 2 GiB of each other).
void Identify(CompressionAlgorithm* self, const AlgorithmIdentity& record, uint32_t* result) {
  const uintptr_t address = reinterpret_cast<uintptr_t>(&record);
  if constexpr (sizeof(uintptr_t) <= sizeof(uint32_t)) {
    *result = uint32_t(address);
  } else {
    const intptr_t distance = intptr_t(address) - intptr_t(reinterpret_cast<uintptr_t>(self));
    if (distance != intptr_t(int32_t(distance))) std::abort();
    *result = uint32_t(int32_t(distance));
  }
}

using Compress = uint32_t(uint8_t*, const uint8_t*, uint32_t, uint8_t*);

void Run(CompressionAlgorithm* self, const AlgorithmIdentity& record, Compress* compress,
         SafeDecompressor* decompress, uint16_t action, uint8_t* work, uint8_t* source,
         uint32_t length, uint8_t* destination, uint32_t* result) {
  switch (action) {
    case kLzrwIdentify:
      Identify(self, record, result);
      break;
    case kLzrwCompress:
      *result = compress(work, source, length, destination);
      break;
    case kLzrwDecompress: {
      // The published interface gives no destination size: bound a damaged stream by the
      // most a valid one can expand to (2 stream bytes become at most 18).
      const size_t bound = length >= kHeaderSize ? size_t(length - kHeaderSize) * 9 : 0;
      *result = decompress(work, source, length, destination, bound);
      break;
    }
    default:
      break;
  }
}

}  // namespace
}  // namespace lzrw

#define PT_EXPORT __attribute__((visibility("default"), used))

extern "C" {

PT_EXPORT void LZRW1A(uint16_t action, uint8_t* work, uint8_t* source, uint32_t length,
                      uint8_t* destination, uint32_t* result) {
  lzrw::Run(&LZRW1A, lzrw::kIdentity1A, lzrw::Compress1A, lzrw::Decompress1AExact, action, work,
            source, length, destination, result);
}

PT_EXPORT void LZRW2(uint16_t action, uint8_t* work, uint8_t* source, uint32_t length,
                     uint8_t* destination, uint32_t* result) {
  lzrw::Run(&LZRW2, lzrw::kIdentity2, lzrw::Compress2, lzrw::Decompress2Exact, action, work, source,
            length, destination, result);
}

PT_EXPORT void LZRW3(uint16_t action, uint8_t* work, uint8_t* source, uint32_t length,
                     uint8_t* destination, uint32_t* result) {
  lzrw::Run(&LZRW3, lzrw::kIdentity3, lzrw::Compress3, lzrw::Decompress3Exact, action, work, source,
            length, destination, result);
}

PT_EXPORT void LZRW3A(uint16_t action, uint8_t* work, uint8_t* source, uint32_t length,
                      uint8_t* destination, uint32_t* result) {
  lzrw::Run(&LZRW3A, lzrw::kIdentity3A, lzrw::Compress3A, lzrw::Decompress3AExact, action, work,
            source, length, destination, result);
}

}  // extern "C"

const AlgorithmIdentity* IdentityOf(CompressionAlgorithm* algorithm) {
  uint32_t result = 0;
  algorithm(kLzrwIdentify, nullptr, nullptr, 0, nullptr, &result);
  if constexpr (sizeof(uintptr_t) <= sizeof(uint32_t)) {
    return reinterpret_cast<const AlgorithmIdentity*>(uintptr_t(result));
  } else {
    const intptr_t address =
        intptr_t(reinterpret_cast<uintptr_t>(algorithm)) + intptr_t(int32_t(result));
    return reinterpret_cast<const AlgorithmIdentity*>(address);
  }
}

const AlgorithmTableEntry* AlgorithmTable() {
  static constexpr AlgorithmTableEntry kTable[] = {
      {LZRW1A, lzrw::Decompress1A}, {LZRW2, lzrw::Decompress2}, {LZRW3, lzrw::Decompress3},
      {LZRW3A, lzrw::Decompress3A}, {nullptr, nullptr},
  };
  return kTable;
}
