// MemoryFile: an AbstractFile over bytes held in memory, with the seek rules of a disk file
// (a seek before the start fails and leaves the position). Used by the tools and tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "storage/file/abstract_file.h"

namespace storage {

class MemoryFile : public AbstractFile {
 public:
  explicit MemoryFile(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
  MemoryFile(const uint8_t* data, size_t size) : bytes_(data, data + size) {}

  uint32_t Read(void* buffer, uint32_t count) override;
  uint32_t Write(const void* buffer, uint32_t count) override;
  uint32_t Seek(int32_t offset, int32_t origin) override;
  uint32_t GetSize() override { return uint32_t(bytes_.size()); }
  bool IsOpen() override { return true; }

  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
  uint64_t position_ = 0;
};

}  // namespace storage
