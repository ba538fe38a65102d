// The Win32 API subset that the handheld program calls, implemented by this platform layer.
// Subsystem code includes only this (and the shell, sound and common-controls headers).
#pragma once

#include "windef.h"
#include "winerror.h"
#include "winbase.h"
#include "winreg.h"
#include "wingdi.h"
#include "winuser.h"
