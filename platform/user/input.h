// Stylus and key input from the backend, turned into window messages, and the key state.
// Internal to the platform layer.
#pragma once

#include <cstdint>

namespace platform::user {

// Takes the input the backend has (waiting up to timeoutMs for the first event) and posts the
// messages it makes. Returns false when the wait ended with nothing, and sets *never when the
// backend can never deliver anything again.
bool PumpInput(uint32_t timeoutMs, bool* never = nullptr);
// Forgets held keys and the stylus (tests start from a clean slate).
void ResetInputState();

}  // namespace platform::user
