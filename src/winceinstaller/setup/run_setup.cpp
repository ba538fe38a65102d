// `RunSetup`: reads the "Setup.ini" beside the running program and copies (install) or
// deletes (uninstall, self-removal) the files it lists, with the shell's file operations.
#include <shlobj.h>
#include <windows.h>

#include <cstdio>

#include "setup_error.h"
#include "setup_ini.h"
#include "setup_text.h"
#include "setup_windows.h"

namespace {

SetupIni ReadIniBeside(const std::string& setupDir) {
  std::string path = setupDir + "\\" + kSetupIniName;
  std::FILE* file = std::fopen(path.c_str(), "rb");  // the reader drops "\r" before "\n" itself
  if (!file) throw SetupError("Couldn't open file " + path);
  std::string text;
  char chunk[4096];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) text.append(chunk, got);
  std::fclose(file);
  return ReadSetupIni(text);
}

void CopyFiles(const FileTable& table, const std::string& destination) {
  std::string target = destination;
  target.push_back('\0');  // with c_str()'s own zero: double-zero terminated
  SHFILEOPSTRUCTA operation{};
  operation.wFunc = FO_COPY;
  operation.pFrom = table.Data();
  operation.pTo = target.c_str();
  operation.fFlags = FOF_SIMPLEPROGRESS | FOF_NOCONFIRMMKDIR | FOF_ALLOWUNDO;
  operation.lpszProgressTitle = "Copying files...";
  // A user who declines replacing a file aborts the copy: that is no finished install either.
  if (SHFileOperationA(&operation) != 0 || operation.fAnyOperationsAborted) {
    throw SetupError("Couldn't copy files");
  }
  SHChangeNotify(SHCNE_MKDIR | SHCNE_UPDATEDIR, SHCNF_PATHA, destination.c_str(), nullptr);
}

void DeleteFiles(const FileTable& table, const std::string& setupDir) {
  SHFILEOPSTRUCTA operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = table.Data();
  operation.fFlags = FOF_SIMPLEPROGRESS | FOF_NOCONFIRMATION;
  operation.lpszProgressTitle = "Removing files...";
  if (SHFileOperationA(&operation) != 0 || operation.fAnyOperationsAborted) {
    throw SetupError("Couldn't remove files");
  }
  SHChangeNotify(SHCNE_UPDATEDIR, SHCNF_PATHA, setupDir.c_str(), nullptr);
}

}  // namespace

std::string RunSetup(std::string directory, SetupMode mode) {
  std::string program = ModulePath(1024);
  size_t slash = program.rfind('\\');
  if (slash == std::string::npos)
    throw SetupError("GetModuleFilename returned bad path: " + program);
  std::string setupDir = program.substr(0, slash);

  SetupIni ini = ReadIniBeside(setupDir);
  if (ini.component.empty()) {
    throw SetupError(std::string("Couldn't read component name from ") + kSetupIniName);
  }
  std::string destination = DestinationDirectory(directory, ini.component);
  std::string uninstallName = UninstallName(ini.uninstallName, ini.component);
  FileTable table(BuildFileList(mode, setupDir, ini));

  if (mode == SetupMode::kInstall) {
    CopyFiles(table, destination);
    StoreUninstallInfo(UninstallKeyPath(uninstallName), destination, uninstallName);
  } else {
    DeleteFiles(table, setupDir);
    if (mode == SetupMode::kUninstall) RemoveUninstallInfo(UninstallKeyPath(uninstallName));
  }
  return destination;
}
