// WideString: the temporary UTF-16 copy of a narrow string that is made for every system
// call; the program's own text stays narrow.
#pragma once

#include <windows.h>

#include <string>

namespace frame {

class WideString {
 public:
  // Converts the whole string through the ANSI code page (Windows-1252); a null string
  // gives a null pointer back.
  explicit WideString(const char* text);
  WideString(const WideString&) = delete;
  WideString& operator=(const WideString&) = delete;

  LPCWSTR Get() const { return null_ ? nullptr : text_.c_str(); }
  operator LPCWSTR() const { return Get(); }

 private:
  std::wstring text_;
  bool null_ = false;
};

}  // namespace frame
