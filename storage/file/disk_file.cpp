// DiskFile: the file calls of the system, with 0 for every failed read or write.
#include "storage/file/disk_file.h"

namespace storage {

DiskFile::DiskFile(LPCWSTR path, DWORD creationDisposition, DWORD access, DWORD shareMode) {
  if (!path) return;
  HANDLE handle = CreateFileW(path, access, shareMode, nullptr, creationDisposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle != INVALID_HANDLE_VALUE) handle_ = handle;
}

DiskFile::~DiskFile() {
  if (handle_) CloseHandle(handle_);
}

uint32_t DiskFile::Read(void* buffer, uint32_t count) {
  DWORD got = 0;
  if (!handle_ || !ReadFile(handle_, buffer, count, &got, nullptr)) return 0;
  return got;
}

uint32_t DiskFile::Write(const void* buffer, uint32_t count) {
  DWORD put = 0;
  if (!handle_ || !WriteFile(handle_, buffer, count, &put, nullptr)) return 0;
  return put;
}

uint32_t DiskFile::Seek(int32_t offset, int32_t origin) {
  return SetFilePointer(handle_, offset, nullptr, DWORD(origin));
}

uint32_t DiskFile::GetSize() {
  return GetFileSize(handle_, nullptr);
}

}  // namespace storage
