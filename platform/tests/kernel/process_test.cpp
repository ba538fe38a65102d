// Processes and the program module: the help viewer, ending the own process with its exit code,
// and the program's path on the device.
#include <windows.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "kernel/temp_device.h"

namespace {

class Processes : public platform_test::TempDevice {};

std::string WaitForFile(const std::filesystem::path& path) {
  for (int i = 0; i < 500 && !std::filesystem::exists(path); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

TEST_F(Processes, HelpViewerOpensTheHostFileOfTheHelpDocument) {
  const auto script = Root() / "viewer.sh";
  const auto record = Root() / "viewer-args.txt";
  std::ofstream(script) << "#!/bin/sh\necho \"$@\" > '" << record.string() << ".tmp' && mv '"
                        << record.string() << ".tmp' '" << record.string() << "'\n";
  std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  std::filesystem::create_directories(Root() / "Windows");
  ASSERT_EQ(::setenv("PUTTLAND_HELP_VIEWER", script.c_str(), 1), 0);

  wchar_t commandLine[] = L"\\windows\\Puttland.htm#rules";
  PROCESS_INFORMATION info{};
  ASSERT_TRUE(CreateProcessW(L"peghelp.exe", commandLine, nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, nullptr, &info));
  EXPECT_NE(info.hProcess, nullptr);
  EXPECT_NE(info.dwProcessId, 0u);
  EXPECT_EQ(WaitForFile(record), (Root() / "Windows" / "Puttland.htm").string());
  EXPECT_TRUE(CloseHandle(info.hThread));
  EXPECT_TRUE(CloseHandle(info.hProcess));

  // Started without a PROCESS_INFORMATION, as a caller that ignores the result would.
  ::setenv("PUTTLAND_HELP_VIEWER", (Root() / "no-such-viewer").c_str(), 1);
  EXPECT_FALSE(CreateProcessW(L"\\Windows\\PEGHELP.EXE", nullptr, nullptr, nullptr, FALSE, 0,
                              nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND) << "a viewer that cannot start is reported";

  // Headless, with no viewer configured, nothing is opened on the desktop; the start succeeds.
  ::unsetenv("PUTTLAND_HELP_VIEWER");
  ::setenv("PUTTLAND_BACKEND", "headless", 1);
  EXPECT_TRUE(CreateProcessW(L"peghelp.exe", commandLine, nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, nullptr, &info));
  EXPECT_TRUE(CloseHandle(info.hProcess));
  EXPECT_TRUE(CloseHandle(info.hThread));
}

TEST_F(Processes, OnlyTheHelpViewerCanBeStarted) {
  PROCESS_INFORMATION info{};
  EXPECT_FALSE(CreateProcessW(L"\\Windows\\calc.exe", nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, nullptr, &info));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(CreateProcessW(nullptr, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              nullptr, &info));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_FALSE(TerminateProcess(reinterpret_cast<HANDLE>(0x5000), 1));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

using ProcessDeathTest = Processes;

TEST_F(ProcessDeathTest, TerminationEndsTheProcessWithTheCodeModulo256) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(TerminateProcess(GetCurrentProcess(), static_cast<UINT>(-1)),
              ::testing::ExitedWithCode(255), "");
  EXPECT_EXIT(TerminateProcess(reinterpret_cast<HANDLE>(GetModuleHandleW(nullptr)), 7),
              ::testing::ExitedWithCode(7), "")
      << "the program's instance handle names its process";
  EXPECT_EXIT(ExitProcess(3), ::testing::ExitedWithCode(3), "");
  EXPECT_TRUE(CloseHandle(GetCurrentProcess())) << "the pseudo handle needs no closing";
}

TEST(Module, ProgramLivesInItsFolderUnderProgramFiles) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring expected = L"\\Program Files\\platform_kernel_test\\platform_kernel_test.exe";
  EXPECT_EQ(std::wstring(path, length), expected);
  EXPECT_EQ(GetModuleFileNameW(GetModuleHandleW(nullptr), path, MAX_PATH), expected.size());
  EXPECT_EQ(GetModuleHandleW(L"PLATFORM_KERNEL_TEST.EXE"), GetModuleHandleW(nullptr));
  EXPECT_EQ(GetModuleHandleW(L"coredll.dll"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);

  wchar_t small[6];
  std::fill(std::begin(small), std::end(small), L'#');
  EXPECT_EQ(GetModuleFileNameW(nullptr, small, 6), 6u);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(std::wstring(small), L"\\Prog") << "truncated, still terminated";
  EXPECT_EQ(GetModuleFileNameW(reinterpret_cast<HMODULE>(0x9990000), path, MAX_PATH), 0u);
  EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
}

}  // namespace
