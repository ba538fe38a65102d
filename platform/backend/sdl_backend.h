// The SDL2 backend: the device's screen in a real window, mouse as stylus, keyboard, text
// input and audio, on the real-time clock.
#pragma once

#include <memory>
#include <string>

#include "backend/backend.h"
#include "backend/options.h"

namespace platform {

// A window showing the device, or null (with the reason in `error`) when SDL's video cannot
// start or the window cannot be created.
std::unique_ptr<Backend> MakeSdlBackend(const DeviceOptions& options, std::string* error = nullptr);

}  // namespace platform
