// A private Wine installation for the Windows programs' tests.
// Every child runs with a deadline; the session kills what it started when it stops.
#include "wine_session.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

namespace {

bool OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path ? path : "");
  std::string dir;
  while (std::getline(dirs, dir, ':')) {
    if (!dir.empty() && access((dir + "/" + program).c_str(), X_OK) == 0) return true;
  }
  return false;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

std::string WineSession::MissingTools(const std::string& windowsBin,
                                      const std::vector<std::string>& programs) {
  for (const char* tool : {"wine", "wineserver", "wineboot", "Xvfb", "xdotool"}) {
    if (!OnPath(tool)) {
      return std::string(tool) + " is not installed (scripts/deps.sh --all installs it)";
    }
  }
  for (const std::string& exe : programs) {
    if (windowsBin.empty() || !fs::exists(fs::path(windowsBin) / exe))
      return exe + " was not built";
  }
  return {};
}

WineSession::~WineSession() {
  Stop();
}

std::vector<std::string> WineSession::Environment() const {
  return {"WINEPREFIX=" + root_ + "/prefix", "WINEDEBUG=-all", "DISPLAY=" + display_,
          // No Mono or Gecko installers: they would wait for an answer on the screen.
          "WINEDLLOVERRIDES=mscoree,mshtml=", "WINEARCH=win64"};
}

pid_t WineSession::Spawn(const std::vector<std::string>& argv, const std::string& cwd,
                         const std::string& outputFile, int keepFd) {
  std::vector<std::string> env = Environment();
  pid_t pid = fork();
  if (pid != 0) return pid;
  // Child: its own process group so that a timeout can kill everything it started.
  setpgid(0, 0);
  // Should the test program itself be killed (a CTest timeout), its children go with it.
  prctl(PR_SET_PDEATHSIG, SIGTERM);
  for (const std::string& entry : env) putenv(const_cast<char*>(entry.c_str()));
  if (!cwd.empty() && chdir(cwd.c_str()) != 0) _exit(126);
  int out = open(outputFile.empty() ? "/dev/null" : outputFile.c_str(),
                 O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (out >= 0) {
    dup2(out, 1);
    dup2(out, 2);
  }
  int in = open("/dev/null", O_RDONLY);
  if (in >= 0) dup2(in, 0);
  for (int fd = 3; fd < 1024; ++fd)
    if (fd != keepFd) close(fd);
  std::vector<char*> args;
  args.reserve(argv.size() + 1);
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  execvp(args[0], args.data());
  _exit(127);
}

int WineSession::Wait(pid_t pid, int seconds) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  for (;;) {
    int status = 0;
    pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (done < 0) return kTimedOut;
    if (std::chrono::steady_clock::now() > deadline) {
      kill(-pid, SIGKILL);
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return kTimedOut;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

bool WineSession::Start(std::string& error) {
  char pattern[] = "/tmp/pt-wine-XXXXXX";
  if (!mkdtemp(pattern)) {
    error = "cannot make a temporary folder";
    return false;
  }
  root_ = pattern;
  fs::create_directories(Scratch());

  // Xvfb picks a free display itself and writes its number to the pipe.
  int fds[2];
  if (pipe(fds) != 0) {
    error = "pipe failed";
    return false;
  }
  xvfb_ = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1024x768x24",
                 "-nolisten", "tcp"},
                "", root_ + "/xvfb.log", fds[1]);
  close(fds[1]);
  std::string number;
  char c;
  while (read(fds[0], &c, 1) == 1 && c != '\n') number.push_back(c);
  close(fds[0]);
  if (number.empty()) {
    error = "Xvfb did not start: " + ReadFile(root_ + "/xvfb.log");
    return false;
  }
  display_ = ":" + number;

  // A persistent server, started first: without it every run would wait for the prefix's
  // services to end, and a server left by wineboot would refuse a second one.
  fs::create_directories(root_ + "/prefix");
  if (Wait(Spawn({"wineserver", "-p"}, root_, root_ + "/wineserver.log"), 30) != 0) {
    error = "wineserver -p failed: " + ReadFile(root_ + "/wineserver.log");
    return false;
  }
  serverRunning_ = true;
  std::string log = root_ + "/wineboot.log";
  int booted = Wait(Spawn({"wineboot", "-i"}, root_, log), 180);
  if (booted != 0) {
    error = "wineboot -i failed (" + std::to_string(booted) + "): " + ReadFile(log);
    return false;
  }
  return true;
}

void WineSession::Stop() {
  if (serverRunning_) {
    Wait(Spawn({"wineserver", "-k"}, root_, ""), 30);
    Wait(Spawn({"wineserver", "-w"}, root_, ""), 30);
    serverRunning_ = false;
  }
  if (xvfb_ > 0) {
    kill(xvfb_, SIGTERM);
    Wait(xvfb_, 10);
    xvfb_ = -1;
  }
  if (!root_.empty() && !std::getenv("PT_WINE_KEEP")) {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
    root_.clear();
  }
}

pid_t WineSession::SpawnWine(const std::vector<std::string>& args, const std::string& cwd) {
  std::vector<std::string> argv{"wine"};
  argv.insert(argv.end(), args.begin(), args.end());
  return Spawn(argv, cwd, "");
}

int WineSession::Wine(const std::vector<std::string>& args, const std::string& cwd, int seconds,
                      std::string* output) {
  std::vector<std::string> argv{"wine"};
  argv.insert(argv.end(), args.begin(), args.end());
  std::string file = output ? root_ + "/output.txt" : "";
  int status = Wait(Spawn(argv, cwd, file), seconds);
  if (output) *output = ReadFile(file);
  return status;
}

int WineSession::XDoTool(const std::vector<std::string>& args, int seconds) {
  std::vector<std::string> argv{"xdotool"};
  argv.insert(argv.end(), args.begin(), args.end());
  return Wait(Spawn(argv, root_, root_ + "/xdotool.log"), seconds);
}

std::optional<std::string> WineSession::RegQuery(const std::string& key, const std::string& value) {
  std::string output;
  if (!RegCommand({"reg", "query", key, "/v", value}, &output)) return std::nullopt;
  // "    <value>    REG_SZ    <data>\r\n"
  std::string marker = value + "    REG_SZ    ";
  size_t at = output.find(marker);
  if (at == std::string::npos) return std::nullopt;
  size_t start = at + marker.size();
  size_t end = output.find_first_of("\r\n", start);
  return output.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

bool WineSession::KeyExists(const std::string& key) {
  std::string output;
  return RegCommand({"reg", "query", key}, &output);
}

// A new Wine process can fail to start while the prefix's services are still shutting down
// after the last program ended, so a failed query is asked again before it counts as
// "absent"; the output of the last attempt stays in lastRegOutput_ for the test's message.
bool WineSession::RegCommand(const std::vector<std::string>& args, std::string* output) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (attempt > 0) std::this_thread::sleep_for(std::chrono::seconds(1));
    if (Wine(args, root_, 60, output) == 0) return true;
    lastRegOutput_ = *output;
  }
  return false;
}
