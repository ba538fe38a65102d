// The process's screen buffer.
#include "device/screen.h"

namespace platform {

ScreenBuffer& TheScreen() {
  static ScreenBuffer screen;
  return screen;
}

}  // namespace platform
