// Lawns for the garden and golf club holes: mowing stripes in one of several patterns, with
// trees, bushes, flower beds and ponds, all chosen from the background's number.
#include <algorithm>
#include <cmath>

#include "content/terrain/backgrounds.h"
#include "content/terrain/scenery.h"

namespace content {
namespace {

enum class Mowing { kColumns, kRows, kDiagonal, kChequer, kPlain };

struct LawnStyle {
  Mowing mowing{};
  Rgb light, dark;  // the two stripe colours
  int trees{}, bushes{}, flowerBeds{};
  bool pond{}, hedge{}, oasis{};
};

// Lawns are a little yellower and darker than the carpet so that the course stands out.
LawnStyle StyleOf(int number) {
  const Rgb garden1{112, 138, 52}, garden2{98, 124, 46};
  const Rgb club1{92, 124, 50}, club2{80, 110, 44};
  const Rgb meadow1{126, 146, 60}, meadow2{110, 132, 52};
  switch (number) {
    case 3:
      return {Mowing::kColumns, club1, club2, 3, 4, 0, false, false, false};
    case 4:
      return {Mowing::kDiagonal, garden1, garden2, 2, 5, 3, false, false, false};
    case 5:
      return {Mowing::kChequer, club1, club2, 4, 2, 0, true, false, false};
    case 6:
      return {Mowing::kRows, garden1, garden2, 2, 6, 4, false, true, false};
    case 7:
      return {Mowing::kPlain, meadow1, meadow2, 5, 4, 5, false, false, false};
    case 9:
      return {Mowing::kColumns, garden1, garden2, 3, 3, 2, true, false, false};
    case 10:
      return {Mowing::kDiagonal, club1, club2, 6, 2, 0, false, false, false};
    case 12:
      return {Mowing::kChequer, garden1, garden2, 2, 4, 3, false, true, false};
    case 13:
      return {Mowing::kRows, meadow1, meadow2, 4, 5, 4, true, false, false};
    case 14:
      return {Mowing::kPlain, club1, club2, 3, 3, 1, false, true, false};
    case 16:
      return {Mowing::kColumns, meadow1, meadow2, 6, 3, 3, false, false, false};
    case 17:
      return {Mowing::kChequer, club1, club2, 4, 3, 2, true, false, false};
    case 18:
      return {Mowing::kPlain, meadow1, meadow2, 0, 3, 0, true, false, true};
    default:
      return {Mowing::kRows, club1, club2, 3, 3, 2, number % 2 == 1, false, false};
  }
}

// Stripes line up with the 21-pixel cells, since the picture lies exactly under the grid.
bool LightStripe(Mowing m, int x, int y) {
  switch (m) {
    case Mowing::kColumns:
      return x / 21 % 2 == 0;
    case Mowing::kRows:
      return y / 21 % 2 == 0;
    case Mowing::kDiagonal:
      return (x + y) / 30 % 2 == 0;
    case Mowing::kChequer:
      return (x / 21 + y / 21) % 2 == 0;
    case Mowing::kPlain:
      return true;
  }
  return true;
}

void Lawn(Canvas& c, const LawnStyle& s, int number) {
  for (int y = 0; y < c.Height(); ++y) {
    for (int x = 0; x < c.Width(); ++x) {
      const bool light = LightStripe(s.mowing, x, y);
      Rgb col = light ? s.light : s.dark;
      // Grass tufts: soft patches of a darker tone, dithered in an ordered pattern.
      const double patch = ValueNoise(uint32_t(number) * 31u + 7u, x, y, 24);
      if (patch * 0.55 > Bayer(x, y) + 0.22) {
        col = Shade(col, -0.1);
      } else if (s.mowing == Mowing::kPlain && patch < 0.3 && Bayer(x, y) < 0.12) {
        col = Shade(col, 0.1);
      }
      c.Set(x, y, col);
    }
  }
}

// A sandy border for the oasis lawn, wavy on its inner side.
void OasisSand(Canvas& c) {
  const Rgb sand{214, 186, 128}, sandDark{196, 166, 108};
  for (int y = 0; y < c.Height(); ++y) {
    for (int x = 0; x < c.Width(); ++x) {
      const double edge = std::min({x, y, c.Width() - 1 - x, c.Height() - 1 - y}) +
                          4.0 * std::sin(x * 0.11) + 3.0 * std::sin(y * 0.13);
      if (edge < 18) c.Set(x, y, (x * 3 + y * 5) % 11 == 0 ? sandDark : sand);
    }
  }
}

void Hedge(Canvas& c, int number) {
  // A clipped hedge along the top and bottom edges.
  const Rgb leaves{44, 98, 46};
  for (int x = 4; x < c.Width(); x += 7) {
    Bush(c, x, 4, 4.5, leaves);
    if (number % 2 == 0) Bush(c, x + 3, c.Height() - 5, 4.5, leaves);
  }
}

// A point nearer the edges than the middle, where the course usually is not.
void EdgePoint(Noise& n, int margin, double& x, double& y) {
  const int side = int(n.Next() % 4);
  const double along = n.Unit(), depth = n.Unit() * margin;
  switch (side) {
    case 0:
      x = along * 210, y = depth;
      break;
    case 1:
      x = along * 210, y = 188 - depth;
      break;
    case 2:
      x = depth, y = along * 189;
      break;
    default:
      x = 209 - depth, y = along * 189;
      break;
  }
}

}  // namespace

Canvas PaintGrassBackground(int number) {
  Canvas c(kBackgroundWidth, kBackgroundHeight);
  const LawnStyle s = StyleOf(number);
  Lawn(c, s, number);
  if (s.oasis) OasisSand(c);
  Noise n(uint32_t(number) * 977u + 13u);
  if (s.pond) {
    double x, y;
    EdgePoint(n, 20, x, y);
    Pond(c, std::clamp(x, 30.0, 180.0), std::clamp(y, 24.0, 165.0), 20 + n.Next() % 8,
         13 + n.Next() % 5);
  }
  const Rgb petals[] = {
      {232, 60, 70}, {250, 240, 240}, {170, 90, 220}, {250, 150, 40}, {240, 110, 180}};
  for (int i = 0; i < s.flowerBeds * 2; ++i) {
    double x, y;
    EdgePoint(n, 40, x, y);
    Flowers(c, int(x), int(y), n.Next(), petals[(number + i) % 5]);
  }
  // Daisies dotted about the lawn.
  for (int i = 0; i < 24; ++i) {
    const int x = int(n.Next() % 210), y = int(n.Next() % 189);
    c.Set(x, y, Rgb{240, 240, 226});
  }
  const Rgb leaves[] = {{52, 112, 48}, {40, 96, 56}, {70, 124, 44}};
  for (int i = 0; i < s.bushes; ++i) {
    double x, y;
    EdgePoint(n, 24, x, y);
    Bush(c, x, y, 4 + n.Next() % 3, leaves[i % 3]);
  }
  if (s.hedge) Hedge(c, number);
  for (int i = 0; i < s.trees; ++i) {
    double x, y;
    EdgePoint(n, 14, x, y);
    Tree(c, x, y, 11 + n.Next() % 8, leaves[(i + number) % 3]);
  }
  if (s.oasis) {
    // Palms: star-shaped crowns round the pond.
    const Rgb frond{60, 130, 50};
    for (int i = 0; i < 4; ++i) {
      double x, y;
      EdgePoint(n, 12, x, y);
      CastShadow(c, x + 4, y + 4, 8, 8, -0.22);
      for (int a = 0; a < 7; ++a) {
        const double t = a * 0.9 + i;
        for (int r = 0; r < 10; ++r) {
          c.Set(int(x + std::cos(t) * r), int(y + std::sin(t) * r + r * r * 0.03),
                r % 3 == 0 ? Shade(frond, 0.2) : frond);
        }
      }
      c.FillCircle(x, y, 1.6, Rgb{120, 90, 50});
    }
  }
  return c;
}

}  // namespace content
