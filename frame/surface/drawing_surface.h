// DrawingSurface: a device context with its size, clip rectangle, fill brush, default raster
// operation and text renderer; every drawing primitive of the game goes through it.
#pragma once

#include <windows.h>

#include "frame/surface/raster_op.h"
#include "frame/surface/rect.h"
#include "frame/surface/text_renderer.h"

namespace frame {

// Whether a surface takes over (and deletes) a renderer it is given.
enum class Ownership { kOwned, kBorrowed };

class DrawingSurface {
 public:
  // The device context is attached by the derived class (a window's or a memory context).
  DrawingSurface(int width, int height);
  virtual ~DrawingSurface();

  DrawingSurface(const DrawingSurface&) = delete;
  DrawingSurface& operator=(const DrawingSurface&) = delete;

  const Rect& GetRect() const { return rect_; }
  int Width() const { return rect_.width; }
  int Height() const { return rect_.height; }
  HDC DeviceContext() const { return dc_; }
  HWND Window() const { return window_; }
  DWORD GetDefaultRasterOp() const { return defaultRasterOp_; }
  void SetDefaultRasterOp(DWORD rop) { defaultRasterOp_ = rop; }

  // Lines: a two-point polyline (the end point is not drawn).
  void DrawLineBlack(int x1, int y1, int x2, int y2);
  void DrawLineWhite(int x1, int y1, int x2, int y2);

  // Rectangles take corners (left, top, right, bottom) or a Rect (x, y, width, height).
  // A radius of 1 or more rounds the corners with an ellipse of 2 * radius.
  void FillRectBlack(int left, int top, int right, int bottom, int radius);
  void FillRectBlack(const Rect& r, int radius);
  void FillRectWhite(int left, int top, int right, int bottom, int radius);
  void FillRectWhite(const Rect& r, int radius);
  // Fills with the surface's fill brush and no outline.
  void FillRect(int left, int top, int right, int bottom, int radius);
  void FillRect(const Rect& r, int radius);
  // A black outline, nothing filled.
  void FrameRect(int left, int top, int right, int bottom);
  void FrameRect(const Rect& r);
  // Inverts with the current pen and brush; the corners form grows the area by one pixel on
  // every side, the Rect form draws (x - 1, y - 1, x + width + 2, y + height + 2).
  void InvertRect(int left, int top, int right, int bottom, int radius);
  void InvertRect(const Rect& r, int radius);

  // Copies (sourceX, sourceY, width, height) of source to (destX, destY) of this surface.
  void Blit(const DrawingSurface& source, int sourceX, int sourceY, int width, int height,
            int destX, int destY, DWORD rop);
  // Scrolls the area by dx, then by dy; uncovered pixels are left as they are.
  void Scroll(int x, int y, int width, int height, int dx, int dy);

  void SetClipRect(int x, int y, int width, int height);
  Rect GetClipRect() const { return clipRect_; }

  // The surface deletes its fill brush when it is destroyed.
  void SetFillBrush(HBRUSH brush) { fillBrush_ = brush; }
  HBRUSH GetFillBrush() const { return fillBrush_; }

  // Installs a renderer. An owned current renderer is deleted first and null is returned;
  // otherwise the previous renderer is handed back to the caller.
  TextRenderer* SetTextRenderer(TextRenderer* renderer, Ownership ownership);
  TextRenderer* GetTextRenderer() const { return textRenderer_; }
  void DrawText(int x, int y, const char* text, DWORD rop);
  int TextWidth(const char* text);

 protected:
  void AttachDeviceContext(HDC dc) { dc_ = dc; }
  void AttachWindow(HWND window) { window_ = window; }

 private:
  void DrawRect(HPEN pen, HBRUSH brush, int left, int top, int right, int bottom, int radius);

  Rect rect_;
  DWORD defaultRasterOp_ = SRCCOPY;
  TextRenderer* textRenderer_ = nullptr;
  bool ownsTextRenderer_ = false;
  HDC dc_ = nullptr;
  HBRUSH fillBrush_ = nullptr;
  HWND window_ = nullptr;
  Rect clipRect_;
};

}  // namespace frame
