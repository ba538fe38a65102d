// GameKey: the hardware keys the game reads, as bits, and their virtual keys.
// F1 to F4 and the four cursor keys.
#pragma once

#include <windows.h>

namespace frame {

enum GameKey : int {
  kGameKeyF1 = 0x01,
  kGameKeyF2 = 0x02,
  kGameKeyF3 = 0x04,
  kGameKeyF4 = 0x08,
  kGameKeyUp = 0x10,
  kGameKeyDown = 0x20,
  kGameKeyLeft = 0x40,
  kGameKeyRight = 0x80,
};

// The GameKey of a virtual key, or 0 for keys the game does not read.
int GameKeyFromVirtualKey(WPARAM virtualKey);
// The virtual key of a GameKey, or 0 for any other value.
int VirtualKeyFromGameKey(int key);
// Whether the key is held now (asynchronous key state); other values are never held.
bool IsGameKeyHeld(int key);

}  // namespace frame
