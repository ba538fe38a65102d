// The geometry behind the catalogue's rows: keypad points as cell pixels, quarter turns, the
// outside side of a wall and the distance to a wall.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "content/catalogue/block_catalogue.h"

namespace content {
namespace {

// Keypad offsets within a cell: 7 8 9 across the top, 1 2 3 across the bottom, 10 pixels apart.
int KeypadX(int keypad) {
  return keypad >= 1 && keypad <= 9 ? (keypad - 1) % 3 * 10 : 0;
}
int KeypadY(int keypad) {
  return keypad >= 1 && keypad <= 9 ? (2 - (keypad - 1) / 3) * 10 : 0;
}

// One quarter turn clockwise on screen (y grows downwards) maps cell pixel (x, y) to (20 - y, x).
LocalPoint TurnQuarter(LocalPoint p) {
  return {kCellPixels - 1 - p.y, p.x};
}

GridPoint TurnQuarter(const GridPoint& p) {
  return ToGrid(TurnQuarter(ToLocal(p)));
}

uint8_t TurnQuarter(uint8_t edges) {
  // top -> right -> bottom -> left -> top
  return uint8_t(((edges << 1) | (edges >> 3)) & 0x0F);
}

double Cross(double ax, double ay, double bx, double by) {
  return ax * by - ay * bx;
}

// Whether `degrees` lies on the arc running from start to end with growing angle.
bool OnArcSpan(double degrees, int start, int end) {
  const double span = std::fmod(end - start + 720.0, 360.0);
  const double offset = std::fmod(degrees - start + 720.0, 360.0);
  return offset <= span;
}

}  // namespace

LocalPoint ToLocal(const GridPoint& p) {
  return {kCellPixels * p.columns + KeypadX(p.keypad), kCellPixels * p.rows + KeypadY(p.keypad)};
}

GridPoint ToGrid(LocalPoint p) {
  const auto split = [](int v, int& cells) {
    cells = v >= 0 ? v / kCellPixels : -((-v + kCellPixels - 1) / kCellPixels);
    return v - kCellPixels * cells;
  };
  GridPoint g;
  const int kx = split(p.x, g.columns);
  const int ky = split(p.y, g.rows);
  g.keypad = kx / 10 + 1 + (2 - ky / 10) * 3;
  return g;
}

BlockPicture Turned(const BlockPicture& picture, int degrees) {
  BlockPicture turned = picture;
  const int quarters = ((degrees / 90) % 4 + 4) % 4;
  for (int i = 0; i < quarters; ++i) {
    turned.wallEdges = TurnQuarter(turned.wallEdges);
    turned.diagonal.a = TurnQuarter(turned.diagonal.a);
    turned.diagonal.b = TurnQuarter(turned.diagonal.b);
    turned.arc.centre = TurnQuarter(turned.arc.centre);
    turned.arc.startDegrees = (turned.arc.startDegrees + 90) % 360;
    turned.arc.endDegrees = (turned.arc.endDegrees + 90) % 360;
    turned.outsideMark = TurnQuarter(turned.outsideMark);
  }
  if (quarters == 2 && picture.facing != Facing::kNone)
    turned.facing = picture.facing == Facing::kLeft ? Facing::kRight : Facing::kLeft;
  turned.turnDegrees = (picture.turnDegrees + 90 * quarters) % 360;
  return turned;
}

bool IsOutside(const BlockPicture& picture, double x, double y) {
  if (!picture.hasOutside) return false;
  const LocalPoint mark = ToLocal(picture.outsideMark);
  if (picture.wall == WallShape::kDiagonal) {
    const LocalPoint a = ToLocal(picture.diagonal.a), b = ToLocal(picture.diagonal.b);
    const double side = Cross(b.x - a.x, b.y - a.y, x - a.x, y - a.y);
    const double markSide = Cross(b.x - a.x, b.y - a.y, mark.x - a.x, mark.y - a.y);
    return side * markSide > 0;
  }
  if (picture.wall == WallShape::kArc) {
    const LocalPoint c = ToLocal(picture.arc.centre);
    const double radius = picture.arc.radiusCells * kCellPixels;
    const bool inside = std::hypot(x - c.x, y - c.y) < radius;
    const bool markInside = std::hypot(mark.x - c.x, mark.y - c.y) < radius;
    return inside == markInside;
  }
  return false;
}

double WallDistance(const BlockPicture& picture, double x, double y) {
  if (picture.wall == WallShape::kDiagonal) {
    const LocalPoint a = ToLocal(picture.diagonal.a);
    const LocalPoint b = ToLocal(picture.diagonal.b);
    return SegmentDistance(a.x, a.y, b.x, b.y, x, y);
  }
  if (picture.wall != WallShape::kArc) return 1e9;
  const ArcWall& arc = picture.arc;
  const LocalPoint c = ToLocal(arc.centre);
  const double radius = arc.radiusCells * kCellPixels;
  const double degrees = std::atan2(y - c.y, x - c.x) * 180.0 / std::numbers::pi;
  if (OnArcSpan(degrees, arc.startDegrees, arc.endDegrees))
    return std::abs(std::hypot(x - c.x, y - c.y) - radius);
  double best = 1e9;
  for (int end : {arc.startDegrees, arc.endDegrees}) {
    const double r = end * std::numbers::pi / 180.0;
    best = std::min(best,
                    std::hypot(x - (c.x + radius * std::cos(r)), y - (c.y + radius * std::sin(r))));
  }
  return best;
}

double SegmentDistance(double ax, double ay, double bx, double by, double x, double y) {
  const double dx = bx - ax, dy = by - ay;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((x - ax) * dx + (y - ay) * dy) / length2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(x - (ax + t * dx), y - (ay + t * dy));
}

}  // namespace content
