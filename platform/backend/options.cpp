// The process's display options.
#include "backend/options.h"

namespace platform {

DeviceOptions& TheDeviceOptions() {
  static DeviceOptions options;
  return options;
}

}  // namespace platform
