// DiskFile: an AbstractFile over an operating-system file handle. A file that cannot be
// opened gives an object whose IsOpen is false and whose reads return 0.
#pragma once

#include <windows.h>

#include "storage/file/abstract_file.h"

namespace storage {

class DiskFile : public AbstractFile {
 public:
  // The three values go to CreateFileW unchanged (no security attributes, normal attributes,
  // no template).
  DiskFile(LPCWSTR path, DWORD creationDisposition, DWORD access, DWORD shareMode);
  DiskFile(const DiskFile&) = delete;
  DiskFile& operator=(const DiskFile&) = delete;
  ~DiskFile() override;

  uint32_t Read(void* buffer, uint32_t count) override;
  uint32_t Write(const void* buffer, uint32_t count) override;
  // What the system returns: the new position, or its failure value.
  uint32_t Seek(int32_t offset, int32_t origin) override;
  uint32_t GetSize() override;
  bool IsOpen() override { return handle_ != nullptr; }

 private:
  HANDLE handle_ = nullptr;
};

}  // namespace storage
