// The course check. Pictures and walls are compared by sampling each wall every half pixel and
// asking whether the other side has a wall within kPictureTolerance there (of either shape: a
// chain of short straight walls may follow a pictured arc).
// Whether the ball stays on the course is a flood over the ball centre's positions on a
// half-pixel lattice: a position within the ball's radius of a straight wall's face or a capped
// end is blocked, an arc turns back a centre that would leave its circle's inner band from
// inside (the engine lets a ball that starts outside an arc's circle roll through it), hazard
// cells end the flood, and reaching the outside part of a wall piece or the grid's edge is a leak.
#include "tools/course/course_check.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <deque>
#include <map>
#include <numbers>

#include "content/catalogue/block_catalogue.h"
#include "golf/block_table.h"
#include "golf/grid.h"
#include "golf/wall.h"

namespace course {
namespace {

using content::BlockCatalogue;
using content::BlockKind;
using content::BlockPicture;
using content::HazardKind;
using content::WallShape;

constexpr int kLastHole = 17;
constexpr double kFar = 1e9;
// Cup capture: the ball's centre within 3 pixels of the cup's.
constexpr double kCupReach = 3.0;
// Leaks reported per hole; further ones are usually the same gap seen from elsewhere.
constexpr int kMostLeaks = 4;

template <typename... Args>
std::string Format(const char* format, Args... args) {
  char text[512];
  std::snprintf(text, sizeof text, format, args...);
  return text;
}

std::string Pixel(double x, double y) {
  return Format("(%d,%d)", static_cast<int>(std::trunc(x)), static_cast<int>(std::trunc(y)));
}

std::string CellName(int cell) {
  return Format("%d:%d", cell / golf::kColumns, cell % golf::kColumns);
}

// "R:C/K" naming a pixel as a course source does, when some cell's keypad point lies there.
std::string LocationOfPixel(double x, double y) {
  const int dx = static_cast<int>(std::lround(x)) - golf::kGridLeft;
  const int dy = static_cast<int>(std::lround(y)) - golf::kGridTop;
  if (dx < 0 || dy < 0) return "?";
  const int column = dx / golf::kCellSize, row = dy / golf::kCellSize;
  const int kx = dx % golf::kCellSize, ky = dy % golf::kCellSize;
  if (column >= golf::kColumns || row * golf::kColumns + column > 255 || kx % 10 != 0 ||
      ky % 10 != 0) {
    return "?";
  }
  return Format("%d:%d/%d", row, column, kx / 10 + 1 + (2 - ky / 10) * 3);
}

// ---- Geometry ----

struct Segment {
  double ax, ay, bx, by;
};

struct Arc {
  double cx, cy, radius;
  int from, to;  // degrees, covered as the engine counts a contact
};

double SegmentDistance(const Segment& s, double x, double y) {
  return content::SegmentDistance(s.ax, s.ay, s.bx, s.by, x, y);
}

// The engine's rule: from..to, the range through 0 when to < from, nothing when equal.
bool ArcCovers(int from, int to, int theta) {
  if (to > from) return theta >= from && theta <= to;
  if (to < from) return !(theta > to && theta < from);
  return false;
}

int WholeDegrees(double dx, double dy) {
  double degrees = std::atan2(dy, dx) * 180.0 / std::numbers::pi;
  if (degrees < 0) degrees += 360.0;
  return static_cast<int>(std::lround(degrees)) % 360;
}

double ArcDistance(const Arc& a, double x, double y) {
  const double dx = x - a.cx, dy = y - a.cy;
  if (!ArcCovers(a.from, a.to, WholeDegrees(dx, dy))) return kFar;
  return std::fabs(std::hypot(dx, dy) - a.radius);
}

// Calls f(x, y) every half pixel along the segment; false as soon as f returns false.
template <typename F>
bool ForSegmentSamples(const Segment& s, F f) {
  const double length = std::hypot(s.bx - s.ax, s.by - s.ay);
  const int steps = std::max(1, static_cast<int>(std::ceil(length / 0.5)));
  for (int i = 0; i <= steps; ++i) {
    const double u = static_cast<double>(i) / steps;
    if (!f(s.ax + (s.bx - s.ax) * u, s.ay + (s.by - s.ay) * u)) return false;
  }
  return true;
}

// Calls f(x, y) about every half pixel along the arc's covered degrees, from its start.
template <typename F>
bool ForArcSamples(const Arc& a, F f) {
  if (a.radius <= 0) return true;
  const double step = std::min(1.0, 0.5 / (a.radius * std::numbers::pi / 180.0));
  const int count = static_cast<int>(std::ceil(360.0 / step));
  for (int k = 0; k < count; ++k) {
    const double degrees = std::fmod(a.from + k * step, 360.0);
    if (!ArcCovers(a.from, a.to, static_cast<int>(std::lround(degrees)) % 360)) continue;
    const double r = degrees * std::numbers::pi / 180.0;
    if (!f(a.cx + a.radius * std::cos(r), a.cy + a.radius * std::sin(r))) return false;
  }
  return true;
}

// ---- The hole's parts ----

struct Cell {
  bool known = true;                      // a code the game has a block for
  bool hazard = true;                     // the game sends the ball back from it
  int id = -1;                            // block id, -1 for an empty cell
  const BlockPicture* picture = nullptr;  // floor, wall pieces and slopes
};

Cell CellOfCode(uint8_t code) {
  Cell c;
  if (code == golf::kEmptyCode) return c;
  if (code >= golf::kMagnetLeft && code <= golf::kFanRight) {
    c.id = code;
    return c;
  }
  if (code < 1 || code > golf::kBlockKinds) {
    c.known = false;
    return c;
  }
  c.id = code - 1;
  c.hazard = golf::IsHazardBlock(static_cast<uint32_t>(c.id));
  if (!c.hazard) c.picture = &BlockCatalogue(c.id);
  return c;
}

std::string HazardName(const Cell& c) {
  if (c.id < 0) return "an empty cell";
  const BlockPicture& row = BlockCatalogue(c.id);
  const char* what = row.hazard == HazardKind::kWater  ? "water"
                     : row.hazard == HazardKind::kLava ? "lava"
                     : row.hazard == HazardKind::kVoid ? "a pit"
                     : row.kind == BlockKind::kMagnet  ? "a magnet"
                     : row.kind == BlockKind::kFan     ? "a fan"
                                                       : "an unused block";
  return Format("%s (%s)", what, row.name);
}

double CellLeft(int cell) {
  return golf::kGridLeft + golf::kCellSize * (cell % golf::kColumns);
}
double CellTop(int cell) {
  const int row = cell / golf::kColumns;
  return golf::kGridTop + golf::kCellSize * row;
}

// A wall a block picture shows, in pixels.
struct PicturedWall {
  int cell;
  const BlockPicture* picture;
  bool arc;  // else straight: a diagonal or a marked edge
  Segment segment;
  Arc circle;
  std::string statement;  // the course statement that builds it
};

std::vector<PicturedWall> PicturedWalls(const std::array<Cell, golf::kCellCount>& cells) {
  std::vector<PicturedWall> walls;
  for (int cell = 0; cell < golf::kCellCount; ++cell) {
    const BlockPicture* p = cells[cell].picture;
    if (p == nullptr) continue;
    const double x0 = CellLeft(cell), y0 = CellTop(cell);
    const auto straight = [&](double ax, double ay, double bx, double by) {
      PicturedWall w{cell, p, false, {ax, ay, bx, by}, {}, {}};
      w.statement = "wall " + LocationOfPixel(ax, ay) + " " + LocationOfPixel(bx, by);
      walls.push_back(w);
    };
    if (p->wall == WallShape::kDiagonal) {
      const content::LocalPoint a = content::ToLocal(p->diagonal.a);
      const content::LocalPoint b = content::ToLocal(p->diagonal.b);
      straight(x0 + a.x, y0 + a.y, x0 + b.x, y0 + b.y);
    } else if (p->wall == WallShape::kArc) {
      const content::LocalPoint c = content::ToLocal(p->arc.centre);
      const Arc circle{x0 + c.x, y0 + c.y, double(p->arc.radiusCells * golf::kCellSize),
                       p->arc.startDegrees, p->arc.endDegrees};
      PicturedWall w{cell, p, true, {}, circle, {}};
      w.statement = Format("arc %s %d %d %d", LocationOfPixel(circle.cx, circle.cy).c_str(),
                           p->arc.radiusCells, p->arc.startDegrees, p->arc.endDegrees);
      walls.push_back(w);
    }
    const double e = golf::kCellSize - 1;
    if (p->wallEdges & content::kEdgeTop) straight(x0, y0, x0 + e, y0);
    if (p->wallEdges & content::kEdgeRight) straight(x0 + e, y0, x0 + e, y0 + e);
    if (p->wallEdges & content::kEdgeBottom) straight(x0, y0 + e, x0 + e, y0 + e);
    if (p->wallEdges & content::kEdgeLeft) straight(x0, y0, x0, y0 + e);
  }
  return walls;
}

// A wall record of the hole, as written and as the engine builds it.
struct CourseWall {
  int where = 0;
  int kind = 0;           // the record's kind byte
  bool diagonal = false;  // straight and neither horizontal nor vertical
  bool post = false;      // straight without length
  Segment segment{};      // straight: the ends as written
  Arc circle{};           // arc
  golf::Wall built;
};

// ---- Checking one hole ----

class HoleCheck {
 public:
  HoleCheck(const golf::HoleRecord& hole, const golf::HoleSourceLines& places,
            const CheckOptions& options, std::vector<Problem>& out)
      : hole_(hole), places_(places), options_(options), out_(out) {}

