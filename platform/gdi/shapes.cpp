// Pens and brushes through the mix mode: pixels, lines (last point left out), rectangles,
// rounded rectangles and ellipses, drawn as rows of spans.
#include <cmath>
#include <vector>

#include "gdi/coordinates.h"
#include "gdi/rop_table.h"
#include "gdi/target.h"
#include "windows.h"

using namespace platform::gdi;

namespace {

class Painter {
 public:
  explicit Painter(DrawTarget& t) : t_(t), rop2_(t.dc->rop2) {}

  // Paints [x0, x1) of row y (surface coordinates) with a solid colour or a brush.
  void Span(int x0, int x1, int y, const BrushSampler* brush, uint32_t colour) {
    ForEachClippedSpan(t_, y, x0, x1, [&](int a, int b, int row) {
      const int n = b - a;
      pen_.resize(n);
      dst_.resize(n);
      if (brush) {
        brush->Row(a, row, n, pen_.data());
      } else {
        std::fill(pen_.begin(), pen_.end(), colour);
      }
      if (rop2_ == R2_COPYPEN) {
        WriteSpan(*t_.surface, a, row, n, pen_.data());
        return;
      }
      ReadSpan(*t_.surface, a, row, n, dst_.data());
      for (int i = 0; i < n; ++i) dst_[i] = ApplyRop2(rop2_, pen_[i], dst_[i]) & 0xFFFFFF;
      WriteSpan(*t_.surface, a, row, n, dst_.data());
    });
  }
  void Point(int x, int y, uint32_t colour) { Span(x, x + 1, y, nullptr, colour); }

 private:
  DrawTarget& t_;
  int rop2_;
  std::vector<uint32_t> pen_, dst_;
};

// Bresenham from (x0, y0) towards (x1, y1), leaving out the last point, in surface coordinates.
void DrawLine(Painter& painter, int x0, int y0, int x1, int y1, uint32_t colour) {
  const int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  if (dx >= dy) {
    int error = 2 * dy - dx;
    for (int i = 0, x = x0, y = y0; i < dx; ++i, x += sx) {
      painter.Point(x, y, colour);
      if (error > 0 || (error == 0 && sx > 0)) {
        y += sy;
        error -= 2 * dx;
      }
      error += 2 * dy;
    }
  } else {
    int error = 2 * dx - dy;
    for (int i = 0, x = x0, y = y0; i < dy; ++i, y += sy) {
      painter.Point(x, y, colour);
      if (error > 0 || (error == 0 && sy > 0)) {
        x += sx;
        error -= 2 * dy;
      }
      error += 2 * dx;
    }
  }
}

struct Span {
  int x0 = 0, x1 = 0;  // [x0, x1); empty when x0 >= x1
};

// Row y's part of a rectangle [l, r) x [t, b) with corners rounded by a w x h ellipse.
Span RoundedRow(int l, int t, int r, int b, int w, int h, int y) {
  if (y < t || y >= b) return {};
  const double a = w / 2.0, c = h / 2.0;
  const double yc = y + 0.5;
  double dy = 0;
  if (yc < t + c) dy = t + c - yc;
  if (yc > b - c) dy = yc - (b - c);
  if (dy <= 0 || c <= 0) return {l, r};
  const double q = 1.0 - (dy / c) * (dy / c);
  const double dx = q > 0 ? a * std::sqrt(q) : 0.0;
  const int x0 = static_cast<int>(std::ceil(l + a - dx - 0.5));
  const int x1 = static_cast<int>(std::floor(r - a + dx - 0.5)) + 1;
  return {x0, x1};
}

// Fills a rounded shape's interior with the brush and its outline with the pen, never
// painting a pixel twice (so mix modes such as R2_NOT apply once). Logical coordinates.
BOOL DrawShape(HDC hdc, int left, int top, int right, int bottom, int w, int h) {
  if (!CoordinatesOk({left, top, right, bottom, w, h})) return FALSE;
  std::optional<DrawTarget> t = ResolveTarget(hdc);
  if (!t) return FALSE;
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  const PenObject* pen = LookupPen(t->dc->pen);
  const bool hasPen = pen && pen->style != PS_NULL;
  // Without a pen the filled area is one pixel smaller in width and height.
  if (!hasPen) {
    --right;
    --bottom;
  }
  w = std::min(std::abs(w), right - left);
  h = std::min(std::abs(h), bottom - top);
  const int ox = t->origin.x, oy = t->origin.y;
  BrushSampler brush(*t, LookupBrush(t->dc->brush));
  const uint32_t penColour = hasPen ? TargetColour(*t, pen->color) : 0;
  Painter painter(*t);
  // Only rows that can show are visited.
  const RECT box = t->clip.Box();
  const int firstRow = std::max(top, static_cast<int>(box.top) - oy);
  const int lastRow = std::min(bottom, static_cast<int>(box.bottom) - oy);
  for (int y = firstRow; y < lastRow; ++y) {
    const Span row = RoundedRow(left, top, right, bottom, w, h, y);
    if (row.x0 >= row.x1) continue;
    if (!hasPen) {
      if (!brush.IsNull()) painter.Span(row.x0 + ox, row.x1 + ox, y + oy, &brush, 0);
      continue;
    }
    // Interior: inside this row and both neighbouring rows, away from the row's ends.
    const Span above = RoundedRow(left, top, right, bottom, w, h, y - 1);
    const Span below = RoundedRow(left, top, right, bottom, w, h, y + 1);
    int in0 = std::max({row.x0 + 1, above.x0, below.x0});
    int in1 = std::min({row.x1 - 1, above.x1, below.x1});
    if (above.x0 >= above.x1 || below.x0 >= below.x1 || in0 >= in1) in0 = in1 = row.x1;
    if (in0 > row.x0) painter.Span(row.x0 + ox, in0 + ox, y + oy, nullptr, penColour);
    if (in1 > in0 && !brush.IsNull()) painter.Span(in0 + ox, in1 + ox, y + oy, &brush, 0);
    if (row.x1 > std::max(in1, in0))
      painter.Span(std::max(in1, in0) + ox, row.x1 + ox, y + oy, nullptr, penColour);
  }
  MarkDrawn(*t);
  return TRUE;
}

}  // namespace

