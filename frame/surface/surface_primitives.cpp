// DrawingSurface primitives: lines and rectangles with stock pens and brushes.
// Each selects its objects, draws, and puts back what was selected before.
#include "frame/surface/drawing_surface.h"

namespace frame {

namespace {

HPEN StockPen(int which) {
  return static_cast<HPEN>(GetStockObject(which));
}
HBRUSH StockBrush(int which) {
  return static_cast<HBRUSH>(GetStockObject(which));
}

void DrawLine(HDC dc, HPEN pen, int x1, int y1, int x2, int y2) {
  POINT points[2] = {{x1, y1}, {x2, y2}};
  HGDIOBJ oldPen = SelectObject(dc, pen);
  Polyline(dc, points, 2);
  SelectObject(dc, oldPen);
}

// Rectangle or, for radius >= 1, a rectangle whose corners are cut by a 2r x 2r ellipse.
void DrawShape(HDC dc, int left, int top, int right, int bottom, int radius) {
  if (radius >= 1) {
    RoundRect(dc, left, top, right, bottom, 2 * radius, 2 * radius);
  } else {
    Rectangle(dc, left, top, right, bottom);
  }
}

}  // namespace

void DrawingSurface::DrawRect(HPEN pen, HBRUSH brush, int left, int top, int right, int bottom,
                              int radius) {
  HGDIOBJ oldPen = SelectObject(dc_, pen);
  HGDIOBJ oldBrush = SelectObject(dc_, brush);
  DrawShape(dc_, left, top, right, bottom, radius);
  SelectObject(dc_, oldBrush);
  SelectObject(dc_, oldPen);
}

void DrawingSurface::DrawLineBlack(int x1, int y1, int x2, int y2) {
  DrawLine(dc_, StockPen(BLACK_PEN), x1, y1, x2, y2);
}

void DrawingSurface::DrawLineWhite(int x1, int y1, int x2, int y2) {
  DrawLine(dc_, StockPen(WHITE_PEN), x1, y1, x2, y2);
}

void DrawingSurface::FillRectBlack(int left, int top, int right, int bottom, int radius) {
  DrawRect(StockPen(BLACK_PEN), StockBrush(BLACK_BRUSH), left, top, right, bottom, radius);
}

void DrawingSurface::FillRectBlack(const Rect& r, int radius) {
  FillRectBlack(r.x, r.y, r.x + r.width, r.y + r.height, radius);
}

void DrawingSurface::FillRectWhite(int left, int top, int right, int bottom, int radius) {
  DrawRect(StockPen(WHITE_PEN), StockBrush(WHITE_BRUSH), left, top, right, bottom, radius);
}

void DrawingSurface::FillRectWhite(const Rect& r, int radius) {
  FillRectWhite(r.x, r.y, r.x + r.width, r.y + r.height, radius);
}

void DrawingSurface::FillRect(int left, int top, int right, int bottom, int radius) {
  DrawRect(StockPen(NULL_PEN), fillBrush_, left, top, right, bottom, radius);
}

void DrawingSurface::FillRect(const Rect& r, int radius) {
  FillRect(r.x, r.y, r.x + r.width, r.y + r.height, radius);
}

void DrawingSurface::FrameRect(int left, int top, int right, int bottom) {
  DrawRect(StockPen(BLACK_PEN), StockBrush(NULL_BRUSH), left, top, right, bottom, 0);
}

void DrawingSurface::FrameRect(const Rect& r) {
  FrameRect(r.x, r.y, r.x + r.width, r.y + r.height);
}

void DrawingSurface::InvertRect(int left, int top, int right, int bottom, int radius) {
  SetROP2(dc_, R2_NOT);
  DrawShape(dc_, left - 1, top - 1, right + 1, bottom + 1, radius);
  SetROP2(dc_, R2_COPYPEN);
}

void DrawingSurface::InvertRect(const Rect& r, int radius) {
  SetROP2(dc_, R2_NOT);
  DrawShape(dc_, r.x - 1, r.y - 1, r.x + r.width + 2, r.y + r.height + 2, radius);
  SetROP2(dc_, R2_COPYPEN);
}

}  // namespace frame
