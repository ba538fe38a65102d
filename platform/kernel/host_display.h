// Whether the device shows on a screen someone can see. The backend knows, but sits above the
// kernel, so it answers through this hook, which it installs at start-up; until it has, the
// device counts as having no window.
#pragma once

namespace platform {

using ShowsWindowQuery = bool (*)();
void SetShowsWindowQuery(ShowsWindowQuery query);
bool DeviceShowsWindow();

}  // namespace platform
