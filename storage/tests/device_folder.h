// Gives a test program its own empty device storage folder, so files and the registry the
// tests create never touch a player's device.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace test_device {

inline const std::filesystem::path& Folder() {
  static const std::filesystem::path kFolder = [] {
    // A death-test child started afresh shares its parent's folder (and never removes it).
    if (const char* inherited = std::getenv("PUTTLAND_DEVICE");
        inherited && std::string(inherited).find("pt-device-") != std::string::npos)
      return std::filesystem::path(inherited);
    std::string pattern = (std::filesystem::temp_directory_path() / "pt-device-XXXXXX").string();
    const char* made = mkdtemp(pattern.data());
    setenv("PUTTLAND_DEVICE", made ? made : pattern.c_str(), 1);
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(std::getenv("PUTTLAND_DEVICE"), ignored);
    });
    return std::filesystem::path(pattern);
  }();
  return kFolder;
}

// Writes a file at a device path such as "data.dat".
inline void WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  std::ofstream out(Folder() / name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

}  // namespace test_device
