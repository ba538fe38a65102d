// Fuzz target: any bytes as "Setup.ini", then the file list, table and texts built from it.
// Checks the table's layout, which the shell walks up to its double zero.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "setup/file_table.h"
#include "setup/setup_error.h"
#include "setup/setup_ini.h"
#include "setup/setup_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  SetupIni ini;
  try {
    ini = ReadSetupIni(text);
  } catch (const SetupError&) {
    return 0;
  }
  std::string destination = DestinationDirectory("C:\\Tools\\", ini.component);
  for (SetupMode mode : {SetupMode::kInstall, SetupMode::kUninstall}) {
    auto files = BuildFileList(mode, "C:\\Media", ini);
    FileTable table(files);
    // Walk the table as the shell does: strings until an empty one, which must be the last byte.
    size_t pos = 0, count = 0;
    while (pos < table.Size() && table.Data()[pos] != '\0') {
      size_t len = std::strlen(table.Data() + pos);
      if (len != files[count].size()) std::abort();
      pos += len + 1;
      ++count;
    }
    if (count != files.size() || pos != table.Size() - 1) std::abort();
  }
  (void)UninstallString(destination);
  (void)UninstallKeyPath(UninstallName(ini.uninstallName, ini.component));
  (void)AppManagerCommandLine("C:\\Tools\\CEAppMgr.exe", destination);
  return 0;
}
