// The about screen: the countryside with the wordmark, a white plate where the game writes the
// version (at 186, 73), and a white band across y 150..179 for the credit lines at y 158.
#include "content/screens/backgrounds.h"
#include "content/screens/layout.h"
#include "content/screens/theme.h"

namespace content::screens {

Canvas AboutScreen() {
  Canvas c(kFormW, kFormH);
  c.VerticalGradient(0, 0, kFormW, 140, kSkyTop, kSkyLow);
  DrawSun(c, 200, 30);
  DrawCloud(c, 18, 34, 1.0);
  DrawCountryside(c, 112);
  const int size = 30;
  DrawWordmark(c, 12, 56, size);

  // The version plate: flat white inside, so the system font's opaque text blends in.
  const Place& v = kVersionArea;
  c.FillRoundRect(v.x, v.y, v.w, v.h, 5, kInk);
  c.FillRoundRect(v.x + 1, v.y + 1, v.w - 2, v.h - 2, 4, kPaper);

  const TextStyle sub = Style(FontFace::kSansBold, 11, kPaper);
  CentredOutlined(c, 120, 104, "Miniature golf for your handheld", sub, kInk, Outline::kAround);

  // The credits band: a white board with a dark rim and two posts.
  const Place& b = kCreditsArea;
  c.FillRect(40, b.y + b.h, 3, 10, Rgb{120, 84, 44});
  c.FillRect(197, b.y + b.h, 3, 10, Rgb{120, 84, 44});
  c.FillRoundRect(b.x - 1, b.y - 1, b.w + 2, b.h + 2, 5, kInk);
  c.FillRoundRect(b.x, b.y, b.w, b.h, 4, kPaper);

  const TextStyle small = Style(FontFace::kSansBold, 10, kPaper);
  CentredOutlined(c, 120, 206, "Made by Ombrelune", small, kShadow, Outline::kAround);
  CentredOutlined(c, 120, 220, "Five courses, ninety holes", small, kShadow, Outline::kAround);
  LimitColours(c);
  return c;
}

}  // namespace content::screens
