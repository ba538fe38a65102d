// The game's entry routine on desktop Windows: the single-instance guard and the application
// run, with the program's instance, as the handheld starts it (nothing to prepare here).
#include <windows.h>

#include "frame/app/entry.h"
#include "program/game_runner.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
  return frame::EnterProgram(instance, program::GameRunner());
}
