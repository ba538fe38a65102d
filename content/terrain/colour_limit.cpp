// Counting and coarsening a picture's colours.
#include "content/terrain/colour_limit.h"

#include <unordered_set>

namespace content {
namespace {

uint32_t Key(Rgb c) {
  return uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
}

uint8_t Round(uint8_t v, int step) {
  const int r = (v + step / 2) / step * step;
  return uint8_t(r > 255 ? 255 : r);
}

}  // namespace

int CountColours(const Canvas& canvas) {
  std::unordered_set<uint32_t> seen;
  for (Rgb c : canvas.Pixels()) seen.insert(Key(c));
  return int(seen.size());
}

void LimitColours(Canvas& canvas) {
  for (int step = 4; CountColours(canvas) > 256 && step <= 64; step *= 2) {
    for (int y = 0; y < canvas.Height(); ++y) {
      for (int x = 0; x < canvas.Width(); ++x) {
        const Rgb c = canvas.Get(x, y);
        if (c == kMagenta) continue;
        canvas.Set(x, y, {Round(c.r, step), Round(c.g, step), Round(c.b, step)});
      }
    }
  }
}

}  // namespace content
