// The process-wide halftone brush and the pattern-brush construction behind it.
#include "frame/surface/halftone_brush.h"

namespace frame {

HBRUSH CreatePatternBrushFromRows(const std::array<uint8_t, 8>& rows) {
  // Monochrome bitmap rows are padded to 16-bit words.
  WORD words[8];
  for (int i = 0; i < 8; ++i) words[i] = rows[i];
  HBITMAP pattern = CreateBitmap(8, 8, 1, 1, words);
  HBRUSH brush = CreatePatternBrush(pattern);
  DeleteObject(pattern);
  return brush;
}

namespace {

class HalftoneBrushHolder {
 public:
  HalftoneBrushHolder()
      : brush_(CreatePatternBrushFromRows({0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55})) {}
  ~HalftoneBrushHolder() { DeleteObject(brush_); }
  HBRUSH Brush() const { return brush_; }

 private:
  HBRUSH brush_;
};

// Made on first use, which the initialiser below makes happen at process start.
HalftoneBrushHolder& Holder() {
  static HalftoneBrushHolder holder;
  return holder;
}

[[maybe_unused]] const HalftoneBrushHolder& StartupHalftone = Holder();

}  // namespace

HBRUSH HalftoneBrush() {
  return Holder().Brush();
}

}  // namespace frame
