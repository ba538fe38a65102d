// SystemFontRenderer: narrow text drawn with the device context's font on one line.
#include "frame/base/wide_string.h"
#include "frame/surface/drawing_surface.h"
#include "frame/surface/text_renderer.h"

namespace frame {

void SystemFontRenderer::DrawText(DrawingSurface& surface, int x, int y, const char* text,
                                  DWORD /*rop*/) {
  WideString wide(text);
  const int length = static_cast<int>(wcslen(wide));
  SIZE extent{0, 0};
  GetTextExtentPoint32W(surface.DeviceContext(), wide, length, &extent);
  RECT box{x, y, x + extent.cx, y + extent.cy};
  ::DrawTextW(surface.DeviceContext(), wide, length, &box, DT_SINGLELINE);
}

}  // namespace frame
