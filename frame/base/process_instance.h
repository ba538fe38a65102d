// The program's instance handle, which the entry routine receives and every window it creates
// names as its owner module.
#pragma once

#include <windows.h>

namespace frame {

extern HINSTANCE ProcessInstance;

}  // namespace frame
