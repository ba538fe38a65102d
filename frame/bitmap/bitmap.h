// Bitmap: a picture entry of the data archive turned into a device-independent-bitmap
// section ready to be selected into a memory device context. Every failure is fatal and names
// the entry.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace frame {

class Bitmap {
 public:
  // Loads the archive entry (expanded if compressed) and converts it.
  explicit Bitmap(const char* name);
  // Converts bytes already loaded; `name` is for the messages.
  Bitmap(const char* name, const uint8_t* data, uint32_t size);
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;
  ~Bitmap();

  HBITMAP Handle() const { return handle_; }
  const std::string& Name() const { return name_; }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  uint32_t BitsPerPixel() const { return bitsPerPixel_; }
  uint32_t RowStride() const { return rowStride_; }
  uint32_t ImageSize() const { return imageSize_; }
  const uint8_t* Bits() const { return bits_; }
  // The colour table inside the bitmap info, or null above 8 bits per pixel.
  const RGBQUAD* ColourTable() const { return colourTable_; }

 private:
  void Convert(const uint8_t* data, uint32_t size);

  std::string name_;
  HBITMAP handle_ = nullptr;
  std::vector<uint8_t> info_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  uint32_t bitsPerPixel_ = 0;
  uint32_t rowStride_ = 0;
  uint32_t imageSize_ = 0;
  uint8_t* bits_ = nullptr;
  const RGBQUAD* colourTable_ = nullptr;
};

}  // namespace frame
