// Composing a hole's picture the way the game screen does, from the generated pictures.
#include "content/sheet/hole_picture.h"

#include <cmath>
#include <numbers>

#include "golf/block_table.h"
#include "golf/grid.h"

namespace content {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{235, 30, 30};

int At(golf::Axis axis, uint8_t cell, uint8_t keypad) {
  return golf::GridToPixel(axis, cell, keypad);
}

void DrawPicture(Canvas& screen, const PictureLookup& picture, const std::string& name, int x,
                 int y, bool keyed) {
  if (const auto p = picture(name)) {
    if (keyed) {
      screen.DrawKeyed(*p, x, y, kMagenta);
    } else {
      screen.Draw(*p, x, y);
    }
  }
}

// A straight wall line as the game draws it: both ends as given, the last point left out.
void DrawStraight(Canvas& screen, int ax, int ay, int bx, int by, Rgb colour) {
  if (ax == bx && ay > by) std::swap(ay, by);
  if (ay == by && ax > bx) std::swap(ax, bx);
  if (ax == bx) {
    for (int y = ay; y < by; ++y) screen.Set(ax, y, colour);
  } else if (ay == by) {
    for (int x = ax; x < bx; ++x) screen.Set(x, ay, colour);
  } else {
    screen.Line(ax, ay, bx, by, colour);
  }
}

void DrawArc(Canvas& screen, int cx, int cy, int radius, int start, int end, Rgb colour) {
  if (end < start) end += 360;
  for (double a = start; a <= end; a += 0.25) {
    const double r = a * std::numbers::pi / 180;
    screen.Set(int(std::lround(cx + radius * std::cos(r))),
               int(std::lround(cy + radius * std::sin(r))), colour);
  }
}

}  // namespace

Canvas RenderHole(const golf::HoleRecord& record, int course, int hole,
                  const PictureLookup& picture, WallOverlay overlay) {
  using golf::Axis;
  Canvas screen(240, 268, Rgb{40, 40, 40});
  DrawPicture(screen, picture, "pt_gamescreen_clear.bmp", 0, 0, false);
  DrawPicture(screen, picture, golf::BackgroundTable(course, hole), 15, 64, false);
  for (int cell = 0; cell < 90; ++cell) {
    const uint8_t code = record.codes[size_t(cell)];
    if (code == golf::kEmptyCode || code == 0 || code > 64) continue;
    const uint32_t id = code >= 60 && code <= 63 ? code : code - 1u;
    // Fans and magnets appear with their animation; the overlay shows their first frame.
    if (id >= 60 && id <= 63 && overlay == WallOverlay::kGameLook) continue;
    DrawPicture(screen, picture, golf::BlockPictureName(id), 15 + 21 * (cell % 10),
                64 + 21 * (cell / 10), true);
  }
  for (const golf::WallRecord& w : record.walls) {
    if (w[0] == 0) {
      const int ax = At(Axis::kX, w[1], w[2]), ay = At(Axis::kY, w[1], w[2]);
      const int bx = At(Axis::kX, w[3], w[4]), by = At(Axis::kY, w[3], w[4]);
      const bool drawnByGame = ax == bx || ay == by;
      if (drawnByGame) DrawStraight(screen, ax, ay, bx, by, kBlack);
      if (overlay == WallOverlay::kAllWalls) {
        if (!drawnByGame) DrawStraight(screen, ax, ay, bx, by, kRed);
        if (w[6] != 1) screen.FillRect(ax - 1, ay - 1, 3, 3, kRed);
        if (w[7] != 1) screen.FillRect(bx - 1, by - 1, 3, 3, kRed);
      }
    } else if (w[0] == 1 && overlay == WallOverlay::kAllWalls) {
      DrawArc(screen, At(Axis::kX, w[1], w[2]), At(Axis::kY, w[1], w[2]), w[3] * 21,
              w[4] | w[5] << 8, w[6] | w[7] << 8, kRed);
    }
  }
  DrawPicture(screen, picture, "pt_score_i.bmp", 205, 236, true);
  if (const auto button = picture("pt_score_button.bmp"))
    screen.Draw(button->Crop(0, 0, button->Width() / 3, button->Height()), 211, 241);
  const int cupX = At(Axis::kX, record.cupCell, record.cupKeypad);
  const int cupY = At(Axis::kY, record.cupCell, record.cupKeypad);
  if (const auto cup = picture("pt_hole.bmp"))
    screen.DrawKeyed(*cup, cupX - cup->Width() / 2, cupY - cup->Height() / 2, kMagenta);
  // The ball on the tee: its picture's corner is trunc(x - 3.5 + 1).
  const int teeX = At(Axis::kX, record.teeCell, record.teeKeypad);
  const int teeY = At(Axis::kY, record.teeCell, record.teeKeypad);
  const auto ball = picture("pt_ball.bmp");
  const auto mask = picture("m_pt_ball.bmp");
  if (ball && mask) {
    for (int y = 0; y < ball->Height() && y < mask->Height(); ++y) {
      for (int x = 0; x < ball->Width() && x < mask->Width(); ++x) {
        if (mask->Get(x, y) == kBlack)
          screen.Set(int(teeX - 2.5) + x, int(teeY - 2.5) + y, ball->Get(x, y));
      }
    }
  }
  return screen;
}

}  // namespace content
