// GameKey: the hardware keys the game reads, as bits, and their virtual keys.
// F1 to F4 and the four cursor keys.
#pragma once

#include <windows.h>

namespace frame {

enum GameKey : int {
  GameKeyF1 = 0x01,
  GameKeyF2 = 0x02,
  GameKeyF3 = 0x04,
  GameKeyF4 = 0x08,
  GameKeyUp = 0x10,
  GameKeyDown = 0x20,
  GameKeyLeft = 0x40,
  GameKeyRight = 0x80,
};

// The GameKey of a virtual key, or 0 for keys the game does not read.
int GameKeyFromVirtualKey(WPARAM virtualKey);
// The virtual key of a GameKey, or 0 for any other value.
int VirtualKeyFromGameKey(int key);
// Whether the key is held now (asynchronous key state); other values are never held.
bool IsGameKeyHeld(int key);

}  // namespace frame
