// Window manager: classes, windows, messages, input, painting, controls and message boxes.
// (Filled in with the layer that implements it.)
#pragma once

#include "windef.h"
#include "winerror.h"
