// Title plates and the text boxes. Their wells, flat in the list font's paper colour, are where
// the game writes: the help lines from (2, 2) every 12 px, and the highscore rows at box y 6,
// 24 and 42 from x 60 (the score right-aligned on x 168).
#include "content/screens/boxes.h"

#include <algorithm>
#include <cmath>

#include "content/fonts/font_palette.h"
#include "content/screens/backgrounds.h"
#include "content/screens/emblems.h"
#include "content/screens/layout.h"
#include "content/screens/theme.h"

namespace content::screens {

namespace {

constexpr Rgb kWellRim{176, 192, 170};
constexpr Rgb kRule{222, 230, 216};

void Trophy(Canvas& c, int cx, int top) {
  const Rgb gold = kGold, deep{196, 140, 30}, light{255, 236, 150};
  // Ring handles, the bowl (a half disc), a stem and a two-step base.
  for (double r = 3.5; r <= 5; r += 0.5) {
    c.Circle(cx - 12, top + 6, r, deep);
    c.Circle(cx + 13, top + 6, r, deep);
  }
  for (int j = 0; j <= 13; ++j) {
    const double half = 13.0 * std::sqrt(std::max(0.0, 1.0 - (j * j) / 182.0));
    c.FillRect(int(cx + 0.5 - half), top + j, int(2 * half), 1, j < 11 ? gold : deep);
  }
  c.FillRect(cx - 13, top, 26, 1, deep);
  c.FillRect(cx - 8, top + 2, 2, 8, light);
  c.FillRect(cx - 2, top + 14, 5, 6, deep);
  c.FillRect(cx - 7, top + 20, 15, 3, gold);
  c.FillRect(cx - 9, top + 23, 19, 5, Rgb{120, 84, 44});
  c.FillRect(cx - 9, top + 23, 19, 1, Rgb{150, 110, 64});
}

}  // namespace

Canvas TitlePlate(std::string_view title) {
  const Place& p = kTitle;
  Canvas c = ClearScreen().Crop(p.x, p.y, p.w, p.h);
  FillPanel(c, 0, 0, p.w, p.h, 7, kShadow, Rgb{80, 160, 70}, Rgb{40, 112, 44});
  c.FillRect(7, 1, p.w - 14, 1, Rgb{140, 206, 120});
  DrawGolfBall(c, 12.5, 10.5, 4.5);
  DrawGolfBall(c, p.w - 12.5, 10.5, 4.5);
  CentredOutlined(c, p.w / 2.0, 10, title, Style(FontFace::kSansBold, 14, kPaper), kShadow,
                  Outline::kShadow);
  LimitColours(c);
  return c;
}

Canvas HelpBox() {
  const Place& p = kHelpBox;
  Canvas c(p.w, p.h, kListFontColours.paper);
  c.FrameRect(0, 0, p.w, p.h, kInk);
  return c;
}

Canvas HighscoreBox() {
  const Place& p = kHighscoreBox;
  Canvas c = ClearScreen().Crop(p.x, p.y, p.w, p.h);
  FillPanel(c, 0, 0, p.w, p.h, 6, kInk, kCream, kCreamShade);
  Trophy(c, 28, 14);
  // The well: rows at y 6, 24, 42 (11 px each), text from x 60, score ending at x 168.
  c.FillRoundRect(56, 3, 121, 51, 3, kWellRim);
  c.FillRect(57, 4, 119, 49, kListFontColours.paper);
  for (int x = 60; x < 173; x += 2) {
    c.Set(x, 20, kRule);
    c.Set(x, 38, kRule);
  }
  DrawText(c, 120, 43, "best", Style(FontFace::kSans, 9, Rgb{150, 166, 150}));
  LimitColours(c);
  return c;
}

Canvas OptionsBox() {
  const Place& p = kOptionsBox;
  Canvas c = ClearScreen().Crop(p.x, p.y, p.w, p.h);
  FillPanel(c, 0, 0, p.w, p.h, 8, kInk, kCream, kCreamShade);
  const TextStyle heading = Style(FontFace::kSansBold, 12, kInk);
  const TextStyle caption = Style(FontFace::kSans, 9, kInkSoft);
  for (int k = 0; k < kCourseCount; ++k) DrawCourseEmblem(c, p.w / 2.0 - 52 + 26 * k, 20, 9.5, k);
  CentredLabel(c, p.w / 2.0, 50, "Player name", heading);
  // A rim one pixel around the name box; the box itself is the system's edit control.
  const Place& n = kNameBox;
  c.FillRect(n.x - p.x - 2, n.y - p.y - 2, n.w + 4, n.h + 4, Rgb{200, 190, 150});
  c.FrameRect(n.x - p.x - 1, n.y - p.y - 1, n.w + 2, n.h + 2, kInk);
  c.FillRect(n.x - p.x, n.y - p.y, n.w, n.h, kPaper);
  CentredLabel(c, p.w / 2.0, 92, "Your name for the highscores", caption);
  c.FillRect(16, 106, p.w - 32, 1, Rgb{200, 188, 146});
  c.FillRect(16, 107, p.w - 32, 1, kPaper);
  CentredLabel(c, p.w / 2.0, 122, "Sounds", heading);
  const TextStyle choice = Style(FontFace::kSansBold, 11, kInk);
  const int ry = kRadioOn.y - p.y + kRadioOn.h / 2;
  DrawText(c, kRadioOn.x - p.x + kRadioOn.w + 4, CentredTop(choice, ry - 0.5), "On", choice);
  DrawText(c, kRadioOff.x - p.x + kRadioOff.w + 4, CentredTop(choice, ry - 0.5), "Off", choice);
  LimitColours(c);
  return c;
}

}  // namespace content::screens
