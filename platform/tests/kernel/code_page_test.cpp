// Multibyte and wide conversions: Windows-1252 as the ANSI code page, UTF-8, sizes and buffers.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CodePages, AnsiIsWindows1252BothWays) {
  const char bytes[] = "\x80 caf\xe9 \x9f\x81";
  wchar_t wide[16];
  const int n = MultiByteToWideChar(CP_ACP, 0, bytes, -1, wide, 16);
  EXPECT_EQ(std::wstring(wide, n), std::wstring(L"\x20ac caf\x00e9 \x0178\x0081") + L'\0');

  char back[16];
  BOOL usedDefault = TRUE;
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, wide, n, back, 16, nullptr, &usedDefault), n);
  EXPECT_STREQ(back, bytes);
  EXPECT_FALSE(usedDefault);

  // Characters the code page lacks become the default character, and the caller is told.
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"\x4e2d\x0001", 2, back, 16, "#", &usedDefault), 2);
  EXPECT_EQ(std::string(back, 2), "#\x01");
  EXPECT_TRUE(usedDefault);
}

TEST(CodePages, Utf8CarriesEveryCodePointAndFlagsMalformedInput) {
  const char* text = "\xc3\xa9\xe2\x82\xac\xf0\x9f\x8f\x8c";  // é € and a golfer beyond 16 bits
  wchar_t wide[8];
  ASSERT_EQ(MultiByteToWideChar(CP_UTF8, 0, text, -1, wide, 8), 4);
  EXPECT_EQ(std::wstring(wide), L"\x00e9\x20ac\x0001f3cc");
  char back[16];
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, wide, -1, back, 16, nullptr, nullptr), 10);
  EXPECT_STREQ(back, text);

  const char* broken = "a\xc0\xafz";  // an overlong '/'
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, broken, -1, wide, 8), 0);
  EXPECT_EQ(GetLastError(), ERROR_NO_UNICODE_TRANSLATION);
  const int n = MultiByteToWideChar(CP_UTF8, 0, broken, -1, wide, 8);
  EXPECT_EQ(std::wstring(wide, n - 1), L"a\xfffd\xfffdz");
  const wchar_t lone[] = {0xD800, L'x', 0};
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, lone, -1, back, 16, nullptr, nullptr), 5);
  EXPECT_STREQ(back, "\xef\xbf\xbdx");
}

TEST(CodePages, SizesBuffersAndArguments) {
  // Size 0 asks for the length; explicit lengths convert no terminator.
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, nullptr, 0), 4);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", 2, nullptr, 0), 2);
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"\x20ac", 1, nullptr, 0, nullptr, nullptr), 3);

  wchar_t guard[4] = {L'#', L'#', L'#', L'#'};
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abcdef", -1, guard, 3), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(guard[3], L'#') << "nothing written past the buffer";

  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, nullptr, -1, guard, 4), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "a", 0, guard, 4), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "a", -1, nullptr, 4), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(MultiByteToWideChar(932, 0, "a", -1, guard, 4), 0) << "code pages the device lacks";
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_PRECOMPOSED, "a", -1, guard, 4), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
  BOOL used = FALSE;
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"a", -1, nullptr, 0, nullptr, &used), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

}  // namespace
