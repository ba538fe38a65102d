// The paper and ink colours of the three bitmap fonts. Glyphs are copied opaque, so the screen
// art behind every text line must be flat in the font's paper colour; screen generators use these.
#pragma once

#include "content/art/canvas.h"

namespace content {

struct FontColours {
  Rgb paper;  // fills each glyph cell; must equal the picture behind the text
  Rgb ink;
};

// "pt_font01.bmp": hole and stroke numbers in the dark green windows of the game screen's top bar.
inline constexpr FontColours kStatusFontColours{{18, 58, 34}, {255, 236, 150}};
// "pt_font02.bmp": the score card's numbers, on the card's cream paper.
inline constexpr FontColours kScoreCardFontColours{{255, 250, 232}, {28, 44, 96}};
// "pt_highscores_font.bmp": high-score boxes and the help box, on the same cream paper.
inline constexpr FontColours kListFontColours{{255, 250, 232}, {24, 28, 36}};

}  // namespace content
