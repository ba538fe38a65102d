// The program's entry routine: the single-instance guard, the window classes, the hidden root
// window, and the run of the application object between them.
#pragma once

#include <windows.h>

namespace frame {

// Constructs the application as a local object, runs it, saves what it keeps and destroys it;
// returns the program's exit code.
using ApplicationRunner = int (*)();

// A second copy brings the first copy's root window to the front and returns 0.
int EnterProgram(HINSTANCE instance, ApplicationRunner runApplication);

// Registers "VelaFormClass" and "VelaMainFormClass" and creates the root window (shown, 0 by 0,
// titled with the application name) into RootWindow. Failures are fatal.
void CreateRootWindow();

// Runs the frame's base application (one plain form).
int RunBaseApplication();

// The root window's procedure: its destruction posts a quit message with exit code 1.
LRESULT CALLBACK RootWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace frame
