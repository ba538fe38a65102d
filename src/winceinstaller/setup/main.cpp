// Setup's entry routine: the command-line switches, the welcome dialog, and the one place
// where thrown messages are shown and turned into the exit code.
#include <windows.h>

#include <string>

#include "setup_error.h"
#include "setup_text.h"
#include "setup_windows.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  std::string line = commandLine ? commandLine : "";
  try {
    std::string rest;
    if (FindUninstallSwitch(line, rest)) {
      UninstallApplication(rest);
      return 0;
    }
    if (ShowWelcomeDialog(instance) != 0) InstallApplication();
    if (HasSelfRemoveSwitch(line)) SelfRemoveApplication();
    return 0;
  } catch (const SetupError& error) {
    ShowFatalError(error.what());
    return -1;
  } catch (...) {
    ShowFatalError("Unexpected exception");
    return -2;
  }
}
