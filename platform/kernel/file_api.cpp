// Files of the device: CreateFileW and friends over POSIX file descriptors below the storage
// folder.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <optional>

#include "kernel/handle_table.h"
#include "kernel/storage.h"

namespace platform {
namespace {

class FileObject final : public KernelObject {
 public:
  FileObject(int fd, bool canRead, bool canWrite)
      : fd_(fd), canRead_(canRead), canWrite_(canWrite) {}
  ~FileObject() override { ::close(fd_); }
  FileObject(const FileObject&) = delete;
  FileObject& operator=(const FileObject&) = delete;

  int Fd() const { return fd_; }
  bool CanRead() const { return canRead_; }
  bool CanWrite() const { return canWrite_; }

 private:
  int fd_;
  bool canRead_;
  bool canWrite_;
};

std::shared_ptr<FileObject> FileOf(HANDLE handle) {
  auto file = LookupHandle<FileObject>(handle);
  if (!file) SetLastError(ERROR_INVALID_HANDLE);
  return file;
}

// ENOENT on the file itself means the file is missing; on a folder above it, the path is.
DWORD OpenError(int error, const std::filesystem::path& host) {
  if (error == ENOENT) {
    std::error_code ignored;
    if (!std::filesystem::is_directory(host.parent_path(), ignored)) return ERROR_PATH_NOT_FOUND;
  }
  return ErrorFromErrno(error);
}

// The host path of a device file name; nothing (last error set) for a null or impossible name.
std::optional<std::filesystem::path> HostPathFor(LPCWSTR name) {
  if (name == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return std::nullopt;
  }
  auto host = HostPathOf(name);
  if (!host) SetLastError(ERROR_INVALID_NAME);
  return host;
}

}  // namespace
}  // namespace platform

using platform::FileOf;
using platform::HostPathFor;

