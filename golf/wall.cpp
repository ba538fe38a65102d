// Building walls from course records.
#include "golf/wall.h"

#include <algorithm>
#include <utility>

#include "frame/base/byte_order.h"
#include "golf/angle_tables.h"
#include "golf/grid.h"

namespace golf {

Wall MakeStraightWall(const uint8_t record[8], double r) {
  Wall w;
  w.kind = WallKind::kStraightWall;
  int xA = GridToPixel(Axis::kX, record[1], record[2]);
  int yA = GridToPixel(Axis::kY, record[1], record[2]);
  int xB = GridToPixel(Axis::kX, record[3], record[4]);
  int yB = GridToPixel(Axis::kY, record[3], record[4]);
  uint8_t joinA = record[6];
  uint8_t joinB = record[7];
  const bool vertical = xA == xB;
  const bool horizontal = !vertical && yA == yB;
  if ((vertical && yA > yB) || (horizontal && xA > xB)) {
    std::swap(xA, xB);
    std::swap(yA, yB);
    std::swap(joinA, joinB);
  }
  const double lengthSquared = static_cast<double>((xB - xA) * (xB - xA) + (yB - yA) * (yB - yA));
  const double length = NewtonSqrt(lengthSquared, 0.001);
  // A wall without length is a round post: only its caps can be hit, and it has no normal.
  if (length > 0.0) {
    w.normalX = (yA - yB) / length;
    w.normalY = (xB - xA) / length;
  }
  const bool post = xA == xB && yA == yB;
  if (joinA == 1) {
    w.capA = 0;
    if (!post && vertical) {
      yA -= 10;
      w.extA = 10.0;
    } else if (horizontal) {
      xA -= 10;
      w.extA = 10.0;
    }
  }
  if (joinB == 1) {
    w.capB = 0;
    if (!post && vertical) {
      yB += 10;
      w.extB = 10.0;
    } else if (horizontal) {
      xB += 10;
      w.extB = 10.0;
    }
  }
  w.x1 = xA;
  w.y1 = yA;
  w.x2 = xB;
  w.y2 = yB;
  w.boxMinX = std::min(xA, xB) - r;
  w.boxMaxX = std::max(xA, xB) + r;
  w.boxMinY = std::min(yA, yB) - r;
  w.boxMaxY = std::max(yA, yB) + r;
  return w;
}

Wall MakeArcWall(const uint8_t record[8], double r) {
  Wall w;
  w.kind = WallKind::kArcWall;
  w.x1 = GridToPixel(Axis::kX, record[1], record[2]);
  w.y1 = GridToPixel(Axis::kY, record[1], record[2]);
  w.x2 = record[3] * 21;
  w.y2 = record[4];
  w.extA = frame::ReadLittle16(record + 4);
  w.extB = frame::ReadLittle16(record + 6);
  const double reach = w.x2 + r;
  w.boxMinX = w.x1 - reach;
  w.boxMaxX = w.x1 + reach;
  w.boxMinY = w.y1 - reach;
  w.boxMaxY = w.y1 + reach;
  return w;
}

bool WallPictureLine(const Wall& w, int& x1, int& y1, int& x2, int& y2) {
  if (w.kind != WallKind::kStraightWall) return false;
  const int extA = static_cast<int>(w.extA);
  const int extB = static_cast<int>(w.extB);
  if (w.y1 == w.y2) {
    x1 = w.x1 + extA;
    x2 = w.x2 - extB;
    y1 = y2 = w.y1;
    return true;
  }
  if (w.x1 == w.x2) {
    y1 = w.y1 + extA;
    y2 = w.y2 - extB;
    x1 = x2 = w.x1;
    return true;
  }
  return false;
}

}  // namespace golf
