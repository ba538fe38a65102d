// FatalError: the one way out for errors the program cannot continue from. Shows the message
// in a box captioned "Fatal error" and ends the process with the given code.
#pragma once

namespace frame {

inline constexpr int kFatalExitCode = -1;

[[noreturn]] void FatalError(const char* message, int exitCode);

// Tests watch fatal errors through an observer that sees the message and the code just
// before the box is shown (the box itself is drawn on the device, not printed).
using FatalErrorObserver = void (*)(const char* message, int exitCode);
void SetFatalErrorObserver(FatalErrorObserver observer);

}  // namespace frame
