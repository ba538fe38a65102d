// The program's instance handle, which the entry routine receives and every window it creates
// names as its owner module.
#pragma once

#include <windows.h>

extern HINSTANCE ProcessInstance;
