// Bitmap file writing and reading for the art generators and the contact sheet.
#include "content/art/bmp.h"

#include <algorithm>
#include <map>

#include "content/art/byte_writer.h"

namespace content {

namespace {

uint32_t Get32(std::span<const uint8_t> b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
         uint32_t(b[at + 3]) << 24;
}
uint32_t Key(Rgb c) {
  return uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
}

constexpr size_t kHeaders = 14 + 40;

void PutHeaders(std::vector<uint8_t>& out, const Canvas& c, int bits, uint32_t colours,
                uint32_t stride) {
  const uint32_t table = colours * 4;
  const uint32_t image = stride * uint32_t(c.Height());
  out.push_back('B');
  out.push_back('M');
  Put32(out, uint32_t(kHeaders) + table + image);
  Put32(out, 0);
  Put32(out, uint32_t(kHeaders) + table);
  Put32(out, 40);
  Put32(out, uint32_t(c.Width()));
  Put32(out, uint32_t(c.Height()));
  Put16(out, 1);
  Put16(out, uint32_t(bits));
  Put32(out, 0);  // no compression
  Put32(out, image);
  Put32(out, 2835);  // 72 dots per inch
  Put32(out, 2835);
  Put32(out, colours);
  Put32(out, 0);
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const Canvas& c) {
  std::map<uint32_t, uint8_t> palette;
  for (Rgb p : c.Pixels()) {
    if (palette.size() > 256) break;
    palette.emplace(Key(p), 0);
  }
  std::vector<uint8_t> out;
  if (palette.size() <= 256) {
    // The loader always reads 256 colour-table entries for 8 bits, so write all of them.
    const uint32_t stride = (uint32_t(c.Width()) + 3) & ~3u;
    PutHeaders(out, c, 8, 256, stride);
    uint8_t index = 0;
    for (auto& [key, slot] : palette) {
      slot = index++;
      out.push_back(uint8_t(key));
      out.push_back(uint8_t(key >> 8));
      out.push_back(uint8_t(key >> 16));
      out.push_back(0);
    }
    for (size_t i = palette.size(); i < 256; ++i) Put32(out, 0);
    for (int y = c.Height() - 1; y >= 0; --y) {
      for (int x = 0; x < c.Width(); ++x) out.push_back(palette[Key(c.Get(x, y))]);
      for (uint32_t x = uint32_t(c.Width()); x < stride; ++x) out.push_back(0);
    }
    return out;
  }
  const uint32_t stride = (uint32_t(c.Width()) * 3 + 3) & ~3u;
  PutHeaders(out, c, 24, 0, stride);
  for (int y = c.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < c.Width(); ++x) {
      const Rgb p = c.Get(x, y);
      out.push_back(p.b);
      out.push_back(p.g);
      out.push_back(p.r);
    }
    for (uint32_t x = uint32_t(c.Width()) * 3; x < stride; ++x) out.push_back(0);
  }
  return out;
}

std::optional<Canvas> DecodeBmp(std::span<const uint8_t> b) {
  if (b.size() < kHeaders || b[0] != 'B' || b[1] != 'M') return std::nullopt;
  const uint32_t offset = Get32(b, 10);
  const uint32_t width = Get32(b, 18), height = Get32(b, 22);
  const uint32_t bits = uint32_t(b[28]) | uint32_t(b[29]) << 8;
  const uint32_t compression = Get32(b, 30);
  if (compression != 0 || width == 0 || height == 0 || width > 4096 || height > 4096)
    return std::nullopt;
  if (bits != 8 && bits != 24) return std::nullopt;
  const uint64_t stride = (uint64_t(width) * bits / 8 + 3) & ~uint64_t(3);
  if (uint64_t(offset) + stride * height > b.size()) return std::nullopt;
  if (bits == 8 && (offset < kHeaders + 1024)) return std::nullopt;
  Canvas out{int(width), int(height)};
  for (uint32_t y = 0; y < height; ++y) {
    const size_t row = offset + size_t(stride) * (height - 1 - y);
    for (uint32_t x = 0; x < width; ++x) {
      if (bits == 24) {
        const size_t p = row + size_t(x) * 3;
        out.Set(int(x), int(y), Rgb{b[p + 2], b[p + 1], b[p]});
      } else {
        const size_t p = kHeaders + size_t(b[row + x]) * 4;
        out.Set(int(x), int(y), Rgb{b[p + 2], b[p + 1], b[p]});
      }
    }
  }
  return out;
}

}  // namespace content
