// The set of a hole's animated cells: which cells animate and how fast, and the idle tick
// that tells the game screen whether a changed cell lay under the ball or the aim mark.
#include <windows.h>

#include "golf/animation/cell_animation.h"
#include "golf/ball.h"
#include "golf/block_table.h"
#include "golf/grid.h"
#include "golf/hole_layout.h"

namespace golf {

namespace {

struct AnimationKind {
  int frames = 0;
  DWORD period = 0;
  bool edges = false;
};

// Hazard cells 53..58 cycle three opaque pictures; magnets and fans turn over the ground.
// Block 59 and everything below 53 stand still.
bool KindOf(uint32_t id, AnimationKind& kind) {
  if (id >= 53 && id <= 58) {
    kind = {3, 250, true};
  } else if (id == kMagnetLeft || id == kMagnetRight) {
    kind = {16, 200, false};
  } else if (id == kFanLeft || id == kFanRight) {
    kind = {8, 150, false};
  } else {
    return false;
  }
  return true;
}

}  // namespace

void CellAnimationSet::Build(const HoleLayout& layout, const frame::DrawingSurface& background) {
  animations_.clear();
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      const uint32_t id = layout.BlockAt(row, column);
      AnimationKind kind;
      if (!KindOf(id, kind)) continue;
      const int x = kGridLeft + kCellSize * column;
      const int y = kGridTop + kCellSize * row;
      const CellEdges edges = kind.edges ? FindCellEdges(layout, x, y) : CellEdges{};
      animations_.push_back(std::make_unique<CellAnimation>(BlockTable(static_cast<int>(id)).name,
                                                            x, y, kind.frames, kind.period, edges,
                                                            background, GetTickCount()));
    }
  }
}

int CellAnimationSet::Tick(frame::DrawingSurface& screen, frame::DrawingSurface& background,
                           const Ball& ball, int aimX, int aimY) {
  const DWORD now = GetTickCount();
  const int ballLeft = PixelOf(ball.posx - ball.radius);
  const int ballRight = PixelOf(ball.posx + ball.radius);
  const int ballTop = PixelOf(ball.posy - ball.radius);
  const int ballBottom = PixelOf(ball.posy + ball.radius);
  int flags = 0;
  for (auto& animation : animations_) {
    if (!animation->Tick(now, screen, background)) continue;
    if (animation->Overlaps(ballLeft, ballTop, ballRight, ballBottom)) flags |= kRedrawBall;
    if (flags <= kRedrawBall && animation->Overlaps(aimX - 4, aimY - 4, aimX + 4, aimY + 4)) {
      flags |= kRedrawAim;
    }
  }
  return flags;
}

}  // namespace golf
