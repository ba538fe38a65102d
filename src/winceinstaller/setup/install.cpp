// Install: find the Application Manager, copy beside it, register the uninstall entry and
// start the Application Manager on the copied "Setup.ini".
#include <windows.h>

#include <cstring>
#include <vector>

#include "setup_error.h"
#include "setup_ini.h"
#include "setup_text.h"
#include "setup_windows.h"

namespace {

// Reads the default value of the App Paths key in one registry view; empty when absent.
std::string ReadAppPath(REGSAM view) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kAppManagerKey, 0, KEY_READ | view, &key) !=
      ERROR_SUCCESS) {
    return {};
  }
  std::string path;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      type == REG_SZ && size > 0) {
    std::vector<char> buffer(size);
    if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) == ERROR_SUCCESS &&
        type == REG_SZ) {
      // A stored string need not end in a zero: never read past what the value holds.
      size = size < buffer.size() ? size : static_cast<DWORD>(buffer.size());
      path.assign(buffer.data(), strnlen(buffer.data(), size));
    }
  }
  RegCloseKey(key);
  return path;
}

}  // namespace

std::string FindApplicationManager() {
  // The Application Manager is a 32-bit program: look in the 32-bit view as well.
  std::string path = ReadAppPath(0);
  if (path.empty()) path = ReadAppPath(KEY_WOW64_32KEY);
  if (path.empty()) throw SetupError("Couldn't locate Windows CE Application Manager");
  return path;
}

void StoreUninstallInfo(const std::string& keyPath, const std::string& destination,
                        const std::string& displayName) {
  std::string uninstallString = UninstallString(destination);
  HKEY key = nullptr;
  DWORD disposition = 0;
  bool stored =
      RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_WRITE, nullptr, &key, &disposition) == ERROR_SUCCESS;
  auto setString = [&](const char* name, const std::string& value) {
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
  };
  stored = stored && setString("UninstallString", uninstallString);
  stored = stored && setString("DisplayName", displayName);
  if (key) RegCloseKey(key);
  if (!stored) {
    ShowWarning(
        "Couldn't store uninstall information. You will have to manually remove directory " +
        destination + "to remove application from desktop computer");
  }
}

void InstallApplication() {
  HANDLE check = CreateFileA(kSetupIniName, 0, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (check == INVALID_HANDLE_VALUE) {
    throw SetupError(std::string("Couldn't find ") + kSetupIniName + " file");
  }
  CloseHandle(check);

  std::string manager = FindApplicationManager();
  std::string destination = RunSetup(DirectoryWithSlash(manager), SetupMode::kInstall);

  std::string commandLine = AppManagerCommandLine(manager, destination);
  std::vector<char> writable(commandLine.begin(), commandLine.end());
  writable.push_back('\0');  // CreateProcessA may write into its command line
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(manager.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    throw SetupError("Couldn't execute " + manager);
  }
  // Setup does not wait for the Application Manager.
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}
