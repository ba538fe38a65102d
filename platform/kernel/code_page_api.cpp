// MultiByteToWideChar and WideCharToMultiByte for the device's code pages: CP_ACP (and CP_OEMCP)
// are Windows-1252, the ANSI code page of Western handhelds; CP_UTF8 is UTF-8.
#include <windows.h>

#include <algorithm>
#include <string>

#include "kernel/wide_text.h"

namespace {

// Windows-1252 bytes 0x80..0x9F; the five bytes the code page leaves undefined map to the C1
// controls of the same value, as Windows maps them.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

wchar_t Cp1252ToWide(unsigned char byte) {
  return byte >= 0x80 && byte <= 0x9F ? static_cast<wchar_t>(kCp1252High[byte - 0x80])
                                      : static_cast<wchar_t>(byte);
}

// The byte for a character, or -1 when Windows-1252 has none.
int WideToCp1252(wchar_t c) {
  if ((c >= 0 && c < 0x80) || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (int i = 0; i < 32; ++i) {
    if (static_cast<wchar_t>(kCp1252High[i]) == c) return 0x80 + i;
  }
  return -1;
}

bool IsAnsi(UINT codePage) {
  return codePage == CP_ACP || codePage == CP_OEMCP || codePage == 1252;
}

// Copies the result out under the buffer rules both functions share: size 0 asks for the length.
template <typename Char>
int Deliver(const std::basic_string<Char>& result, Char* out, int capacity) {
  if (capacity == 0) return static_cast<int>(result.size());
  if (result.size() > static_cast<size_t>(capacity)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::copy(result.begin(), result.end(), out);
  return static_cast<int>(result.size());
}

}  // namespace

int WINAPI MultiByteToWideChar(UINT codePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                               LPWSTR lpWideCharStr, int cchWideChar) {
  if (lpMultiByteStr == nullptr || cbMultiByte == 0 || cbMultiByte < -1 || cchWideChar < 0 ||
      (cchWideChar > 0 && lpWideCharStr == nullptr)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (!IsAnsi(codePage) && codePage != CP_UTF8) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if ((dwFlags & ~(MB_PRECOMPOSED | MB_ERR_INVALID_CHARS)) != 0 ||
      (codePage == CP_UTF8 && (dwFlags & MB_PRECOMPOSED))) {
    SetLastError(ERROR_INVALID_FLAGS);
    return 0;
  }
  // -1: the string is zero-terminated and the terminator is converted too.
  const size_t length = cbMultiByte == -1 ? std::char_traits<char>::length(lpMultiByteStr) + 1
                                          : static_cast<size_t>(cbMultiByte);
  const std::string_view bytes(lpMultiByteStr, length);
  std::wstring result;
  if (codePage == CP_UTF8) {
    if (dwFlags & MB_ERR_INVALID_CHARS) {
      auto strict = platform::Utf8ToWide(bytes);
      if (!strict) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return 0;
      }
      result = std::move(*strict);
    } else {
      result = platform::Utf8ToWideLenient(bytes);
    }
  } else {
    result.reserve(length);
    for (char byte : bytes) result += Cp1252ToWide(static_cast<unsigned char>(byte));
  }
  return Deliver(result, lpWideCharStr, cchWideChar);
}

int WINAPI WideCharToMultiByte(UINT codePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                               LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                               LPBOOL lpUsedDefaultChar) {
  if (lpWideCharStr == nullptr || cchWideChar == 0 || cchWideChar < -1 || cbMultiByte < 0 ||
      (cbMultiByte > 0 && lpMultiByteStr == nullptr)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (!IsAnsi(codePage) && codePage != CP_UTF8) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  // UTF-8 can encode everything: a default character makes no sense there.
  if (codePage == CP_UTF8 && (lpDefaultChar != nullptr || lpUsedDefaultChar != nullptr)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if ((dwFlags & ~static_cast<DWORD>(WC_NO_BEST_FIT_CHARS)) != 0) {
    SetLastError(ERROR_INVALID_FLAGS);
    return 0;
  }
  const size_t length = cchWideChar == -1 ? platform::WideLength(lpWideCharStr) + 1
                                          : static_cast<size_t>(cchWideChar);
  const std::wstring_view text(lpWideCharStr, length);
  std::string result;
  bool usedDefault = false;
  if (codePage == CP_UTF8) {
    result = platform::WideToUtf8(text);
  } else {
    const char fallback = lpDefaultChar ? *lpDefaultChar : '?';
    result.reserve(length);
    for (wchar_t c : text) {
      const int byte = WideToCp1252(c);
      if (byte < 0) usedDefault = true;
      result += byte < 0 ? fallback : static_cast<char>(byte);
    }
  }
  if (lpUsedDefaultChar != nullptr) *lpUsedDefaultChar = usedDefault ? TRUE : FALSE;
  return Deliver(result, lpMultiByteStr, cbMultiByte);
}
