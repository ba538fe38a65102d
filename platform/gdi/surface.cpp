// Per-depth pixel access for surfaces: unpacking rows to 0x00RRGGBB and packing them back.
#include "gdi/surface.h"

#include <bit>
#include <cstring>

namespace platform::gdi {

namespace {

// Extracts a channel under a mask and widens it to 8 bits.
uint32_t Channel(uint32_t value, uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const int width = std::popcount(mask);
  uint32_t v = (value & mask) >> shift;
  if (width >= 8) return v >> (width - 8);
  // Replicate the top bits so that full scale maps to 255.
  uint32_t out = v << (8 - width);
  for (int have = width; have < 8; have += width) out |= out >> width;
  return out & 0xFF;
}

uint32_t Pack(uint32_t rgb, const uint32_t* masks) {
  uint32_t out = 0;
  const uint32_t channels[3] = {(rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF};
  for (int i = 0; i < 3; ++i) {
    const uint32_t mask = masks[i];
    if (mask == 0) continue;
    const int shift = std::countr_zero(mask);
    const int width = std::popcount(mask);
    const uint32_t v = width >= 8 ? channels[i] << (width - 8) : channels[i] >> (8 - width);
    out |= (v << shift) & mask;
  }
  return out;
}

}  // namespace

int RowBytes(int width, int bpp, int align) {
  const int64_t bits = static_cast<int64_t>(width) * bpp;
  const int64_t unit = static_cast<int64_t>(align) * 8;
  return static_cast<int>((bits + unit - 1) / unit * align);
}

int NearestIndex(const Surface& s, uint32_t rgb) {
  if (s.last_index_ >= 0 && s.last_colour_ == rgb) return s.last_index_;
  int best = 0;
  int64_t bestDistance = INT64_MAX;
  for (size_t i = 0; i < s.palette.size(); ++i) {
    const uint32_t c = s.palette[i];
    const int dr = static_cast<int>((c >> 16) & 0xFF) - static_cast<int>((rgb >> 16) & 0xFF);
    const int dg = static_cast<int>((c >> 8) & 0xFF) - static_cast<int>((rgb >> 8) & 0xFF);
    const int db = static_cast<int>(c & 0xFF) - static_cast<int>(rgb & 0xFF);
    const int64_t distance = int64_t{dr} * dr + int64_t{dg} * dg + int64_t{db} * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<int>(i);
      if (distance == 0) break;
    }
  }
  s.last_index_ = best;
  s.last_colour_ = rgb;
  return best;
}

void ReadSpan(const Surface& s, int x, int y, int n, uint32_t* out) {
  const uint8_t* row = s.Row(y);
  const auto entry = [&s](unsigned index) -> uint32_t {
    return index < s.palette.size() ? s.palette[index] : 0;
  };
  switch (s.bpp) {
    case 1:
      for (int i = 0; i < n; ++i) {
        const int px = x + i;
        out[i] = entry((row[px >> 3] >> (7 - (px & 7))) & 1);
      }
      break;
    case 4:
      for (int i = 0; i < n; ++i) {
        const int px = x + i;
        const uint8_t b = row[px >> 1];
        out[i] = entry((px & 1) ? (b & 0x0F) : (b >> 4));
      }
      break;
    case 8:
      for (int i = 0; i < n; ++i) out[i] = entry(row[x + i]);
      break;
    case 16:
      for (int i = 0; i < n; ++i) {
        const uint8_t* p = row + static_cast<ptrdiff_t>(x + i) * 2;
        const uint32_t v = p[0] | (p[1] << 8);
        out[i] =
            (Channel(v, s.masks[0]) << 16) | (Channel(v, s.masks[1]) << 8) | Channel(v, s.masks[2]);
      }
      break;
    case 24:
      for (int i = 0; i < n; ++i) {
        const uint8_t* p = row + static_cast<ptrdiff_t>(x + i) * 3;
        out[i] = (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
      }
      break;
    case 32:
      if (s.IsPlain32()) {
        std::memcpy(out, row + static_cast<ptrdiff_t>(x) * 4, static_cast<size_t>(n) * 4);
        for (int i = 0; i < n; ++i) out[i] &= 0xFFFFFF;
      } else {
        for (int i = 0; i < n; ++i) {
          uint32_t v;
          std::memcpy(&v, row + static_cast<ptrdiff_t>(x + i) * 4, 4);
          out[i] = (Channel(v, s.masks[0]) << 16) | (Channel(v, s.masks[1]) << 8) |
                   Channel(v, s.masks[2]);
        }
      }
      break;
    default:
      for (int i = 0; i < n; ++i) out[i] = 0;
  }
}

void WriteSpan(Surface& s, int x, int y, int n, const uint32_t* in) {
  uint8_t* row = s.Row(y);
  switch (s.bpp) {
    case 1:
      for (int i = 0; i < n; ++i) {
        const int px = x + i;
        const uint8_t bit = static_cast<uint8_t>(0x80 >> (px & 7));
        if (NearestIndex(s, in[i]) & 1) {
          row[px >> 3] |= bit;
        } else {
          row[px >> 3] &= static_cast<uint8_t>(~bit);
        }
      }
      break;
    case 4:
      for (int i = 0; i < n; ++i) {
        const int px = x + i;
        const uint8_t index = static_cast<uint8_t>(NearestIndex(s, in[i]) & 0x0F);
        uint8_t& b = row[px >> 1];
        b = (px & 1) ? static_cast<uint8_t>((b & 0xF0) | index)
                     : static_cast<uint8_t>((b & 0x0F) | (index << 4));
      }
      break;
    case 8:
      for (int i = 0; i < n; ++i) row[x + i] = static_cast<uint8_t>(NearestIndex(s, in[i]));
      break;
    case 16:
      for (int i = 0; i < n; ++i) {
        const uint32_t v = Pack(in[i], s.masks);
        uint8_t* p = row + static_cast<ptrdiff_t>(x + i) * 2;
        p[0] = static_cast<uint8_t>(v);
        p[1] = static_cast<uint8_t>(v >> 8);
      }
      break;
    case 24:
      for (int i = 0; i < n; ++i) {
        uint8_t* p = row + static_cast<ptrdiff_t>(x + i) * 3;
        p[0] = static_cast<uint8_t>(in[i]);
        p[1] = static_cast<uint8_t>(in[i] >> 8);
        p[2] = static_cast<uint8_t>(in[i] >> 16);
      }
      break;
    case 32:
      if (s.IsPlain32()) {
        uint32_t* p = reinterpret_cast<uint32_t*>(row) + x;
        for (int i = 0; i < n; ++i) p[i] = in[i] & 0xFFFFFF;
      } else {
        for (int i = 0; i < n; ++i) {
          const uint32_t v = Pack(in[i], s.masks);
          std::memcpy(row + static_cast<ptrdiff_t>(x + i) * 4, &v, 4);
        }
      }
      break;
    default:
      break;
  }
}

uint32_t ReadPixel(const Surface& s, int x, int y) {
  uint32_t v;
  ReadSpan(s, x, y, 1, &v);
  return v;
}

void WritePixel(Surface& s, int x, int y, uint32_t rgb) {
  WriteSpan(s, x, y, 1, &rgb);
}

}  // namespace platform::gdi
