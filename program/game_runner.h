// Which application the program runs: the game's own, with its eight screens. Shared by the
// program here and its desktop Windows build.
#pragma once

#include "frame/app/entry.h"

namespace program {

frame::ApplicationRunner GameRunner();

}  // namespace program
