// Starting the built program (and pt-registry) as child processes with a deadline, and reading
// back what a run left: screenshots, the sound log, the registry.
#include "program/tests/e2e/program_run.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "backend/png_file.h"

namespace program::e2e {

namespace fs = std::filesystem;

RunResult RunCommand(const std::vector<std::string>& argv, int timeoutSeconds, int signalAfterMs,
                     int signalNumber) {
  RunResult result;
  int out[2], err[2];
  if (pipe(out) != 0 || pipe(err) != 0) throw std::runtime_error("pipe");
  const pid_t child = fork();
  if (child == 0) {
    dup2(out[1], 1);
    dup2(err[1], 2);
    close(out[0]), close(out[1]), close(err[0]), close(err[1]);
    const int null = open("/dev/null", O_RDONLY);
    dup2(null, 0);
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  close(out[1]);
  close(err[1]);
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  const auto deadline = start + std::chrono::seconds(timeoutSeconds);
  bool signalled = signalAfterMs <= 0;
  pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  int open = 2;
  while (open > 0) {
    const auto now = Clock::now();
    if (now > deadline) {
      kill(child, SIGKILL);
      result.errors += "\n[killed: no end within the deadline]";
      break;
    }
    if (!signalled && now - start >= std::chrono::milliseconds(signalAfterMs)) {
      kill(child, signalNumber);
      signalled = true;
    }
    if (poll(fds, 2, 20) <= 0) continue;
    for (pollfd& fd : fds) {
      if (fd.fd < 0 || !(fd.revents & (POLLIN | POLLHUP))) continue;
      char buffer[4096];
      const ssize_t got = read(fd.fd, buffer, sizeof buffer);
      if (got <= 0) {
        close(fd.fd);
        fd.fd = -1;
        --open;
        continue;
      }
      (fd.fd == out[0] ? result.output : result.errors).append(buffer, size_t(got));
    }
  }
  for (pollfd& fd : fds)
    if (fd.fd >= 0) close(fd.fd);
  int status = 0;
  waitpid(child, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

ProgramRun::ProgramRun(const std::string& name) {
  const char* binary = std::getenv("PT_BINARY_DIR");
  const fs::path root = fs::path(binary ? binary : fs::temp_directory_path().string()) / "e2e";
  device_ = root / name / "device";
  soundLog_ = root / name / "sounds.txt";
  shots_ = fs::path(PT_SCREENSHOTS) / name;
  fs::remove_all(root / name);
  fs::remove_all(shots_);
  fs::create_directories(root / name);
}

RunResult ProgramRun::Start(std::vector<std::string> args, int timeoutSeconds) {
  args.insert(args.begin(), {PT_PUTTLAND, "--headless", "--device", device_.string()});
  return RunCommand(args, timeoutSeconds);
}

RunResult ProgramRun::Play(const std::string& script) {
  return Start({"--script", std::string(PT_SCRIPTS) + "/" + script + ".pts", "--screenshots",
                shots_.string(), "--sound-log", soundLog_.string()});
}

Screenshot ProgramRun::Shot(const std::string& name) const {
  Screenshot shot;
  int width = 0, height = 0;
  std::string error;
  if (!platform::ReadPng(shots_ / (name + ".png"), shot.pixels, width, height, &error))
    throw std::runtime_error("screenshot " + name + ": " + error);
  if (width != 240 || height != 320) throw std::runtime_error("screenshot " + name + ": size");
  return shot;
}

std::vector<std::pair<uint32_t, unsigned>> ProgramRun::Sounds() const {
  std::vector<std::pair<uint32_t, unsigned>> sounds;
  std::ifstream in(soundLog_);
  uint32_t time = 0;
  unsigned id = 0;
  while (in >> time >> id) sounds.emplace_back(time, id);
  return sounds;
}

std::string ProgramRun::Registry(const std::string& key, const std::string& value) const {
  RunResult r = RunCommand({PT_REGISTRY, "--device", device_.string(), "get", key, value}, 30);
  if (r.status != 0) return {};
  while (!r.output.empty() && (r.output.back() == '\n' || r.output.back() == '\r'))
    r.output.pop_back();
  return r.output;
}

std::string ProgramRun::RegistryShow() const {
  return RunCommand({PT_REGISTRY, "--device", device_.string(), "show"}, 30).output;
}

}  // namespace program::e2e
