// pt-gen-icon FILE: draws the game's 48x48 desktop icon: a putting green with the cup, its flag
// and a ball, on a round badge.
#include <cstdio>
#include <string>

#include "content/art/canvas.h"
#include "content/art/png.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: pt-gen-icon FILE.png\n");
    return 2;
  }
  using content::Rgb;
  content::Canvas icon(48, 48, Rgb{255, 255, 255});
  // The badge: a dark rim around a lawn lit from the top left.
  icon.FillCircle(24, 24, 23.5, Rgb{24, 74, 34});
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 48; ++x) {
      const double dx = x + 0.5 - 24, dy = y + 0.5 - 24;
      if (dx * dx + dy * dy <= 21.5 * 21.5) {
        const double light = (-dx - dy) / 60.0 + ((x / 6 + y / 6) % 2 ? 0.04 : 0.0);
        icon.Set(x, y, content::Shade(Rgb{64, 168, 72}, light));
      }
    }
  }
  // The cup, the flag on its pole, and the ball.
  icon.FillCircle(29, 33, 4.5, Rgb{20, 40, 20});
  icon.FillRect(29, 9, 2, 24, Rgb{240, 240, 240});
  for (int j = 0; j < 9; ++j)
    icon.FillRect(31, 9 + j, 11 - (j > 4 ? j - 4 : 4 - j) * 2, 1, Rgb{226, 48, 48});
  icon.FillCircle(15, 30, 5, Rgb{250, 250, 250});
  icon.FillCircle(14, 29, 2, Rgb{255, 255, 255});
  icon.Circle(15, 30, 5, Rgb{150, 150, 150});
  std::string error;
  if (!content::WritePng(argv[1], icon, error)) {
    std::fprintf(stderr, "pt-gen-icon: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
