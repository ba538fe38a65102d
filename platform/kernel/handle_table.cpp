// Handle table shared by all kernel objects, and CloseHandle.
#include "kernel/handle_table.h"

#include <cerrno>
#include <mutex>
#include <unordered_map>

namespace platform {
namespace {

struct Table {
  std::mutex lock;
  std::unordered_map<uintptr_t, std::shared_ptr<KernelObject>> objects;
  uintptr_t next = 0x1000;  // multiples of 4, like real handles
};

Table& TheTable() {
  static Table table;
  return table;
}

}  // namespace

// Windows CE's own value for the current-process pseudo handle.
HANDLE CurrentProcessPseudoHandle() {
  return reinterpret_cast<HANDLE>(uintptr_t{0x42});
}

HANDLE InsertHandle(std::shared_ptr<KernelObject> object) {
  auto& table = TheTable();
  std::lock_guard guard(table.lock);
  const uintptr_t value = table.next;
  table.next += 4;
  table.objects.emplace(value, std::move(object));
  return reinterpret_cast<HANDLE>(value);
}

std::shared_ptr<KernelObject> LookupObject(HANDLE handle) {
  auto& table = TheTable();
  std::lock_guard guard(table.lock);
  auto it = table.objects.find(reinterpret_cast<uintptr_t>(handle));
  return it == table.objects.end() ? nullptr : it->second;
}

bool RemoveHandle(HANDLE handle) {
  std::shared_ptr<KernelObject> last;  // destroyed outside the lock
  auto& table = TheTable();
  std::lock_guard guard(table.lock);
  auto it = table.objects.find(reinterpret_cast<uintptr_t>(handle));
  if (it == table.objects.end()) return false;
  last = std::move(it->second);
  table.objects.erase(it);
  return true;
}

DWORD ErrorFromErrno(int error) {
  switch (error) {
    case ENOENT:
      return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
      return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
      return ERROR_ACCESS_DENIED;
    case EEXIST:
      return ERROR_ALREADY_EXISTS;
    case ENOTEMPTY:
      return ERROR_DIR_NOT_EMPTY;
    case EMFILE:
    case ENFILE:
      return ERROR_TOO_MANY_OPEN_FILES;
    case ENOSPC:
    case EDQUOT:
      return ERROR_DISK_FULL;
    case ENOMEM:
      return ERROR_NOT_ENOUGH_MEMORY;
    case ENAMETOOLONG:
      return ERROR_FILENAME_EXCED_RANGE;
    case EBADF:
      return ERROR_INVALID_HANDLE;
    case EINVAL:
      return ERROR_INVALID_PARAMETER;
    default:
      return ERROR_GEN_FAILURE;
  }
}

}  // namespace platform

BOOL WINAPI CloseHandle(HANDLE hObject) {
  if (hObject == platform::CurrentProcessPseudoHandle()) return TRUE;
  if (!platform::RemoveHandle(hObject)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}
