// Which application the program runs: the game's own once its screens are built, the frame's
// base application (one plain form) until then.
#pragma once

#include "frame/app/entry.h"

namespace program {

frame::ApplicationRunner GameRunner();

// Whether GameRunner is the game's application.
bool RunsGameScreens();

}  // namespace program
