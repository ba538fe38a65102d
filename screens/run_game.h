// RunGameApplication: what the program's entry routine runs between its start-up and its end
// for the game.
#pragma once

namespace screens {

// Constructs the game application, runs the main loop until the program quits, writes the
// settings record and deletes every screen; returns the exit code (0).
int RunGameApplication();

}  // namespace screens
