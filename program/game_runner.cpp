// The application runner chosen by the build: PT_HAVE_SCREENS is set when the screens library
// exists and is linked.
#include "program/game_runner.h"

#if PT_HAVE_SCREENS
#include "screens/run_game.h"
#endif

namespace program {

frame::ApplicationRunner GameRunner() {
#if PT_HAVE_SCREENS
  return screens::RunGameApplication;
#else
  return frame::RunBaseApplication;
#endif
}

bool RunsGameScreens() {
  return PT_HAVE_SCREENS != 0;
}

}  // namespace program
