// Windows of other programs on the same emulated device: each program lists its top-level
// windows in the device's run folder and takes "come to the front" requests on a socket there.
#pragma once

#include <windows.h>

#include <string>

namespace platform::user {

// Rewrites this program's list of top-level windows when it changed.
void PublishWindows();
// A stand-in handle for a matching window of another live program on this device, or null.
HWND FindRemoteWindow(const std::wstring* className, LPCWSTR title);
// Asks the program that owns a stand-in handle to bring that window to the front.
bool RequestRemoteForeground(HWND proxy);
// Brings to the front the windows other programs asked for.
void ServeForegroundRequests();

}  // namespace platform::user
