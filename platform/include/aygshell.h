// Pocket PC shell: the menu bar across the bottom of the screen.
// (Filled in with the layer that implements it.)
#pragma once

#include "windef.h"
#include "winerror.h"
