// The markings, drawn in the unturned cell and mapped through the block's turn.
#include "content/terrain/markings.h"

#include <cstdlib>

namespace content {
namespace {

constexpr int kLast = kCellPixels - 1;

// Sets unturned pixel (x, y) at its place after the block's clockwise turn.
class TurnedPen {
 public:
  TurnedPen(Canvas& canvas, int degrees) : canvas_(canvas), quarters_(degrees / 90 % 4) {}
  void Set(int x, int y, Rgb c) {
    for (int q = 0; q < quarters_; ++q) {
      const int turnedX = kLast - y;
      y = x;
      x = turnedX;
    }
    canvas_.Set(x, y, c);
  }
  Rgb Get(int x, int y) const {
    for (int q = 0; q < quarters_; ++q) {
      const int turnedX = kLast - y;
      y = x;
      x = turnedX;
    }
    return canvas_.Get(x, y);
  }

 private:
  Canvas& canvas_;
  int quarters_;
};

// A rubber mat with rounded corners and a pale arrow towards the top edge.
void TeeMat(TurnedPen& pen) {
  const Rgb mat{36, 92, 44}, rim{24, 64, 30}, arrow{196, 226, 170};
  for (int y = 3; y <= 17; ++y) {
    for (int x = 3; x <= 17; ++x) {
      const bool corner = (x == 3 || x == 17) && (y == 3 || y == 17);
      if (corner) continue;
      const bool edge = x == 3 || x == 17 || y == 3 || y == 17;
      pen.Set(x, y, edge ? rim : mat);
    }
  }
  for (int y = 6; y <= 14; ++y) pen.Set(10, y, arrow);
  for (int i = 1; i <= 3; ++i) {
    pen.Set(10 - i, 6 + i, arrow);
    pen.Set(10 + i, 6 + i, arrow);
  }
}

// A kerb of stones along the top edge: the game draws the wall's black line on row 0.
void Kerb(TurnedPen& pen) {
  const Rgb stone{178, 174, 160}, lit{214, 210, 196}, dark{118, 114, 104};
  for (int x = 0; x < kCellPixels; ++x) {
    const bool seam = x % 7 == 6;
    pen.Set(x, 0, dark);
    pen.Set(x, 1, seam ? dark : lit);
    pen.Set(x, 2, seam ? dark : stone);
    pen.Set(x, 3, seam ? dark : stone);
    pen.Set(x, 4, dark);
    pen.Set(x, 5, Shade(pen.Get(x, 5), -0.18));  // the kerb's shadow on the green
  }
}

// Square flagstones of 7 pixels, so paving runs on across cells; each stone its own tint.
void Paving(Canvas& canvas) {
  const Rgb tints[3] = {{196, 184, 156}, {184, 172, 146}, {204, 194, 168}};
  for (int y = 0; y < kCellPixels; ++y) {
    for (int x = 0; x < kCellPixels; ++x) {
      const int sx = x / 7, sy = y / 7;
      const Rgb stone = tints[(sx * 2 + sy * 5 + sx * sy) % 3];
      const int ix = x % 7, iy = y % 7;
      Rgb c = stone;
      if (ix == 6 || iy == 6) {
        c = {128, 118, 98};  // grout
      } else if (ix == 0 || iy == 0) {
        c = Shade(stone, 0.12);
      } else if (ix == 5 || iy == 5) {
        c = Shade(stone, -0.1);
      }
      canvas.Set(x, y, c);
    }
  }
}

// Two chevrons pointing downhill; the unturned block falls towards the top edge.
void Chevrons(TurnedPen& pen) {
  const Rgb paint{206, 236, 160};
  for (int top : {4, 11}) {
    for (int i = 0; i <= 4; ++i) {
      pen.Set(10 - i, top + i, paint);
      pen.Set(10 + i, top + i, paint);
      pen.Set(10 - i, top + i + 1, Shade(pen.Get(10 - i, top + i + 1), -0.2));
      pen.Set(10 + i, top + i + 1, Shade(pen.Get(10 + i, top + i + 1), -0.2));
    }
  }
}

}  // namespace

void PaintMarking(Canvas& canvas, const BlockPicture& block) {
  TurnedPen pen(canvas, block.turnDegrees);
  switch (block.marking) {
    case Marking::kTeeMat:
      TeeMat(pen);
      break;
    case Marking::kKerb:
      Kerb(pen);
      break;
    case Marking::kPaving:
      Paving(canvas);
      break;
    case Marking::kChevrons:
      Chevrons(pen);
      break;
    case Marking::kNone:
      break;
  }
}

}  // namespace content
