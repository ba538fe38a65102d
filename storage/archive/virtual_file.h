// VirtualFile: a byte stream over one named entry of the data archive. Every read seeks the
// shared archive first, so any number of entries may be open at once.
#pragma once

#include <cstdint>

#include "storage/archive/archive_directory.h"
#include "storage/file/abstract_file.h"

namespace storage {

class VirtualFile : public AbstractFile {
 public:
  // An entry of the process's data archive, opened (or the program ended) on first use.
  explicit VirtualFile(const char* name);
  // An entry of the given archive, described by its directory.
  VirtualFile(AbstractFile& archive, const ArchiveDirectory& directory, const char* name);

  // Reads are shortened to the bytes left in the entry.
  uint32_t Read(void* buffer, uint32_t count) override;
  uint32_t Write(const void* buffer, uint32_t count) override;
  // Origin 2 counts back from the last byte (size - offset - 1); the result is kept inside
  // the entry (0 to size - 1), so only Read reaches the end.
  uint32_t Seek(int32_t offset, int32_t origin) override;
  uint32_t GetSize() override { return size_; }
  bool IsOpen() override { return found_; }

 private:
  void Find(const ArchiveDirectory& directory, const char* name);
  uint32_t Clamp(uint32_t count) const;

  AbstractFile* archive_;
  uint32_t offset_ = 0;
  uint32_t size_ = 0;
  int32_t position_ = 0;
  bool found_ = false;
};

}  // namespace storage
