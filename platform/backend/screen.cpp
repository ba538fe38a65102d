// The process's screen buffer.
#include "backend/screen.h"

namespace platform {

ScreenBuffer& TheScreen() {
  static ScreenBuffer screen;
  return screen;
}

}  // namespace platform
