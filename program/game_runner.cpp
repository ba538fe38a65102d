// The application runner the program hands to the entry routine: the game application of the
// screens library.
#include "program/game_runner.h"

#include "screens/run_game.h"

namespace program {

frame::ApplicationRunner GameRunner() {
  return screens::RunGameApplication;
}

}  // namespace program
