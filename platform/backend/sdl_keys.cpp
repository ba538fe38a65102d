// SDL key codes to Windows virtual-key codes (the real values: VK_LEFT 0x25 ... VK_F1 0x70).
#include "backend/sdl_keys.h"

#include <SDL.h>

namespace platform {

unsigned VirtualKeyFromSdl(int sdlKeycode) {
  switch (sdlKeycode) {
    case SDLK_LEFT:
      return 0x25;  // VK_LEFT
    case SDLK_UP:
      return 0x26;  // VK_UP
    case SDLK_RIGHT:
      return 0x27;  // VK_RIGHT
    case SDLK_DOWN:
      return 0x28;  // VK_DOWN
    case SDLK_F1:
      return 0x70;  // VK_F1 .. VK_F12 follow in order
    case SDLK_F2:
      return 0x71;
    case SDLK_F3:
      return 0x72;
    case SDLK_F4:
      return 0x73;
    case SDLK_F5:
      return 0x74;
    case SDLK_F6:
      return 0x75;
    case SDLK_F7:
      return 0x76;
    case SDLK_F8:
      return 0x77;
    case SDLK_F9:
      return 0x78;
    case SDLK_F10:
      return 0x79;
    case SDLK_F11:
      return 0x7A;
    case SDLK_F12:
      return 0x7B;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return 0x0D;  // VK_RETURN
    case SDLK_BACKSPACE:
      return 0x08;  // VK_BACK
    case SDLK_TAB:
      return 0x09;  // VK_TAB
    case SDLK_ESCAPE:
      return 0x1B;  // VK_ESCAPE
    case SDLK_PAGEUP:
      return 0x21;  // VK_PRIOR
    case SDLK_PAGEDOWN:
      return 0x22;  // VK_NEXT
    case SDLK_END:
      return 0x23;  // VK_END
    case SDLK_HOME:
      return 0x24;  // VK_HOME
    case SDLK_INSERT:
      return 0x2D;  // VK_INSERT
    case SDLK_DELETE:
      return 0x2E;  // VK_DELETE
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return 0x10;  // VK_SHIFT
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return 0x11;  // VK_CONTROL
    case SDLK_LALT:
    case SDLK_RALT:
      return 0x12;  // VK_MENU
    default:
      return 0;
  }
}

}  // namespace platform
