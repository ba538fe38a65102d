// Parsing of the device's command-line options.
#include "device/options.h"

#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

#include "kernel/storage.h"

namespace platform {
namespace {

constexpr int kMaxScale = 16;

// Matches "--name VALUE" or "--name=VALUE" at argv[i]; advances i past what it used.
// Returns nullopt when argv[i] is not this option; sets `missing` when the value is absent.
std::optional<std::string_view> TakeValue(std::string_view name, int argc, char** argv, int& i,
                                          bool& missing) {
  std::string_view arg = argv[i];
  if (arg == name) {
    if (i + 1 >= argc) {
      missing = true;
      return std::string_view{};
    }
    i += 2;
    return std::string_view(argv[i - 1]);
  }
  if (arg.size() > name.size() && arg.substr(0, name.size()) == name && arg[name.size()] == '=') {
    i += 1;
    return arg.substr(name.size() + 1);
  }
  return std::nullopt;
}

std::optional<int> ParseScale(std::string_view text) {
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < 1 || value > kMaxScale) return std::nullopt;
  return value;
}

}  // namespace

bool ApplyDeviceOptions(int& argc, char** argv, std::string* error) {
  auto fail = [&](std::string message) {
    if (error) *error = std::move(message);
    return false;
  };
  DeviceOptions options = TheDeviceOptions();
  std::optional<std::string> device;
  std::vector<char*> kept;
  if (argc > 0) kept.push_back(argv[0]);
  int i = 1;
  while (i < argc) {
    std::string_view arg = argv[i];
    bool missing = false;
    if (arg == "--fullscreen") {
      options.fullscreen = true;
      ++i;
    } else if (arg == "--headless") {
      options.headless = true;
      ++i;
    } else if (auto scale = TakeValue("--scale", argc, argv, i, missing)) {
      if (missing) return fail("--scale needs a number");
      auto value = ParseScale(*scale);
      if (!value) {
        return fail("--scale needs a whole number from 1 to " + std::to_string(kMaxScale) +
                    ", not \"" + std::string(*scale) + "\"");
      }
      options.scale = *value;
    } else if (auto dir = TakeValue("--device", argc, argv, i, missing)) {
      if (missing || dir->empty()) return fail("--device needs a folder");
      device = std::string(*dir);
    } else {
      kept.push_back(argv[i]);
      ++i;
    }
  }
  TheDeviceOptions() = options;
  if (device) SetDeviceRoot(*device);
  const int oldArgc = argc;
  for (size_t k = 0; k < kept.size(); ++k) argv[k] = kept[k];
  argc = static_cast<int>(kept.size());
  if (argc < oldArgc) argv[argc] = nullptr;  // keep the array's closing null, as main() gets it
  return true;
}

}  // namespace platform
