// pt-prefs: shows a property store (a file, or the game's "Preference0" in the device's
// registry) as readable text, and turns that text back into the same bytes.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "frame/base/application_names.h"
#include "frame/base/wide_string.h"
#include "tools/common/whole_file.h"
#include "tools/prefs/prefs_text.h"

namespace {

const char kUsage[] =
    "usage: pt-prefs dump [FILE]\n"
    "       pt-prefs encode TEXT OUT\n"
    "\n"
    "dump    prints the property store in FILE, or the game's saved settings (the registry\n"
    "        value \"Preference0\" of the device chosen by PUTTLAND_DEVICE) as an indented tree:\n"
    "        key, type tag, then int, double, text, hex or a nested store { ... }\n"
    "encode  turns such text back into the store's bytes, written to OUT\n";

// Reads the record without selecting it through RegistryValue, which would write it back.
bool ReadDevicePreference(std::vector<uint8_t>* out) {
  const std::string path = std::string("Software\\") + frame::kCompanyName + "\\" +
                           frame::kApplicationName + "\\Preferences";
  frame::WideString widePath(path.c_str());
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, widePath, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  DWORD type = 0, size = 0;
  bool ok = RegQueryValueExW(key, L"Preference0", nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
  if (ok) {
    out->resize(size);
    ok = RegQueryValueExW(key, L"Preference0", nullptr, &type, out->data(), &size) == ERROR_SUCCESS;
    out->resize(size);
  }
  RegCloseKey(key);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
    std::fputs(kUsage, argc < 2 ? stderr : stdout);
    return argc < 2 ? 2 : 0;
  }
  const std::string command = argv[1];
  if (command == "dump" && argc <= 3) {
    std::vector<uint8_t> bytes;
    if (argc == 3 ? !tools::ReadWholeFile(argv[2], bytes) : !ReadDevicePreference(&bytes)) {
      std::fprintf(stderr, "pt-prefs: cannot read %s\n",
                   argc == 3 ? argv[2] : "Preference0 from the device's registry");
      return 1;
    }
    std::fputs(StoreToText(bytes).c_str(), stdout);
    return 0;
  }
  if (command == "encode" && argc == 4) {
    std::string text;
    if (!tools::ReadWholeFile(argv[2], text)) {
      std::fprintf(stderr, "pt-prefs: cannot read %s\n", argv[2]);
      return 1;
    }
    std::vector<uint8_t> bytes;
    std::string error;
    if (!TextToStore(text, bytes, error)) {
      std::fprintf(stderr, "pt-prefs: %s: %s\n", argv[2], error.c_str());
      return 1;
    }
    if (!tools::WriteWholeFile(argv[3], bytes.data(), bytes.size())) {
      std::fprintf(stderr, "pt-prefs: cannot write %s\n", argv[3]);
      return 1;
    }
    return 0;
  }
  std::fputs(kUsage, stderr);
  return 2;
}
