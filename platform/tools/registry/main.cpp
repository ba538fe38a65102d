// pt-registry: shows and changes the registry of the emulated handheld through the registry
// functions, e.g. to prepare a device before the game's first start without touching what a
// player saved (set --if-absent).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "kernel/storage.h"
#include "kernel/wide_text.h"
#include "registry/hive_store.h"

namespace {

int Usage() {
  std::fputs(
      "usage: pt-registry [--device DIR] COMMAND\n"
      "  show                               print the registry file\n"
      "  get KEY NAME                       print a value (NAME \"\" is the default value)\n"
      "  set [--if-absent] KEY NAME TYPE DATA\n"
      "                                     TYPE: sz, expand_sz (DATA in UTF-8), dword (decimal or "
      "0x..),\n"
      "                                     binary (hex bytes, e.g. 0a1b2c), none (DATA ignored)\n"
      "  delete KEY                         delete a key with everything below it\n"
      "KEY: HKEY_LOCAL_MACHINE\\... or HKEY_CURRENT_USER\\... (HKLM, HKCU for short)\n",
      stderr);
  return 2;
}

int Fail(const std::string& what, LONG error) {
  std::fprintf(stderr, "pt-registry: %s (error %ld)\n", what.c_str(), static_cast<long>(error));
  return 1;
}

// Splits "HKLM\Software\..." into the root key and the path below it.
bool ParseKey(const std::string& text, HKEY& root, std::wstring& path) {
  const std::wstring wide = platform::Utf8ToWideLenient(text);
  const size_t slash = wide.find(L'\\');
  const std::wstring rootName = wide.substr(0, slash);
  path = slash == std::wstring::npos ? std::wstring() : wide.substr(slash + 1);
  if (platform::EqualsNoCase(rootName, L"HKEY_LOCAL_MACHINE") ||
      platform::EqualsNoCase(rootName, L"HKLM")) {
    root = HKEY_LOCAL_MACHINE;
  } else if (platform::EqualsNoCase(rootName, L"HKEY_CURRENT_USER") ||
             platform::EqualsNoCase(rootName, L"HKCU")) {
    root = HKEY_CURRENT_USER;
  } else {
    return false;
  }
  return true;
}

bool ParseData(const std::string& type, const std::string& text, DWORD& regType,
               std::vector<BYTE>& data) {
  if (type == "sz" || type == "expand_sz") {
    regType = type == "sz" ? REG_SZ : REG_EXPAND_SZ;
    const std::wstring wide = platform::Utf8ToWideLenient(text);
    const auto* bytes = reinterpret_cast<const BYTE*>(wide.c_str());
    data.assign(bytes, bytes + (wide.size() + 1) * sizeof(WCHAR));
    return true;
  }
  if (type == "dword") {
    char* end = nullptr;
    const unsigned long long number = std::strtoull(text.c_str(), &end, 0);
    if (text.empty() || *end != 0 || number > 0xFFFFFFFFull) return false;
    regType = REG_DWORD;
    const auto value = static_cast<DWORD>(number);
    const auto* bytes = reinterpret_cast<const BYTE*>(&value);
    data.assign(bytes, bytes + sizeof value);
    return true;
  }
  if (type == "binary") {
    if (text.size() % 2 != 0) return false;
    regType = REG_BINARY;
    for (size_t i = 0; i < text.size(); i += 2) {
      char* end = nullptr;
      const std::string pair = text.substr(i, 2);
      const long byte = std::strtol(pair.c_str(), &end, 16);
      if (*end != 0) return false;
      data.push_back(static_cast<BYTE>(byte));
    }
    return true;
  }
  if (type == "none") {
    regType = REG_NONE;
    return true;
  }
  return false;
}

void PrintValue(DWORD type, const std::vector<BYTE>& data) {
  if ((type == REG_SZ || type == REG_EXPAND_SZ) && data.size() % sizeof(WCHAR) == 0) {
    std::wstring text(data.size() / sizeof(WCHAR), L'\0');
    std::memcpy(text.data(), data.data(), data.size());
    while (!text.empty() && text.back() == 0) text.pop_back();
    std::printf("%s\n", platform::WideToUtf8(text).c_str());
  } else if (type == REG_DWORD && data.size() == 4) {
    DWORD number = 0;
    std::memcpy(&number, data.data(), 4);
    std::printf("%lu\n", static_cast<unsigned long>(number));
  } else {
    for (BYTE byte : data) std::printf("%02x", byte);
    std::printf("\n");
  }
}

int Get(HKEY root, const std::wstring& path, const std::string& name) {
  HKEY key = nullptr;
  if (LONG error = RegOpenKeyExW(root, path.c_str(), 0, 0, &key); error != ERROR_SUCCESS) {
    return Fail("no such key", error);
  }
  const std::wstring wideName = platform::Utf8ToWideLenient(name);
  DWORD type = 0, size = 0;
  LONG error = RegQueryValueExW(key, wideName.c_str(), nullptr, &type, nullptr, &size);
  std::vector<BYTE> data(size);
  if (error == ERROR_SUCCESS)
    error = RegQueryValueExW(key, wideName.c_str(), nullptr, &type, data.data(), &size);
  RegCloseKey(key);
  if (error != ERROR_SUCCESS) return Fail("no such value", error);
  data.resize(size);
  PrintValue(type, data);
  return 0;
}

int Set(HKEY root, const std::wstring& path, const std::string& name, DWORD type,
        const std::vector<BYTE>& data, bool ifAbsent) {
  HKEY key = nullptr;
  if (LONG error = RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, 0, nullptr, &key, nullptr);
      error != ERROR_SUCCESS) {
    return Fail("cannot create the key", error);
  }
  const std::wstring wideName = platform::Utf8ToWideLenient(name);
  LONG error = ERROR_SUCCESS;
  DWORD size = 0;
  const bool present =
      RegQueryValueExW(key, wideName.c_str(), nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS;
  if (!(ifAbsent && present)) {
    error = RegSetValueExW(key, wideName.c_str(), 0, type, data.data(),
                           static_cast<DWORD>(data.size()));
  }
  RegCloseKey(key);
  return error == ERROR_SUCCESS ? 0 : Fail("cannot set the value", error);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() >= 2 && args[0] == "--device") {
    platform::SetDeviceRoot(args[1]);
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty()) return Usage();
  const std::string command = args[0];
  if (command == "show" && args.size() == 1) {
    std::ifstream in(platform::registry::HiveFilePath(), std::ios::binary);
    std::cout << in.rdbuf();
    return 0;
  }
  const bool ifAbsent = args.size() > 1 && args[1] == "--if-absent";
  if (ifAbsent) args.erase(args.begin() + 1);
  HKEY root = nullptr;
  std::wstring path;
  if (args.size() < 2 || !ParseKey(args[1], root, path)) return Usage();
  if (command == "get" && args.size() == 3) return Get(root, path, args[2]);
  if (command == "delete" && args.size() == 2) {
    const LONG error = RegDeleteKeyW(root, path.c_str());
    return error == ERROR_SUCCESS ? 0 : Fail("cannot delete the key", error);
  }
  if (command == "set" && args.size() == 5) {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    if (!ParseData(args[3], args[4], type, data)) return Usage();
    return Set(root, path, args[2], type, data, ifAbsent);
  }
  return Usage();
}
