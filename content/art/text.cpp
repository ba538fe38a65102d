// FreeType rendering of DejaVu text for the art generators. Faces are opened once per process.
#include "content/art/text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace content {

namespace {

const char* FileOf(FontFace face) {
  switch (face) {
    case FontFace::kSans:
      return "DejaVuSans.ttf";
    case FontFace::kSansBold:
      return "DejaVuSans-Bold.ttf";
    case FontFace::kCondensedBold:
      return "DejaVuSansCondensed-Bold.ttf";
    case FontFace::kSerifBold:
      return "DejaVuSerif-Bold.ttf";
    case FontFace::kMono:
      return "DejaVuSansMono.ttf";
    case FontFace::kMonoBold:
      return "DejaVuSansMono-Bold.ttf";
  }
  return "DejaVuSans.ttf";
}

// The library and its open faces, for the length of one generator run.
class Fonts {
 public:
  Fonts() {
    if (FT_Init_FreeType(&library_)) throw std::runtime_error("FreeType did not start");
  }
  ~Fonts() {
    for (auto& [face, handle] : faces_) FT_Done_Face(handle);
    FT_Done_FreeType(library_);
  }
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;

  FT_Face Face(FontFace face, int pixelSize) {
    auto it = faces_.find(face);
    if (it == faces_.end()) {
      const char* dir = std::getenv("PT_FONT_DIR");
      const std::string path =
          std::string(dir ? dir : "/usr/share/fonts/truetype/dejavu") + "/" + FileOf(face);
      FT_Face handle = nullptr;
      if (FT_New_Face(library_, path.c_str(), 0, &handle)) {
        throw std::runtime_error("cannot open the font " + path +
                                 " (Debian package fonts-dejavu-core)");
      }
      it = faces_.emplace(face, handle).first;
    }
    FT_Set_Pixel_Sizes(it->second, 0, FT_UInt(pixelSize));
    return it->second;
  }

 private:
  FT_Library library_ = nullptr;
  std::map<FontFace, FT_Face> faces_;
};

Fonts& TheFonts() {
  static Fonts fonts;
  return fonts;
}

}  // namespace

std::u32string DecodeUtf8(std::string_view s) {
  std::u32string out;
  size_t i = 0;
  while (i < s.size()) {
    const auto c = uint8_t(s[i]);
    const int extra = c < 0x80         ? 0
                      : (c >> 5) == 6  ? 1
                      : (c >> 4) == 14 ? 2
                      : (c >> 3) == 30 ? 3
                                       : -1;
    bool ok = extra >= 0 && i + size_t(extra) < s.size();
    char32_t cp = ok ? char32_t(extra == 0 ? c : c & (0x3F >> extra)) : 0;
    for (int k = 1; ok && k <= extra; ++k) {
      const auto d = uint8_t(s[i + size_t(k)]);
      ok = (d >> 6) == 2;
      cp = cp << 6 | (d & 0x3F);
    }
    out.push_back(ok ? cp : U'\uFFFD');
    i += ok ? size_t(extra) + 1 : 1;
  }
  return out;
}

Glyph RenderGlyph(char32_t codePoint, FontFace face, int pixelSize, Smoothing smoothing) {
  FT_Face f = TheFonts().Face(face, pixelSize);
  Glyph g;
  const FT_UInt index = FT_Get_Char_Index(f, codePoint);
  const FT_Int32 flags = FT_LOAD_RENDER | (smoothing == Smoothing::kCrisp ? FT_LOAD_TARGET_MONO
                                                                          : FT_LOAD_TARGET_LIGHT);
  if (FT_Load_Glyph(f, index, flags)) return g;
  const FT_GlyphSlot slot = f->glyph;
  const FT_Bitmap& bm = slot->bitmap;
  g.width = int(bm.width);
  g.height = int(bm.rows);
  g.left = slot->bitmap_left;
  g.top = slot->bitmap_top;
  g.advance = int((slot->advance.x + 32) >> 6);
  g.coverage.resize(size_t(g.width) * size_t(g.height));
  for (int y = 0; y < g.height; ++y) {
    const unsigned char* row = bm.buffer + ptrdiff_t(y) * bm.pitch;
    for (int x = 0; x < g.width; ++x) {
      const uint8_t v = bm.pixel_mode == FT_PIXEL_MODE_MONO
                            ? ((row[x >> 3] >> (7 - (x & 7))) & 1 ? 255 : 0)
                            : row[x];
      g.coverage[size_t(y) * size_t(g.width) + size_t(x)] = v;
    }
  }
  return g;
}

int Ascent(FontFace face, int pixelSize) {
  FT_Face f = TheFonts().Face(face, pixelSize);
  return int((f->size->metrics.ascender + 63) >> 6);
}

int Descent(FontFace face, int pixelSize) {
  FT_Face f = TheFonts().Face(face, pixelSize);
  return int((-f->size->metrics.descender + 63) >> 6);
}

int TextWidth(std::string_view utf8, const TextStyle& style) {
  int width = 0;
  for (char32_t cp : DecodeUtf8(utf8))
    width += RenderGlyph(cp, style.face, style.pixelSize, style.smoothing).advance;
  return width;
}

int DrawText(Canvas& canvas, int x, int y, std::string_view utf8, const TextStyle& style) {
  const int baseline = y + Ascent(style.face, style.pixelSize);
  for (char32_t cp : DecodeUtf8(utf8)) {
    const Glyph g = RenderGlyph(cp, style.face, style.pixelSize, style.smoothing);
    for (int j = 0; j < g.height; ++j) {
      for (int i = 0; i < g.width; ++i) {
        const uint8_t a = g.coverage[size_t(j) * size_t(g.width) + size_t(i)];
        if (a) canvas.Blend(x + g.left + i, baseline - g.top + j, style.colour, a / 255.0);
      }
    }
    x += g.advance;
  }
  return x;
}

void DrawTextCentred(Canvas& canvas, int centreX, int y, std::string_view utf8,
                     const TextStyle& style) {
  DrawText(canvas, centreX - TextWidth(utf8, style) / 2, y, utf8, style);
}

void DrawTextOutlined(Canvas& canvas, int x, int y, std::string_view utf8, const TextStyle& style,
                      Rgb outline, Outline kind) {
  TextStyle under = style;
  under.colour = outline;
  if (kind == Outline::kShadow) {
    DrawText(canvas, x + 1, y + 1, utf8, under);
  } else {
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx)
        if (dx || dy) DrawText(canvas, x + dx, y + dy, utf8, under);
    }
  }
  DrawText(canvas, x, y, utf8, style);
}

}  // namespace content
