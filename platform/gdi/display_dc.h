// How the window manager hands GDI a device context onto the screen: a source that tells,
// at each drawing call, where the DC's origin lies and which screen rectangles it may touch.
#pragma once

#include <functional>
#include <vector>

#include "windef.h"

namespace platform::gdi {

struct DisplayView {
  POINT origin{0, 0};         // screen position of the DC's logical (0,0)
  std::vector<RECT> visible;  // screen rectangles the DC may draw on (their union)
};

using DisplayViewSource = std::function<DisplayView()>;

// A DC that draws on TheScreen(), clipped to the view's visible rectangles and to any clip
// region selected into it. The source is asked afresh at every drawing call.
HDC CreateDisplayDC(DisplayViewSource source);
void DestroyDisplayDC(HDC dc);

}  // namespace platform::gdi
