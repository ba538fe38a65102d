// The window classes the layer registers itself: EDIT, the message box, the shell's menu bar,
// the device's top bar and input panel. Each registers on the window manager's first use.
#pragma once

namespace platform::user {

void RegisterSystemClasses();
void RegisterEditClass();
void RegisterMessageBoxClass();

}  // namespace platform::user

namespace platform::shell {
void RegisterMenuBarClass();
}

namespace platform::device {
void RegisterTopBarClass();
void RegisterInputPanelClass();
}  // namespace platform::device
