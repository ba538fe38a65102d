// Wide-string helpers inside the platform: UTF-8 encoding of WCHAR text (32-bit code points here)
// and the case folding Windows applies to file, key and value names.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// True for a Unicode scalar value (not a surrogate, at most U+10FFFF).
bool IsScalarValue(char32_t c);

// Encodes wide text as UTF-8; anything that is not a scalar value becomes U+FFFD.
std::string WideToUtf8(std::wstring_view text);
// Decodes UTF-8; nullopt when the bytes are not well-formed (overlong forms, surrogates included).
std::optional<std::wstring> Utf8ToWide(std::string_view bytes);
// Decodes UTF-8, replacing each ill-formed sequence by U+FFFD.
std::wstring Utf8ToWideLenient(std::string_view bytes);

// Simple upper-to-lower mapping for Latin, Greek and Cyrillic letters; other characters unchanged.
wchar_t FoldCase(wchar_t c);
std::wstring FoldCase(std::wstring_view text);
bool EqualsNoCase(std::wstring_view a, std::wstring_view b);

// Length of a zero-terminated wide string, or of a null pointer (0).
size_t WideLength(const wchar_t* text);

}  // namespace platform
