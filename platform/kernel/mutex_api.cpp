// Mutexes. A named mutex is visible to every process of the same device: each process that has it
// open holds a shared flock() on a lock file under the storage folder, so "it exists" means "some
// process holds that lock". The lock goes with the last handle, or with the process.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

#include "kernel/handle_table.h"
#include "kernel/storage.h"
#include "kernel/wide_text.h"

namespace platform {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

class MutexObject final : public KernelObject {
 public:
  MutexObject(std::wstring name, int lockFd) : name_(std::move(name)), lockFd_(lockFd) {}
  ~MutexObject() override;
  MutexObject(const MutexObject&) = delete;
  MutexObject& operator=(const MutexObject&) = delete;

  void TakeOwnership() {
    std::lock_guard guard(lock_);
    owner_ = std::this_thread::get_id();
    ++count_;
  }
  bool Release() {
    std::lock_guard guard(lock_);
    if (count_ == 0 || owner_ != std::this_thread::get_id()) return false;
    if (--count_ == 0) owner_ = {};
    return true;
  }

 private:
  std::wstring name_;
  FileDescriptor lockFd_;
  std::mutex lock_;
  std::thread::id owner_;
  unsigned count_ = 0;
};

// Named mutexes this process has open, so that a second CreateMutexW finds the same object.
struct NameTable {
  std::mutex lock;
  std::map<std::wstring, std::weak_ptr<MutexObject>> objects;
};

NameTable& Names() {
  static NameTable table;
  return table;
}

MutexObject::~MutexObject() {
  if (name_.empty()) return;
  auto& names = Names();
  std::lock_guard guard(names.lock);
  auto it = names.objects.find(name_);
  if (it != names.objects.end() && it->second.expired()) names.objects.erase(it);
}

// Object names are case-sensitive; the file name keeps letters and digits and escapes the rest.
std::string LockFileName(std::wstring_view name) {
  std::string out = "mutex-";
  for (unsigned char byte : WideToUtf8(name)) {
    if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
        (byte >= 'a' && byte <= 'z')) {
      out += static_cast<char>(byte);
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
      out += escaped;
    }
  }
  if (out.size() > 200) {  // keep within NAME_MAX: a prefix and a hash of the whole name
    uint64_t hash = 14695981039346656037ull;
    for (char c : out) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, "#%016llx", static_cast<unsigned long long>(hash));
    out = out.substr(0, 180) + suffix;
  }
  return out + ".lock";
}

// Opens the device-wide marker of `name`. On success `existed` tells whether another process
// already had it; returns -1 with the last error set on failure.
int OpenMarker(std::wstring_view name, bool& existed) {
  const auto dir = DeviceRoot() / ".kernel";
  std::error_code ignored;
  std::filesystem::create_directories(dir, ignored);
  // The guard makes "try exclusive, then downgrade to shared" one step for all processes.
  FileDescriptor guard(::open((dir / "objects.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
  FileDescriptor marker(
      ::open((dir / LockFileName(name)).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
  if (guard.Get() < 0 || marker.Get() < 0 || ::flock(guard.Get(), LOCK_EX) != 0) {
    SetLastError(ErrorFromErrno(errno));
    return -1;
  }
  existed = ::flock(marker.Get(), LOCK_EX | LOCK_NB) != 0;
  if (::flock(marker.Get(), LOCK_SH | LOCK_NB) != 0) {
    SetLastError(ErrorFromErrno(errno));
    return -1;
  }
  return marker.Release();
}

}  // namespace
}  // namespace platform

HANDLE WINAPI CreateMutexW(LPSECURITY_ATTRIBUTES /*lpMutexAttributes*/, BOOL bInitialOwner,
                           LPCWSTR lpName) {
  using platform::MutexObject;
  const std::wstring name = lpName ? std::wstring(lpName) : std::wstring();
  if (name.size() > MAX_PATH) {
    SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return nullptr;
  }
  std::shared_ptr<MutexObject> object;
  bool existed = false;
  if (name.empty()) {
    object = std::make_shared<MutexObject>(name, -1);
  } else {
    auto& names = platform::Names();
    std::lock_guard guard(names.lock);
    object = names.objects[name].lock();
    existed = object != nullptr;
    if (!object) {
      const int fd = platform::OpenMarker(name, existed);
      if (fd < 0) return nullptr;
      object = std::make_shared<MutexObject>(name, fd);
      names.objects[name] = object;
    }
  }
  // An existing mutex is opened as it is: the request for ownership is ignored.
  if (bInitialOwner && !existed) object->TakeOwnership();
  HANDLE handle = platform::InsertHandle(object);
  SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return handle;
}

BOOL WINAPI ReleaseMutex(HANDLE hMutex) {
  auto object = platform::LookupHandle<platform::MutexObject>(hMutex);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (!object->Release()) {
    SetLastError(ERROR_NOT_OWNER);
    return FALSE;
  }
  return TRUE;
}
