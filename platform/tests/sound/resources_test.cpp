// Resources embedded into this test program at build time: lookup by id, name and type, the
// failures and their last errors, and handles that are not resources.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

namespace {

TEST(Resources, AnEmbeddedWaveIsFoundLoadedAndSized) {
  SetLastError(0xdeadbeef);
  HRSRC info = FindResourceW(nullptr, MAKEINTRESOURCE(201), L"WAVE");
  ASSERT_NE(info, nullptr);
  HGLOBAL loaded = LoadResource(nullptr, info);
  ASSERT_NE(loaded, nullptr);
  const auto* bytes = static_cast<const char*>(LockResource(loaded));
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(SizeofResource(nullptr, info), 266u);
  EXPECT_EQ(std::memcmp(bytes, "RIFF", 4), 0);
  EXPECT_EQ(std::memcmp(bytes + 8, "WAVE", 4), 0);
  EXPECT_FALSE(FreeResource(loaded));
}

TEST(Resources, NamesAndTypesMatchAsOnWindows) {
  // Type names ignore case; "#202" is id 202; string names ignore case; numeric types.
  EXPECT_NE(FindResourceW(nullptr, MAKEINTRESOURCE(202), L"wave"), nullptr);
  EXPECT_EQ(FindResourceW(nullptr, L"#202", L"WAVE"),
            FindResourceW(nullptr, MAKEINTRESOURCE(202), L"WAVE"));
  EXPECT_NE(FindResourceW(nullptr, L"CHIME", L"WAVE"), nullptr);
  EXPECT_NE(FindResourceW(nullptr, L"chime", L"Wave"), nullptr);
  EXPECT_NE(FindResourceW(nullptr, MAKEINTRESOURCE(300), RT_RCDATA), nullptr);
  EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCE(201), RT_RCDATA), nullptr);
}

TEST(Resources, MissingNamesAndTypesReportWhichWasMissing) {
  SetLastError(0xdeadbeef);
  EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCE(103), L"WAVE"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
  SetLastError(0xdeadbeef);
  EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCE(201), RT_BITMAP), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
  SetLastError(0xdeadbeef);
  EXPECT_EQ(FindResourceW(nullptr, nullptr, L"WAVE"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
}

TEST(Resources, HandlesThatAreNoResourcesFail) {
  int notAResource = 0;
  HRSRC bogus = reinterpret_cast<HRSRC>(&notAResource);
  for (HRSRC info : {HRSRC{nullptr}, bogus}) {
    SetLastError(0xdeadbeef);
    EXPECT_EQ(LoadResource(nullptr, info), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    SetLastError(0xdeadbeef);
    EXPECT_EQ(SizeofResource(nullptr, info), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  }
  EXPECT_EQ(LockResource(nullptr), nullptr);
}

}  // namespace
