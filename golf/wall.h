// A wall of a hole, straight or an arc, as a plain record in the layout's list, and how
// it is built from an 8-byte wall record of a course entry.
#pragma once

#include <cstdint>

namespace golf {

enum class WallKind : int32_t { kStraightWall = 0, kArcWall = 1 };

struct Wall {
  Wall* next = nullptr;
  WallKind kind = WallKind::kStraightWall;
  // Straight: ends A = (x1, y1) and B = (x2, y2). Arc: centre (x1, y1), radius x2 in
  // pixels, y2 a copy of the record's byte 4 (unused).
  int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  uint8_t capA = 1, capB = 1;  // 1 = the end is a round cap the ball can hit
  // Straight: how far each end was moved outward when joined (0 or 10). Arc: start and
  // end angle in degrees, from +x towards +y.
  double extA = 0.0, extB = 0.0;
  // Straight: unit normal. Arc: the normal of the last contact.
  double normalX = 0.0, normalY = 0.0;
  // The wall's extent grown by the ball radius on every side.
  double boxMinX = 0.0, boxMinY = 0.0, boxMaxX = 0.0, boxMaxY = 0.0;
};

// A straight wall from a record of kind 0: ends ordered (vertical walls top to bottom,
// horizontal walls left to right, diagonals as given), unit normal, joined ends moved
// 10 pixels outward (horizontal and vertical walls) and stripped of their caps.
Wall MakeStraightWall(const uint8_t record[8], double ballRadius);
// An arc wall from a record of kind 1: centre, radius in cells of 21 pixels, start and
// end angle as unsigned 16-bit little-endian degrees.
Wall MakeArcWall(const uint8_t record[8], double ballRadius);

// The line the hole picture draws for a horizontal or vertical straight wall: from A moved
// back by extA to B moved back by extB, the wall before joining. False for other walls.
bool WallPictureLine(const Wall& wall, int& x1, int& y1, int& x2, int& y2);

}  // namespace golf
