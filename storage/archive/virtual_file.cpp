// VirtualFile: lookup, clamped reads and writes, and the entry-relative seek.
#include "storage/archive/virtual_file.h"

#include <cstdint>

namespace storage {

VirtualFile::VirtualFile(AbstractFile& archive, const ArchiveDirectory& directory, const char* name)
    : archive_(&archive) {
  Find(directory, name);
}

void VirtualFile::Find(const ArchiveDirectory& directory, const char* name) {
  const auto it = directory.find(name);
  if (it == directory.end()) return;
  offset_ = it->second.offset;
  size_ = it->second.size;
  found_ = true;
}

uint32_t VirtualFile::Clamp(uint32_t count) const {
  // The position is a signed 32-bit number: an entry claimed longer than that is read as far
  // as the position can count.
  int64_t left = int64_t(size_) - position_;
  if (left > int64_t(INT32_MAX) - position_) left = int64_t(INT32_MAX) - position_;
  if (int64_t(count) > left) return left > 0 ? uint32_t(left) : 0;
  return count;
}

uint32_t VirtualFile::Read(void* buffer, uint32_t count) {
  count = Clamp(count);
  archive_->Seek(int32_t(offset_ + uint32_t(position_)), kSeekStart);
  const uint32_t got = count ? archive_->Read(buffer, count) : 0;
  position_ += int32_t(got);
  return got;
}

uint32_t VirtualFile::Write(const void* buffer, uint32_t count) {
  count = Clamp(count);
  archive_->Seek(int32_t(offset_ + uint32_t(position_)), kSeekStart);
  const uint32_t put = count ? archive_->Write(buffer, count) : 0;
  position_ += int32_t(put);
  return put;
}

uint32_t VirtualFile::Seek(int32_t offset, int32_t origin) {
  int64_t position = position_;
  switch (origin) {
    case kSeekStart:
      position = offset;
      break;
    case kSeekCurrent:
      position = int64_t(position_) + offset;
      break;
    case kSeekEnd:
      position = int64_t(size_) - offset - 1;
      break;
    default:
      break;
  }
  if (position < 0) {
    position = 0;
  } else if (position >= int64_t(size_)) {
    position = size_ ? int64_t(size_) - 1 : 0;
  }
  if (position > INT32_MAX) position = INT32_MAX;
  position_ = int32_t(position);
  return uint32_t(position_);
}

}  // namespace storage
