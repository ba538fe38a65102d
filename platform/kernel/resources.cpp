// FindResourceW, LoadResource, LockResource, SizeofResource and FreeResource over the program's
// embedded resources. A loaded resource's handle is its first byte, as on the real system.
#include <windows.h>

#include "kernel/resource_registry.h"
#include "libloaderapi.h"

namespace {

const uint8_t kEmptyResource[1] = {0};

const platform::EmbeddedResource* CheckedEntry(HRSRC hResInfo) {
  if (!platform::IsEmbeddedResource(hResInfo)) return nullptr;
  return reinterpret_cast<const platform::EmbeddedResource*>(hResInfo);
}

}  // namespace

HRSRC WINAPI FindResourceW(HMODULE, LPCWSTR lpName, LPCWSTR lpType) {
  // A null name or type is integer id 0, which no resource has.
  platform::ResourceLookup result = platform::ResourceLookup::kFound;
  const auto* entry = platform::FindEmbeddedResource(
      platform::ResourceKey::FromWin32(lpType), platform::ResourceKey::FromWin32(lpName), &result);
  if (!entry) {
    SetLastError(result == platform::ResourceLookup::kTypeNotFound ? ERROR_RESOURCE_TYPE_NOT_FOUND
                                                                   : ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  return reinterpret_cast<HRSRC>(const_cast<platform::EmbeddedResource*>(entry));
}

HGLOBAL WINAPI LoadResource(HMODULE, HRSRC hResInfo) {
  const auto* entry = CheckedEntry(hResInfo);
  if (!entry) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  const uint8_t* data = entry->data ? entry->data : kEmptyResource;
  return const_cast<uint8_t*>(data);
}

LPVOID WINAPI LockResource(HGLOBAL hResData) {
  return hResData;
}

DWORD WINAPI SizeofResource(HMODULE, HRSRC hResInfo) {
  const auto* entry = CheckedEntry(hResInfo);
  if (!entry) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return static_cast<DWORD>(entry->size);
}

// Resources stay mapped for the life of the process; like the 32-bit system, nothing to free.
BOOL WINAPI FreeResource(HGLOBAL) {
  return FALSE;
}
