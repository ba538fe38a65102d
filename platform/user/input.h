// Stylus and key input from the backend, turned into window messages, and the key state.
// Internal to the platform layer.
#pragma once

#include <cstdint>

namespace platform::user {

// Takes the input the backend has (waiting up to timeoutMs for the first event) and queues it,
// updating the key state. Returns false when the wait ended with nothing, and sets *never when the
// backend can never deliver anything again.
bool PumpInput(uint32_t timeoutMs, bool* never = nullptr);
// Turns the oldest input event taken from the backend into messages (none when it is lost).
// Returns false when no event waits.
bool ConvertNextInput();
// Forgets held keys and the stylus (tests start from a clean slate).
void ResetInputState();

}  // namespace platform::user
