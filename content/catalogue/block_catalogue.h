// What every block id's picture depicts: floor or hazard, the diagonal or arc wall it shows,
// which part of the cell is outside the course, and the slope it carries.
#pragma once

#include <cstdint>

namespace content {

inline constexpr int kCatalogueSize = 64;
inline constexpr int kCellPixels = 21;

enum class BlockKind {
  kFloor,      // flat putting surface, perhaps with a marking
  kWallPiece,  // floor cut by a diagonal or arc wall; the far side is outside the course
  kSlope,      // tilted ground: planes, ridges and cone pieces
  kHazard,     // animated cell that sends the ball back (water, lava, void)
  kMagnet,
  kFan,
  kSpare,  // an id without a picture
};

enum class HazardKind { kNone, kWater, kLava, kVoid };

// A flat block's painted marking; markings never change how the ball rolls.
enum class Marking {
  kNone,
  kTeeMat,    // a rubber tee mat with an arrow towards the top edge
  kKerb,      // a kerb stone along the top edge, under the straight wall the course puts there
  kPaving,    // a paved square of flagstones
  kChevrons,  // downhill arrows on a slope
};

// The side of the cell that fans and magnets face: their zone lies on that side.
enum class Facing { kNone, kLeft, kRight };

// Straight cell edges, as bits.
enum EdgeBits : uint8_t { kEdgeTop = 1, kEdgeRight = 2, kEdgeBottom = 4, kEdgeLeft = 8 };

// A keypad point (7 8 9 / 4 5 6 / 1 2 3, 10 pixels apart) of this cell or of a neighbour
// `rows` below and `columns` to the right, as a course places wall ends and arc centres.
struct GridPoint {
  int rows = 0;
  int columns = 0;
  int keypad = 5;
  friend bool operator==(const GridPoint&, const GridPoint&) = default;
};

// A straight wall from a to b across the cell.
struct DiagonalWall {
  GridPoint a, b;
  friend bool operator==(const DiagonalWall&, const DiagonalWall&) = default;
};

// An arc wall: centre, radius in cells (21 pixels each), and the angles it spans in whole
// degrees from +x towards +y (0 right, 90 down), running from start to end.
struct ArcWall {
  GridPoint centre;
  int radiusCells = 1;
  int startDegrees = 0;
  int endDegrees = 0;
  friend bool operator==(const ArcWall&, const ArcWall&) = default;
};

enum class WallShape { kNone, kDiagonal, kArc };

struct BlockPicture {
  int id{};
  const char* name{};  // the block table's name, the picture entry's stem
  BlockKind kind{};
  int baseId{};         // the unturned block this one is a turn of (its own id when unturned)
  int turnDegrees{};    // clockwise turn of the base: 0, 90, 180 or 270
  uint8_t wallEdges{};  // straight edges the picture shows as a wall (EdgeBits)
  WallShape wall{};
  DiagonalWall diagonal{};  // when wall == kDiagonal
  ArcWall arc{};            // when wall == kArc
  // Whether part of the cell is outside the course (magenta, the background shows there): the
  // side of the wall that holds `outsideMark`. A wall across floor has no outside.
  bool hasOutside{};
  GridPoint outsideMark{};
  const char* xSlope{};
  const char* ySlope{};
  HazardKind hazard{};
  Facing facing{};
  Marking marking{};
  int frames{};  // 1 for still pictures, else the animation's frame count
};

// The row of block id 0..63; ids outside that range are a program error.
const BlockPicture& BlockCatalogue(int id);

// The cell-local pixel of a grid point: x, y in 0..20 for the cell's own keypad points, and
// beyond for a neighbour's (the neighbour to the right starts at x = 21).
struct LocalPoint {
  int x = 0, y = 0;
  friend bool operator==(const LocalPoint&, const LocalPoint&) = default;
};
LocalPoint ToLocal(const GridPoint& p);
// The grid point of a local pixel whose coordinates are keypad offsets of some cell.
GridPoint ToGrid(LocalPoint p);

// The row `picture` would be after a further clockwise turn by `degrees` (a multiple of 90):
// geometry, edges, facing and markings turn; ids, names and slopes stay.
BlockPicture Turned(const BlockPicture& picture, int degrees);

// Whether the local point (x, y) of the cell is outside the course (drawn magenta): the side of
// the picture's wall that holds its outside mark. Always false for blocks without a wall.
bool IsOutside(const BlockPicture& picture, double x, double y);

// Distance in pixels from (x, y) to the picture's diagonal or arc wall; a large number when the
// picture shows none.
double WallDistance(const BlockPicture& picture, double x, double y);

// Distance in pixels from (x, y) to the segment from (ax, ay) to (bx, by).
double SegmentDistance(double ax, double ay, double bx, double by, double x, double y);

}  // namespace content
