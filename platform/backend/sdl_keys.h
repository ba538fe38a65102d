// The keyboard of the SDL window as the device's keys: arrows and F1-F4 are the hardware
// buttons; editing keys become virtual-key codes. Keys that type characters come as text.
#pragma once

namespace platform {

// The virtual-key code for an SDL key code, or 0 for keys that are not passed on as keys.
unsigned VirtualKeyFromSdl(int sdlKeycode);

}  // namespace platform
