// LaunchHelp: the application key's "Help File" handed to the help viewer.
#include "frame/base/launch_help.h"

#include <string>

#include "frame/base/registry_key.h"

namespace frame {

void LaunchHelp() {
  std::unique_ptr<RegistryKey> key = OpenApplicationKey();
  const RegistryValue* help = key->SelectValue("Help File");
  std::wstring command_line;
  const bool has_text = help->String() != nullptr;
  if (has_text) command_line = help->String();
  PROCESS_INFORMATION process = {};
  if (CreateProcessW(L"peghelp.exe", has_text ? command_line.data() : nullptr, nullptr, nullptr,
                     FALSE, 0, nullptr, nullptr, nullptr, &process)) {
    // The viewer runs on its own; the handles it came with are not needed.
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
  }
}

}  // namespace frame
