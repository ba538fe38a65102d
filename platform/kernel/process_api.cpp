// Processes: the help viewer is the one program the handheld starts; ending the own process.
// "peghelp.exe" runs $PUTTLAND_HELP_VIEWER, or xdg-open when there is a display to show on, with
// the host file of the help document.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "kernel/handle_table.h"
#include "kernel/host_display.h"
#include "kernel/module.h"
#include "kernel/storage.h"
#include "kernel/wide_text.h"

extern char** environ;

namespace platform {
namespace {

// A started program. A detached thread waits for it, so that it never lingers as a zombie.
struct ChildState {
  std::atomic<bool> exited{false};
};

class ProcessObject final : public KernelObject {
 public:
  ProcessObject(pid_t pid, std::shared_ptr<ChildState> state)
      : pid_(pid), state_(std::move(state)) {}
  void Kill() {
    if (!state_->exited) ::kill(pid_, SIGKILL);
  }

 private:
  pid_t pid_;
  std::shared_ptr<ChildState> state_;
};

class ThreadObject final : public KernelObject {};

bool IsHelpViewer(std::wstring_view application) {
  if (auto slash = application.find_last_of(L"\\/"); slash != std::wstring_view::npos) {
    application.remove_prefix(slash + 1);
  }
  return EqualsNoCase(application, L"peghelp.exe") || EqualsNoCase(application, L"peghelp");
}

// The help viewer's argument: the help document's host file. A "#section" suffix and
// surrounding quotes are not part of the file name.
std::string HelpDocument(const wchar_t* commandLine) {
  std::wstring_view text = commandLine ? std::wstring_view(commandLine) : std::wstring_view();
  while (!text.empty() && text.front() == L' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == L' ') text.remove_suffix(1);
  if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"')
    text = text.substr(1, text.size() - 2);
  if (auto hash = text.find(L'#'); hash != std::wstring_view::npos) text = text.substr(0, hash);
  if (text.empty()) return {};
  auto host = HostPathOf(text);
  return host ? host->string() : std::string();
}

bool HasEnv(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != 0;
}

// Without a configured viewer, xdg-open shows the document, but only where the device has a
// window: a headless run (a test, --headless, or no display) must never open a browser on the
// desktop, even when the desktop has a display.
bool ViewerWouldShowNothing() {
  if (HasEnv("PUTTLAND_HELP_VIEWER")) return false;
  return !DeviceShowsWindow();
}

// Starts the viewer; returns its process id, or -1 with errno set.
pid_t SpawnViewer(const std::string& document) {
  std::string program =
      HasEnv("PUTTLAND_HELP_VIEWER") ? std::getenv("PUTTLAND_HELP_VIEWER") : "xdg-open";
  std::vector<char*> argv{program.data()};
  std::string argument = document;
  if (!argument.empty()) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  const int error = ::posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ);
  if (error != 0) {
    errno = error;
    return -1;
  }
  return pid;
}

}  // namespace
}  // namespace platform

// Windows CE ignores the security, inheritance, environment, folder and start-up arguments;
// so does this layer. The command line holds only the arguments, not the program's name.
BOOL WINAPI CreateProcessW(LPCWSTR lpApplicationName, LPWSTR lpCommandLine,
                           LPSECURITY_ATTRIBUTES /*lpProcessAttributes*/,
                           LPSECURITY_ATTRIBUTES /*lpThreadAttributes*/, BOOL /*bInheritHandles*/,
                           DWORD /*dwCreationFlags*/, LPVOID /*lpEnvironment*/,
                           LPCWSTR /*lpCurrentDirectory*/, LPSTARTUPINFOW /*lpStartupInfo*/,
                           LPPROCESS_INFORMATION lpProcessInformation) {
  if (lpApplicationName == nullptr || *lpApplicationName == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (!platform::IsHelpViewer(lpApplicationName)) {
    SetLastError(ERROR_FILE_NOT_FOUND);  // no other program is installed on the device
    return FALSE;
  }
  auto state = std::make_shared<platform::ChildState>();
  pid_t pid = 0;
  if (platform::ViewerWouldShowNothing()) {
    state->exited = true;  // the viewer came and went, as far as the program can tell
  } else {
    pid = platform::SpawnViewer(platform::HelpDocument(lpCommandLine));
    if (pid < 0) {
      SetLastError(errno == ENOENT ? ERROR_FILE_NOT_FOUND : platform::ErrorFromErrno(errno));
      return FALSE;
    }
    std::thread([pid, state] {
      int status = 0;
      while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
      }
      state->exited = true;
    }).detach();
  }
  HANDLE process = platform::InsertHandle(std::make_shared<platform::ProcessObject>(pid, state));
  HANDLE thread = platform::InsertHandle(std::make_shared<platform::ThreadObject>());
  if (lpProcessInformation != nullptr) {
    lpProcessInformation->hProcess = process;
    lpProcessInformation->hThread = thread;
    lpProcessInformation->dwProcessId = static_cast<DWORD>(pid);
    lpProcessInformation->dwThreadId = static_cast<DWORD>(pid);
  } else {
    platform::RemoveHandle(process);
    platform::RemoveHandle(thread);
  }
  return TRUE;
}

HANDLE WINAPI GetCurrentProcess(void) {
  return platform::CurrentProcessPseudoHandle();
}

// The exit status of a Linux process is 8 bits: the code is taken modulo 256, so -1 reads as 255.
// Nothing of the program is cleaned up (no static destructors, no atexit handlers); the C streams
// are flushed so that diagnostics already printed are not lost.
void WINAPI ExitProcess(UINT uExitCode) {
  std::fflush(nullptr);
  ::_exit(static_cast<int>(uExitCode & 0xFF));
}

// On Windows CE the program's instance handle also names its process, so both it and the
// pseudo handle end the own process.
BOOL WINAPI TerminateProcess(HANDLE hProcess, UINT uExitCode) {
  if (hProcess == platform::CurrentProcessPseudoHandle() ||
      hProcess == reinterpret_cast<HANDLE>(platform::ProgramModule())) {
    ExitProcess(uExitCode);
  }
  auto process = platform::LookupHandle<platform::ProcessObject>(hProcess);
  if (!process) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  process->Kill();
  return TRUE;
}
