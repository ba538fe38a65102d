// UTF-8 encoding and decoding of wide text, and case folding of names.
#include "kernel/wide_text.h"

namespace platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one scalar value at bytes[pos]; returns the number of bytes used, 0 when ill-formed
// (then `used` tells how many bytes the ill-formed sequence covers, at least 1).
size_t DecodeOne(std::string_view bytes, size_t pos, char32_t& value, size_t& used) {
  const auto lead = static_cast<unsigned char>(bytes[pos]);
  used = 1;
  if (lead < 0x80) {
    value = lead;
    return 1;
  }
  size_t length = 0;
  char32_t min = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, min = 0x80, value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, min = 0x800, value = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, min = 0x10000, value = lead & 0x07;
  } else {
    return 0;
  }
  for (size_t i = 1; i < length; ++i) {
    if (pos + i >= bytes.size()) return 0;
    const auto next = static_cast<unsigned char>(bytes[pos + i]);
    if ((next & 0xC0) != 0x80) return 0;
    value = (value << 6) | (next & 0x3F);
    used = i + 1;
  }
  if (value < min || !IsScalarValue(value)) return 0;
  return length;
}

}  // namespace

bool IsScalarValue(char32_t c) {
  return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

std::string WideToUtf8(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (wchar_t w : text) {
    const auto c = static_cast<char32_t>(w);
    AppendUtf8(out, IsScalarValue(c) ? c : kReplacement);
  }
  return out;
}

std::optional<std::wstring> Utf8ToWide(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  for (size_t pos = 0; pos < bytes.size();) {
    char32_t value = 0;
    size_t used = 0;
    if (DecodeOne(bytes, pos, value, used) == 0) return std::nullopt;
    out += static_cast<wchar_t>(value);
    pos += used;
  }
  return out;
}

std::wstring Utf8ToWideLenient(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  for (size_t pos = 0; pos < bytes.size();) {
    char32_t value = 0;
    size_t used = 0;
    if (DecodeOne(bytes, pos, value, used) == 0) value = kReplacement;
    out += static_cast<wchar_t>(value);
    pos += used;
  }
  return out;
}

wchar_t FoldCase(wchar_t w) {
  const auto c = static_cast<char32_t>(w);
  // Capitals 32 below their small letters: ASCII, Latin-1 (not the multiplication sign), Greek
  // (not the unused 0x3A2) and basic Cyrillic.
  const bool plus32 = (c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
                      (c >= 0x391 && c <= 0x3AB && c != 0x3A2) || (c >= 0x410 && c <= 0x42F);
  if (plus32) return static_cast<wchar_t>(c + 32);
  if (c >= 0x400 && c <= 0x40F) return static_cast<wchar_t>(c + 80);  // Cyrillic extensions
  if (c == 0x178) return static_cast<wchar_t>(0xFF);                  // Y with diaeresis
  // Latin Extended-A pairs: capital even and small odd, shifted by one in 0x139..0x148 and
  // 0x179..0x17E; a few letters have no pair here.
  if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 &&
      c != 0x17F) {
    const bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (oddPairs ? (c % 2 == 1) : (c % 2 == 0)) return static_cast<wchar_t>(c + 1);
  }
  return w;
}

std::wstring FoldCase(std::wstring_view text) {
  std::wstring out(text);
  for (auto& c : out) c = FoldCase(c);
  return out;
}

bool EqualsNoCase(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

size_t WideLength(const wchar_t* text) {
  if (text == nullptr) return 0;
  size_t n = 0;
  while (text[n] != 0) ++n;
  return n;
}

}  // namespace platform
