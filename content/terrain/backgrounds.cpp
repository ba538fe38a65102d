// Choosing a background painter by set, and the ordered dither the painters share.
#include "content/terrain/backgrounds.h"

#include "content/terrain/colour_limit.h"

namespace content {

double Bayer(int x, int y) {
  static constexpr int kMatrix[4][4] = {
      {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  return kMatrix[y & 3][x & 3] / 16.0;
}

std::optional<Canvas> PaintBackground(std::string_view set, int number) {
  std::optional<Canvas> c;
  if (set == "grass") {
    c = PaintGrassBackground(number);
  } else if (set == "ground") {
    c = PaintDesertBackground(number);
  } else if (set == "moon") {
    c = PaintMoonBackground(number);
  } else if (set == "mars") {
    c = PaintMarsBackground(number);
  }
  if (c) LimitColours(*c);
  return c;
}

}  // namespace content
