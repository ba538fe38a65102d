// FreeType behind the GDI's fonts. The system font is DejaVu Sans at an 11-pixel em (the size of
// the handheld's 8-point system font), monochrome: glyphs are crisp one-bit masks.
#include "gdi/font_engine.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <memory>
#include <string>
#include <unordered_map>

#include "winbase.h"

#ifndef PT_DEFAULT_FONT
#define PT_DEFAULT_FONT "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
#endif

namespace platform::gdi {

namespace {

constexpr int kSystemFontEm = 11;

std::string BoldPath() {
  std::string path = PT_DEFAULT_FONT;
  const size_t dot = path.rfind(".ttf");
  return dot == std::string::npos ? path : path.substr(0, dot) + "-Bold.ttf";
}

class FreeTypeFont : public Font {
 public:
  FreeTypeFont(FT_Face face, int em, int weight) : face_(face), em_(em) {
    FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(em));
    const FT_Size_Metrics& m = face_->size->metrics;
    metrics_.ascent = static_cast<int>((m.ascender + 63) >> 6);
    metrics_.descent = static_cast<int>((-m.descender + 63) >> 6);
    metrics_.height = metrics_.ascent + metrics_.descent;
    metrics_.max_width = static_cast<int>((m.max_advance + 63) >> 6);
    metrics_.weight = weight;
    metrics_.average_width = GlyphFor('x').advance;
  }
  ~FreeTypeFont() override { FT_Done_Face(face_); }

  const FontMetrics& Metrics() const override { return metrics_; }

  const Glyph& GlyphFor(uint32_t code) override {
    auto it = glyphs_.find(code);
    if (it != glyphs_.end()) return it->second;
    Glyph& g = glyphs_[code];
    FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(em_));
    if (FT_Load_Char(face_, code, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return g;
    const FT_GlyphSlot slot = face_->glyph;
    const FT_Bitmap& bm = slot->bitmap;
    g.width = static_cast<int>(bm.width);
    g.rows = static_cast<int>(bm.rows);
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    g.mask.assign(static_cast<size_t>(g.width) * g.rows, 0);
    for (int y = 0; y < g.rows; ++y) {
      const uint8_t* row = bm.buffer + static_cast<ptrdiff_t>(y) * bm.pitch;
      for (int x = 0; x < g.width; ++x) {
        const bool on = bm.pixel_mode == FT_PIXEL_MODE_MONO ? (row[x >> 3] >> (7 - (x & 7))) & 1
                                                            : row[x] >= 128;
        g.mask[static_cast<size_t>(y) * g.width + x] = on ? 1 : 0;
      }
    }
    return g;
  }

 private:
  FT_Face face_;
  int em_;
  FontMetrics metrics_;
  std::unordered_map<uint32_t, Glyph> glyphs_;
};

class FontCache {
 public:
  FontCache() { ok_ = FT_Init_FreeType(&library_) == 0; }
  ~FontCache() {
    fonts_.clear();
    if (ok_) FT_Done_FreeType(library_);
  }

  Font* Get(int em, bool bold) {
    const auto key = std::make_pair(em, bold);
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second.get();
    if (!ok_) return nullptr;
    FT_Face face = nullptr;
    if (bold && FT_New_Face(library_, BoldPath().c_str(), 0, &face) != 0) face = nullptr;
    if (!face && FT_New_Face(library_, PT_DEFAULT_FONT, 0, &face) != 0) return nullptr;
    auto font = std::make_unique<FreeTypeFont>(face, em, bold ? FW_BOLD : FW_NORMAL);
    Font* raw = font.get();
    fonts_.emplace(key, std::move(font));
    return raw;
  }

  // Converts a cell height (ascent + descent) to an em size.
  int EmForCellHeight(int cell) {
    Font* reference = Get(kSystemFontEm, false);
    if (!reference) return cell;
    const int height = reference->Metrics().height;
    return std::max(1, (cell * kSystemFontEm + height / 2) / height);
  }

 private:
  bool ok_ = false;
  FT_Library library_ = nullptr;
  std::map<std::pair<int, bool>, std::unique_ptr<Font>> fonts_;
};

// Never destroyed, like the handle table: text may be measured during static destruction.
FontCache& Cache() {
  static auto* cache = new FontCache();
  return *cache;
}

}  // namespace

Font* FontFor(const LOGFONTW& logfont) {
  int em = kSystemFontEm;
  // Negative heights give the character (em) height, positive ones the cell height.
  if (logfont.lfHeight < 0) em = std::min(-logfont.lfHeight, 512);
  if (logfont.lfHeight > 0) em = Cache().EmForCellHeight(std::min(logfont.lfHeight, 512));
  Font* font = Cache().Get(em, logfont.lfWeight >= FW_SEMIBOLD);
  if (!font) SetLastError(ERROR_FILE_NOT_FOUND);
  return font;
}

int TextWidth(Font& font, std::u32string_view text) {
  int width = 0;
  for (char32_t c : text) width += font.GlyphFor(c).advance;
  return width;
}

}  // namespace platform::gdi
