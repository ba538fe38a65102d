// The process's table of kernel-object handles (files, mutexes, processes, threads).
// Handle values are never reused, so a stale or made-up handle is always recognised as invalid.
#pragma once

#include <windows.h>

#include <memory>

namespace platform {

class KernelObject {
 public:
  virtual ~KernelObject() = default;
};

// The value GetCurrentProcess returns: a pseudo handle that needs no closing.
HANDLE CurrentProcessPseudoHandle();

HANDLE InsertHandle(std::shared_ptr<KernelObject> object);
// The object behind a handle if it is of type T; null for unknown handles and other types.
std::shared_ptr<KernelObject> LookupObject(HANDLE handle);
template <typename T>
std::shared_ptr<T> LookupHandle(HANDLE handle) {
  return std::dynamic_pointer_cast<T>(LookupObject(handle));
}
// Drops the handle; the object goes when its last handle is closed. False for unknown handles.
bool RemoveHandle(HANDLE handle);

// The Win32 error for an errno value of a failed POSIX call.
DWORD ErrorFromErrno(int error);

}  // namespace platform
