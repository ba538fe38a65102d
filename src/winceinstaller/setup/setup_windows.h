// Setup's operations that call Windows: install, uninstall, self-removal, and their boxes.
// The texts they hand to Windows come from setup_text.h and file_table.h.
#pragma once

#include <windows.h>

#include <string>

#include "file_table.h"

// The welcome dialog, shown modally with no owner: 1 for "Install", 0 for "Cancel".
INT_PTR ShowWelcomeDialog(HINSTANCE instance);

void InstallApplication();
std::string FindApplicationManager();
std::string RunSetup(std::string directory, SetupMode mode);
void StoreUninstallInfo(const std::string& keyPath, const std::string& destination,
                        const std::string& displayName);

void UninstallApplication(const std::string& rest);
void SelfRemoveApplication();
void RemoveUninstallInfo(const std::string& keyPath);
void WriteSelfDeleteBatch();

// The running program's full path; throws SetupError when it does not fit `capacity`.
std::string ModulePath(DWORD capacity);

void ShowFatalError(const std::string& text);
void ShowWarning(const std::string& text);
