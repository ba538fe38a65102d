// The hook through which the backend tells the kernel whether the device has a window.
#include "kernel/host_display.h"

namespace platform {
namespace {

ShowsWindowQuery ShowsWindow = nullptr;

}  // namespace

void SetShowsWindowQuery(ShowsWindowQuery query) {
  ShowsWindow = query;
}

bool DeviceShowsWindow() {
  return ShowsWindow != nullptr && ShowsWindow();
}

}  // namespace platform
