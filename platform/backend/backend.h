// The seam between the stand-in OS and the machine it runs on: clock, input, presentation, audio.
// Two implementations: SDL2 (a real window) and headless (virtual clock, scripted input, tests).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

enum class InputKind { kStylusDown, kStylusMove, kStylusUp, kKeyDown, kKeyUp, kText, kQuit };

struct InputEvent {
  InputKind kind = InputKind::kQuit;
  int x = 0;  // stylus: device screen pixel, 0..239 and 0..319
  int y = 0;
  unsigned key = 0;     // keys: virtual-key code (VK_UP, VK_F1, VK_RETURN, ...)
  std::u32string text;  // text input: the characters typed
  // Keys that type characters (letters, digits, space) arrive as Text only, never as keys;
  // Enter, Backspace, Escape, Tab, arrows and function keys arrive as keys only.
};

class Backend {
 public:
  virtual ~Backend() = default;

  // Milliseconds since the device started; wraps like a 32-bit tick count.
  virtual uint32_t TickCount() = 0;
  // Lets time pass without input (the virtual clock simply advances).
  virtual void Sleep(uint32_t ms) = 0;
  // Takes the next input event, waiting up to timeoutMs (0 polls, 0xFFFFFFFF waits for ever).
  // Returns false when none arrived in that time. An empty poll (0) may wait about 1 ms for
  // input (the headless clock moves on by that step), so a loop that polls does not spin.
  virtual bool NextEvent(InputEvent& event, uint32_t timeoutMs) = 0;
  // Shows the screen buffer (240x320, 0x00RRGGBB) if it changed since the last call.
  virtual void Present() = 0;
  // Plays a RIFF WAVE image asynchronously, cutting any sound that plays; empty stops.
  virtual void PlayWave(const uint8_t* data, size_t size) = 0;
  virtual const char* Name() const = 0;
  // Brings the device's window in front of the desktop's other windows (a second copy of the
  // program asked the first to come forward). Nothing to do where there is no window.
  virtual void Raise() {}
};

// The backend of this process, chosen on first use: headless when PUTTLAND_BACKEND=headless,
// --headless (device/options.h) or when no display is available, SDL otherwise.
Backend& CurrentBackend();
// Replaces the backend (tests, or a program that parsed its own options first).
void SetBackend(std::unique_ptr<Backend> backend);

}  // namespace platform
