// SIGINT and SIGTERM end the program through its normal path: the handler only records the
// signal, and the backend's next look for input turns it into the device's Quit.
#pragma once

#include <memory>

#include "platform/backend/backend.h"

namespace program {

// Installs the handlers. A second SIGINT, while the first is still being handled, ends the
// process at once (status 130).
void InstallQuitSignals();

// Signals received so far (for tests).
int QuitSignalsReceived();

// Wraps `inner` so that each signal received arrives once as InputKind::kQuit. Waits on a
// real-time backend are cut into short slices so that a program blocked for input notices the
// signal at once; the headless backend never blocks and keeps its own clock rules.
std::unique_ptr<platform::Backend> WithQuitSignals(std::unique_ptr<platform::Backend> inner);

}  // namespace program
