// LaunchHelp: the application key's "Help File" handed to the help viewer.
#include "frame/base/launch_help.h"

#include <string>

#include "frame/base/registry_key.h"

namespace frame {

void LaunchHelp() {
  std::unique_ptr<RegistryKey> key = OpenApplicationKey();
  const RegistryValue* help = key->SelectValue("Help File");
  std::wstring commandLine;
  const bool hasText = help->String() != nullptr;
  if (hasText) commandLine = help->String();
  PROCESS_INFORMATION process = {};
  if (CreateProcessW(L"peghelp.exe", hasText ? commandLine.data() : nullptr, nullptr, nullptr,
                     FALSE, 0, nullptr, nullptr, nullptr, &process)) {
    // The viewer runs on its own; the handles it came with are not needed.
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
  }
}

}  // namespace frame
