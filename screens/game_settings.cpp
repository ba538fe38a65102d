// The process-wide settings and the sound call the screens share.
#include "screens/game_settings.h"

#include <windows.h>

#include <mmsystem.h>

#include <cstdio>
#include <string_view>
#include <vector>

#include "frame/base/fatal_error.h"
#include "frame/base/preferences.h"
#include "frame/base/process_instance.h"
#include "frame/base/registry_key.h"
#include "storage/property/property_store.h"

namespace screens {
namespace {

struct Settings {
  int32_t soundSetting = kSoundOff;
  std::string playerName = kDefaultPlayerName;
  bool clickSoundOn = true;
  uint16_t clickSoundId = kDefaultClickSoundId;
};

Settings& TheSettings() {
  static Settings settings;
  return settings;
}

}  // namespace

int32_t GetSoundSetting() {
  return TheSettings().soundSetting;
}

void SetSoundSetting(int32_t setting) {
  TheSettings().soundSetting = setting;
}

bool SoundsEnabled() {
  return TheSettings().soundSetting == kSoundOn;
}

const std::string& GetPlayerName() {
  return TheSettings().playerName;
}

void SetPlayerName(std::string name) {
  if (name.size() > kPlayerNameCapacity) name.resize(kPlayerNameCapacity);
  TheSettings().playerName = std::move(name);
}

bool ClickSoundOn() {
  return TheSettings().clickSoundOn;
}

void SetClickSoundOn(bool on) {
  TheSettings().clickSoundOn = on;
}

uint16_t ClickSoundId() {
  return TheSettings().clickSoundId;
}

void ResetSettings() {
  TheSettings() = Settings{};
}

void PlaySoundResource(int id) {
  PlaySoundW(MAKEINTRESOURCEW(id), frame::ProcessInstance, SND_RESOURCE | SND_ASYNC);
}

void ReadSettings(const storage::PropertyStore& record) {
  int32_t sound = 0;
  if (record.GetValue("Sound", &sound, 4)) SetSoundSetting(sound);
  std::string name;
  if (record.GetString("PlayerName", &name)) SetPlayerName(std::move(name));
}

void WriteSettings(storage::PropertyStore& record) {
  const int32_t sound = GetSoundSetting();
  record.SetValue(storage::kPropertyValue, "Sound", &sound, 4);
  record.SetString("PlayerName", GetPlayerName());
}

namespace {

// A value the game reads with a fixed length, or (length 0) a nested record with its own.
struct ExpectedValue {
  std::string key;
  uint32_t length;
  std::vector<ExpectedValue> nested;
};

std::vector<ExpectedValue> ExpectedRecord() {
  std::vector<ExpectedValue> course = {{"Course number", 4, {}}, {"Hole number", 4, {}}};
  for (int i = 0; i < 18; ++i) course.push_back({"Score" + std::to_string(i), 4, {}});
  std::vector<ExpectedValue> ball;
  for (const char* key : {"posx", "posy", "Fx", "Fy", "hillFx", "hillFy"}) {
    ball.push_back({key, 8, {}});
  }
  ball.push_back({"Ismoving", 1, {}});
  std::vector<ExpectedValue> record = {{"Sound", 4, {}}};
  for (int i = 0; i < 5; ++i) record.push_back({"HS" + std::to_string(i), 4, {}});
  record.push_back({"Engine", 0, {{"Course", 0, course}, {"Ball", 0, ball}}});
  return record;
}

// Lookups take the first record of a key, whatever its type tag; so does this check.
bool MatchesExpected(const uint8_t* bytes, uint32_t length,
                     const std::vector<ExpectedValue>& expected) {
  const std::vector<storage::PropertyRecord> records = storage::ListRecords(bytes, length, nullptr);
  for (const ExpectedValue& value : expected) {
    for (const storage::PropertyRecord& record : records) {
      if (record.key != value.key) continue;
      if (value.nested.empty()) {
        if (record.value.size() != value.length) return false;
      } else if (!MatchesExpected(record.value.data(), uint32_t(record.value.size()),
                                  value.nested)) {
        return false;
      }
      break;
    }
  }
  return true;
}

std::string RecordName(uint32_t index) {
  char name[32];
  std::snprintf(name, sizeof name, "Preference%i", int(uint16_t(index)));
  return name;
}

// Keeps the damaged bytes beside the record and empties the record itself. Both keys are
// closed (and so written) before this returns: the fatal error that follows saves nothing.
void MoveRecordAside(const std::vector<uint8_t>& bytes) {
  std::unique_ptr<frame::RegistryKey> application = frame::OpenApplicationKey();
  frame::RegistryKey preferences(application.get(), "Preferences",
                                 frame::KeyCreation::kCreateIfMissing);
  preferences.SelectValue(kDamagedRecordName)->SetBinary(bytes.data(), uint32_t(bytes.size()));
  preferences.SelectValue(RecordName(kSettingsRecordIndex).c_str())->SetBinary(nullptr, 0);
}

}  // namespace

bool IsSettingsRecordSound(const uint8_t* bytes, uint32_t length) {
  static const std::vector<ExpectedValue> kExpected = ExpectedRecord();
  return MatchesExpected(bytes, length, kExpected);
}

bool LoadSettingsRecord(storage::PropertyStore& record) {
  const uint32_t size = frame::GetPreferenceSize(kSettingsRecordIndex);
  if (size == 0) return false;
  std::vector<uint8_t> bytes(size);
  frame::ReadPreference(bytes.data(), size, kSettingsRecordIndex);
  if (!IsSettingsRecordSound(bytes.data(), size)) {
    MoveRecordAside(bytes);
    frame::FatalError("Mangled config.", frame::kFatalExitCode);
  }
  record.FromBytes(bytes);
  return true;
}

void SaveSettingsRecord(const storage::PropertyStore& record) {
  const std::vector<uint8_t> bytes = record.ToBytes();
  frame::WritePreference(bytes.data(), uint32_t(bytes.size()), kSettingsRecordIndex);
}

}  // namespace screens
