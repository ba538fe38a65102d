// Bitmap parsing: little-endian fields at fixed offsets, arithmetic in 64 bits so that lying
// headers cannot wrap a size into range.
#include "frame/bitmap/bitmap_format.h"

#include <algorithm>

#include "frame/base/byte_order.h"

namespace frame {

namespace {

constexpr uint32_t kBitsOffsetAt = 10;
constexpr uint32_t kInfoAt = 14;
constexpr uint32_t kInfoSize = 40;
constexpr uint32_t kMaskBytes = 12;

}  // namespace

BitmapProblem ParseBitmap(const uint8_t* data, uint32_t size, BitmapLayout& layout) {
  if (!data || size < kBitmapHeadersSize) return BitmapProblem::kTooShort;
  layout.bitsOffset = ReadLittle32(data + kBitsOffsetAt);
  layout.width = int32_t(ReadLittle32(data + 18));
  layout.height = int32_t(ReadLittle32(data + 22));
  layout.bitsPerPixel = ReadLittle16(data + 28);
  const uint64_t rowBits =
      uint64_t(int64_t(layout.width) < 0 ? 0 : layout.width) * layout.bitsPerPixel;
  const uint64_t stride = (rowBits + 31) / 32 * 4;
  layout.rowStride = stride > UINT32_MAX ? UINT32_MAX : uint32_t(stride);
  uint64_t colours = 0;
  if (layout.bitsPerPixel <= 8) {
    // Always 2^bpp entries, whatever the header's colours-used field says.
    colours = uint64_t(1) << layout.bitsPerPixel;
    if (size < kBitmapHeadersSize + 4 * colours) return BitmapProblem::kPalette;
  }
  layout.info.assign(data + kInfoAt, data + kInfoAt + kInfoSize + 4 * colours);
  // The colour table is laid out right after 40 header bytes: say so, whatever header size the
  // entry names, so the system never looks for the table past the buffer.
  layout.info[0] = kInfoSize;
  layout.info[1] = layout.info[2] = layout.info[3] = 0;
  if (colours == 0) {
    // Deeper pictures with bit-field masks keep them after the header (zeros when the entry
    // has none, which the system refuses): the system reads 12 bytes there.
    layout.info.resize(kInfoSize + kMaskBytes, 0);
    if (size >= kBitmapHeadersSize + kMaskBytes) {
      std::copy(data + kBitmapHeadersSize, data + kBitmapHeadersSize + kMaskBytes,
                layout.info.begin() + kInfoSize);
    }
  }
  const int64_t rows = layout.height < 0 ? -int64_t(layout.height) : layout.height;
  layout.imageSize = stride * uint64_t(rows);
  if (uint64_t(layout.bitsOffset) + layout.imageSize > size) return BitmapProblem::kBits;
  return BitmapProblem::kNone;
}

}  // namespace frame
