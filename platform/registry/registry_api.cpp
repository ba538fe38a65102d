// The registry functions. An open key is a root and a path of names, looked up again on every
// call, so a key deleted (by this or another process) reports ERROR_KEY_DELETED.
#include <windows.h>

#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "kernel/wide_text.h"
#include "registry/hive_store.h"
#include "registry/reg_file.h"

namespace platform::registry {
namespace {

struct OpenKey {
  Root root = Root::kLocalMachine;
  std::vector<std::wstring> path;
};

struct KeyTable {
  std::mutex lock;
  std::unordered_map<uintptr_t, OpenKey> keys;
  uintptr_t next = 0x10000000;  // apart from kernel handles, so one is never taken for the other
};

KeyTable& Keys() {
  static KeyTable table;
  return table;
}

std::optional<OpenKey> Resolve(HKEY key) {
  if (key == HKEY_LOCAL_MACHINE) return OpenKey{Root::kLocalMachine, {}};
  if (key == HKEY_CURRENT_USER) return OpenKey{Root::kCurrentUser, {}};
  auto& table = Keys();
  std::lock_guard guard(table.lock);
  auto it = table.keys.find(reinterpret_cast<uintptr_t>(key));
  if (it == table.keys.end()) return std::nullopt;
  return it->second;
}

HKEY NewHandle(OpenKey key) {
  auto& table = Keys();
  std::lock_guard guard(table.lock);
  const uintptr_t value = table.next;
  table.next += 4;
  table.keys.emplace(value, std::move(key));
  return reinterpret_cast<HKEY>(value);
}

// The key at `path` below `root`, or null when a name is missing; const for readers.
template <typename K>
K* Walk(K& root, const std::vector<std::wstring>& path) {
  K* key = &root;
  for (const auto& name : path) {
    key = key->FindChild(name);
    if (key == nullptr) return nullptr;
  }
  return key;
}

// Splits "a\b\c" into its names. A leading backslash or an empty name in the middle is refused;
// one trailing backslash is allowed. Control characters are refused as well: the registry file
// could not hold them.
LONG SplitSubKey(const wchar_t* subKey, std::vector<std::wstring>& parts) {
  std::wstring_view text = subKey ? std::wstring_view(subKey) : std::wstring_view();
  if (!text.empty() && text.back() == L'\\') text.remove_suffix(1);
  if (text.empty()) return ERROR_SUCCESS;
  for (size_t start = 0;;) {
    const size_t end = text.find(L'\\', start);
    std::wstring_view name =
        text.substr(start, end == std::wstring_view::npos ? std::wstring_view::npos : end - start);
    if (name.empty()) return ERROR_BAD_PATHNAME;
    if (name.size() > kMaxKeyNameLength) return ERROR_INVALID_PARAMETER;
    for (wchar_t c : name) {
      if (c < 0x20 || c == 0x7F) return ERROR_INVALID_PARAMETER;
    }
    parts.emplace_back(name);
    if (end == std::wstring_view::npos) break;
    start = end + 1;
  }
  return ERROR_SUCCESS;
}

LONG CheckValueName(std::wstring_view name) {
  if (name.size() > kMaxValueNameLength) return ERROR_INVALID_PARAMETER;
  for (wchar_t c : name) {
    if (c < 0x20 || c == 0x7F) return ERROR_INVALID_PARAMETER;
  }
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace platform::registry

namespace reg = platform::registry;

LONG WINAPI RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD /*ulOptions*/, REGSAM /*samDesired*/,
                          PHKEY phkResult) {
  if (phkResult == nullptr) return ERROR_INVALID_PARAMETER;
  *phkResult = nullptr;
  auto base = reg::Resolve(hKey);
  if (!base) return ERROR_INVALID_HANDLE;
  std::vector<std::wstring> parts;
  if (LONG error = reg::SplitSubKey(lpSubKey, parts); error != ERROR_SUCCESS) return error;
  reg::OpenKey opened{base->root, {}};
  const LONG result = reg::ReadHive([&](const reg::Hive& hive) -> LONG {
    const reg::Key* key = reg::Walk(hive.RootKey(base->root), base->path);
    if (key == nullptr) return ERROR_KEY_DELETED;
    opened.path = base->path;
    for (const auto& name : parts) {
      key = key->FindChild(name);
      if (key == nullptr) return ERROR_FILE_NOT_FOUND;
      opened.path.push_back(key->Name());
    }
    return ERROR_SUCCESS;
  });
  if (result == ERROR_SUCCESS) *phkResult = reg::NewHandle(std::move(opened));
  return result;
}

LONG WINAPI RegCreateKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD /*Reserved*/, LPWSTR /*lpClass*/,
                            DWORD /*dwOptions*/, REGSAM /*samDesired*/,
                            LPSECURITY_ATTRIBUTES /*lpSecurityAttributes*/, PHKEY phkResult,
                            LPDWORD lpdwDisposition) {
  if (phkResult == nullptr || lpSubKey == nullptr) return ERROR_INVALID_PARAMETER;
  *phkResult = nullptr;
  auto base = reg::Resolve(hKey);
  if (!base) return ERROR_INVALID_HANDLE;
  std::vector<std::wstring> parts;
  if (LONG error = reg::SplitSubKey(lpSubKey, parts); error != ERROR_SUCCESS) return error;
  if (base->path.size() + parts.size() > reg::kMaxKeyDepth) return ERROR_INVALID_PARAMETER;
  reg::OpenKey opened{base->root, base->path};
  bool createdAny = false;
  const LONG result = reg::ChangeHive([&](reg::Hive& hive, bool& changed) -> LONG {
    reg::Key* key = reg::Walk(hive.RootKey(base->root), base->path);
    if (key == nullptr) return ERROR_KEY_DELETED;
    for (const auto& name : parts) {
      bool created = false;
      key = &key->AddChild(name, created);
      createdAny = createdAny || created;
      opened.path.push_back(key->Name());
    }
    changed = createdAny;
    return ERROR_SUCCESS;
  });
  if (result != ERROR_SUCCESS) return result;
  *phkResult = reg::NewHandle(std::move(opened));
  if (lpdwDisposition != nullptr)
    *lpdwDisposition = createdAny ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  return ERROR_SUCCESS;
}

LONG WINAPI RegQueryValueExW(HKEY hKey, LPCWSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                             LPBYTE lpData, LPDWORD lpcbData) {
  if (lpReserved != nullptr || (lpData != nullptr && lpcbData == nullptr))
    return ERROR_INVALID_PARAMETER;
  auto open = reg::Resolve(hKey);
  if (!open) return ERROR_INVALID_HANDLE;
  const std::wstring_view name = lpValueName ? std::wstring_view(lpValueName) : std::wstring_view();
  return reg::ReadHive([&](const reg::Hive& hive) -> LONG {
    const reg::Key* key = reg::Walk(hive.RootKey(open->root), open->path);
    if (key == nullptr) return ERROR_KEY_DELETED;
    const reg::Value* value = key->FindValue(name);
    if (value == nullptr) return ERROR_FILE_NOT_FOUND;
    const auto size = static_cast<DWORD>(value->data.size());
    if (lpType != nullptr) *lpType = value->type;
    if (lpData != nullptr && *lpcbData < size) {
      *lpcbData = size;
      return ERROR_MORE_DATA;
    }
    if (lpData != nullptr && size > 0) std::memcpy(lpData, value->data.data(), size);
    if (lpcbData != nullptr) *lpcbData = size;
    return ERROR_SUCCESS;
  });
}

LONG WINAPI RegSetValueExW(HKEY hKey, LPCWSTR lpValueName, DWORD /*Reserved*/, DWORD dwType,
                           const BYTE* lpData, DWORD cbData) {
  if (lpData == nullptr && cbData > 0) return ERROR_NOACCESS;
  auto open = reg::Resolve(hKey);
  if (!open) return ERROR_INVALID_HANDLE;
  const std::wstring_view name = lpValueName ? std::wstring_view(lpValueName) : std::wstring_view();
  if (LONG error = reg::CheckValueName(name); error != ERROR_SUCCESS) return error;
  std::vector<uint8_t> data(lpData, lpData + cbData);
  return reg::ChangeHive([&](reg::Hive& hive, bool& changed) -> LONG {
    reg::Key* key = reg::Walk(hive.RootKey(open->root), open->path);
    if (key == nullptr) return ERROR_KEY_DELETED;
    const reg::Value* old = key->FindValue(name);
    changed = old == nullptr || old->type != dwType ||
              old->data != data;  // unchanged values cost no save
    if (changed) key->SetValue(name, dwType, std::move(data));
    return ERROR_SUCCESS;
  });
}

// As on Windows CE, the key goes with all its subkeys and values. An empty name deletes the
// open key itself; a root key cannot be deleted.
LONG WINAPI RegDeleteKeyW(HKEY hKey, LPCWSTR lpSubKey) {
  if (lpSubKey == nullptr) return ERROR_INVALID_PARAMETER;
  auto open = reg::Resolve(hKey);
  if (!open) return ERROR_INVALID_HANDLE;
  std::vector<std::wstring> target = open->path;
  if (LONG error = reg::SplitSubKey(lpSubKey, target); error != ERROR_SUCCESS) return error;
  if (target.empty()) return ERROR_ACCESS_DENIED;
  return reg::ChangeHive([&](reg::Hive& hive, bool& changed) -> LONG {
    reg::Key& root = hive.RootKey(open->root);
    if (reg::Walk(root, open->path) == nullptr) return ERROR_KEY_DELETED;
    const std::wstring name = target.back();
    target.pop_back();
    reg::Key* parent = reg::Walk(root, target);
    if (parent == nullptr || !parent->RemoveChild(name)) return ERROR_FILE_NOT_FOUND;
    changed = true;
    return ERROR_SUCCESS;
  });
}

LONG WINAPI RegCloseKey(HKEY hKey) {
  if (hKey == HKEY_LOCAL_MACHINE || hKey == HKEY_CURRENT_USER) return ERROR_SUCCESS;
  auto& table = reg::Keys();
  std::lock_guard guard(table.lock);
  return table.keys.erase(reinterpret_cast<uintptr_t>(hKey)) > 0 ? ERROR_SUCCESS
                                                                 : ERROR_INVALID_HANDLE;
}
