// The game's process-wide settings: the sound setting and player name that the settings record
// keeps, and the click-sound switch and sound id that every ClickButton reads.
#pragma once

#include <cstdint>
#include <string>

namespace storage {
class PropertyStore;
}  // namespace storage

namespace screens {

// The stored sound setting: 0 plays sound effects, 1 is silent; 2 plays only when the device
// says it can, which it never does here, so 2 is silent too.
enum SoundSetting : int32_t {
  kSoundOn = 0,
  kSoundOff = 1,
  kSoundIfCapable = 2,
};

// The player name holds at most this many characters.
inline constexpr size_t kPlayerNameCapacity = 31;
inline constexpr const char* kDefaultPlayerName = "No name";
// The button click (WAVE resource of the program).
inline constexpr uint16_t kDefaultClickSoundId = 108;

int32_t GetSoundSetting();
void SetSoundSetting(int32_t setting);
// True exactly when the sound setting is 0.
bool SoundsEnabled();

const std::string& GetPlayerName();
// Keeps the first 31 characters of a longer name.
void SetPlayerName(std::string name);

// Whether ClickButton plays its click; the menu and the options screen set it from the sound
// setting.
bool ClickSoundOn();
void SetClickSoundOn(bool on);
uint16_t ClickSoundId();

// Sound setting 1, "No name", click sound on: the values at process start.
void ResetSettings();

// Plays one of the program's WAVE resources without waiting for it.
void PlaySoundResource(int id);

// The settings record: preference record 0, a property store holding "Sound", "PlayerName",
// the best scores and the saved game.
inline constexpr uint32_t kSettingsRecordIndex = 0;
// Where a damaged record is kept, beside the record, for whoever wants to look at it.
inline constexpr const char* kDamagedRecordName = "Preference0.damaged";

// "Sound" and "PlayerName" into the settings above; a missing record keeps its setting.
void ReadSettings(const storage::PropertyStore& record);
void WriteSettings(storage::PropertyStore& record);

// Whether every value the game reads from the record has the length it is read with. Reading
// one of another length would end the program.
bool IsSettingsRecordSound(const uint8_t* bytes, uint32_t length);

// Reads the settings record into `record`: false when there is none. A damaged record is moved
// aside (to kDamagedRecordName, replacing an older one; the record itself is emptied, so the
// next start begins with the defaults) and then ends the program with "Mangled config.".
bool LoadSettingsRecord(storage::PropertyStore& record);
void SaveSettingsRecord(const storage::PropertyStore& record);

}  // namespace screens
