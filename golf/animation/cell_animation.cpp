// One animated cell: its frames composed from the archive's pictures and the hole picture,
// and the frame change that copies the next frame to the screen and the hole picture.
#include "golf/animation/cell_animation.h"

#include <algorithm>
#include <cstdio>

#include "frame/elements/image.h"
#include "golf/hole_layout.h"
#include "golf/wall.h"

namespace golf {

namespace {

// The midpoint (px, py) lies on the line a straight wall had before its ends were joined.
bool OnWallLine(const Wall& wall, int px, int py) {
  int x1, y1, x2, y2;
  if (!WallPictureLine(wall, x1, y1, x2, y2)) return false;
  if (x1 == x2 && wall.x1 == wall.x2) {
    return px == x1 && py >= std::min(y1, y2) && py <= std::max(y1, y2);
  }
  return py == y1 && px >= std::min(x1, x2) && px <= std::max(x1, x2);
}

bool OnAnyWall(const HoleLayout& layout, int px, int py) {
  for (const Wall* w = layout.FirstWall(); w != nullptr; w = w->next) {
    if (OnWallLine(*w, px, py)) return true;
  }
  return false;
}

}  // namespace

CellEdges FindCellEdges(const HoleLayout& layout, int x, int y) {
  CellEdges edges;
  edges.top = OnAnyWall(layout, x + 10, y);
  edges.bottom = OnAnyWall(layout, x + 10, y + 20);
  edges.left = OnAnyWall(layout, x, y + 10);
  edges.right = OnAnyWall(layout, x + 20, y + 10);
  return edges;
}

CellAnimation::CellAnimation(const char* name, int x, int y, int frameCount, DWORD period,
                             const CellEdges& edges, const frame::DrawingSurface& background,
                             DWORD now)
    : x_(x),
      y_(y),
      period_(period),
      lastChange_(now),
      count_(static_cast<int8_t>(std::clamp(frameCount, 1, kMaxCellFrames))) {
  const bool keyed = name[0] == 'm' || name[0] == 'f';
  for (int i = 0; i < count_; ++i) {
    char entry[64];
    std::snprintf(entry, sizeof entry, "%s_%c.bmp", name, 'a' + i);
    auto surface = std::make_unique<frame::OffscreenSurface>(kCellSize, kCellSize);
    frame::Image picture(entry);
    if (keyed) {
      surface->Blit(background, x, y, kCellSize, kCellSize, 0, 0, SRCCOPY);
      picture.SetTransparentColor(RGB(255, 0, 255));
      picture.DrawTransparent(*surface, 0, 0, -1, -1, 1.0f, 1.0f);
    } else {
      picture.Draw(*surface, 0, 0, 1.0f, 1.0f);
    }
    // Each line leaves out its last point, like every line of the frame.
    if (edges.top) surface->DrawLineBlack(0, 0, 20, 0);
    if (edges.left) surface->DrawLineBlack(0, 0, 0, 20);
    if (edges.right) surface->DrawLineBlack(20, 0, 20, 20);
    if (edges.bottom) surface->DrawLineBlack(0, 20, 20, 20);
    frames_.push_back(std::move(surface));
  }
}

bool CellAnimation::Tick(DWORD now, frame::DrawingSurface& screen,
                         frame::DrawingSurface& background) {
  if (now - lastChange_ < period_) return false;
  lastChange_ = now;
  current_ = static_cast<int8_t>((current_ + 1) % count_);
  const frame::OffscreenSurface& picture = *frames_[current_];
  screen.Blit(picture, 0, 0, kCellSize, kCellSize, x_, y_, SRCCOPY);
  background.Blit(picture, 0, 0, kCellSize, kCellSize, x_, y_, SRCCOPY);
  return true;
}

bool CellAnimation::Overlaps(int left, int top, int right, int bottom) const {
  return right >= x_ && left < x_ + kCellSize && bottom > y_ && top < y_ + kCellSize;
}

}  // namespace golf
