// The game screen's frame: a darker lawn around the playfield, the status plate with the dark
// wells the game writes the hole and stroke numbers into, and room for its three buttons.
#include <cmath>

#include "content/fonts/font_palette.h"
#include "content/screens/backgrounds.h"
#include "content/screens/layout.h"
#include "content/screens/theme.h"

namespace content::screens {

namespace {

// Wells for the status digits: the game right-aligns them on x 60 and x 121 from y 16.
constexpr int kWellTop = 12, kWellH = 24;
constexpr int kHoleWellX = 36, kStrokeWellX = 98, kWellW = 28;

void Well(Canvas& c, int x) {
  c.FillRoundRect(x, kWellTop, kWellW, kWellH, 3, kShadow);
  c.FillRoundRect(x + 1, kWellTop + 1, kWellW - 2, kWellH - 2, 2, kStatusFontColours.paper);
}

}  // namespace

Canvas GameFrame() {
  Canvas c(kFormW, kFormH, kRough);
  // Wide soft stripes in the rough, quieter than the menu lawn so the hole stands out.
  for (int y = 0; y < kFormH; ++y) {
    for (int x = 0; x < kFormW; ++x)
      if ((x + y) / 20 % 2) c.Set(x, y, kRoughDark);
  }
  c.FrameRect(0, 0, kFormW, kFormH, kShadow);

  // The playfield sits in a two-pixel sunken frame; its inside is covered by the hole.
  const Place& p = kPlayfield;
  c.FillRect(p.x - 2, p.y - 2, p.w + 4, p.h + 4, Rgb{28, 60, 30});
  c.FillRect(p.x - 1, p.y - 1, p.w + 2, p.h + 2, kShadow);
  c.FillRect(p.x + 1, p.y + p.h, p.w + 1, 1, Rgb{110, 170, 96});
  c.FillRect(p.x + p.w, p.y + 1, 1, p.h, Rgb{110, 170, 96});
  c.FillRect(p.x, p.y, p.w, p.h, Rgb{70, 150, 70});

  // Status plate left of the menu button (x 132): HOLE [n]  SHOT [n].
  FillPanel(c, 3, 7, 126, 34, 6, kInk, kCream, kCreamShade);
  Well(c, kHoleWellX);
  Well(c, kStrokeWellX);
  const TextStyle label = Style(FontFace::kCondensedBold, 10, kInk);
  CentredLabel(c, 19.5, kWellTop + kWellH / 2.0 - 0.5, "HOLE", label);
  CentredLabel(c, 81, kWellTop + kWellH / 2.0 - 0.5, "SHOT", label);

  // A small wordmark under the plate; the rest of the strip stays lawn.
  const TextStyle mark = Style(FontFace::kSansBold, 10, kPaper);
  DrawTextOutlined(c, 8, 47, "Puttland", mark, kShadow, Outline::kAround);
  LimitColours(c);
  return c;
}

}  // namespace content::screens
