// The one look shared by every screen picture: the palette, lawn backgrounds, rounded panels,
// label text, and the colour limit that keeps each picture an 8-bit bitmap.
#pragma once

#include <string_view>

#include "content/art/canvas.h"
#include "content/art/text.h"

namespace content::screens {

// Palette. Text areas the game writes into with its bitmap fonts are flat in that font's paper
// colour (content/fonts/font_palette.h), so the opaque glyph cells sit on them without seams;
// the areas for the system font (about screen) are kPaper.
inline constexpr Rgb kPaper{255, 255, 255};
inline constexpr Rgb kInk{26, 70, 34};          // labels and outlines
inline constexpr Rgb kInkSoft{96, 128, 100};    // small captions
inline constexpr Rgb kLawnLight{132, 200, 90};  // the mowed stripes
inline constexpr Rgb kLawnDark{114, 184, 76};
inline constexpr Rgb kRough{62, 132, 56};  // the game screen's frame
inline constexpr Rgb kRoughDark{48, 110, 46};
inline constexpr Rgb kCream{255, 250, 230};  // button and panel faces
inline constexpr Rgb kCreamShade{234, 222, 184};
inline constexpr Rgb kFlagRed{222, 52, 48};
inline constexpr Rgb kGold{250, 198, 58};
inline constexpr Rgb kSkyTop{96, 174, 236};
inline constexpr Rgb kSkyLow{206, 236, 252};
inline constexpr Rgb kShadow{20, 52, 26};

// Diagonal mowing stripes, 14 px wide, over the rectangle; (ox, oy) is the rectangle's place
// on the form so that pieces drawn apart line up with the full background.
void FillLawn(Canvas& c, int x, int y, int w, int h, int ox = 0, int oy = 0);

// A rounded rectangle with a one-pixel outline and a vertical gradient face.
void FillPanel(Canvas& c, int x, int y, int w, int h, int radius, Rgb outline, Rgb top, Rgb bottom);

// Text helpers: all crisp unless the style says otherwise.
TextStyle Style(FontFace face, int size, Rgb colour);
// Top y that centres the font's line box (ascent + descent) on `centreY`.
int CentredTop(const TextStyle& style, double centreY);
// Text centred on (centreX, centreY), with an optional one-pixel outline or shadow.
void CentredLabel(Canvas& c, double centreX, double centreY, std::string_view text,
                  const TextStyle& style);
void CentredOutlined(Canvas& c, double centreX, double centreY, std::string_view text,
                     const TextStyle& style, Rgb outline, Outline kind);
// A thick outline: the text stamped in `outline` at every offset within `radius`, then on top.
void ThickOutlined(Canvas& c, int x, int y, std::string_view text, const TextStyle& style,
                   Rgb outline, int radius);

// A filled ellipse around (cx, cy) with radii rx, ry.
void FillEllipse(Canvas& c, double cx, double cy, double rx, double ry, Rgb colour);
// A golf ball of the given radius with a soft shade and a highlight.
void DrawGolfBall(Canvas& c, double cx, double cy, double radius);
// A flagstick standing on (x, bottom), `height` tall, with a pennant of `flag` colour.
void DrawFlag(Canvas& c, int x, int bottom, int height, Rgb flag);

// Rounds colours until the picture holds at most 256 of them, so it is stored as an 8-bit
// bitmap; pure white, black and the magenta key survive every step.
void LimitColours(Canvas& c);

}  // namespace content::screens
