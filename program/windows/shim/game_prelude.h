// Forced into every file of the game's Windows build (-include): the handheld's declarations,
// and its two registry calls whose access mask the handheld ignores routed to the shim.
#pragma once

#include "handheld.h"

#define RegOpenKeyExW HandheldRegOpenKeyExW
#define RegCreateKeyExW HandheldRegCreateKeyExW