HANDLE WINAPI CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD /*dwShareMode*/,
                          LPSECURITY_ATTRIBUTES /*lpSecurityAttributes*/,
                          DWORD dwCreationDisposition, DWORD /*dwFlagsAndAttributes*/,
                          HANDLE /*hTemplateFile*/) {
  if (lpFileName == nullptr || dwCreationDisposition < CREATE_NEW ||
      dwCreationDisposition > TRUNCATE_EXISTING) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  auto host = HostPathFor(lpFileName);
  if (!host) return INVALID_HANDLE_VALUE;
  const bool canRead = (dwDesiredAccess & (GENERIC_READ | GENERIC_ALL)) != 0;
  const bool canWrite = (dwDesiredAccess & (GENERIC_WRITE | GENERIC_ALL)) != 0;
  if (dwCreationDisposition == TRUNCATE_EXISTING && !canWrite) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  int flags = O_CLOEXEC | (canWrite ? (canRead ? O_RDWR : O_WRONLY) : O_RDONLY);
  switch (dwCreationDisposition) {
    case CREATE_NEW:
      flags |= O_CREAT | O_EXCL;
      break;
    case CREATE_ALWAYS:
      flags |= O_CREAT | O_TRUNC;
      break;
    case OPEN_ALWAYS:
      flags |= O_CREAT;
      break;
    case TRUNCATE_EXISTING:
      flags |= O_TRUNC;
      break;
    default:
      break;
  }
  struct stat before {};
  const bool existed = ::stat(host->c_str(), &before) == 0;
  if (existed && S_ISDIR(before.st_mode)) {
    SetLastError(dwCreationDisposition == CREATE_NEW ? ERROR_FILE_EXISTS : ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  const int fd = ::open(host->c_str(), flags, 0644);
  if (fd < 0) {
    const int error = errno;
    SetLastError(error == EEXIST ? ERROR_FILE_EXISTS : platform::OpenError(error, *host));
    return INVALID_HANDLE_VALUE;
  }
  HANDLE handle =
      platform::InsertHandle(std::make_shared<platform::FileObject>(fd, canRead, canWrite));
  // CREATE_ALWAYS and OPEN_ALWAYS tell the caller that the file was already there.
  const bool reportsExisting =
      dwCreationDisposition == CREATE_ALWAYS || dwCreationDisposition == OPEN_ALWAYS;
  SetLastError(reportsExisting && existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return handle;
}

BOOL WINAPI ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead,
                     LPDWORD lpNumberOfBytesRead, LPOVERLAPPED lpOverlapped) {
  auto file = FileOf(hFile);
  if (!file) return FALSE;
  if (lpNumberOfBytesRead == nullptr || lpOverlapped != nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *lpNumberOfBytesRead = 0;
  if (lpBuffer == nullptr && nNumberOfBytesToRead > 0) {
    SetLastError(ERROR_NOACCESS);
    return FALSE;
  }
  if (!file->CanRead()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  auto* out = static_cast<char*>(lpBuffer);
  DWORD total = 0;
  while (total < nNumberOfBytesToRead) {
    const ssize_t n = ::read(file->Fd(), out + total, nNumberOfBytesToRead - total);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      *lpNumberOfBytesRead = total;
      SetLastError(platform::ErrorFromErrno(errno));
      return FALSE;
    }
    if (n == 0) break;  // end of file: success with fewer bytes
    total += static_cast<DWORD>(n);
  }
  *lpNumberOfBytesRead = total;
  return TRUE;
}

BOOL WINAPI WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite,
                      LPDWORD lpNumberOfBytesWritten, LPOVERLAPPED lpOverlapped) {
  auto file = FileOf(hFile);
  if (!file) return FALSE;
  if (lpNumberOfBytesWritten == nullptr || lpOverlapped != nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *lpNumberOfBytesWritten = 0;
  if (lpBuffer == nullptr && nNumberOfBytesToWrite > 0) {
    SetLastError(ERROR_NOACCESS);
    return FALSE;
  }
  if (!file->CanWrite()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  const auto* in = static_cast<const char*>(lpBuffer);
  DWORD total = 0;
  while (total < nNumberOfBytesToWrite) {
    const ssize_t n = ::write(file->Fd(), in + total, nNumberOfBytesToWrite - total);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      *lpNumberOfBytesWritten = total;
      SetLastError(n == 0 ? ERROR_DISK_FULL : platform::ErrorFromErrno(errno));
      return FALSE;
    }
    total += static_cast<DWORD>(n);
  }
  *lpNumberOfBytesWritten = total;
  return TRUE;
}

DWORD WINAPI SetFilePointer(HANDLE hFile, LONG lDistanceToMove, PLONG lpDistanceToMoveHigh,
                            DWORD dwMoveMethod) {
  auto file = FileOf(hFile);
  if (!file) return INVALID_SET_FILE_POINTER;
  // Without a high part the distance is a signed 32-bit value; with one, the two form 64 bits.
  int64_t distance = lDistanceToMove;
  if (lpDistanceToMoveHigh != nullptr) {
    distance = static_cast<int64_t>(
        (static_cast<uint64_t>(static_cast<uint32_t>(*lpDistanceToMoveHigh)) << 32) |
        static_cast<uint32_t>(lDistanceToMove));
  }
  int64_t base = 0;
  if (dwMoveMethod == FILE_CURRENT) {
    base = ::lseek(file->Fd(), 0, SEEK_CUR);
  } else if (dwMoveMethod == FILE_END) {
    struct stat info {};
    base = ::fstat(file->Fd(), &info) == 0 ? info.st_size : -1;
  } else if (dwMoveMethod != FILE_BEGIN) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_SET_FILE_POINTER;
  }
  if (base < 0) {
    SetLastError(platform::ErrorFromErrno(errno));
    return INVALID_SET_FILE_POINTER;
  }
  // base is never negative here, so -base cannot overflow (-distance could, for INT64_MIN).
  if ((distance < 0 && distance < -base) || (distance > 0 && base > INT64_MAX - distance)) {
    SetLastError(ERROR_NEGATIVE_SEEK);
    return INVALID_SET_FILE_POINTER;
  }
  const int64_t target = base + distance;
  if (lpDistanceToMoveHigh == nullptr && target > 0xFFFFFFFFll) {
    SetLastError(ERROR_INVALID_PARAMETER);  // the new position would not fit the return value
    return INVALID_SET_FILE_POINTER;
  }
  if (::lseek(file->Fd(), target, SEEK_SET) < 0) {
    SetLastError(platform::ErrorFromErrno(errno));
    return INVALID_SET_FILE_POINTER;
  }
  if (lpDistanceToMoveHigh != nullptr) *lpDistanceToMoveHigh = static_cast<LONG>(target >> 32);
  SetLastError(NO_ERROR);  // 0xFFFFFFFF can be a valid low part; callers then check the last error
  return static_cast<DWORD>(target);
}

DWORD WINAPI GetFileSize(HANDLE hFile, LPDWORD lpFileSizeHigh) {
  auto file = FileOf(hFile);
  if (!file) return INVALID_FILE_SIZE;
  struct stat info {};
  if (::fstat(file->Fd(), &info) != 0) {
    SetLastError(platform::ErrorFromErrno(errno));
    return INVALID_FILE_SIZE;
  }
  const auto size = static_cast<uint64_t>(info.st_size);
  if (lpFileSizeHigh != nullptr) *lpFileSizeHigh = static_cast<DWORD>(size >> 32);
  SetLastError(NO_ERROR);
  return static_cast<DWORD>(size);
}

BOOL WINAPI DeleteFileW(LPCWSTR lpFileName) {
  auto host = HostPathFor(lpFileName);
  if (!host) return FALSE;
  struct stat info {};
  if (::lstat(host->c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (::unlink(host->c_str()) != 0) {
    SetLastError(platform::OpenError(errno, *host));
    return FALSE;
  }
  return TRUE;
}

BOOL WINAPI CreateDirectoryW(LPCWSTR lpPathName, LPSECURITY_ATTRIBUTES /*lpSecurityAttributes*/) {
  auto host = HostPathFor(lpPathName);
  if (!host) return FALSE;
  if (::mkdir(host->c_str(), 0755) != 0) {
    SetLastError(platform::OpenError(errno, *host));
    return FALSE;
  }
  return TRUE;
}
