// GameKey mapping to and from virtual keys.
#include "frame/form/game_key.h"

namespace frame {

namespace {

struct KeyPair {
  int gameKey;
  int virtualKey;
};

constexpr KeyPair kKeys[] = {
    {kGameKeyF1, VK_F1},     {kGameKeyF2, VK_F2},       {kGameKeyF3, VK_F3},
    {kGameKeyF4, VK_F4},     {kGameKeyUp, VK_UP},       {kGameKeyDown, VK_DOWN},
    {kGameKeyLeft, VK_LEFT}, {kGameKeyRight, VK_RIGHT},
};

}  // namespace

int GameKeyFromVirtualKey(WPARAM virtualKey) {
  for (const KeyPair& pair : kKeys) {
    if (static_cast<WPARAM>(pair.virtualKey) == virtualKey) return pair.gameKey;
  }
  return 0;
}

int VirtualKeyFromGameKey(int key) {
  for (const KeyPair& pair : kKeys) {
    if (pair.gameKey == key) return pair.virtualKey;
  }
  return 0;
}

bool IsGameKeyHeld(int key) {
  const int virtualKey = VirtualKeyFromGameKey(key);
  if (virtualKey == 0) return false;
  return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

}  // namespace frame
