// WideString: the whole narrow string, terminator included, widened through the device's ANSI
// code page, as the handheld's runtime library widens it.
#include "frame/base/wide_string.h"

#include <cstring>

namespace frame {

WideString::WideString(const char* text) {
  if (!text) {
    null_ = true;
    return;
  }
  const int length = static_cast<int>(std::strlen(text)) + 1;
  text_.resize(static_cast<size_t>(length));
  int converted = MultiByteToWideChar(CP_ACP, 0, text, length, text_.data(), length);
  if (converted <= 0) {
    // Cannot happen for a single-byte code page; keep the bytes one for one all the same.
    for (int i = 0; i < length; ++i) text_[i] = static_cast<unsigned char>(text[i]);
    converted = length;
  }
  text_.resize(static_cast<size_t>(converted - 1));  // the terminator stays behind c_str()
}

}  // namespace frame
