// Where the emulated handheld keeps its files.
#include "device/storage.h"

#include <cstdlib>
#include <optional>

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

}  // namespace platform
