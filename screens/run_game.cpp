// RunGameApplication: the game's application object as a local of the routine that runs it.
#include "screens/run_game.h"

#include "screens/game_application.h"

namespace screens {

int RunGameApplication() {
  GameApplication application;
  application.Run();
  application.SaveSettings();
  return 0;
}

}  // namespace screens
