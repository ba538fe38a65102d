// BitmapFontMetrics: the ".fmc" table read safely, and glyph lookup with the default character.
#include "frame/elements/bitmap_font.h"

#include "frame/base/byte_order.h"

namespace frame {

BitmapFontMetrics BitmapFontMetrics::Parse(const uint8_t* data, size_t size) {
  BitmapFontMetrics metrics;
  if (data == nullptr || size < 6) return metrics;
  metrics.first = static_cast<int16_t>(ReadLittle16(data));
  metrics.count = static_cast<int16_t>(ReadLittle16(data + 2));
  metrics.defaultCharacter = static_cast<uint8_t>(ReadLittle16(data + 4) & 0xFF);
  const size_t count = metrics.count > 0 ? static_cast<size_t>(metrics.count) : 0;
  metrics.glyphs.resize(count);
  for (size_t i = 0; i < count && 6 + 4 * i + 4 <= size; ++i) {
    const uint8_t* entry = data + 6 + 4 * i;
    metrics.glyphs[i].x = static_cast<int16_t>(ReadLittle16(entry));
    metrics.glyphs[i].width = entry[2];
  }
  return metrics;
}

const BitmapFontMetrics::Glyph* BitmapFontMetrics::Lookup(uint8_t c) const {
  auto present = [this](int code) -> const Glyph* {
    const int index = code - first;
    if (index < 0 || index >= static_cast<int>(glyphs.size())) return nullptr;
    const Glyph& glyph = glyphs[static_cast<size_t>(index)];
    return glyph.width < 255 ? &glyph : nullptr;
  };
  if (const Glyph* glyph = present(c)) return glyph;
  return present(defaultCharacter);
}

std::string MetricsEntryName(const char* fontEntry) {
  std::string name(fontEntry);
  return name.substr(0, name.find('.')) + ".fmc";
}

}  // namespace frame
