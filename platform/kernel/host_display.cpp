// The hook through which the backend tells the kernel whether the device has a window.
#include "kernel/host_display.h"

namespace platform {
namespace {

ShowsWindowQuery showsWindow = nullptr;

}  // namespace

void SetShowsWindowQuery(ShowsWindowQuery query) {
  showsWindow = query;
}

bool DeviceShowsWindow() {
  return showsWindow != nullptr && showsWindow();
}

}  // namespace platform
