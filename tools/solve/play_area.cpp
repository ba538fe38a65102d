// The floor map: walls drawn a few pixels thick into a pixel grid, a flood from the tee,
// and a shortest-path search outwards from the cup.
#include "tools/solve/play_area.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <queue>
#include <tuple>
#include <utility>

namespace solve {
namespace {

// An arc turns the ball back where the centre would cross its circle; a band of this
// many pixels on either side of the circle stands for that line.
constexpr double kArcBand = 1.5;

// The engine's rule for whether an arc covers a contact at angle theta (whole degrees,
// clockwise on screen from +x): from..to, or the wrapped range when to < from.
bool ArcCovers(int from, int to, int theta) {
  if (to > from) return theta >= from && theta <= to;
  if (to < from) return !(theta > to && theta < from);
  return false;
}

}  // namespace

PlayArea::PlayArea(const golf::HoleLayout& layout)
    : floor_(std::size_t(kWidth) * kHeight, 0),
      wall_(std::size_t(kWidth) * kHeight, 0),
      reached_(std::size_t(kWidth) * kHeight, 0),
      cupDistance_(std::size_t(kWidth) * kHeight, -1) {
  for (int y = golf::kGridTop; y < golf::kGridTop + kHeight; ++y) {
    for (int x = golf::kGridLeft; x < golf::kGridLeft + kWidth; ++x) {
      floor_[Index(x, y)] = layout.IsHazardAt(x, y) ? 0 : 1;
    }
  }
  int walls = 0;
  for (const golf::Wall* w = layout.FirstWall(); w != nullptr; w = w->next) {
    // A hostile entry may hold any number of walls; past a few thousand the map is full.
    if (++walls > 4096) break;
    if (w->kind == golf::WallKind::kStraightWall) {
      MarkSegment(w->x1, w->y1, w->x2, w->y2);
    } else {
      arcs_.push_back({double(w->x1), double(w->y1), double(w->x2), int(w->extA), int(w->extB)});
    }
  }
  cupX_ = layout.CupX();
  cupY_ = layout.CupY();
  teeOnFloor_ = OnGrid(layout.TeeX(), layout.TeeY()) && floor_[Index(layout.TeeX(), layout.TeeY())];
  FloodFromTee(layout.TeeX(), layout.TeeY());
  DistancesFromCup();
}

bool PlayArea::OnGrid(int x, int y) const {
  return x >= golf::kGridLeft && x < golf::kGridLeft + kWidth && y >= golf::kGridTop &&
         y < golf::kGridTop + kHeight;
}

bool PlayArea::Contains(int x, int y) const {
  if (!OnGrid(x, y) || !floor_[Index(x, y)]) return false;
  if (reached_[Index(x, y)]) return true;
  if (!wall_[Index(x, y)]) return false;
  // Within a wall's drawn thickness: a ball pressed into a wall (the engine lets one roll
  // into a capped end from behind its line) lies on whichever side the floor beside it
  // is reached from.
  for (int dy = -2; dy <= 2; ++dy) {
    for (int dx = -2; dx <= 2; ++dx) {
      if (OnGrid(x + dx, y + dy) && reached_[Index(x + dx, y + dy)]) return true;
    }
  }
  return false;
}

int PlayArea::CupDistance(int x, int y) const {
  return OnGrid(x, y) ? cupDistance_[Index(x, y)] : -1;
}

void PlayArea::MarkSegment(double x1, double y1, double x2, double y2) {
  // Every pixel within a pixel or so of the line: three pixels thick, so that no step
  // between neighbouring pixels slips across it.
  const double length = std::hypot(x2 - x1, y2 - y1);
  const int samples = static_cast<int>(std::min(length, 2000.0) * 4.0) + 1;
  for (int i = 0; i <= samples; ++i) {
    const double f = static_cast<double>(i) / samples;
    const int cx = static_cast<int>(std::lround(x1 + (x2 - x1) * f));
    const int cy = static_cast<int>(std::lround(y1 + (y2 - y1) * f));
    for (int y = cy - 1; y <= cy + 1; ++y) {
      for (int x = cx - 1; x <= cx + 1; ++x) {
        if (OnGrid(x, y)) wall_[Index(x, y)] = 1;
      }
    }
  }
}

bool PlayArea::CanMove(int fromX, int fromY, int toX, int toY) const {
  for (const Arc& arc : arcs_) {
    const double dFrom = std::hypot(fromX - arc.cx, fromY - arc.cy);
    const double dTo = std::hypot(toX - arc.cx, toY - arc.cy);
    if (dTo <= dFrom) continue;  // inwards or along: the arc never turns that back
    for (const auto& [x, y, d] : {std::tuple{fromX, fromY, dFrom}, std::tuple{toX, toY, dTo}}) {
      if (std::fabs(d - arc.radius) > kArcBand) continue;
      double theta = std::atan2(y - arc.cy, x - arc.cx) * (180.0 / M_PI);
      if (theta < 0) theta += 360.0;
      if (ArcCovers(arc.from, arc.to, static_cast<int>(std::lround(theta)) % 360)) return false;
    }
  }
  return true;
}

void PlayArea::FloodFromTee(int teeX, int teeY) {
  if (!OnGrid(teeX, teeY)) return;
  std::vector<std::pair<int, int>> stack{{teeX, teeY}};
  reached_[Index(teeX, teeY)] = 1;
  constexpr int kSteps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  while (!stack.empty()) {
    const auto [x, y] = stack.back();
    stack.pop_back();
    for (const auto& s : kSteps) {
      const int nx = x + s[0], ny = y + s[1];
      if (!Open(nx, ny) || reached_[Index(nx, ny)] || !CanMove(x, y, nx, ny)) continue;
      reached_[Index(nx, ny)] = 1;
      stack.push_back({nx, ny});
    }
  }
}

void PlayArea::DistancesFromCup() {
  if (!OnGrid(cupX_, cupY_)) return;
  // Dijkstra over the 8 neighbours, walking the moves backwards (towards the cup).
  using Item = std::pair<int, int>;  // distance, pixel index
  std::priority_queue<Item, std::vector<Item>, std::greater<Item>> queue;
  cupDistance_[Index(cupX_, cupY_)] = 0;
  queue.push({0, Index(cupX_, cupY_)});
  while (!queue.empty()) {
    const auto [d, i] = queue.top();
    queue.pop();
    if (d != cupDistance_[i]) continue;
    const int x = golf::kGridLeft + i % kWidth, y = golf::kGridTop + i / kWidth;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (dx == 0 && dy == 0) continue;
        const int px = x + dx, py = y + dy;
        if (!Open(px, py) || !CanMove(px, py, x, y)) continue;
        // A diagonal step needs both pixels beside it open: no squeezing between walls.
        if (dx != 0 && dy != 0 && (!Open(px, y) || !Open(x, py))) continue;
        const int nd = d + (dx != 0 && dy != 0 ? 3 : 2);
        int& slot = cupDistance_[Index(px, py)];
        if (slot < 0 || nd < slot) {
          slot = nd;
          queue.push({nd, Index(px, py)});
        }
      }
    }
  }
}

double PlayArea::OpenRun(double x, double y, double dirX, double dirY, double limit) const {
  const double length = std::hypot(dirX, dirY);
  if (length == 0.0) return 0.0;
  dirX /= length;
  dirY /= length;
  // The start may lie within the drawn thickness of a wall: the first two pixels are free.
  for (double s = 0.5; s < limit; s += 0.5) {
    const int px = golf::PixelOf(x + dirX * s), py = golf::PixelOf(y + dirY * s);
    if (!OnGrid(px, py) || !floor_[Index(px, py)]) return s;
    if (s > 2.0 && wall_[Index(px, py)]) return s;
  }
  return limit;
}

}  // namespace solve
