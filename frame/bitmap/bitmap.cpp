// Bitmap: checks the entry, builds the bitmap info (header plus 2^bpp colours), creates the
// section and copies the rows into it.
#include "frame/bitmap/bitmap.h"

#include <cstring>

#include "frame/base/fatal_error.h"
#include "frame/bitmap/bitmap_format.h"

namespace frame {

namespace {

[[noreturn]] void Fail(const char* text, const std::string& name) {
  const std::string message = text + name;
  FatalError(message.c_str(), kFatalExitCode);
}

}  // namespace

Bitmap::Bitmap(const char* name, const uint8_t* data, uint32_t size) : name_(name) {
  Convert(data, size);
}

void Bitmap::Convert(const uint8_t* data, uint32_t size) {
  BitmapLayout layout;
  const BitmapProblem problem = ParseBitmap(data, size, layout);
  if (problem == BitmapProblem::kTooShort) Fail("Bad bitmap resource:", name_);
  if (problem == BitmapProblem::kPalette) Fail("Can't read bitmap palette:", name_);
  // Rows that run past the entry are reported before the section is made, so that a lying
  // header never makes the system allocate a picture the entry cannot fill.
  if (problem == BitmapProblem::kBits) Fail("Can't read bitmap bits:", name_);
  width_ = layout.width;
  height_ = layout.height;
  bitsPerPixel_ = layout.bitsPerPixel;
  rowStride_ = layout.rowStride;
  imageSize_ = uint32_t(layout.imageSize);
  info_ = std::move(layout.info);
  if (bitsPerPixel_ <= 8)
    colourTable_ = reinterpret_cast<const RGBQUAD*>(info_.data() + sizeof(BITMAPINFOHEADER));

  void* bits = nullptr;
  handle_ = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(info_.data()),
                             DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!handle_ || !bits) FatalError("Couldn't create DIB section", kFatalExitCode);
  bits_ = static_cast<uint8_t*>(bits);
  if (imageSize_) std::memcpy(bits_, data + layout.bitsOffset, imageSize_);
}

Bitmap::~Bitmap() {
  if (handle_) DeleteObject(handle_);
}

}  // namespace frame
