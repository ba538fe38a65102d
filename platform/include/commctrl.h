// Common controls: initialisation and command-bar menus.
// (Filled in with the layer that implements it.)
#pragma once

#include "windef.h"
#include "winerror.h"
