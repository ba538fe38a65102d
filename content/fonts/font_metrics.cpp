// Writing the ".fmc" table byte by byte, little-endian whatever the host's order.
#include "content/fonts/font_metrics.h"

#include "content/art/byte_writer.h"

namespace content {

std::vector<uint8_t> EncodeFontMetrics(const FontMetrics& metrics) {
  std::vector<uint8_t> out;
  out.reserve(6 + 4 * metrics.glyphs.size());
  Put16(out, metrics.first);
  Put16(out, uint16_t(metrics.glyphs.size()));
  Put16(out, metrics.defaultCharacter);
  for (const FontMetrics::Glyph& g : metrics.glyphs) {
    Put16(out, uint16_t(g.x));
    out.push_back(g.width);
    out.push_back(0);
  }
  return out;
}

}  // namespace content
