// The card's ruling follows where the game writes: hole i's score ends at x 49 * (i / 7 + 1)
// on the row y 56 + 13 * (i % 7), glyphs 11 px high; the total ends at x 147 on y 121. Those
// cells are flat in the score font's paper colour; hole numbers and headings are printed.
#include "content/screens/score_card.h"

#include <string>

#include "content/fonts/font_palette.h"
#include "content/screens/buttons.h"
#include "content/screens/emblems.h"
#include "content/screens/layout.h"
#include "content/screens/theme.h"

namespace content::screens {

namespace {

constexpr int kW = kPlayfield.w, kH = kPlayfield.h;
constexpr Rgb kCardFace{238, 230, 200};
constexpr Rgb kCell = kScoreCardFontColours.paper;
constexpr Rgb kRuleColour{214, 214, 196};
constexpr int kCellW = 23;  // the score cell, ending two pixels past the digits

void Frame(Canvas& c, int h) {
  c.FillRect(0, 0, kW, 1, kShadow);
  c.FillRect(0, 0, 1, h, kShadow);
  c.FillRect(kW - 1, 0, 1, h, kShadow);
  if (h == kH) c.FillRect(0, kH - 1, kW, 1, kShadow);
}

void Band(Canvas& c, Rgb light, Rgb deep) {
  c.VerticalGradient(0, 0, kW, kCardFaceH - 2, Shade(light, 0.15), light);
  c.FillRect(0, kCardFaceH - 2, kW, 2, deep);
  Frame(c, kCardFaceH);
}

}  // namespace

Canvas ScoreCard() {
  Canvas c(kW, kH, kCardFace);
  Band(c, kRough, kShadow);
  CentredOutlined(c, kW / 2.0, 17, "Score card", Style(FontFace::kSansBold, 15, kPaper), kShadow,
                  Outline::kAround);
  Frame(c, kH);

  const TextStyle head = Style(FontFace::kCondensedBold, 9, kInkSoft);
  const TextStyle number = Style(FontFace::kSansBold, 9, Rgb{120, 130, 112});
  for (int col = 0; col < 3; ++col) {
    const int right = kCardColumnStep * (col + 1);  // where the game's digits end
    const int cellX = right + 2 - kCellW;
    DrawText(c, right - kCardColumnStep + 4, 41, "Hole", head);
    const int sw = TextWidth("Pts", head);
    DrawText(c, right + 1 - sw, 41, "Pts", head);
    c.FillRect(right - kCardColumnStep + 3, 53, kCardColumnStep - 1, 1, kInkSoft);
    for (int row = 0; row < 7; ++row) {
      const int hole = col * 7 + row + 1;
      const int top = kCardRowTop + kCardRowStep * row;
      const bool total = col == 2 && top == kCardTotalTop;
      if (hole > 18 && !total) continue;
      c.FillRect(cellX, top - 1, kCellW, kCardRowStep - 1, kCell);
      c.FillRect(right - kCardColumnStep + 3, top + 11, kCardColumnStep - 1, 1, kRuleColour);
      if (total) {
        c.FrameRect(cellX - 1, top - 2, kCellW + 2, kCardRowStep + 1, kInk);
        c.FillRect(right - kCardColumnStep + 3, top + 11, kCardColumnStep - 1, 1, kCardFace);
        // The label stands in the empty row above the total.
        const TextStyle bold = Style(FontFace::kCondensedBold, 10, kInk);
        DrawText(c, right + 2 - TextWidth("Total", bold), top - kCardRowStep, "Total", bold);
        continue;
      }
      const std::string label = std::to_string(hole);
      DrawText(c, cellX - 4 - TextWidth(label, number), top, label, number);
    }
  }
  // A ball waiting by the flag, right of the columns.
  FillEllipse(c, 176, 136, 14, 4, Rgb{196, 220, 170});
  FillEllipse(c, 174, 136, 6, 2, Rgb{40, 60, 40});
  DrawFlag(c, 173, 136, 70, kFlagRed);
  DrawGolfBall(c, 190.5, 134.5, 3.5);
  LimitColours(c);
  return c;
}

Canvas ScoreFace(int course) {
  const CourseLook look = CourseOf(course);
  Canvas c(kW, kCardFaceH, look.colour);
  Band(c, look.colour, look.deep);
  DrawCourseEmblem(c, 22, 18, 14, course);
  // Light grounds (sand, moon dust) take dark lettering; the others white.
  const Rgb g = look.colour;
  const bool light = 0.3 * g.r + 0.59 * g.g + 0.11 * g.b > 170;
  const Rgb ink = light ? Shade(look.deep, -0.35) : kPaper,
            rim = light ? Shade(g, 0.45) : look.deep;
  const Outline kind = light ? Outline::kShadow : Outline::kAround;
  const TextStyle name = Style(FontFace::kSansBold, 15, ink);
  DrawTextOutlined(c, 44, CentredTop(name, 12), look.name, name, rim, kind);
  const TextStyle sub = Style(FontFace::kSansBold, 9, ink);
  DrawTextOutlined(c, 44, CentredTop(sub, 28), "Score card", sub, rim, kind);
  LimitColours(c);
  return c;
}

Canvas CardDoneStrip() {
  const Place& d = kCardDone;
  return LabelStrip(ScoreCard().Crop(d.x, d.y, d.w, d.h), "Done", FontFace::kSansBold, 13);
}

}  // namespace content::screens
