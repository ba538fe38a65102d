// Child processes for the multi-process tests.
#include "child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

extern char** environ;

namespace frame_test {

ChildProcess::ChildProcess(const std::string& filter,
                           const std::map<std::string, std::string>& environment) {
  int in[2], out[2], err[2];
  if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) return;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) {
    posix_spawn_file_actions_addclose(&actions, fd);
  }

  std::vector<std::string> variables;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text(*entry);
    if (environment.count(text.substr(0, text.find('='))) == 0) variables.push_back(text);
  }
  for (const auto& [name, value] : environment) variables.push_back(name + "=" + value);
  std::vector<char*> envp;
  envp.reserve(variables.size() + 1);
  for (std::string& variable : variables) envp.push_back(variable.data());
  envp.push_back(nullptr);

  std::string program = "/proc/self/exe";
  std::string filterArgument = "--gtest_filter=" + filter;
  std::string disabledArgument = "--gtest_also_run_disabled_tests";
  char* argv[] = {program.data(), filterArgument.data(), disabledArgument.data(), nullptr};
  char self[4096];
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length > 0) {
    self[length] = '\0';
    program = self;
    argv[0] = program.data();
  }
  if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, envp.data()) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(in[0]);
  close(out[1]);
  close(err[1]);
  input_ = in[1];
  outputFd_ = out[0];
  errorsFd_ = err[0];
}

ChildProcess::~ChildProcess() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    Wait();
  }
  CloseInput();
  if (outputFd_ >= 0) close(outputFd_);
  if (errorsFd_ >= 0) close(errorsFd_);
}

bool ChildProcess::WaitForLine(const std::string& line) {
  char buffer[256];
  while (true) {
    // Complete lines not yet looked at, then more output.
    size_t end;
    while ((end = output_.find('\n', scanned_)) != std::string::npos) {
      const bool found = output_.compare(scanned_, end - scanned_, line) == 0;
      scanned_ = end + 1;
      if (found) return true;
    }
    const ssize_t count = read(outputFd_, buffer, sizeof buffer);
    if (count <= 0) return false;
    output_.append(buffer, static_cast<size_t>(count));
  }
}

void ChildProcess::WriteLine(const std::string& line) {
  const std::string text = line + "\n";
  if (input_ >= 0) (void)!write(input_, text.data(), text.size());
}

void ChildProcess::CloseInput() {
  if (input_ >= 0) close(input_);
  input_ = -1;
}

int ChildProcess::Wait() {
  if (pid_ <= 0) return -2000;
  // Drain both pipes so the child never blocks on a full pipe.
  pollfd fds[2] = {{outputFd_, POLLIN, 0}, {errorsFd_, POLLIN, 0}};
  int open = 2;
  char buffer[4096];
  while (open > 0 && poll(fds, 2, -1) > 0) {
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      const ssize_t count = read(fds[i].fd, buffer, sizeof buffer);
      if (count <= 0) {
        fds[i].fd = -1;
        --open;
      } else {
        (i == 0 ? output_ : errors_).append(buffer, static_cast<size_t>(count));
      }
    }
  }
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return -1000 - WTERMSIG(status);
}

std::string MakeDeviceFolder() {
  char pattern[] = "/tmp/pt-frame-device-XXXXXX";
  const char* folder = mkdtemp(pattern);
  return folder != nullptr ? folder : "/tmp";
}

}  // namespace frame_test
