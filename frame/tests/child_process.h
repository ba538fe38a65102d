// Starting this test program again as a child process that runs one helper test, with its own
// environment, a pipe to its standard input and its standard output and error captured.
#pragma once

#include <sys/types.h>

#include <map>
#include <string>

namespace frame_test {

class ChildProcess {
 public:
  // Runs the test `filter` of this program with `environment` added to ours. Helper tests are
  // named DISABLED_...: only a child started here runs them, never the test run itself.
  ChildProcess(const std::string& filter, const std::map<std::string, std::string>& environment);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Reads standard output until a line equal to `line` (true) or its end (false); each line is
  // looked at once, so successive calls find successive lines.
  bool WaitForLine(const std::string& line);
  // Writes a line to the child's standard input.
  void WriteLine(const std::string& line);
  // Closes the child's standard input (the helpers end their work on it).
  void CloseInput();
  // Waits for the end; the exit code, or -1000 - signal when killed by a signal.
  int Wait();
  const std::string& Output() const { return output_; }
  const std::string& Errors() const { return errors_; }

 private:
  pid_t pid_ = -1;
  int input_ = -1;
  int outputFd_ = -1;
  int errorsFd_ = -1;
  std::string output_;
  size_t scanned_ = 0;  // output_ before this has been looked at by WaitForLine
  std::string errors_;
};

// A fresh empty device folder for one test (the named mutex and windows live per device).
std::string MakeDeviceFolder();

}  // namespace frame_test
