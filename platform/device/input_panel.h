// The input panel: a small on-screen keyboard above the menu bar, opened and closed by the menu
// bar's input-panel button. Its keys type into the focus window (else the active window).
#pragma once

#include <windows.h>

namespace platform::device {

constexpr int kInputPanelHeight = 80;

void RegisterInputPanelClass();
// Opens the panel when it is closed and closes it when it is open.
void ToggleInputPanel();
// The panel's window while it is open, else null.
HWND InputPanelWindow();

}  // namespace platform::device
