// First-run preparation of the emulated handheld: the installed files and the registry key.
// It finds the data archive and help page, links them into the device and creates the key.
#include "program/first_run.h"

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "frame/base/application_names.h"
#include "platform/kernel/storage.h"

namespace program {

namespace fs = std::filesystem;

namespace {

constexpr const char* kArchiveFile = "puttland.dat";
constexpr const char* kHelpFile = "puttland.html";
constexpr const wchar_t* kInstallFolder = L"\\Program Files\\Puttland";

std::wstring AppKeyPath() {
  std::wstring path = L"Software\\";
  for (const char* c = frame::kCompanyName; *c; ++c) path += wchar_t(*c);
  path += L"\\";
  for (const char* c = frame::kApplicationName; *c; ++c) path += wchar_t(*c);
  return path;
}

std::wstring Widen(const char* s) {
  return std::wstring(s, s + std::char_traits<char>::length(s));
}

// Makes `link` a symbolic link to `target` unless a real file is there already.
bool PlaceLink(const fs::path& target, const fs::path& link, std::string& error) {
  std::error_code ec;
  const auto status = fs::symlink_status(link, ec);
  if (fs::exists(status) && !fs::is_symlink(status)) return true;
  if (fs::is_symlink(status) && fs::read_symlink(link, ec) == target) return true;
  fs::remove(link, ec);
  fs::create_symlink(target, link, ec);
  if (ec) error = "cannot link " + link.string() + " to " + target.string() + ": " + ec.message();
  return !ec;
}

bool SetString(HKEY key, const wchar_t* name, const std::wstring& value) {
  return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        DWORD((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace

fs::path FindGameData(const fs::path& programFolder) {
  std::vector<fs::path> folders = {programFolder,
                                   programFolder.parent_path() / "share" / "puttland"};
  if (const char* forced = std::getenv("PUTTLAND_DATA"); forced && *forced) folders = {forced};
  std::error_code ec;
  for (const fs::path& folder : folders)
    if (fs::is_regular_file(folder / kArchiveFile, ec)) return fs::absolute(folder, ec);
  return {};
}

bool PrepareDevice(const fs::path& data, std::string& error) {
  const auto folder = platform::HostPathOf(kInstallFolder);
  std::error_code ec;
  if (!folder || (fs::create_directories(*folder, ec), ec)) {
    error = "cannot create the device's program folder";
    return false;
  }
  if (!PlaceLink(data / kArchiveFile, *folder / kArchiveFile, error)) return false;
  if (fs::exists(data / kHelpFile, ec) && !PlaceLink(data / kHelpFile, *folder / kHelpFile, error))
    return false;

  const std::wstring keyPath = AppKeyPath();
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, 0, &key) == ERROR_SUCCESS) {
    RegCloseKey(key);
    return true;  // installed before: the key and the player's settings stay as they are
  }
  DWORD disposition = 0;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, 0, 0, nullptr, &key,
                      &disposition) != ERROR_SUCCESS) {
    error = "cannot create the game's registry key";
    return false;
  }
  const std::wstring base = std::wstring(kInstallFolder) + L"\\";
  const bool ok = SetString(key, L"Resource File", base + Widen(kArchiveFile)) &&
                  SetString(key, L"Help File", base + Widen(kHelpFile));
  RegCloseKey(key);
  if (!ok) error = "cannot write the game's registry values";
  return ok;
}

std::string DescribeArchiveProblem() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, AppKeyPath().c_str(), 0, 0, &key) != ERROR_SUCCESS)
    return "the device has no registry key Software\\Ombrelune\\Puttland";
  wchar_t value[1024] = {};
  DWORD type = 0, size = sizeof(value) - sizeof(wchar_t);
  const LONG read = RegQueryValueExW(key, L"Resource File", nullptr, &type,
                                     reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  if (read != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
    return "the registry value \"Resource File\" is missing or not text";
  const auto host = platform::HostPathOf(value);
  std::string shown;
  for (const wchar_t* c = value; *c; ++c) shown += *c < 128 ? char(*c) : '?';
  if (!host) return "\"Resource File\" (" + shown + ") is not a valid device path";
  std::ifstream in(*host, std::ios::binary);
  char first = 0;
  if (!in || !in.get(first))
    return "cannot read the data archive " + shown + " (" + host->string() + ")";
  return {};
}

}  // namespace program
