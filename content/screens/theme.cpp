// The shared look of the screen pictures: lawn, panels, labels, small golf motifs and the
// 256-colour limit.
#include "content/screens/theme.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>

namespace content::screens {

void FillLawn(Canvas& c, int x, int y, int w, int h, int ox, int oy) {
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      // Stripes run from top right to bottom left; 14 px bands read as mowing at 1x.
      const int band = ((ox + x + i) + (oy + y + j)) / 14;
      c.Set(x + i, y + j, band % 2 ? kLawnDark : kLawnLight);
    }
  }
}

void FillPanel(Canvas& c, int x, int y, int w, int h, int radius, Rgb outline, Rgb top,
               Rgb bottom) {
  c.FillRoundRect(x, y, w, h, radius, outline);
  // The face: a rounded mask one pixel in, filled row by row with the gradient.
  Canvas mask(w - 2, h - 2, Rgb{});
  mask.FillRoundRect(0, 0, w - 2, h - 2, std::max(radius - 1, 0), kPaper);
  for (int j = 0; j < h - 2; ++j) {
    const Rgb row = Mix(top, bottom, h > 3 ? j / double(h - 3) : 0.0);
    for (int i = 0; i < w - 2; ++i)
      if (mask.Get(i, j) == kPaper) c.Set(x + 1 + i, y + 1 + j, row);
  }
}

TextStyle Style(FontFace face, int size, Rgb colour) {
  TextStyle s;
  s.face = face;
  s.pixelSize = size;
  s.colour = colour;
  s.smoothing = Smoothing::kCrisp;
  return s;
}

int CentredTop(const TextStyle& style, double centreY) {
  // Centre the cap height rather than the whole line box: labels have few descenders.
  const int ascent = Ascent(style.face, style.pixelSize);
  const double capHeight = style.pixelSize * 0.73;
  return int(std::lround(centreY + capHeight / 2.0)) - ascent;
}

void CentredLabel(Canvas& c, double centreX, double centreY, std::string_view text,
                  const TextStyle& style) {
  const int w = TextWidth(text, style);
  DrawText(c, int(std::lround(centreX - w / 2.0)), CentredTop(style, centreY), text, style);
}

void CentredOutlined(Canvas& c, double centreX, double centreY, std::string_view text,
                     const TextStyle& style, Rgb outline, Outline kind) {
  const int w = TextWidth(text, style);
  DrawTextOutlined(c, int(std::lround(centreX - w / 2.0)), CentredTop(style, centreY), text, style,
                   outline, kind);
}

void ThickOutlined(Canvas& c, int x, int y, std::string_view text, const TextStyle& style,
                   Rgb outline, int radius) {
  TextStyle under = style;
  under.colour = outline;
  for (int dy = -radius; dy <= radius; ++dy) {
    for (int dx = -radius; dx <= radius; ++dx) {
      if ((dx || dy) && dx * dx + dy * dy <= radius * radius + 1)
        DrawText(c, x + dx, y + dy, text, under);
    }
  }
  DrawText(c, x, y, text, style);
}

void FillEllipse(Canvas& c, double cx, double cy, double rx, double ry, Rgb colour) {
  for (int y = int(std::floor(cy - ry)); y <= int(std::ceil(cy + ry)); ++y) {
    for (int x = int(std::floor(cx - rx)); x <= int(std::ceil(cx + rx)); ++x) {
      const double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
      if (u * u + v * v <= 1.0) c.Set(x, y, colour);
    }
  }
}

void DrawGolfBall(Canvas& c, double cx, double cy, double radius) {
  c.FillCircle(cx, cy, radius, Rgb{150, 160, 150});
  c.FillCircle(cx - 0.4, cy - 0.4, radius - 1, Rgb{236, 240, 236});
  c.FillCircle(cx - radius * 0.3, cy - radius * 0.3, radius * 0.45, kPaper);
  // Dimples: a few dots on the shaded side.
  if (radius >= 5) {
    for (int k = 0; k < 3; ++k) {
      c.Set(int(cx + radius * 0.35 + k % 2 * 2), int(cy + radius * 0.1 + k * 2 - 1),
            Rgb{200, 206, 200});
    }
  }
}

void DrawFlag(Canvas& c, int x, int bottom, int height, Rgb flag) {
  c.FillRect(x, bottom - height, 2, height, Rgb{240, 240, 232});
  c.FillRect(x + 1, bottom - height, 1, height, Rgb{170, 170, 160});
  const int fh = std::max(height / 4, 5);
  const int fw = fh * 3 / 2 + 2;
  for (int j = 0; j < fh; ++j) {
    // A pennant narrowing to a point on the right.
    const int len = fw - std::abs(2 * j - (fh - 1)) * fw / (2 * fh);
    c.FillRect(x + 2, bottom - height + j, len, 1, j < fh / 2 ? flag : Shade(flag, -0.15));
  }
}

void LimitColours(Canvas& c) {
  auto count = [&] {
    std::set<std::tuple<int, int, int>> seen;
    for (const Rgb p : c.Pixels()) {
      seen.emplace(p.r, p.g, p.b);
      if (seen.size() > 256) break;
    }
    return seen.size();
  };
  for (int step = 2; count() > 256 && step <= 64; step *= 2) {
    auto round = [step](uint8_t v) {
      return uint8_t(std::min(255, int(std::lround(v / double(step))) * step));
    };
    for (int y = 0; y < c.Height(); ++y) {
      for (int x = 0; x < c.Width(); ++x) {
        const Rgb p = c.Get(x, y);
        if (p == kMagenta) continue;
        c.Set(x, y, Rgb{round(p.r), round(p.g), round(p.b)});
      }
    }
  }
}

}  // namespace content::screens
