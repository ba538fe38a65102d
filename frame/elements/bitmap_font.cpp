// BitmapFont: metrics parsing, glyph lookup, drawing and measuring.
#include "frame/elements/bitmap_font.h"

#include "storage/resource/vfile_resource.h"

namespace frame {

namespace {

BitmapFontMetrics LoadMetrics(const char* entryName) {
  storage::VFileResource resource(MetricsEntryName(entryName).c_str());
  return BitmapFontMetrics::Parse(static_cast<const uint8_t*>(resource.Data()), resource.Size());
}

}  // namespace

BitmapFont::BitmapFont(const char* entryName, int spacing)
    : BitmapFont(Picture(entryName), LoadMetrics(entryName), spacing) {}

BitmapFont::BitmapFont(const Picture& glyphs, BitmapFontMetrics metrics, int spacing)
    : metrics_(std::move(metrics)), height_(glyphs.Height()), spacing_(spacing), glyphs_(glyphs) {}

int BitmapFont::DrawCharacter(DrawingSurface& surface, int x, int y, uint8_t c, DWORD rop) {
  // A character missing from the font, default character included, is skipped.
  const BitmapFontMetrics::Glyph* glyph = metrics_.Lookup(c);
  if (glyph == nullptr) return x;
  glyphs_.DrawPart(surface, x, y, Rect{glyph->x, 0, glyph->width, height_}, rop);
  return x + glyph->width + spacing_;
}

void BitmapFont::DrawText(DrawingSurface& surface, int x, int y, const char* text, DWORD rop) {
  for (const char* p = text; *p != '\0'; ++p) {
    x = DrawCharacter(surface, x, y, static_cast<uint8_t>(*p), rop);
  }
}

int BitmapFont::TextWidth(const char* text) {
  int width = 0;
  for (const char* p = text; *p != '\0'; ++p) {
    const BitmapFontMetrics::Glyph* glyph = metrics_.Lookup(static_cast<uint8_t>(*p));
    if (glyph != nullptr) width += glyph->width;
  }
  return width;
}

}  // namespace frame