BOOL WINAPI LineTo(HDC hdc, int x, int y) {
  if (!CoordinatesOk({x, y})) return FALSE;
  std::optional<DrawTarget> t = ResolveTarget(hdc);
  if (!t) return FALSE;
  const PenObject* pen = LookupPen(t->dc->pen);
  if (pen && pen->style != PS_NULL) {
    Painter painter(*t);
    const POINT from = t->dc->position;
    DrawLine(painter, from.x + t->origin.x, from.y + t->origin.y, x + t->origin.x, y + t->origin.y,
             TargetColour(*t, pen->color));
    MarkDrawn(*t);
  }
  t->dc->position = POINT{x, y};
  return TRUE;
}

BOOL WINAPI Polyline(HDC hdc, CONST POINT* apt, int cpt) {
  std::optional<DrawTarget> t = ResolveTarget(hdc);
  if (!t) return FALSE;
  if (!apt || cpt < 2) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  for (int i = 0; i < cpt; ++i) {
    if (!CoordinatesOk({apt[i].x, apt[i].y})) return FALSE;
  }
  const PenObject* pen = LookupPen(t->dc->pen);
  if (!pen || pen->style == PS_NULL) return TRUE;
  Painter painter(*t);
  const uint32_t colour = TargetColour(*t, pen->color);
  for (int i = 0; i + 1 < cpt; ++i) {
    DrawLine(painter, apt[i].x + t->origin.x, apt[i].y + t->origin.y, apt[i + 1].x + t->origin.x,
             apt[i + 1].y + t->origin.y, colour);
  }
  MarkDrawn(*t);
  return TRUE;
}

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  return DrawShape(hdc, left, top, right, bottom, 0, 0);
}

BOOL WINAPI RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height) {
  return DrawShape(hdc, left, top, right, bottom, width, height);
}

BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom) {
  return DrawShape(hdc, left, top, right, bottom, std::abs(right - left), std::abs(bottom - top));
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
  if (!CoordinatesOk({x, y})) return static_cast<COLORREF>(-1);
  std::optional<DrawTarget> t = ResolveTarget(hdc);
  if (!t) return static_cast<COLORREF>(-1);
  const int sx = x + t->origin.x, sy = y + t->origin.y;
  if (!t->clip.Contains(sx, sy)) return static_cast<COLORREF>(-1);
  const uint32_t colour = TargetColour(*t, color);
  WritePixel(*t->surface, sx, sy, colour);
  MarkDrawn(*t);
  return PixelToColorRef(ReadPixel(*t->surface, sx, sy));
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
  if (!CoordinatesOk({x, y})) return CLR_INVALID;
  std::optional<DrawTarget> t = ResolveTarget(hdc);
  if (!t) return CLR_INVALID;
  const int sx = x + t->origin.x, sy = y + t->origin.y;
  if (!t->clip.Contains(sx, sy)) return CLR_INVALID;
  return PixelToColorRef(ReadPixel(*t->surface, sx, sy));
}
