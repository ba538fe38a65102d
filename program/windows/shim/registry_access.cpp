// RegOpenKeyExW and RegCreateKeyExW with the handheld's access rule. There the access mask is
// reserved and the game passes 0: every key opens for reading and writing. The desktop grants a
// handle only the access asked for (0 is none: reading a value is ERROR_ACCESS_DENIED), so a
// 0 mask here asks for reading and writing, and for reading alone where writing is refused
// (a key of the local machine for a user who is not an administrator).
#include <windows.h>

#include "handheld.h"

namespace {

constexpr REGSAM kReadWrite = KEY_READ | KEY_WRITE;

}  // namespace

extern "C" LONG WINAPI HandheldRegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD options, REGSAM access,
                                             PHKEY result) {
  if (access != 0) return RegOpenKeyExW(key, subKey, options, access, result);
  const LONG status = RegOpenKeyExW(key, subKey, options, kReadWrite, result);
  if (status != ERROR_ACCESS_DENIED) return status;
  return RegOpenKeyExW(key, subKey, options, KEY_READ, result);
}

extern "C" LONG WINAPI HandheldRegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD reserved,
                                               LPWSTR keyClass, DWORD options, REGSAM access,
                                               LPSECURITY_ATTRIBUTES security, PHKEY result,
                                               LPDWORD disposition) {
  if (access != 0) {
    return RegCreateKeyExW(key, subKey, reserved, keyClass, options, access, security, result,
                           disposition);
  }
  const LONG status = RegCreateKeyExW(key, subKey, reserved, keyClass, options, kReadWrite,
                                      security, result, disposition);
  if (status != ERROR_ACCESS_DENIED) return status;
  // An existing key can still be read; a missing one stays missing.
  return RegOpenKeyExW(key, subKey, 0, KEY_READ, result);
}
