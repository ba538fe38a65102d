// For death tests: every fatal error is also written to stderr as "[Fatal error] message",
// where EXPECT_EXIT can match it.
#pragma once

#include <cstdio>

#include "frame/base/fatal_error.h"

namespace fatal_capture {

inline void PrintFatal(const char* message, int) {
  std::fprintf(stderr, "[Fatal error] %s\n", message);
  std::fflush(stderr);
}

// Call inside the death-test statement or before it; the child process inherits it.
inline void Install() {
  frame::SetFatalErrorObserver(PrintFatal);
}

}  // namespace fatal_capture
