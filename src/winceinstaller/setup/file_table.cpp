// File list and `FileTable` of Setup.
// The table is sized first and filled after, checking every write against that size.
#include "file_table.h"

#include <cassert>
#include <cstring>

std::vector<std::string> BuildFileList(SetupMode mode, std::string_view setupDir,
                                       const SetupIni& ini) {
  std::vector<std::string> files;
  if (mode == SetupMode::kInstall) files.emplace_back("Setup.exe");
  std::string prefix = std::string(setupDir) + "\\";
  files.push_back(prefix + kSetupIniName);
  for (const std::string& cab : ini.cabFiles) files.push_back(prefix + cab);
  return files;
}

FileTable::FileTable(const std::vector<std::string>& paths) {
  size_t fileTabSize = 1;
  for (const std::string& path : paths) fileTabSize += path.size() + 1;
  buffer_.assign(fileTabSize, '\0');
  size_t pos = 0;
  for (const std::string& path : paths) {
    assert(pos < fileTabSize - 1);
    std::memcpy(buffer_.data() + pos, path.data(), path.size());
    pos += path.size() + 1;  // the zero is already there
  }
}
