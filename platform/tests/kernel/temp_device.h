// A fresh, empty device storage folder for one test, removed afterwards; and a way to run this
// test program again as a second process of the same device. Header-only: shared by test areas.
#pragma once

#include <gtest/gtest.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "kernel/storage.h"

extern char** environ;

namespace platform_test {

class TempDevice : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "pt-device-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    platform::SetDeviceRoot(root_);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  const std::filesystem::path& Root() const { return root_; }

 private:
  std::filesystem::path root_;
};

// Runs this test program with the given environment added and PUTTLAND_DEVICE set to `device`
// (a helper mode picks the environment up before any test runs); returns its exit status, or -1
// if it did not exit normally.
inline int RunSelf(const std::filesystem::path& device,
                   const std::map<std::string, std::string>& environment) {
  std::map<std::string, std::string> variables;
  for (char** e = environ; *e; ++e) {
    const std::string entry(*e);
    const size_t equals = entry.find('=');
    if (equals != std::string::npos) variables[entry.substr(0, equals)] = entry.substr(equals + 1);
  }
  variables["PUTTLAND_DEVICE"] = device.string();
  for (const auto& [key, value] : environment) variables[key] = value;
  std::vector<std::string> entries;
  entries.reserve(variables.size());
  for (const auto& [key, value] : variables) entries.push_back(key + "=" + value);
  std::vector<char*> envp;
  envp.reserve(entries.size() + 1);
  for (auto& entry : entries) envp.push_back(entry.data());
  envp.push_back(nullptr);
  std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  char* argv[] = {self.data(), nullptr};
  pid_t pid = 0;
  if (::posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv, envp.data()) != 0) return -1;
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

}  // namespace platform_test
