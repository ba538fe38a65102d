// Preference records and registry values over the platform registry, and the missing
// application key.
#include <gtest/gtest.h>

#include <cstring>

#include "frame/base/preferences.h"
#include "frame/base/registry_key.h"
#include "frame/tests/fatal_capture.h"
#include "storage/tests/device_folder.h"

namespace {

const wchar_t kApplicationKey[] = L"Software\\Ombrelune\\Puttland";
const wchar_t kPreferencesKey[] = L"Software\\Ombrelune\\Puttland\\Preferences";

void CreateApplicationKey() {
  test_device::Folder();
  HKEY key = nullptr;
  DWORD disposition = 0;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kApplicationKey, 0, nullptr, 0, 0, nullptr, &key,
                            &disposition),
            ERROR_SUCCESS);
  RegCloseKey(key);
  RegDeleteKeyW(HKEY_LOCAL_MACHINE, kPreferencesKey);
}

// Type and size of a value as the registry holds it, or false when it does not exist.
bool QueryValue(const wchar_t* name, DWORD* type, DWORD* size) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kPreferencesKey, 0, 0, &key) != ERROR_SUCCESS) return false;
  const bool found = RegQueryValueExW(key, name, nullptr, type, nullptr, size) == ERROR_SUCCESS;
  RegCloseKey(key);
  return found;
}

TEST(Preferences, SizeQueryLeavesAnEmptyUntypedValue) {
  CreateApplicationKey();
  EXPECT_EQ(frame::GetPreferenceSize(3), 0u);
  DWORD type = 99, size = 99;
  ASSERT_TRUE(QueryValue(L"Preference3", &type, &size));
  EXPECT_EQ(type, 0u);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(frame::GetPreferenceSize(3), 0u);
}

TEST(Preferences, WriteReadAndTheSixteenBitIndex) {
  CreateApplicationKey();
  uint8_t record[21];
  for (int i = 0; i < 21; ++i) record[i] = uint8_t(i + 1);
  frame::WritePreference(record, 21, 0);
  EXPECT_EQ(frame::GetPreferenceSize(0), 21u);
  DWORD type = 0, size = 0;
  ASSERT_TRUE(QueryValue(L"Preference0", &type, &size));
  EXPECT_EQ(type, DWORD(REG_BINARY));
  // A capacity shorter than the record copies only that much.
  uint8_t buffer[16];
  std::memset(buffer, 0xEE, sizeof buffer);
  frame::ReadPreference(buffer, 10, 0);
  EXPECT_EQ(std::memcmp(buffer, record, 10), 0);
  EXPECT_EQ(buffer[10], 0xEE);
  // 65536 is index 0 again.
  EXPECT_EQ(frame::GetPreferenceSize(65536), 21u);
  frame::WritePreference(record, 5, 65536);
  EXPECT_EQ(frame::GetPreferenceSize(0), 5u);
}

TEST(RegistryKey, SelectingASecondValueWritesTheFirstBack) {
  CreateApplicationKey();
  std::unique_ptr<frame::RegistryKey> application = frame::OpenApplicationKey();
  {
    frame::RegistryKey preferences(application.get(), "Preferences",
                                   frame::KeyCreation::kCreateIfMissing);
    EXPECT_EQ(application->OpenChildren(), 1);
    preferences.SelectValue("Number")->SetNumber(0x01020304);
    EXPECT_EQ(preferences.OpenChildren(), 1);
    frame::RegistryValue* text = preferences.SelectValue("Text");
    DWORD type = 0, size = 0;
    ASSERT_TRUE(QueryValue(L"Number", &type, &size));  // written back before "Text" loaded
    EXPECT_EQ(type, DWORD(REG_DWORD));
    text->SetString(L"pt");
    EXPECT_EQ(text->Number(), 0u);
    EXPECT_STREQ(text->String(), L"pt");
    EXPECT_EQ(preferences.SelectValue("Number")->Number(), 0x01020304u);
  }
  EXPECT_EQ(application->OpenChildren(), 0);
  frame::RegistryKey reopened(application.get(), "Preferences", frame::KeyCreation::kOpenOnly);
  EXPECT_STREQ(reopened.SelectValue("Text")->String(), L"pt");
  EXPECT_TRUE(application->DeleteSubKey("Preferences"));
}

TEST(PreferencesDeathTest, MissingApplicationKeyIsFatal) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  test_device::Folder();
  EXPECT_EXIT(
      {
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Ombrelune");
        fatal_capture::Install();
        frame::GetPreferenceSize(0);
      },
      testing::ExitedWithCode(255), "\\[Fatal error\\] Couldn't open registry key");
}

}  // namespace
