// The registry file of the device: loaded on first use, reloaded when another process saved it,
// and saved atomically after every change (temporary file, fsync, rename).
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>

#include "registry/hive.h"

namespace platform::registry {

// Exit status of a process that found a damaged registry file (sysexits' EX_CONFIG).
constexpr int kDamagedHiveExitStatus = 78;

// DeviceRoot()/registry.reg.
std::filesystem::path HiveFilePath();

// Runs `work` on the hive as it is in the file now. Returns what `work` returns.
LONG ReadHive(const std::function<LONG(const Hive&)>& work);
// Runs `work`, which may change the hive and then sets `changed`; a changed hive is saved before
// this returns. Other processes of the device wait meanwhile. If the save fails, the change is
// undone and ERROR_CANTWRITE comes back instead of `work`'s result.
LONG ChangeHive(const std::function<LONG(Hive&, bool& changed)>& work);

// Hooks for tests. A fault stops a save between writing the temporary file and renaming it:
// either the save fails, or the process ends there (exit status 86) as if the machine had
// stopped. PUTTLAND_REGISTRY_FAULT=fail-before-rename or exit-before-rename sets it too.
enum class SaveFault { kNone, kFailBeforeRename, kExitBeforeRename };
void SetSaveFault(SaveFault fault);
// Forgets the hive in memory; the next use loads the file again.
void UnloadHive();

}  // namespace platform::registry
