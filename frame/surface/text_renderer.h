// TextRenderer: how a surface draws and measures narrow text (system font or bitmap font).
// A surface holds one renderer and may own it.
#pragma once

#include <windows.h>

namespace frame {

class DrawingSurface;

class TextRenderer {
 public:
  // Draws text with its top-left corner at (x, y).
  virtual void DrawText(DrawingSurface& surface, int x, int y, const char* text, DWORD rop) = 0;
  virtual int TextWidth(const char* text) = 0;
  virtual int TextHeight() = 0;
  virtual ~TextRenderer() = default;
};

// Draws with the system font through the device context; it measures nothing (width and
// height are 0), so screens that centre text use bitmap fonts.
class SystemFontRenderer : public TextRenderer {
 public:
  void DrawText(DrawingSurface& surface, int x, int y, const char* text, DWORD rop) override;
  int TextWidth(const char*) override { return 0; }
  int TextHeight() override { return 0; }
};

}  // namespace frame