  void Run();

 private:
  void Report(int where, const std::string& what) {
    out_.push_back({where, Format("hole %d: ", hole_.index) + what});
  }
  int RowPlace(int cell) const { return places_.gridRows[cell / golf::kColumns]; }
  int WallPlace(std::size_t i) const {
    return i < places_.walls.size() ? places_.walls[i] : places_.hole;
  }

  void ReadWalls();
  void CheckWallsArePictured();
  void CheckPicturesHaveWalls();
  // The tee or the cup: on floor, clear of the walls. True when the ball may lie there.
  bool CheckSpot(const char* name, int where, int cell, int keypad, int& x, int& y);
  double NearestWall(double x, double y, int& where) const;
  // Whether the point lies in the outside part of its cell's picture.
  bool InOutside(double x, double y, int& cell) const;
  void FloodFromTee(int teeX, int teeY, bool cupUsable, int cupX, int cupY);
  // A ball that reached the outside within an arc's band came round one of its ends: names it.
  std::string ArcEndHint(double x, double y) const;

  const golf::HoleRecord& hole_;
  const golf::HoleSourceLines& places_;
  const CheckOptions& options_;
  std::vector<Problem>& out_;
  std::array<Cell, golf::kCellCount> cells_{};
  std::vector<PicturedWall> pictured_;
  std::vector<CourseWall> walls_;
};

void HoleCheck::Run() {
  for (int cell = 0; cell < golf::kCellCount; ++cell) {
    cells_[cell] = CellOfCode(hole_.codes[cell]);
    if (!cells_[cell].known) {
      Report(RowPlace(cell), Format("block code #%d at %s is no block; the game leaves the cell "
                                    "empty",
                                    hole_.codes[cell], CellName(cell).c_str()));
    }
  }
  pictured_ = PicturedWalls(cells_);
  const bool wallsChecked = hole_.walls.size() <= static_cast<std::size_t>(kMostWallsChecked);
  if (wallsChecked) {
    ReadWalls();
    CheckWallsArePictured();
    CheckPicturesHaveWalls();
  } else {
    Report(places_.hole, Format("%zu walls; only holes of at most %d walls are checked",
                                hole_.walls.size(), kMostWallsChecked));
  }
  int teeX = 0, teeY = 0, cupX = 0, cupY = 0;
  const bool teeUsable = CheckSpot("tee", places_.tee, hole_.teeCell, hole_.teeKeypad, teeX, teeY);
  const bool cupUsable = CheckSpot("cup", places_.cup, hole_.cupCell, hole_.cupKeypad, cupX, cupY);
  if (wallsChecked && teeUsable) FloodFromTee(teeX, teeY, cupUsable, cupX, cupY);
}

void HoleCheck::ReadWalls() {
  for (std::size_t i = 0; i < hole_.walls.size(); ++i) {
    const golf::WallRecord& r = hole_.walls[i];
    CourseWall w;
    w.where = WallPlace(i);
    w.kind = r[0];
    if (r[0] == 0) {
      w.built = golf::MakeStraightWall(r.data(), kBallRadius);
      w.segment = {double(golf::GridToPixel(golf::Axis::kX, r[1], r[2])),
                   double(golf::GridToPixel(golf::Axis::kY, r[1], r[2])),
                   double(golf::GridToPixel(golf::Axis::kX, r[3], r[4])),
                   double(golf::GridToPixel(golf::Axis::kY, r[3], r[4]))};
      w.post = w.segment.ax == w.segment.bx && w.segment.ay == w.segment.by;
      w.diagonal = w.segment.ax != w.segment.bx && w.segment.ay != w.segment.by;
      if (w.post) Report(w.where, "a wall of no length: a post that no picture shows");
    } else if (r[0] == 1) {
      w.built = golf::MakeArcWall(r.data(), kBallRadius);
      w.circle = {double(w.built.x1), double(w.built.y1), double(w.built.x2),
                  static_cast<int>(w.built.extA), static_cast<int>(w.built.extB)};
      if (w.circle.radius <= 0) {
        Report(w.where, "an arc of radius 0");
      } else if (w.circle.from == w.circle.to) {
        Report(w.where, Format("an arc from %d to %d degrees, which never turns the ball",
                               w.circle.from, w.circle.to));
      }
    } else {
      Report(w.where, Format("a wall record of kind %d, which the game skips", r[0]));
    }
    walls_.push_back(w);
  }
}

void HoleCheck::CheckWallsArePictured() {
  for (const CourseWall& w : walls_) {
    double missX = 0, missY = 0;
    // Any pictured wall will do: a chain of short straight walls may follow a pictured arc.
    const auto shown = [&](double x, double y) {
      for (const PicturedWall& p : pictured_) {
        const double d = p.arc ? ArcDistance(p.circle, x, y) : SegmentDistance(p.segment, x, y);
        if (d <= kPictureTolerance) return true;
      }
      missX = x;
      missY = y;
      return false;
    };
    if (w.kind == 0 && w.diagonal) {
      if (!ForSegmentSamples(w.segment, shown)) {
        // A wall a pixel or two off the vertical or horizontal is usually a slip of the keypad.
        const double dx = std::fabs(w.segment.bx - w.segment.ax);
        const double dy = std::fabs(w.segment.by - w.segment.ay);
        std::string hint;
        if (std::min(dx, dy) <= 2) {
          hint = Format(
              " (it leans %d px off the %s; the game draws only exactly horizontal "
              "and vertical walls)",
              static_cast<int>(std::min(dx, dy)), dx < dy ? "vertical" : "horizontal");
        }
        Report(w.where,
               "no block picture shows this diagonal wall at " + Pixel(missX, missY) + hint);
      }
    } else if (w.kind == 1 && w.circle.radius > 0 && w.circle.from != w.circle.to) {
      if (!ForArcSamples(w.circle, shown)) {
        Report(w.where, "no block picture shows this arc at " + Pixel(missX, missY));
      }
    }
  }
}

void HoleCheck::CheckPicturesHaveWalls() {
  for (const PicturedWall& p : pictured_) {
    double missX = 0, missY = 0;
    const auto walled = [&](double x, double y) {
      for (const CourseWall& w : walls_) {
        double d = kFar;
        if (w.kind == 1 && w.circle.radius > 0) d = ArcDistance(w.circle, x, y);
        if (w.kind == 0) d = SegmentDistance(w.segment, x, y);
        if (d <= kPictureTolerance) return true;
      }
      missX = x;
      missY = y;
      return false;
    };
    const bool whole =
        p.arc ? ForArcSamples(p.circle, walled) : ForSegmentSamples(p.segment, walled);
    if (!whole) {
      Report(RowPlace(p.cell),
             Format("%s at %s shows the wall '%s' that the hole lacks (nothing at %s)",
                    p.picture->name, CellName(p.cell).c_str(), p.statement.c_str(),
                    Pixel(missX, missY).c_str()));
    }
  }
}

double HoleCheck::NearestWall(double x, double y, int& where) const {
  double best = kFar;
  for (const CourseWall& w : walls_) {
    double d = kFar;
    if (w.kind == 0) {
      d = content::SegmentDistance(w.built.x1, w.built.y1, w.built.x2, w.built.y2, x, y);
    } else if (w.kind == 1) {
      d = ArcDistance(w.circle, x, y);
    }
    if (d < best) {
      best = d;
      where = w.where;
    }
  }
  return best;
}

bool HoleCheck::InOutside(double x, double y, int& cell) const {
  golf::CellPoint p;
  if (!golf::CellOfPoint(static_cast<int>(x), static_cast<int>(y), p)) return false;
  cell = p.index;
  const BlockPicture* picture = cells_[p.index].picture;
  return picture != nullptr &&
         content::IsOutside(*picture, x - CellLeft(p.index), y - CellTop(p.index));
}

std::string HoleCheck::ArcEndHint(double x, double y) const {
  for (const CourseWall& w : walls_) {
    if (w.kind != 1 || w.circle.radius <= 0) continue;
    const double d = std::hypot(x - w.circle.cx, y - w.circle.cy);
    if (std::fabs(d - w.circle.radius) < kBallRadius) {
      return Format(
          ", round an end of the arc on %s %d (the wall there must meet the arc's "
          "end)",
          options_.placeWord.c_str(), w.where);
    }
  }
  return "";
}

bool HoleCheck::CheckSpot(const char* name, int where, int cell, int keypad, int& x, int& y) {
  x = golf::GridToPixel(golf::Axis::kX, cell, keypad);
  y = golf::GridToPixel(golf::Axis::kY, cell, keypad);
  const std::string at = Format("the %s at %s", name, Pixel(x, y).c_str());
  golf::CellPoint p;
  // The engine keeps tee and cup as bytes: a point beyond 255 is not where the source says.
  if (x > 255 || y > 255 || !golf::CellOfPoint(x, y, p)) {
    Report(where, at + " lies off the grid");
    return false;
  }
  if (cells_[p.index].hazard) {
    Report(where, Format("%s lies on %s at %s", at.c_str(), HazardName(cells_[p.index]).c_str(),
                         CellName(p.index).c_str()));
    return false;
  }
  int outsideCell = 0;
  if (InOutside(x, y, outsideCell)) {
    Report(where, Format("%s lies in the outside part of %s at %s", at.c_str(),
                         cells_[outsideCell].picture->name, CellName(outsideCell).c_str()));
    return false;
  }
  int wallWhere = 0;
  const double d = NearestWall(x, y, wallWhere);
  if (d < kTeeCupClearance) {
    Report(where, Format("%s overlaps the wall on %s %d: %.1f px from it, less than the ball's "
                         "radius 3.5 + 1",
                         at.c_str(), options_.placeWord.c_str(), wallWhere, d));
    return d >= kBallRadius;
  }
  return true;
}

void HoleCheck::FloodFromTee(int teeX, int teeY, bool cupUsable, int cupX, int cupY) {
  // Ball centre positions every half pixel over the grid: x = 15 + i / 2, y = 64 + j / 2.
  constexpr int kWidth = golf::kColumns * golf::kCellSize * 2;
  constexpr int kHeight = golf::kRows * golf::kCellSize * 2;
  const auto posX = [](int i) { return golf::kGridLeft + 0.5 * i; };
  const auto posY = [](int j) { return golf::kGridTop + 0.5 * j; };
  const auto firstIndex = [](double v, int origin) {
    return static_cast<int>(std::ceil((v - origin) * 2.0));
  };
  const auto lastIndex = [](double v, int origin) {
    return static_cast<int>(std::floor((v - origin) * 2.0));
  };
  std::vector<uint8_t> blocked(std::size_t(kWidth) * kHeight, 0);
  const double r = kBallRadius;
  for (const CourseWall& w : walls_) {
    if (w.kind != 0) continue;
    const golf::Wall& b = w.built;
    const int i0 = std::max(0, firstIndex(std::min(b.x1, b.x2) - r, golf::kGridLeft));
    const int i1 = std::min(kWidth - 1, lastIndex(std::max(b.x1, b.x2) + r, golf::kGridLeft));
    const int j0 = std::max(0, firstIndex(std::min(b.y1, b.y2) - r, golf::kGridTop));
    const int j1 = std::min(kHeight - 1, lastIndex(std::max(b.y1, b.y2) + r, golf::kGridTop));
    const double ex = b.x2 - b.x1, ey = b.y2 - b.y1, length2 = ex * ex + ey * ey;
    for (int j = j0; j <= j1; ++j) {
      for (int i = i0; i <= i1; ++i) {
        const double x = posX(i), y = posY(j);
        bool hit = false;
        if (length2 > 0) {
          // The face: between the ends, closer than the radius to the line.
          const double u = ((x - b.x1) * ex + (y - b.y1) * ey) / length2;
          const double cross = (x - b.x1) * ey - (y - b.y1) * ex;
          hit = u >= 0 && u <= 1 && cross * cross < r * r * length2;
        }
        // The round caps of ends that were not joined.
        const auto nearEnd = [&](double px, double py) {
          return (x - px) * (x - px) + (y - py) * (y - py) < r * r;
        };
        hit = hit || (b.capA && nearEnd(b.x1, b.y1)) || (b.capB && nearEnd(b.x2, b.y2));
        if (hit) blocked[j * kWidth + i] = 1;
      }
    }
  }
  // Arcs: positions just past an arc's inner band, listed with the arcs whose band they cross.
  std::vector<int> ringHead(std::size_t(kWidth) * kHeight, -1);
  struct RingNode {
    int arc, next;
  };
  std::vector<RingNode> ring;
  std::vector<const Arc*> arcs;
  for (const CourseWall& w : walls_) {
    if (w.kind != 1 || w.circle.radius <= 0) continue;
    const Arc& a = w.circle;
    const double inner = a.radius - r, outer = inner + 1.0;
    const int i0 = std::max(0, firstIndex(a.cx - outer, golf::kGridLeft));
    const int i1 = std::min(kWidth - 1, lastIndex(a.cx + outer, golf::kGridLeft));
    const int j0 = std::max(0, firstIndex(a.cy - outer, golf::kGridTop));
    const int j1 = std::min(kHeight - 1, lastIndex(a.cy + outer, golf::kGridTop));
    for (int j = j0; j <= j1; ++j) {
      for (int i = i0; i <= i1; ++i) {
        const double dx = posX(i) - a.cx, dy = posY(j) - a.cy;
        const double d = std::hypot(dx, dy);
        if (d <= inner || d > outer || !ArcCovers(a.from, a.to, WholeDegrees(dx, dy))) continue;
        ring.push_back({static_cast<int>(arcs.size()), ringHead[j * kWidth + i]});
        ringHead[j * kWidth + i] = static_cast<int>(ring.size()) - 1;
      }
    }
    arcs.push_back(&a);
  }
  const auto arcTurnsBack = [&](int fromI, int fromJ, int to) {
    for (int n = ringHead[to]; n >= 0; n = ring[n].next) {
      const Arc& a = *arcs[ring[n].arc];
      if (std::hypot(posX(fromI) - a.cx, posY(fromJ) - a.cy) <= a.radius - r) return true;
    }
    return false;
  };

  const int startI = (teeX - golf::kGridLeft) * 2, startJ = (teeY - golf::kGridTop) * 2;
  if (blocked[startJ * kWidth + startI]) return;  // the tee's own report says why
  std::vector<uint8_t> seen(std::size_t(kWidth) * kHeight, 0);
  std::deque<int> queue{startJ * kWidth + startI};
  seen[queue.front()] = 1;
  bool cupReached = false;
  std::map<int, int> leakGroups;  // cell (or 90 + edge of the grid) -> leaks seen
  int leaks = 0;
  constexpr int kSteps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  while (!queue.empty() && leaks < kMostLeaks) {
    const int at = queue.front();
    queue.pop_front();
    const int i = at % kWidth, j = at / kWidth;
    if (cupUsable && std::hypot(posX(i) - cupX, posY(j) - cupY) <= kCupReach) cupReached = true;
    for (const auto& s : kSteps) {
      const int ni = i + s[0], nj = j + s[1];
      if (ni < 0 || ni >= kWidth || nj < 0 || nj >= kHeight) {
        // One report per edge of the grid.
        const int edge = ni < 0 ? 0 : ni >= kWidth ? 1 : nj < 0 ? 2 : 3;
        if (leakGroups[golf::kCellCount + edge]++ == 0) {
          ++leaks;
          Report(places_.hole, "the ball can leave the grid at " + Pixel(posX(ni), posY(nj)));
        }
        continue;
      }
      const int next = nj * kWidth + ni;
      if (seen[next] || blocked[next] || arcTurnsBack(i, j, next)) continue;
      seen[next] = 1;
      const double x = posX(ni), y = posY(nj);
      golf::CellPoint p;
      golf::CellOfPoint(static_cast<int>(x), static_cast<int>(y), p);
      if (cells_[p.index].hazard) continue;  // the ball goes back to where it was shot from
      int cell = 0;
      if (InOutside(x, y, cell)) {
        if (leakGroups[cell]++ == 0) {
          ++leaks;
          Report(RowPlace(cell),
                 Format("the ball can get out of the play area at %s, into the outside part "
                        "of %s at %s%s",
                        Pixel(x, y).c_str(), cells_[cell].picture->name, CellName(cell).c_str(),
                        ArcEndHint(x, y).c_str()));
        }
        continue;
      }
      queue.push_back(next);
    }
  }
  if (cupUsable && leaks == 0 && !cupReached) {
    Report(places_.cup, "no floor leads from the tee to the cup");
  }
}

}  // namespace

std::vector<Problem> CheckCourse(const std::vector<golf::HoleRecord>& holes,
                                 const std::vector<golf::HoleSourceLines>& places,
                                 const CheckOptions& options) {
  std::vector<Problem> problems;
  std::map<int, int> firstPlace;  // hole index -> where its first record is
  const golf::HoleSourceLines none;
  for (std::size_t h = 0; h < holes.size(); ++h) {
    const golf::HoleRecord& hole = holes[h];
    const golf::HoleSourceLines& at = h < places.size() ? places[h] : none;
    if (hole.index > kLastHole) {
      problems.push_back(
          {at.hole, Format("hole %d: the game plays holes 0 to 17 only", hole.index)});
      continue;
    }
    const auto [first, fresh] = firstPlace.emplace(hole.index, at.hole);
    if (!fresh) {
      problems.push_back(
          {at.hole, Format("hole %d again (first on %s %d): the game plays only the first",
                           hole.index, options.placeWord.c_str(), first->second)});
      continue;
    }
    HoleCheck(hole, at, options, problems).Run();
  }
  if (options.fullCourse) {
    std::string missing;
    for (int index = 0; index <= kLastHole; ++index) {
      if (firstPlace.count(index) == 0)
        missing += (missing.empty() ? "" : ", ") + std::to_string(index);
    }
    if (!missing.empty()) {
      problems.push_back({options.courseWhere, "the course lacks hole " + missing});
    }
  }
  std::stable_sort(problems.begin(), problems.end(),
                   [](const Problem& a, const Problem& b) { return a.where < b.where; });
  return problems;
}

std::vector<golf::HoleSourceLines> EntryPlaces(const std::vector<golf::HoleRecord>& holes) {
  std::vector<golf::HoleSourceLines> places;
  int offset = 0;
  for (const golf::HoleRecord& hole : holes) {
    golf::HoleSourceLines at;
    at.hole = offset;
    for (int row = 0; row < golf::kRows; ++row)
      at.gridRows[row] = offset + 1 + golf::kColumns * row;
    at.tee = offset + 91;
    at.cup = offset + 93;
    for (std::size_t i = 0; i < hole.walls.size(); ++i) {
      at.walls.push_back(offset +
                         static_cast<int>(golf::kHoleHeaderSize + golf::kWallRecordSize * i));
    }
    at.end = offset +
             static_cast<int>(golf::kHoleHeaderSize + golf::kWallRecordSize * hole.walls.size());
    offset = at.end + static_cast<int>(golf::kWallRecordSize);
    places.push_back(std::move(at));
  }
  return places;
}

}  // namespace course
