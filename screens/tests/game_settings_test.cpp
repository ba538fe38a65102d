// The settings record: sound and player name in the store, the record in the registry, and a
// damaged record, which is kept aside before the program ends so the next start is clean.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "frame/base/preferences.h"
#include "frame/tests/fatal_capture.h"
#include "screens/game_settings.h"
#include "storage/property/property_store.h"
#include "storage/tests/device_folder.h"

namespace {

const wchar_t kPreferencesKey[] = L"Software\\Ombrelune\\Puttland\\Preferences";

// The game's registry key with no preference records.
void FreshApplicationKey() {
  test_device::Folder();
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Ombrelune\\Puttland", 0, nullptr, 0, 0,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
  RegDeleteKeyW(HKEY_LOCAL_MACHINE, kPreferencesKey);
}

std::vector<uint8_t> ReadValue(const wchar_t* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kPreferencesKey, 0, 0, &key) != ERROR_SUCCESS) return {};
  DWORD type = 0, size = 0;
  std::vector<uint8_t> bytes;
  if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && size) {
    bytes.resize(size);
    RegQueryValueExW(key, name, nullptr, &type, bytes.data(), &size);
  }
  RegCloseKey(key);
  return bytes;
}

void WriteRecord(const storage::PropertyStore& store) {
  const std::vector<uint8_t> bytes = store.ToBytes();
  frame::WritePreference(bytes.data(), uint32_t(bytes.size()), 0);
}

class GameSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { screens::ResetSettings(); }
  void TearDown() override { screens::ResetSettings(); }
};

TEST_F(GameSettingsTest, DefaultsAreSilentNoNameAndTheClickSoundOn) {
  EXPECT_EQ(screens::GetSoundSetting(), 1);
  EXPECT_FALSE(screens::SoundsEnabled());
  EXPECT_EQ(screens::GetPlayerName(), "No name");
  EXPECT_TRUE(screens::ClickSoundOn());
  EXPECT_EQ(screens::ClickSoundId(), 108);
  screens::SetSoundSetting(2);  // "when the device can": it never can
  EXPECT_FALSE(screens::SoundsEnabled());
  screens::SetSoundSetting(0);
  EXPECT_TRUE(screens::SoundsEnabled());
}

TEST_F(GameSettingsTest, SoundAndNameRoundTripAndMissingRecordsKeepTheDefaults) {
  screens::SetSoundSetting(0);
  screens::SetPlayerName("Dee");
  storage::PropertyStore store;
  screens::WriteSettings(store);
  screens::ResetSettings();
  screens::ReadSettings(store);
  EXPECT_EQ(screens::GetSoundSetting(), 0);
  EXPECT_EQ(screens::GetPlayerName(), "Dee");

  screens::ResetSettings();
  storage::PropertyStore empty;
  screens::ReadSettings(empty);
  EXPECT_EQ(screens::GetSoundSetting(), 1);
  EXPECT_EQ(screens::GetPlayerName(), "No name");
}

TEST_F(GameSettingsTest, AStoredNameOverThirtyOneCharactersKeepsTheFirstThirtyOne) {
  storage::PropertyStore store;
  store.SetString("PlayerName", std::string(40, 'n') + "END");
  screens::ReadSettings(store);
  EXPECT_EQ(screens::GetPlayerName(), std::string(31, 'n'));
}

TEST_F(GameSettingsTest, TheRecordGoesThroughPreferenceZero) {
  FreshApplicationKey();
  storage::PropertyStore loaded;
  EXPECT_FALSE(screens::LoadSettingsRecord(loaded));

  screens::SetPlayerName("Eve");
  storage::PropertyStore store;
  screens::WriteSettings(store);
  screens::SaveSettingsRecord(store);
  ASSERT_TRUE(screens::LoadSettingsRecord(loaded));
  screens::ResetSettings();
  screens::ReadSettings(loaded);
  EXPECT_EQ(screens::GetPlayerName(), "Eve");
}

TEST(SettingsRecordCheck, ValuesOfTheLengthsTheGameReadsPass) {
  storage::PropertyStore store;
  const int32_t four = 1;
  store.SetValue(storage::kPropertyValue, "Sound", &four, 4);
  store.SetValue(storage::kPropertyValue, "HS4", &four, 4);
  store.SetString("PlayerName", std::string(50, 'x'));  // strings have no fixed length
  storage::PropertyStore course, ball, engine;
  course.SetValue(storage::kPropertyValue, "Score17", &four, 4);
  const double eight = 1.0;
  ball.SetValue(storage::kPropertyValue, "hillFy", &eight, 8);
  const uint8_t one = 1;
  ball.SetValue(storage::kPropertyValue, "Ismoving", &one, 1);
  engine.SetStore(storage::kPropertyStoreValue, "Course", course);
  engine.SetStore(storage::kPropertyStoreValue, "Ball", ball);
  store.SetStore(storage::kPropertyStoreValue, "Engine", engine);
  std::vector<uint8_t> bytes = store.ToBytes();
  EXPECT_TRUE(screens::IsSettingsRecordSound(bytes.data(), uint32_t(bytes.size())));

  // A ball position of four bytes, deep inside the saved game.
  ball.SetValue(storage::kPropertyValue, "posx", &four, 4);
  engine.SetStore(storage::kPropertyStoreValue, "Ball", ball);
  store.SetStore(storage::kPropertyStoreValue, "Engine", engine);
  bytes = store.ToBytes();
  EXPECT_FALSE(screens::IsSettingsRecordSound(bytes.data(), uint32_t(bytes.size())));

  storage::PropertyStore shortSound;
  const int16_t two = 1;
  shortSound.SetValue(storage::kPropertyValue, "Sound", &two, 2);
  bytes = shortSound.ToBytes();
  EXPECT_FALSE(screens::IsSettingsRecordSound(bytes.data(), uint32_t(bytes.size())));
}

TEST(SettingsRecordDeathTest, ADamagedRecordIsMovedAsideBeforeTheProgramEnds) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  FreshApplicationKey();
  // An older damaged record is replaced.
  {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, kPreferencesKey, 0, nullptr, 0, 0, nullptr, &key, nullptr);
    const uint8_t old[] = {1, 2, 3};
    RegSetValueExW(key, L"Preference0.damaged", 0, REG_BINARY, old, sizeof old);
    RegCloseKey(key);
  }
  storage::PropertyStore store;
  const int16_t two = 0;
  store.SetValue(storage::kPropertyValue, "Sound", &two, 2);
  store.SetString("PlayerName", "Fay");
  WriteRecord(store);
  const std::vector<uint8_t> damaged = store.ToBytes();

  EXPECT_EXIT(
      {
        fatal_capture::Install();
        storage::PropertyStore record;
        screens::LoadSettingsRecord(record);
      },
      testing::ExitedWithCode(255), "\\[Fatal error\\] Mangled config\\.");

  EXPECT_EQ(ReadValue(L"Preference0.damaged"), damaged);
  // The next start finds no record and begins with the defaults.
  EXPECT_EQ(frame::GetPreferenceSize(0), 0u);
  storage::PropertyStore next;
  EXPECT_FALSE(screens::LoadSettingsRecord(next));
}

}  // namespace
