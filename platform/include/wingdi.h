// Graphics device interface: device contexts, bitmaps, brushes, pens, regions, blits and text.
// (Filled in with the layer that implements it.)
#pragma once

#include "windef.h"
#include "winerror.h"
