// Kernel services: last error, tick count, mutexes, processes, files, module path, string conversions.
// (Filled in with the layer that implements it.)
#pragma once

#include "windef.h"
#include "winerror.h"
