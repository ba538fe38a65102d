// The texts Setup hands to Windows: destination directory, the Application Manager's command
// line, the uninstall key and string, the self-delete batch file, and command-line switches.
#pragma once

#include <string>
#include <string_view>

inline constexpr char kCompanyPrefix[] = "Ombrelune ";
inline constexpr char kUninstallKeyPrefix[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
inline constexpr char kAppManagerKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CEAppMgr.EXE";
inline constexpr char kSelfDeleteBatchPath[] = "\\DelUS.bat";
inline constexpr char kUninstallSwitch[] = "/uninstall";
inline constexpr char kSelfRemoveSwitch[] = "/selfremove";

// Everything up to and including the last "\" of `path`; empty when there is none.
std::string DirectoryWithSlash(std::string_view path);

// `directory` + "Ombrelune " + component: `directory` already ends in "\" when it names one.
std::string DestinationDirectory(std::string_view directory, std::string_view component);

// <path> "<destination>\Setup.ini", the command line the Application Manager is started with.
std::string AppManagerCommandLine(std::string_view appManagerPath, std::string_view destination);

// The uninstall entry's name. Without an "uninstall" line the destination's directory name
// ("Ombrelune <component>") is used, so Setup never writes values onto, or deletes, the
// shared "Uninstall" key itself.
std::string UninstallName(std::string_view uninstallName, std::string_view component);
std::string UninstallKeyPath(std::string_view uninstallName);

// "<destination>\Setup.exe" /uninstall  (with a space at the end)
std::string UninstallString(std::string_view destination);

// The batch file that deletes the program once it has ended, then its directory and itself.
std::string SelfDeleteBatchText(std::string_view programPath, std::string_view programDir,
                                std::string_view batchPath);

// The text after the first "/uninstall", trimmed of spaces; false when the switch is absent.
bool FindUninstallSwitch(std::string_view commandLine, std::string& rest);
bool HasSelfRemoveSwitch(std::string_view commandLine);
