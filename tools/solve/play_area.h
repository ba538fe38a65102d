// The floor a ball may rest on, pixel by pixel: the grid's non-hazard cells that can be
// reached from the tee without crossing a wall, and how far each pixel is from the cup.
#pragma once

#include <cstdint>
#include <vector>

#include "golf/hole_layout.h"

namespace solve {

class PlayArea {
 public:
  // Straight walls block both ways; an arc blocks only from the inside, since the
  // engine lets a ball that starts outside an arc's circle cross it.
  explicit PlayArea(const golf::HoleLayout& layout);

  // On the grid, on a cell that is no hazard, and reachable from the tee (a pixel inside a
  // wall's drawn thickness: when floor within 2 pixels of it is).
  bool Contains(int x, int y) const;
  // Steps (2 straight, 3 diagonal) from the pixel to the cup over the floor; -1 when the
  // floor leads from it to no cup.
  int CupDistance(int x, int y) const;
  // How far a ray from (x, y) runs over floor before a wall, a hazard cell or the grid's
  // edge, in pixels, up to `limit`.
  double OpenRun(double x, double y, double dirX, double dirY, double limit) const;

  bool TeeOnFloor() const { return teeOnFloor_; }
  // The cup lies on floor that the tee reaches.
  bool CupReachable() const { return Contains(cupX_, cupY_); }

 private:
  struct Arc {
    double cx, cy, radius;
    int from, to;  // degrees, as the engine counts a contact
  };

  static constexpr int kWidth = golf::kColumns * golf::kCellSize;
  static constexpr int kHeight = golf::kRows * golf::kCellSize;

  bool OnGrid(int x, int y) const;
  int Index(int x, int y) const { return (y - golf::kGridTop) * kWidth + (x - golf::kGridLeft); }
  bool Open(int x, int y) const {
    return OnGrid(x, y) && floor_[Index(x, y)] && !wall_[Index(x, y)];
  }
  // Whether the ball's centre can move from one pixel to a neighbour: no arc turns it back.
  bool CanMove(int fromX, int fromY, int toX, int toY) const;
  void MarkSegment(double x1, double y1, double x2, double y2);
  void FloodFromTee(int teeX, int teeY);
  void DistancesFromCup();

  std::vector<uint8_t> floor_;    // the cell is no hazard
  std::vector<uint8_t> wall_;     // within about a pixel of a straight wall
  std::vector<uint8_t> reached_;  // reached from the tee
  std::vector<int> cupDistance_;
  std::vector<Arc> arcs_;
  int cupX_ = 0, cupY_ = 0;
  bool teeOnFloor_ = false;
};

}  // namespace solve
