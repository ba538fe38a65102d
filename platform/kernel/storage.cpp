// Where the emulated handheld keeps its files, and how its Windows paths map onto them.
#include "kernel/storage.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "kernel/wide_text.h"

namespace platform {
namespace {

std::optional<std::filesystem::path>& Override() {
  static std::optional<std::filesystem::path> root;
  return root;
}

std::filesystem::path DefaultRoot() {
  if (const char* env = std::getenv("PUTTLAND_DEVICE"); env && *env) return env;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
    return std::filesystem::path(xdg) / "puttland" / "device";
  }
  if (const char* home = std::getenv("HOME"); home && *home) {
    return std::filesystem::path(home) / ".local" / "share" / "puttland" / "device";
  }
  return std::filesystem::temp_directory_path() / "puttland-device";
}

bool IsValidComponent(std::wstring_view name) {
  if (name == L"..") return false;
  return std::none_of(name.begin(), name.end(), [](wchar_t c) {
    return c < 0x20 || c == L'<' || c == L'>' || c == L':' || c == L'"' || c == L'|' || c == L'?' ||
           c == L'*';
  });
}

// The entry of `dir` named `name` without regard to case; the name as given when none exists.
std::string ResolveComponent(const std::filesystem::path& dir, std::wstring_view name) {
  std::string given = WideToUtf8(name);
  std::error_code error;
  if (std::filesystem::exists(std::filesystem::symlink_status(dir / given, error))) return given;
  std::vector<std::string> matches;
  for (std::filesystem::directory_iterator it(dir, error), end; !error && it != end;
       it.increment(error)) {
    std::string candidate = it->path().filename().string();
    if (EqualsNoCase(Utf8ToWideLenient(candidate), name)) matches.push_back(std::move(candidate));
  }
  if (matches.empty()) return given;
  return *std::min_element(matches.begin(), matches.end());  // deterministic among case twins
}

}  // namespace

std::filesystem::path DeviceRoot() {
  auto& root = Override();
  if (!root) root = DefaultRoot();
  std::error_code ignored;
  std::filesystem::create_directories(*root, ignored);
  return *root;
}

void SetDeviceRoot(const std::filesystem::path& root) {
  Override() = root;
}

std::optional<std::filesystem::path> HostPathOf(std::wstring_view devicePath) {
  std::vector<std::wstring_view> components;
  size_t start = 0;
  while (start <= devicePath.size()) {
    size_t end = devicePath.find_first_of(L"\\/", start);
    if (end == std::wstring_view::npos) end = devicePath.size();
    std::wstring_view part = devicePath.substr(start, end - start);
    if (!part.empty() && part != L".") {
      if (!IsValidComponent(part)) return std::nullopt;
      components.push_back(part);
    }
    start = end + 1;
  }
  if (components.empty()) return std::nullopt;
  std::filesystem::path host = DeviceRoot();
  for (auto part : components) host /= ResolveComponent(host, part);
  return host;
}

}  // namespace platform
