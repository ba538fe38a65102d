// The window classes the layer registers itself: EDIT, the message box, then those the shell and
// the device plug in (chrome_hooks.h). Each registers on the window manager's first use.
#pragma once

namespace platform::user {

void RegisterSystemClasses();
void RegisterEditClass();
void RegisterMessageBoxClass();

}  // namespace platform::user
