// Module handle and module file name of the program.
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <filesystem>

#include "kernel/module.h"
#include "kernel/wide_text.h"

namespace platform {
namespace {

std::wstring ProgramName() {
  std::error_code error;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  std::string name = error ? std::string("Program") : exe.stem().string();
  return Utf8ToWideLenient(name);
}

}  // namespace

// The usual load address of a Windows executable; any non-null value that no other handle uses.
HMODULE ProgramModule() {
  return reinterpret_cast<HMODULE>(uintptr_t{0x00010000});
}

std::wstring ProgramDevicePath() {
  static const std::wstring kPath = [] {
    const std::wstring name = ProgramName();
    return L"\\Program Files\\" + name + L"\\" + name + L".exe";
  }();
  return kPath;
}

}  // namespace platform

HMODULE WINAPI GetModuleHandleW(LPCWSTR lpModuleName) {
  if (lpModuleName == nullptr) return platform::ProgramModule();
  // The program's own file name, with or without its folder and ".exe".
  std::wstring_view wanted(lpModuleName);
  if (auto slash = wanted.find_last_of(L"\\/"); slash != std::wstring_view::npos)
    wanted.remove_prefix(slash + 1);
  const std::wstring path = platform::ProgramDevicePath();
  const std::wstring_view file = std::wstring_view(path).substr(path.find_last_of(L'\\') + 1);
  const std::wstring_view stem = file.substr(0, file.size() - 4);
  if (platform::EqualsNoCase(wanted, file) || platform::EqualsNoCase(wanted, stem))
    return platform::ProgramModule();
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
}

DWORD WINAPI GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize) {
  if (hModule != nullptr && hModule != platform::ProgramModule()) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return 0;
  }
  if (lpFilename == nullptr && nSize > 0) {
    SetLastError(ERROR_NOACCESS);
    return 0;
  }
  if (nSize == 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  const std::wstring path = platform::ProgramDevicePath();
  // Too small a buffer gets the path truncated to nSize characters, the last one the terminator.
  const size_t copied = std::min<size_t>(path.size(), nSize - 1);
  std::copy_n(path.data(), copied, lpFilename);
  lpFilename[copied] = L'\0';
  if (copied < path.size()) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return nSize;
  }
  return static_cast<DWORD>(copied);
}
