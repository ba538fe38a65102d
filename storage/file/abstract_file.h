// AbstractFile: the byte-stream interface every reader of game data goes through, so the same
// code reads a file on disk or an entry of the data archive.
#pragma once

#include <cstdint>

namespace storage {

enum : int32_t { kSeekStart = 0, kSeekCurrent = 1, kSeekEnd = 2 };

class AbstractFile {
 public:
  virtual ~AbstractFile() = default;
  // Bytes placed in the buffer; 0 at the end or on failure.
  virtual uint32_t Read(void* buffer, uint32_t count) = 0;
  virtual uint32_t Write(const void* buffer, uint32_t count) = 0;
  // origin: 0 start, 1 current position, 2 end. Returns the new position.
  virtual uint32_t Seek(int32_t offset, int32_t origin) = 0;
  virtual uint32_t GetSize() = 0;
  virtual bool IsOpen() = 0;
};

}  // namespace storage
