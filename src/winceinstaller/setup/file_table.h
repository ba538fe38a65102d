// The list of files Setup copies or deletes, and `FileTable`, that list laid out for the
// shell's file operations: every path followed by a zero byte, one more zero at the end.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "setup_ini.h"

enum class SetupMode { kInstall = 0, kUninstall = 1, kSelfRemove = 2 };

// Install: "Setup.exe" (bare, resolved against the current directory by the copy), then
// "<setupDir>\Setup.ini" and "<setupDir>\<item>" per cabinet file. The removal modes leave
// out "Setup.exe": the self-delete batch file removes the running program.
std::vector<std::string> BuildFileList(SetupMode mode, std::string_view setupDir,
                                       const SetupIni& ini);

class FileTable {
 public:
  explicit FileTable(const std::vector<std::string>& paths);

  const char* Data() const { return buffer_.data(); }
  // 1 + the sum of (path length + 1).
  size_t Size() const { return buffer_.size(); }

 private:
  std::vector<char> buffer_;
};
