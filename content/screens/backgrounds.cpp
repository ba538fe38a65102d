// The lawn, menu, game frame and about backgrounds. Areas where the game writes text are flat
// paper white; the places of buttons are left to the button strips, drawn over crops of these.
#include "content/screens/backgrounds.h"

#include <cmath>

#include "content/screens/layout.h"
#include "content/screens/theme.h"

namespace content::screens {

namespace {

void Border(Canvas& c) {
  c.FrameRect(0, 0, c.Width(), c.Height(), kShadow);
  c.FrameRect(1, 1, c.Width() - 2, c.Height() - 2, Shade(kLawnLight, 0.35));
}

}  // namespace

Canvas ClearScreen() {
  Canvas c(kFormW, kFormH);
  FillLawn(c, 0, 0, kFormW, kFormH);
  Border(c);
  LimitColours(c);
  return c;
}

int WordmarkWidth(int size) {
  return TextWidth("Puttland", Style(FontFace::kSansBold, size, kPaper));
}

void DrawWordmark(Canvas& c, int x, int y, int size) {
  const int r = size >= 24 ? 3 : 2;
  TextStyle shadow = Style(FontFace::kSansBold, size, kShadow);
  ThickOutlined(c, x + 2, y + 2, "Puttland", shadow, kShadow, r);
  ThickOutlined(c, x, y, "Puttland", Style(FontFace::kSansBold, size, kPaper), kInk, r);
  // The dot of a golf ball sits on the "d" as a signature touch.
  const int w = WordmarkWidth(size);
  const int ascent = Ascent(FontFace::kSansBold, size);
  const double ball = size / 6.0;
  DrawGolfBall(c, x + w + ball + 1, y + ascent - ball + 1, ball);
}

Canvas MenuScreen() {
  Canvas c = ClearScreen();
  const int size = 20;
  const int w = WordmarkWidth(size);
  DrawWordmark(c, (kFormW - w) / 2 - 4, 2, size);
  // The margins beside the buttons: a flag in its cup on the right, a ball on the left.
  FillEllipse(c, 210, 251, 9, 3.5, Rgb{40, 80, 38});
  FillEllipse(c, 210, 250.5, 8, 2.5, Rgb{22, 50, 24});
  DrawFlag(c, 207, 250, 56, kFlagRed);
  DrawGolfBall(c, 26.5, 248.5, 5.5);
  LimitColours(c);
  return c;
}

}  // namespace content::screens
