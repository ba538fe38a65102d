// The desert, moon and Mars grounds: sand ripples with stones and cacti, grey regolith with
// craters under a starry horizon, red dust with rocks.
#include <algorithm>
#include <cmath>

#include "content/terrain/backgrounds.h"
#include "content/terrain/scenery.h"

namespace content {
namespace {

// Ground in three tones: wind ripples (wavy lines) and patches, ordered-dithered.
void RippledGround(Canvas& c, Rgb base, Rgb ripple, Rgb patch, uint32_t seed, double spacing) {
  for (int y = 0; y < c.Height(); ++y) {
    for (int x = 0; x < c.Width(); ++x) {
      const double wave = y + 3.0 * std::sin(x * 0.07 + seed) + 1.5 * std::sin(x * 0.19);
      const double v = std::fmod(wave + 1000.0, spacing);
      const double soft = ValueNoise(seed, x, y, 42);
      Rgb col = base;
      if (soft * 0.6 > Bayer(x, y) + 0.25) col = patch;
      if (v < 1.0 && soft > 0.3) col = ripple;
      c.Set(x, y, col);
    }
  }
}

void SpeckledGround(Canvas& c, Rgb base, Rgb dark, Rgb light, uint32_t seed) {
  for (int y = 0; y < c.Height(); ++y) {
    for (int x = 0; x < c.Width(); ++x) {
      const double soft = ValueNoise(seed, x, y, 30);
      const double fine = ValueNoise(seed + 5, x, y, 10);
      Rgb col = base;
      if (soft * 0.7 > Bayer(x, y) + 0.3) {
        col = dark;
      } else if (fine * 0.5 > Bayer(x + 2, y + 1) + 0.32) {
        col = light;
      }
      c.Set(x, y, col);
    }
  }
}

void Scatter(Noise& n, int count, double& x, double& y) {
  (void)count;
  x = 6 + n.Unit() * 198;
  y = 6 + n.Unit() * 177;
}

}  // namespace

Canvas PaintDesertBackground(int number) {
  Canvas c(kBackgroundWidth, kBackgroundHeight);
  const uint32_t seed = uint32_t(number) * 131u + 5u;
  RippledGround(c, {222, 192, 134}, {196, 162, 104}, {210, 178, 120}, seed, 9 + number % 3 * 2);
  Noise n(seed);
  const Rgb stone[] = {{150, 130, 110}, {128, 112, 98}, {170, 150, 120}};
  for (int i = 0; i < 10 + number * 2; ++i) {
    double x, y;
    Scatter(n, i, x, y);
    const double r = 1.5 + n.Unit() * (i % 4 == 0 ? 4 : 2);
    Stone(c, x, y, r * 1.3, r, stone[i % 3]);
  }
  // Dry tufts.
  for (int i = 0; i < 14; ++i) {
    double x, y;
    Scatter(n, i, x, y);
    const Rgb tuft{150, 140, 70};
    for (int k = -2; k <= 2; ++k) c.Set(int(x) + k, int(y) - 2 + std::abs(k), tuft);
  }
  // Cacti keep to the edges.
  for (int i = 0; i < 3 + number % 3; ++i) {
    const int x = int(n.Next() % 200) + 5;
    const int y = (i % 2 == 0) ? 24 + int(n.Next() % 12) : 172 + int(n.Next() % 14);
    Cactus(c, x, y, 13 + int(n.Next() % 8), n.Next() % 2 == 0, n.Next() % 3 != 0);
  }
  return c;
}

Canvas PaintMoonBackground(int number) {
  Canvas c(kBackgroundWidth, kBackgroundHeight);
  const uint32_t seed = uint32_t(number) * 211u + 9u;
  const Rgb ground{142, 142, 146};
  SpeckledGround(c, ground, {124, 124, 130}, {164, 164, 168}, seed);
  Noise n(seed);
  // A dark sea of old lava on the second moon background.
  if (number == 2) {
    for (int y = 0; y < c.Height(); ++y) {
      for (int x = 0; x < c.Width(); ++x) {
        const double d = std::hypot((x - 150) / 80.0, (y - 130) / 60.0) +
                         0.12 * std::sin(x * 0.2) * std::cos(y * 0.17);
        if (d < 1.0) c.Set(x, y, Shade(c.Get(x, y), -0.18));
      }
    }
  }
  for (int i = 0; i < 6 + number * 3; ++i) {
    double x, y;
    Scatter(n, i, x, y);
    const double r = i < 3 ? 9 + n.Unit() * 10 : 2 + n.Unit() * 5;
    Crater(c, x, y, r, c.Get(int(x), int(y)));
  }
  for (int i = 0; i < 8; ++i) {
    double x, y;
    Scatter(n, i, x, y);
    Stone(c, x, y, 1.8, 1.4, {170, 170, 176});
  }
  // The third one lies at the edge of the world: black sky with stars beyond the horizon.
  if (number == 3) {
    for (int x = 0; x < c.Width(); ++x) {
      const int horizon = 22 + int(4 * std::sin(x * 0.045) + 2 * std::sin(x * 0.13));
      for (int y = 0; y < horizon; ++y) c.Set(x, y, {6, 6, 16});
      c.Set(x, horizon, {196, 196, 204});
    }
    for (int i = 0; i < 40; ++i) {
      const int x = int(n.Next() % 210), y = int(n.Next() % 18);
      c.Set(x, y, i % 5 == 0 ? Rgb{255, 255, 255} : Rgb{150, 150, 180});
    }
    c.FillCircle(176, 9, 5.5, {70, 120, 200});  // the Earth, half lit
    c.FillCircle(177.5, 10.5, 4.2, {60, 150, 80});
    c.FillCircle(173.5, 6.5, 2.0, {220, 230, 240});
  }
  return c;
}

Canvas PaintMarsBackground(int number) {
  Canvas c(kBackgroundWidth, kBackgroundHeight);
  const uint32_t seed = uint32_t(number) * 173u + 3u;
  RippledGround(c, {184, 92, 50}, {156, 72, 40}, {198, 108, 62}, seed, 11 + number % 4);
  Noise n(seed);
  for (int i = 0; i < 2 + number % 4; ++i) {
    double x, y;
    Scatter(n, i, x, y);
    Crater(c, x, y, 4 + n.Unit() * 9, c.Get(int(x), int(y)));
  }
  const Rgb rock[] = {{120, 52, 34}, {98, 44, 30}, {140, 70, 46}};
  for (int i = 0; i < 12 + number * 2; ++i) {
    double x, y;
    Scatter(n, i, x, y);
    const double r = 1.4 + n.Unit() * (i % 5 == 0 ? 4.5 : 2.2);
    Stone(c, x, y, r * 1.25, r, rock[i % 3]);
  }
  return c;
}

}  // namespace content
