// HighscoreTable: defaults, the entry rule and the records in the settings store.
#include "screens/highscore_table.h"

#include <cstdio>

#include "screens/game_settings.h"
#include "storage/property/property_store.h"

namespace screens {
namespace {

constexpr const char* kCourseNames[] = {"Garden", "Golf club", "Desert", "Moon", "Mars"};

std::string Key(const char* format, int index) {
  char key[24];
  std::snprintf(key, sizeof key, format, index);
  return key;
}

}  // namespace

const char* CourseName(int course) {
  constexpr int kCount = sizeof kCourseNames / sizeof kCourseNames[0];
  return course >= 0 && course < kCount ? kCourseNames[course] : "";
}

HighscoreTable::HighscoreTable(int capacity) : capacity_(capacity) {
  entries_.reserve(capacity);
}

void HighscoreTable::FillDefaults() {
  for (int i = Count(); i < capacity_; ++i) {
    entries_.push_back({kDefaultPlayerName, CourseName(i), static_cast<int16_t>((i + 7) * 10)});
  }
}

bool HighscoreTable::IsHighscore(int course, int total) const {
  return IsIndex(course) && total < entries_[course].score;
}

void HighscoreTable::SetHighscore(int course, int total, const std::string& playerName) {
  if (!IsIndex(course)) return;
  entries_[course] = {playerName, CourseName(course), static_cast<int16_t>(total)};
}

void HighscoreTable::LoadHighscores(const storage::PropertyStore& store) {
  for (int i = 0; i < Count(); ++i) {
    HighscoreEntry& entry = entries_[i];
    int32_t score = 0;
    if (store.GetValue(Key("HS%i", i).c_str(), &score, 4)) {
      entry.score = static_cast<int16_t>(score);
    }
    std::string name;
    if (store.GetString(Key("HSName%i", i).c_str(), &name)) entry.playerName = std::move(name);
    entry.courseName = CourseName(i);
  }
}

void HighscoreTable::SaveHighscores(storage::PropertyStore& store) const {
  for (int i = 0; i < Count(); ++i) {
    const int32_t score = entries_[i].score;  // sign-extended to 4 bytes
    store.SetValue(storage::kPropertyValue, Key("HS%i", i).c_str(), &score, 4);
    store.SetString(Key("HSName%i", i).c_str(), entries_[i].playerName);
  }
}

}  // namespace screens
