// MemoryFile: reads and writes clamp to the bytes held; writes past the end extend them.
#include "storage/file/memory_file.h"

#include <cstring>

namespace storage {

uint32_t MemoryFile::Read(void* buffer, uint32_t count) {
  if (position_ >= bytes_.size()) return 0;
  const uint64_t left = bytes_.size() - position_;
  const uint32_t n = count < left ? count : uint32_t(left);
  if (n) std::memcpy(buffer, bytes_.data() + position_, n);
  position_ += n;
  return n;
}

uint32_t MemoryFile::Write(const void* buffer, uint32_t count) {
  if (position_ + count > bytes_.size()) bytes_.resize(size_t(position_ + count));
  if (count) std::memcpy(bytes_.data() + position_, buffer, count);
  position_ += count;
  return count;
}

uint32_t MemoryFile::Seek(int32_t offset, int32_t origin) {
  int64_t base;
  switch (origin) {
    case kSeekStart:
      base = 0;
      break;
    case kSeekCurrent:
      base = int64_t(position_);
      break;
    case kSeekEnd:
      base = int64_t(bytes_.size());
      break;
    default:
      return 0xFFFFFFFFu;
  }
  const int64_t target = base + offset;
  if (target < 0) return 0xFFFFFFFFu;  // as the system does: fail, position unchanged
  position_ = uint64_t(target);
  return uint32_t(position_);
}

}  // namespace storage
