// LaunchHelp: starts the handheld's help viewer on the installed help document, named by the
// application key's "Help File" value.
#pragma once

namespace frame {

// Starts "peghelp.exe" with the "Help File" value as its command line (none when the value
// is absent or not text); the outcome is not reported.
void LaunchHelp();

}  // namespace frame
