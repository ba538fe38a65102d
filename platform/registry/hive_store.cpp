// Loading, reloading and atomically saving the registry file; stopping on a damaged one.
#include "registry/hive_store.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "kernel/storage.h"
#include "registry/reg_file.h"

namespace platform::registry {
namespace {

// Which version of the file the hive in memory matches.
struct Stamp {
  bool exists = false;
  ino_t inode = 0;
  off_t size = 0;
  int64_t modified = 0;
  bool operator==(const Stamp&) const = default;
};

Stamp StampOf(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return {};
  return Stamp{true, info.st_ino, info.st_size,
               info.st_mtim.tv_sec * 1000000000ll + info.st_mtim.tv_nsec};
}

struct State {
  std::mutex lock;
  std::unique_ptr<Hive> hive;
  std::filesystem::path path;
  Stamp stamp;
  std::string savedText;  // the file as last loaded or saved; empty when there was none
  std::optional<SaveFault> fault;
};

State& TheState() {
  static State state;
  return state;
}

SaveFault FaultFromEnvironment() {
  const char* value = std::getenv("PUTTLAND_REGISTRY_FAULT");
  if (value == nullptr) return SaveFault::kNone;
  if (std::strcmp(value, "fail-before-rename") == 0) return SaveFault::kFailBeforeRename;
  if (std::strcmp(value, "exit-before-rename") == 0) return SaveFault::kExitBeforeRename;
  return SaveFault::kNone;
}

std::string ProgramName() {
  return program_invocation_short_name ? program_invocation_short_name : "program";
}

[[noreturn]] void Stop(const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", ProgramName().c_str(), message.c_str());
  std::fflush(nullptr);
  ::_exit(kDamagedHiveExitStatus);
}

// A damaged file is never replaced: it is moved aside, reported with its line, and the program
// stops so that the player can repair or remove it.
[[noreturn]] void StopOnDamage(const std::filesystem::path& path, const ParseError& error) {
  char stamp[32];
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  std::filesystem::path aside = path.string() + ".damaged-" + stamp;
  for (int n = 2; std::filesystem::exists(aside); ++n) {
    aside = path.string() + ".damaged-" + stamp + "-" + std::to_string(n);
  }
  std::string message = "the registry file " + path.string() + " is damaged at line " +
                        std::to_string(error.line) + ": " + error.problem + ".";
  if (::rename(path.c_str(), aside.c_str()) == 0) {
    message +=
        "\nIt has been moved to " + aside.string() +
        " and left as it was. Repair it and move it back, or leave it there to start with an empty "
        "registry.";
  } else {
    message += "\nIt could not be moved aside (" + std::string(std::strerror(errno)) +
               "); it is left as it was.";
  }
  Stop(message);
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& text) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                       &std::fclose);
  if (!file) return false;
  char buffer[65536];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) text.append(buffer, n);
  return !std::ferror(file.get());
}

// Makes the hive in memory match the file (loading it the first time, or when the device folder
// changed, or when another process saved since).
void Refresh(State& state) {
  if (!state.fault) state.fault = FaultFromEnvironment();
  const auto path = HiveFilePath();
  const Stamp stamp = StampOf(path);
  if (state.hive && state.path == path && state.stamp == stamp) return;
  auto hive = std::make_unique<Hive>();
  std::string text;
  if (stamp.exists) {
    if (!ReadWholeFile(path, text)) {
      Stop("the registry file " + path.string() + " cannot be read: " + std::strerror(errno) + ".");
    }
    if (auto error = ReadRegFile(text, *hive)) StopOnDamage(path, *error);
  }
  state.hive = std::move(hive);
  state.path = path;
  state.stamp = stamp;
  state.savedText = std::move(text);
}

bool WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// Temporary files of saves that a process did not live to finish.
void RemoveAbandonedTemporaries(const std::filesystem::path& path) {
  const std::string prefix = path.filename().string() + ".tmp-";
  std::error_code error;
  for (std::filesystem::directory_iterator it(path.parent_path(), error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.rfind(prefix, 0) != 0) continue;
    const long pid = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
    if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
      std::filesystem::remove(it->path(), error);
    }
  }
}

bool Save(State& state) {
  RemoveAbandonedTemporaries(state.path);
  const std::string text = WriteRegFile(*state.hive);
  const auto temp = state.path.string() + ".tmp-" + std::to_string(::getpid());
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, text) && ::fsync(fd) == 0;
  if (::close(fd) != 0 || !written) {
    ::unlink(temp.c_str());
    return false;
  }
  if (*state.fault == SaveFault::kFailBeforeRename) {
    ::unlink(temp.c_str());
    return false;
  }
  if (*state.fault == SaveFault::kExitBeforeRename) ::_exit(86);
  if (::rename(temp.c_str(), state.path.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  // The rename itself reaches the disk with the folder.
  if (const int dir = ::open(state.path.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  state.stamp = StampOf(state.path);
  state.savedText = text;
  return true;
}

// Holds the device-wide lock that orders changes between processes.
class DeviceLock {
 public:
  DeviceLock() {
    const auto dir = DeviceRoot() / ".kernel";
    std::error_code ignored;
    std::filesystem::create_directories(dir, ignored);
    fd_ = ::open((dir / "registry.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ >= 0) ::flock(fd_, LOCK_EX);
  }
  ~DeviceLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  DeviceLock(const DeviceLock&) = delete;
  DeviceLock& operator=(const DeviceLock&) = delete;

 private:
  int fd_ = -1;
};

}  // namespace

std::filesystem::path HiveFilePath() {
  return DeviceRoot() / "registry.reg";
}

LONG ReadHive(const std::function<LONG(const Hive&)>& work) {
  auto& state = TheState();
  std::lock_guard guard(state.lock);
  Refresh(state);
  return work(*state.hive);
}

LONG ChangeHive(const std::function<LONG(Hive&, bool& changed)>& work) {
  auto& state = TheState();
  std::lock_guard guard(state.lock);
  DeviceLock deviceLock;
  Refresh(state);
  bool changed = false;
  const LONG result = work(*state.hive, changed);
  if (!changed || Save(state)) return result;
  // Undo: back to the file as it was (known good: it was loaded or written by us).
  auto previous = std::make_unique<Hive>();
  ReadRegFile(state.savedText, *previous);
  state.hive = std::move(previous);
  return ERROR_CANTWRITE;
}

void SetSaveFault(SaveFault fault) {
  auto& state = TheState();
  std::lock_guard guard(state.lock);
  state.fault = fault;
}

void UnloadHive() {
  auto& state = TheState();
  std::lock_guard guard(state.lock);
  state.hive.reset();
}

}  // namespace platform::registry
