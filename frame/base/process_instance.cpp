// The program's instance handle.
#include "frame/base/process_instance.h"

HINSTANCE ProcessInstance = nullptr;
