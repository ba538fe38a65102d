// The animated cells of a hole: hazard cells cycling their three pictures, fans and magnets
// turning over the hole picture; built once per hole, ticked on every idle pass.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "frame/surface/offscreen_surface.h"
#include "golf/grid.h"

namespace golf {

class Ball;
class HoleLayout;

inline constexpr int kMaxCellFrames = 16;

// Flags Tick returns: a changed cell lay under the ball or under the aim mark.
inline constexpr int kRedrawBall = 0x1;
inline constexpr int kRedrawAim = 0x2;

// The edges of a cell that a straight wall runs along, drawn on every frame of a hazard
// cell so that the animation keeps the wall line the hole picture shows.
struct CellEdges {
  bool top = false;
  bool bottom = false;
  bool left = false;
  bool right = false;
};

// Tests the four edge midpoints of the cell with its top-left pixel at (x, y) against the
// horizontal and vertical straight walls, each taken without the 10 pixels a join added.
CellEdges FindCellEdges(const HoleLayout& layout, int x, int y);

class CellAnimation {
 public:
  // Composes the frames "<name>_a.bmp", "<name>_b.bmp", ... Fans and magnets (names starting
  // with f or m) are keyed over the background's piece of the cell; hazard pictures are
  // opaque. A missing picture ends the program through the picture loader.
  CellAnimation(const char* name, int x, int y, int frameCount, DWORD period,
                const CellEdges& edges, const frame::DrawingSurface& background, DWORD now);

  // Moves to the next frame once the period has passed and copies it to both surfaces;
  // true when it did.
  bool Tick(DWORD now, frame::DrawingSurface& screen, frame::DrawingSurface& background);

  // True when the box (left, top, right, bottom) reaches into the cell: right >= x,
  // left < x + 21, bottom > y, top < y + 21.
  bool Overlaps(int left, int top, int right, int bottom) const;

  int X() const { return x_; }
  int Y() const { return y_; }
  DWORD Period() const { return period_; }
  int CurrentFrame() const { return current_; }
  int FrameCount() const { return count_; }
  const frame::OffscreenSurface& Frame(int i) const { return *frames_[i]; }

 private:
  std::vector<std::unique_ptr<frame::OffscreenSurface>> frames_;
  int x_;
  int y_;
  DWORD period_;
  DWORD lastChange_;
  int8_t current_ = 0;
  int8_t count_;
};

class CellAnimationSet {
 public:
  // Replaces the animations with those of the layout's hazard, fan and magnet cells; the
  // background must already hold the complete hole picture.
  void Build(const HoleLayout& layout, const frame::DrawingSurface& background);
  // Advances every animation that is due; returns kRedrawBall and kRedrawAim for the
  // changed cells under the ball and the aim mark (aim x +- 4, aim y +- 4).
  int Tick(frame::DrawingSurface& screen, frame::DrawingSurface& background, const Ball& ball,
           int aimX, int aimY);

  size_t Count() const { return animations_.size(); }
  const CellAnimation& At(size_t i) const { return *animations_[i]; }

 private:
  std::vector<std::unique_ptr<CellAnimation>> animations_;
};

}  // namespace golf
