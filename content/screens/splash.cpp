// The two splash pictures: the publisher's moon-and-umbrella logo on a night sky, then the
// game's title over a putting green in the country.
#include <cmath>

#include "content/screens/backgrounds.h"
#include "content/screens/layout.h"
#include "content/screens/theme.h"

namespace content::screens {

namespace {

constexpr Rgb kNightTop{14, 18, 52}, kNightLow{56, 44, 108};
constexpr Rgb kMoon{250, 238, 176}, kMoonShade{226, 208, 140};
constexpr Rgb kUmbrella{24, 26, 70};
constexpr double kPi = 3.14159265358979;

}  // namespace

void DrawCloud(Canvas& c, double x, double y, double s) {
  const Rgb white{248, 252, 255};
  c.FillCircle(x, y, 6 * s, white);
  c.FillCircle(x + 8 * s, y - 3 * s, 8 * s, white);
  c.FillCircle(x + 17 * s, y, 6 * s, white);
  c.FillRect(int(x), int(y), int(17 * s), int(6 * s), white);
}

void DrawSun(Canvas& c, double x, double y) {
  c.FillCircle(x, y, 14, Rgb{255, 236, 140});
  c.FillCircle(x, y, 11, Rgb{255, 246, 190});
}

void DrawCountryside(Canvas& c, int horizon) {
  // Two rows of hills: sine ridges, the far one bluer.
  for (int x = 0; x < c.Width(); ++x) {
    const int far = horizon - 10 + int(std::lround(7 * std::sin(x / 23.0) + 4 * std::sin(x / 9.0)));
    const int near = horizon + int(std::lround(6 * std::sin(x / 31.0 + 1.7)));
    for (int y = far; y < c.Height(); ++y) c.Set(x, y, Rgb{104, 170, 110});
    for (int y = near; y < c.Height(); ++y) c.Set(x, y, Rgb{88, 160, 70});
  }
  // The fairway in the foreground: mowing stripes below the near ridge.
  const int top = horizon + 12;
  FillLawn(c, 0, top, c.Width(), c.Height() - top);
  for (int x = 0; x < c.Width(); ++x) c.Set(x, top, Rgb{88, 160, 70});
}

Canvas SplashScreen() {
  Canvas c(kFormW, kFormH);
  c.VerticalGradient(0, 0, kFormW, 150, kSkyTop, kSkyLow);
  DrawSun(c, 204, 112);
  DrawCloud(c, 22, 104, 0.9);
  DrawCloud(c, 120, 100, 0.7);
  DrawCountryside(c, 122);
  // The putting green with the cup, the flag and a ball rolling in.
  FillEllipse(c, 122, 204, 104, 38, Rgb{70, 150, 60});
  FillEllipse(c, 122, 202, 102, 36, Rgb{156, 218, 110});
  FillEllipse(c, 164, 200, 8, 3, Rgb{30, 66, 30});
  FillEllipse(c, 164, 199.5, 7, 2, Rgb{16, 36, 18});
  DrawFlag(c, 163, 200, 76, kFlagRed);
  for (int k = 0; k < 4; ++k)  // the ball's track in the grass
    c.FillRect(72 + k * 12, 214 - k * 3, 4, 1, Rgb{134, 200, 96});
  FillEllipse(c, 124, 208, 6, 2, Rgb{110, 176, 84});
  DrawGolfBall(c, 122.5, 203.5, 5.5);

  const int size = 36;
  DrawWordmark(c, (kFormW - WordmarkWidth(size)) / 2 - 6, 26, size);
  const TextStyle sub = Style(FontFace::kSansBold, 12, kPaper);
  CentredOutlined(c, 120, 84, "Miniature golf, five courses", sub, kInk, Outline::kAround);
  const TextStyle tap = Style(FontFace::kSans, 10, kPaper);
  CentredOutlined(c, 120, 255, "tap to start", tap, kShadow, Outline::kAround);
  LimitColours(c);
  return c;
}

Canvas PublisherSplash() {
  Canvas c(kFormW, kFormH);
  c.VerticalGradient(0, 0, kFormW, kFormH, kNightTop, kNightLow);
  Noise stars(7);
  for (int k = 0; k < 70; ++k) {
    const int x = int(stars.Unit() * kFormW), y = int(stars.Unit() * 170);
    const double t = stars.Unit();
    c.Set(x, y, Mix(Rgb{120, 130, 190}, kPaper, t));
    if (t > 0.9) {  // a few bigger stars twinkle as small crosses
      c.Set(x - 1, y, Rgb{150, 160, 210});
      c.Set(x + 1, y, Rgb{150, 160, 210});
      c.Set(x, y - 1, Rgb{150, 160, 210});
      c.Set(x, y + 1, Rgb{150, 160, 210});
    }
  }

  // The full moon with a faint halo, and an open umbrella standing in front of it.
  const double mx = 120, my = 96;
  c.FillCircle(mx, my, 52, Mix(kNightTop, kMoon, 0.12));
  c.FillCircle(mx, my, 47, Mix(kNightTop, kMoon, 0.22));
  c.FillCircle(mx, my, 44, kMoon);
  c.FillCircle(mx - 16, my + 18, 6, kMoonShade);
  c.FillCircle(mx + 20, my - 22, 4, kMoonShade);
  c.FillCircle(mx + 26, my + 20, 3, kMoonShade);

  // Canopy: the top half of a disc with a scalloped rim (three bites out of its lower edge).
  const double cr = 34, cy = my + 2;
  for (int y = int(cy - cr); y <= int(cy); ++y) {
    for (int x = int(mx - cr); x <= int(mx + cr); ++x) {
      const double dx = x + 0.5 - mx, dy = y + 0.5 - cy;
      if (dx * dx + dy * dy <= cr * cr) c.Set(x, y, kUmbrella);
    }
  }
  for (int k = 0; k < 3; ++k) {
    const double bx = mx - cr + cr / 3 + k * (2 * cr / 3);
    for (int y = int(cy - 6); y <= int(cy + 1); ++y) {
      for (int x = int(bx - 12); x <= int(bx + 12); ++x) {
        const double dx = x + 0.5 - bx, dy = y + 0.5 - (cy + 3);
        if (dx * dx + dy * dy <= 11.5 * 11.5 && std::abs(dx) < 11.4) c.Set(x, y, kMoon);
      }
    }
  }
  // Ribs as lighter lines from the tip to the rim, the tip and the shaft with its hook.
  for (int k = 1; k < 3; ++k) {
    const double a = kPi * (0.5 + (k - 1.5) * 0.38);
    c.Line(int(mx), int(cy - cr), int(mx + std::cos(a) * cr * 0.66), int(cy - 6), Rgb{60, 64, 120});
  }
  c.FillRect(int(mx), int(cy - cr - 4), 1, 4, kUmbrella);
  c.FillRect(int(mx), int(cy - 6), 2, 46, kUmbrella);
  for (int a = 0; a <= 180; a += 4) {  // the hook: a half circle to the left
    const double r = 5.5, rad = a * kPi / 180.0;
    c.FillRect(int(std::lround(mx - r + 1 + r * std::cos(rad))),
               int(std::lround(cy + 40 + r * std::sin(rad))), 2, 2, kUmbrella);
  }

  const TextStyle name = Style(FontFace::kSerifBold, 28, kMoon);
  CentredOutlined(c, 120, 176, "Ombrelune", name, kNightTop, Outline::kShadow);
  const TextStyle presents = Style(FontFace::kSans, 11, Rgb{170, 176, 226});
  CentredLabel(c, 120, 204, "presents", presents);
  LimitColours(c);
  return c;
}

}  // namespace content::screens
