// Sound: PlaySoundW for WAVE resources.
// (Filled in with the layer that implements it.)
#pragma once

#include "windef.h"
#include "winerror.h"
