// The emulated device's command-line options: screen scale, fullscreen, storage folder, headless.
// A program hands its arguments over before its first API call; the options it knows are removed.
#pragma once

#include <string>

#include "backend/options.h"

namespace platform {

// Consumes --scale N (or --scale=N), --fullscreen, --device DIR (or --device=DIR) and
// --headless from argv, keeping the other arguments in order, and applies them (--device sets
// the storage folder). On a bad or missing value nothing is consumed or applied, `error` says
// why, and the result is false.
bool ApplyDeviceOptions(int& argc, char** argv, std::string* error = nullptr);

}  // namespace platform
