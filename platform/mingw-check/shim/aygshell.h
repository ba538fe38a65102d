// The Pocket PC shell header has no desktop counterpart: what it declares comes from ce_extras.h,
// which the compile check forces into every file.
#pragma once
#include <windows.h>
