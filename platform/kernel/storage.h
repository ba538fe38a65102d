// The emulated handheld's storage folder: the registry file and the game's files live there,
// and the device's Windows paths ("\Program Files\...") map below it.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace platform {

// The folder, created on first use: --device DIR or PUTTLAND_DEVICE, else the user's
// XDG data folder (~/.local/share/puttland/device).
std::filesystem::path DeviceRoot();
void SetDeviceRoot(const std::filesystem::path& root);

// Maps a device path to the host path below DeviceRoot(). The device has no drives and no
// current folder: "\My Documents\a.txt", "My Documents/a.txt" and "\my documents\A.TXT" all name
// the same file. Components that exist are matched without regard to case (an exact match wins);
// the rest keep the spelling given, encoded as UTF-8. Returns nullopt for a name no device file
// can have: empty, a ".." component, or one of the characters < > : " | ? * and controls.
std::optional<std::filesystem::path> HostPathOf(std::wstring_view devicePath);

}  // namespace platform
