// The texts Setup hands to Windows, built without any Windows call.
// Every string here is compared byte for byte by the unit tests.
#include "setup_text.h"

#include "setup_ini.h"

std::string DirectoryWithSlash(std::string_view path) {
  size_t slash = path.rfind('\\');
  if (slash == std::string_view::npos) return {};
  return std::string(path.substr(0, slash + 1));
}

std::string DestinationDirectory(std::string_view directory, std::string_view component) {
  return std::string(directory) + kCompanyPrefix + std::string(component);
}

std::string AppManagerCommandLine(std::string_view appManagerPath, std::string_view destination) {
  return std::string(appManagerPath) + " \"" + std::string(destination) + "\\" + kSetupIniName +
         "\"";
}

std::string UninstallName(std::string_view uninstallName, std::string_view component) {
  if (!uninstallName.empty()) return std::string(uninstallName);
  return kCompanyPrefix + std::string(component);
}

std::string UninstallKeyPath(std::string_view uninstallName) {
  return kUninstallKeyPrefix + std::string(uninstallName);
}

std::string UninstallString(std::string_view destination) {
  std::string text = "\"";
  text.append(destination);
  text.append("\\Setup.exe\" ");
  text.append(kUninstallSwitch);
  text.push_back(' ');
  return text;
}

std::string SelfDeleteBatchText(std::string_view programPath, std::string_view programDir,
                                std::string_view batchPath) {
  std::string program(programPath);
  return ":Repeat\r\ndel \"" + program + "\"\r\nif exist \"" + program +
         "\" goto Repeat\r\nrmdir \"" + std::string(programDir) + "\"\r\ndel \"" +
         std::string(batchPath) + "\"\r\n";
}

bool FindUninstallSwitch(std::string_view commandLine, std::string& rest) {
  size_t at = commandLine.find(kUninstallSwitch);
  if (at == std::string_view::npos) return false;
  rest = TrimSpaces(commandLine.substr(at + sizeof(kUninstallSwitch) - 1));
  return true;
}

bool HasSelfRemoveSwitch(std::string_view commandLine) {
  return commandLine.find(kSelfRemoveSwitch) != std::string_view::npos;
}
