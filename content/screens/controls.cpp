// The scroll bar's parts and the radio button strip. The track shows only between the two
// buttons (its top and bottom 14 rows lie under them), so it is a plain groove full height.
#include "content/screens/backgrounds.h"
#include "content/screens/boxes.h"
#include "content/screens/buttons.h"
#include "content/screens/layout.h"
#include "content/screens/theme.h"

namespace content::screens {

namespace {

constexpr Rgb kGroove{206, 222, 190}, kGrooveDark{170, 192, 156};

ButtonLook SmallLook() {
  ButtonLook look = CreamLook();
  look.radius = 3;
  look.depthPx = 1;
  return look;
}

}  // namespace

Canvas ScrollTrack(int height) {
  Canvas c(kScrollPart, height, kGroove);
  c.FillRect(0, 0, 1, height, kInk);
  c.FillRect(kScrollPart - 1, 0, 1, height, kInk);
  c.FillRect(1, 0, 2, height, kGrooveDark);
  c.FillRect(6, 0, 2, height, Rgb{188, 206, 172});
  c.FrameRect(0, 0, kScrollPart, height, kInk);
  return c;
}

Canvas ScrollButtonStrip(bool up) {
  // Drawn over the help screen's lawn where the buttons sit; the highscores bar is one pixel
  // to the left, which only the corner pixels could show.
  const Place& t = kHelpTrack;
  const int y = up ? t.y : t.y + t.h - kScrollPart;
  const Canvas under = ClearScreen().Crop(t.x, y, kScrollPart, kScrollPart);
  return ButtonStrip(under, SmallLook(), 3,
                     [up](Canvas& img, int dx, int dy, int faceH, ButtonState s) {
                       // A filled triangle, 7 wide and 4 high, centred on the face.
                       const Rgb ink = LabelColour(s);
                       const int cx = 6 + dx, cy = (faceH - 4) / 2 + dy;
                       for (int j = 0; j < 4; ++j) {
                         const int row = up ? j : 3 - j;
                         img.FillRect(cx - j, cy + row, 2 * j + 2, 1, ink);
                       }
                     });
}

Canvas ScrollThumb() {
  Canvas c = ScrollTrack(kScrollPart);
  FillPanel(c, 1, 0, kScrollPart - 2, kScrollPart, 3, kShadow, Rgb{120, 200, 96}, Rgb{56, 146, 56});
  for (int k = 0; k < 3; ++k) c.FillRect(4, 4 + 2 * k, 6, 1, Rgb{200, 240, 180});
  LimitColours(c);
  return c;
}

Canvas RadioStrip() {
  const Place& r = kRadioOn;
  const Canvas under = OptionsBox().Crop(r.x - kOptionsBox.x, r.y - kOptionsBox.y, r.w, r.h);
  Canvas strip(r.w * 3, r.h);
  for (int k = 0; k < 3; ++k) {
    Canvas img = under;
    const double c = 7.5;
    img.FillCircle(c, c, 7.5, kInk);
    img.FillCircle(c, c, 6.5, kPaper);
    img.FillCircle(c, c + 0.5, 6.5, Rgb{236, 236, 226});
    img.FillCircle(c, c + 1, 6, kPaper);
    if (k == 1) {
      img.FillCircle(c, c, 4, Rgb{40, 130, 50});
      img.FillCircle(c - 1, c - 1, 1.5, Rgb{150, 220, 130});
    }
    if (k == 2) GreyOut(img, under);
    strip.Draw(img, k * r.w, 0);
  }
  LimitColours(strip);
  return strip;
}

}  // namespace content::screens
