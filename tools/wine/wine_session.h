// A private Wine installation for the Windows programs' tests: a fresh prefix, its own Xvfb
// display and a persistent wine server, plus bounded runs of Windows programs, xdotool and "reg".
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

class WineSession {
 public:
  // Why the tests cannot run here (a missing tool, or one of `programs` missing from
  // `windowsBin`), or empty when they can.
  static std::string MissingTools(const std::string& windowsBin,
                                  const std::vector<std::string>& programs);

  WineSession() = default;
  WineSession(const WineSession&) = delete;
  WineSession& operator=(const WineSession&) = delete;
  ~WineSession();

  // Starts Xvfb, creates the prefix (wineboot -i) and keeps its server running.
  bool Start(std::string& error);
  void Stop();

  // Host path of C:\ in the prefix, and of a scratch folder outside it (seen as Z:).
  std::string DriveC() const { return root_ + "/prefix/drive_c"; }
  std::string Scratch() const { return root_ + "/scratch"; }
  // The X display of the session's Xvfb (":N").
  const std::string& Display() const { return display_; }

  // Runs `wine args...` in `cwd`; its exit status, or kTimedOut after killing it.
  static constexpr int kTimedOut = -1000;
  int Wine(const std::vector<std::string>& args, const std::string& cwd, int seconds,
           std::string* output = nullptr);
  pid_t SpawnWine(const std::vector<std::string>& args, const std::string& cwd);
  int Wait(pid_t pid, int seconds);

  // Runs xdotool on the session's display.
  int XDoTool(const std::vector<std::string>& args, int seconds);

  // A REG_SZ value through Wine's "reg query", or nothing when the key or value is absent.
  std::optional<std::string> RegQuery(const std::string& key, const std::string& value);
  bool KeyExists(const std::string& key);
  // What the last failed "reg" command printed.
  const std::string& LastRegOutput() const { return lastRegOutput_; }

 private:
  bool RegCommand(const std::vector<std::string>& args, std::string* output);
  pid_t Spawn(const std::vector<std::string>& argv, const std::string& cwd,
              const std::string& outputFile, int keepFd = -1);
  std::vector<std::string> Environment() const;

  std::string root_;
  std::string display_;
  pid_t xvfb_ = -1;
  bool serverRunning_ = false;
  std::string lastRegOutput_;
};
