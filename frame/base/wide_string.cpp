// WideString: mbstowcs of the whole string, terminator included.
#include "frame/base/wide_string.h"

#include <cstdlib>
#include <cstring>

WideString::WideString(const char* text) {
  if (!text) {
    null_ = true;
    return;
  }
  const size_t length = std::strlen(text);
  text_.resize(length + 1);
  size_t converted = std::mbstowcs(text_.data(), text, length + 1);
  if (converted == static_cast<size_t>(-1)) {
    // A byte sequence the locale cannot convert: take the bytes one for one.
    for (size_t i = 0; i < length; ++i) text_[i] = static_cast<unsigned char>(text[i]);
    converted = length;
  }
  text_.resize(converted);
}
