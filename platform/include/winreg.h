// Registry: keys and values under HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER.
// (Filled in with the layer that implements it.)
#pragma once

#include "windef.h"
#include "winerror.h"
