// The catalogue's one table: a row per block id saying what its picture shows, written out for
// every turned form so that a course author can read each piece's walls directly.
#include "content/catalogue/block_catalogue.h"

#include <cassert>

namespace content {
namespace {

constexpr const char* kNull = "NullFunction";
constexpr GridPoint kNoPoint{0, 0, 5};

constexpr BlockPicture Flat(int id, const char* name, int base, int turn, Marking marking,
                            uint8_t edges = 0) {
  return {id,
          name,
          BlockKind::kFloor,
          base,
          turn,
          edges,
          WallShape::kNone,
          {},
          {},
          false,
          kNoPoint,
          kNull,
          kNull,
          HazardKind::kNone,
          Facing::kNone,
          marking,
          1};
}

// Floor cut by the straight wall a-b; `outside` (keypad of this cell) marks the far side, 0 when
// the wall stands on floor with floor on both sides.
constexpr BlockPicture Diagonal(int id, const char* name, int base, int turn, int a, int b,
                                int outside) {
  return {id,
          name,
          BlockKind::kWallPiece,
          base,
          turn,
          0,
          WallShape::kDiagonal,
          {{0, 0, a}, {0, 0, b}},
          {},
          outside != 0,
          {0, 0, outside == 0 ? 5 : outside},
          kNull,
          kNull,
          HazardKind::kNone,
          Facing::kNone,
          Marking::kNone,
          1};
}

constexpr BlockPicture Arc(int id, const char* name, int base, int turn, GridPoint centre,
                           int start, int end, int outside) {
  return {id,
          name,
          BlockKind::kWallPiece,
          base,
          turn,
          0,
          WallShape::kArc,
          {},
          {centre, 1, start, end},
          true,
          {0, 0, outside},
          kNull,
          kNull,
          HazardKind::kNone,
          Facing::kNone,
          Marking::kNone,
          1};
}

constexpr BlockPicture Slope(int id, const char* name, int base, int turn, const char* x,
                             const char* y, Marking marking = Marking::kNone) {
  return {id,
          name,
          BlockKind::kSlope,
          base,
          turn,
          0,
          WallShape::kNone,
          {},
          {},
          false,
          kNoPoint,
          x,
          y,
          HazardKind::kNone,
          Facing::kNone,
          marking,
          1};
}

constexpr BlockPicture Hazard(int id, const char* name, int base, int turn, HazardKind hazard) {
  return {id, name,  BlockKind::kHazard, base,  turn,  0,      WallShape::kNone, {},
          {}, false, kNoPoint,           kNull, kNull, hazard, Facing::kNone,    Marking::kNone,
          3};
}

constexpr BlockPicture Pusher(int id, const char* name, BlockKind kind, Facing facing, int frames) {
  return {id,
          name,
          kind,
          id,
          0,
          0,
          WallShape::kNone,
          {},
          {},
          false,
          kNoPoint,
          kNull,
          kNull,
          HazardKind::kNone,
          facing,
          Marking::kNone,
          frames};
}

constexpr BlockPicture kRows[kCatalogueSize] = {
    Flat(0, "block01", 0, 0, Marking::kNone),  // plain putting green
    // Half cell: a diagonal wall corner to corner, the corner beyond it outside.
    Diagonal(1, "block02", 1, 0, 1, 9, 7),
    Diagonal(2, "block02_090", 1, 90, 7, 3, 9),
    Diagonal(3, "block02_180", 1, 180, 9, 1, 3),
    Diagonal(4, "block02_270", 1, 270, 3, 7, 1),
    // Rounded outer corner: floor inside a one-cell arc centred on the far corner, whose
    // centre is the next cell's corner so that the arc meets the straight walls on the edges.
    Arc(5, "block03", 5, 0, {1, 1, 7}, 180, 270, 7),
    Arc(6, "block03_090", 5, 90, {1, -1, 9}, 270, 0, 9),
    Arc(7, "block03_180", 5, 180, {-1, -1, 3}, 0, 90, 3),
    Arc(8, "block03_270", 5, 270, {-1, 1, 1}, 90, 180, 1),
    // Rounded inner corner: a one-cell arc around the cell's own corner, outside within it.
    Arc(9, "block04", 9, 0, {0, 0, 7}, 0, 90, 7),
    Arc(10, "block04_090", 9, 90, {0, 0, 9}, 90, 180, 9),
    Arc(11, "block04_180", 9, 180, {0, 0, 3}, 180, 270, 3),
    Arc(12, "block04_270", 9, 270, {0, 0, 1}, 270, 0, 1),
    // A diagonal bumper standing on the green, floor on both sides.
    Diagonal(13, "block05", 13, 0, 1, 9, 0),
    Diagonal(14, "block05_090", 13, 90, 7, 3, 0),
    Diagonal(15, "block05_180", 13, 180, 9, 1, 0),
    Diagonal(16, "block05_270", 13, 270, 3, 7, 0),
    // Chamfered corner: a short diagonal between two edge midpoints.
    Diagonal(17, "block06", 17, 0, 4, 8, 7),
    Diagonal(18, "block06_090", 17, 90, 8, 6, 9),
    Diagonal(19, "block06_180", 17, 180, 6, 2, 3),
    Diagonal(20, "block06_270", 17, 270, 2, 4, 1),
    // Tee mat, its arrow pointing up, right, down, left.
    Flat(21, "block07", 21, 0, Marking::kTeeMat),
    Flat(22, "block07_090", 21, 90, Marking::kTeeMat),
    Flat(23, "block07_180", 21, 180, Marking::kTeeMat),
    Flat(24, "block07_270", 21, 270, Marking::kTeeMat),
    // Kerb stone along one edge, under the straight wall the course runs there.
    Flat(25, "block08", 25, 0, Marking::kKerb, kEdgeTop),
    Flat(26, "block08_090", 25, 90, Marking::kKerb, kEdgeRight),
    Flat(27, "block08_180", 25, 180, Marking::kKerb, kEdgeBottom),
    Flat(28, "block08_270", 25, 270, Marking::kKerb, kEdgeLeft),
    // Tilted planes: block09 falls towards the top edge.
    Slope(29, "block09", 29, 0, kNull, "RightSideRaised"),
    Slope(30, "block09_090", 29, 90, "LeftSideRaised", kNull),
    Slope(31, "block09_180", 29, 180, kNull, "LeftSideRaised"),
    Slope(32, "block09_270", 29, 270, "RightSideRaised", kNull),
    Flat(33, "block10", 33, 0, Marking::kPaving),
    // The same planes with arrows painted downhill.
    Slope(34, "block11", 34, 0, kNull, "RightSideRaised", Marking::kChevrons),
    Slope(35, "block11_090", 34, 90, "LeftSideRaised", kNull, Marking::kChevrons),
    Slope(36, "block11_180", 34, 180, kNull, "LeftSideRaised", Marking::kChevrons),
    Slope(37, "block11_270", 34, 270, "RightSideRaised", kNull, Marking::kChevrons),
    // Corner hills: block12 has its top at the lower right corner.
    Slope(38, "block12", 38, 0, "QuarterConeLU", "QuarterConeLU"),
    Slope(39, "block12_090", 38, 90, "QuarterConeRU", "QuarterConeRU"),
    Slope(40, "block12_180", 38, 180, "QuarterConeRD", "QuarterConeRD"),
    Slope(41, "block12_270", 38, 270, "QuarterConeLD", "QuarterConeLD"),
    // A ridge down the middle of the cell.
    Slope(42, "block13", 42, 0, "RaisedOnCenter", kNull),
    Slope(43, "block13_090", 42, 90, kNull, "RaisedOnCenter"),
    // One hill over 3 x 3 cells: edge pieces, the top, corner pieces.
    Slope(44, "block14", 44, 0, "Cone3U", "Cone3U"),
    Slope(45, "block14_090", 44, 90, "Cone3R", "Cone3R"),
    Slope(46, "block14_180", 44, 180, "Cone3D", "Cone3D"),
    Slope(47, "block14_270", 44, 270, "Cone3L", "Cone3L"),
    Slope(48, "block14c", 48, 0, "Cone3C", "Cone3C"),
    Slope(49, "block14r", 49, 0, "Cone3LU", "Cone3LU"),
    Slope(50, "block14r_090", 49, 90, "Cone3RU", "Cone3RU"),
    Slope(51, "block14r_180", 49, 180, "Cone3RD", "Cone3RD"),
    Slope(52, "block14r_270", 49, 270, "Cone3LD", "Cone3LD"),
    Hazard(53, "block15", 53, 0, HazardKind::kWater),
    Hazard(54, "block15_180", 53, 180, HazardKind::kWater),
    Hazard(55, "block16", 55, 0, HazardKind::kLava),
    Hazard(56, "block16_180", 55, 180, HazardKind::kLava),
    // A bottomless pit: fits every course, the moon and Mars included.
    Hazard(57, "block17", 57, 0, HazardKind::kVoid),
    Hazard(58, "block17_180", 57, 180, HazardKind::kVoid),
    {59,
     "notused",
     BlockKind::kSpare,
     59,
     0,
     0,
     WallShape::kNone,
     {},
     {},
     false,
     kNoPoint,
     kNull,
     kNull,
     HazardKind::kNone,
     Facing::kNone,
     Marking::kNone,
     0},
    // A magnet pulls from the side it faces, a fan blows towards it.
    Pusher(60, "magn_left", BlockKind::kMagnet, Facing::kLeft, 16),
    Pusher(61, "magn_right", BlockKind::kMagnet, Facing::kRight, 16),
    Pusher(62, "fan_left", BlockKind::kFan, Facing::kLeft, 8),
    Pusher(63, "fan_right", BlockKind::kFan, Facing::kRight, 8),
};

}  // namespace

const BlockPicture& BlockCatalogue(int id) {
  assert(id >= 0 && id < kCatalogueSize);
  return kRows[id];
}

}  // namespace content
