// Uninstall and self-removal: delete the copied files, the uninstall entry, and finally the
// program and its directory through a batch file that runs once Setup has ended.
#include <windows.h>

#include "setup_error.h"
#include "setup_text.h"
#include "setup_windows.h"

void RemoveUninstallInfo(const std::string& keyPath) {
  if (RegDeleteKeyA(HKEY_LOCAL_MACHINE, keyPath.c_str()) != ERROR_SUCCESS) {
    ShowWarning("Couldn't remove uninstall information registry key: HKLM\\" + keyPath);
  }
}

void WriteSelfDeleteBatch() {
  std::string program;
  try {
    program = ModulePath(MAX_PATH);
  } catch (const SetupError&) {
    return;  // a cut path could name another file: delete nothing
  }
  std::string programDir = program.substr(0, program.rfind('\\'));
  std::string manualRemoval = std::string("Couldn't run ") + kSelfDeleteBatchPath +
                              ". You will have to manually remove directory " + programDir;

  HANDLE file = CreateFileA(kSelfDeleteBatchPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    ShowWarning(manualRemoval);
    return;
  }
  std::string text = SelfDeleteBatchText(program, programDir, kSelfDeleteBatchPath);
  DWORD written = 0;
  bool complete =
      WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
      written == text.size();
  CloseHandle(file);

  char commandLine[] = "\\DelUS.bat";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION batch{};
  if (!complete ||
      !CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE,
                      CREATE_SUSPENDED | IDLE_PRIORITY_CLASS, nullptr, "\\", &startup, &batch)) {
    DeleteFileA(kSelfDeleteBatchPath);  // a half-written or unstarted batch is of no use
    ShowWarning(manualRemoval);
    return;
  }
  // Setup at high priority and the batch at idle ends Setup before the batch's first delete
  // in the usual case; the batch's loop covers the rest.
  SetThreadPriority(batch.hThread, THREAD_PRIORITY_IDLE);
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
  SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
  CloseHandle(batch.hProcess);
  ResumeThread(batch.hThread);
  CloseHandle(batch.hThread);
}

void UninstallApplication(const std::string& rest) {
  RunSetup(rest, SetupMode::kUninstall);
  WriteSelfDeleteBatch();
}

void SelfRemoveApplication() {
  RunSetup("", SetupMode::kSelfRemove);
  WriteSelfDeleteBatch();
}
