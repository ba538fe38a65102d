// The program's instance handle.
#include "frame/base/process_instance.h"

namespace frame {

HINSTANCE ProcessInstance = nullptr;

}  // namespace frame
