// Arbitrary bytes as a picture entry: the checks of the loader, then, for entries that pass
// them, the section the loader would create and the copy of the rows into it.
#include <windows.h>

#include <cstring>

#include "frame/bitmap/bitmap_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 20)) return 0;
  frame::BitmapLayout layout;
  if (frame::ParseBitmap(data, uint32_t(size), layout) != frame::BitmapProblem::kNone) return 0;
  void* bits = nullptr;
  HBITMAP section =
      CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(layout.info.data()),
                       DIB_RGB_COLORS, &bits, nullptr, 0);
  if (section && bits) {
    std::memcpy(bits, data + layout.bitsOffset, size_t(layout.imageSize));
    DeleteObject(section);
  }
  return 0;
}
