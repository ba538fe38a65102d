// The shot button is green with "SHOT"; the power bar is its pressed face filled left to
// right from green through yellow to red, so the game can wipe it in and back out over it.
#include "content/screens/game_pieces.h"

#include <cmath>

#include "content/screens/backgrounds.h"
#include "content/screens/buttons.h"
#include "content/screens/layout.h"
#include "content/screens/theme.h"

namespace content::screens {

namespace {

Canvas Under(const Place& p) {
  return GameFrame().Crop(p.x, p.y, p.w, p.h);
}

void ShotLabel(Canvas& img, int dx, int dy, int faceH, Rgb outline) {
  const TextStyle style = Style(FontFace::kSansBold, 13, kPaper);
  CentredOutlined(img, img.Width() / 2.0 + dx, (faceH - 1) / 2.0 + dy, "SHOT", style, outline,
                  Outline::kAround);
}

Rgb PowerColour(double t) {
  const Rgb green{70, 200, 60}, yellow{250, 220, 50}, red{230, 50, 40};
  return t < 0.5 ? Mix(green, yellow, t * 2) : Mix(yellow, red, (t - 0.5) * 2);
}

}  // namespace

Canvas ShootStrip() {
  return ButtonStrip(Under(kShootButton), GreenLook(), 3,
                     [](Canvas& img, int dx, int dy, int faceH, ButtonState) {
                       ShotLabel(img, dx, dy, faceH, kShadow);
                     });
}

Canvas EnergyBar() {
  const Canvas under = Under(kShootButton);
  const ButtonLook look = GreenLook();
  // Start from the pressed image, then repaint every face pixel with the power colour of
  // its column; the rim and the background stay as the pressed image has them.
  Canvas img =
      ButtonImage(under, look, ButtonState::kPressed, [](Canvas&, int, int, int, ButtonState) {});
  const int w = img.Width(), faceH = img.Height() - look.depthPx;
  Canvas mask(w - 2, faceH - 2, Rgb{});
  mask.FillRoundRect(0, 0, w - 2, faceH - 2, look.radius - 1, kPaper);
  for (int j = 0; j < faceH - 2; ++j) {
    for (int i = 0; i < w - 2; ++i) {
      if (mask.Get(i, j) == kPaper) {
        const Rgb base = PowerColour(i / double(w - 3));
        // A lighter upper half gives the bar a rounded, glassy look.
        img.Set(i + 1, j + 2, j < (faceH - 2) / 2 ? Shade(base, 0.25) : base);
      }
    }
  }
  ShotLabel(img, 1, 1, faceH, Rgb{110, 40, 20});
  LimitColours(img);
  return img;
}

Canvas MenuStrip() {
  return LabelStrip(Under(kMenuButton), "Menu", FontFace::kCondensedBold, 9);
}

Canvas ScoreBadge() {
  Canvas c(kScoreBadge.w, kScoreBadge.h, kMagenta);
  // A rounded plate around the button (which sits at 6, 5 in the badge), with a drop shadow.
  c.FillRoundRect(3, 2, 26, 26, 6, Rgb{24, 60, 28});
  c.FillRoundRect(2, 1, 26, 26, 6, kInk);
  c.FillRoundRect(3, 2, 24, 24, 5, kCream);
  c.FillRect(6, 3, 18, 1, kPaper);
  return c;
}

Canvas ScoreStrip() {
  const Place& b = kScoreButton;
  const Canvas under = ScoreBadge().Crop(b.x - kScoreBadge.x, b.y - kScoreBadge.y, b.w, b.h);
  ButtonLook look = CreamLook();
  look.radius = 3;
  look.depthPx = 1;
  return ButtonStrip(under, look, 3, [](Canvas& img, int dx, int dy, int, ButtonState s) {
    // A little score card: a white sheet with a header band and three rows of marks.
    const Rgb ink = LabelColour(s);
    img.FillRect(4 + dx, 3 + dy, 11, 13, ink);
    img.FillRect(5 + dx, 4 + dy, 9, 11, kPaper);
    img.FillRect(5 + dx, 4 + dy, 9, 3,
                 s == ButtonState::kNormal || s == ButtonState::kPressed ? kFlagRed : ink);
    for (int k = 0; k < 3; ++k) {
      img.FillRect(6 + dx, 8 + dy + 2 * k, 3, 1, ink);
      img.FillRect(11 + dx, 8 + dy + 2 * k, 2, 1, ink);
    }
  });
}

Canvas Cup() {
  Canvas c(11, 11, kMagenta);
  c.FillCircle(5.5, 5.5, 5.5, Rgb{44, 64, 40});
  c.FillCircle(5.5, 5.5, 4.5, Rgb{16, 24, 16});
  c.FillCircle(5.5, 6.5, 3.5, Rgb{4, 8, 4});
  // The far lip catches the light.
  for (int x = 3; x <= 7; ++x) c.Set(x, 1, Rgb{90, 120, 84});
  return c;
}

}  // namespace content::screens
