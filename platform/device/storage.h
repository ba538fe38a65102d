// The emulated handheld's storage folder: the registry file and the game's files live there,
// and the device's Windows paths ("\Program Files\...") map below it.
#pragma once

#include <filesystem>

namespace platform {

// The folder, created on first use: --device DIR or PUTTLAND_DEVICE, else the user's
// XDG data folder (~/.local/share/puttland/device).
std::filesystem::path DeviceRoot();
void SetDeviceRoot(const std::filesystem::path& root);

}  // namespace platform
