// HighscoreTable: the best total of each of the five courses and the name it was made under,
// kept in the settings record as "HS%i" (score) and "HSName%i" (name).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace storage {
class PropertyStore;
}  // namespace storage

namespace screens {

inline constexpr int kHighscoreCapacity = 5;

// The course names by course index; never stored, always taken from here.
const char* CourseName(int course);

struct HighscoreEntry {
  std::string playerName;
  std::string courseName;
  int16_t score = 0;
};

class HighscoreTable {
 public:
  explicit HighscoreTable(int capacity = kHighscoreCapacity);
  virtual ~HighscoreTable() = default;

  // Appends the default entry of every index from the count to the capacity: "No name" with
  // (index + 7) * 10, so Garden 70 up to Mars 110.
  virtual void FillDefaults();

  // Only a strictly lower total beats the course's entry: an equal one keeps the older result.
  bool IsHighscore(int course, int total) const;
  void SetHighscore(int course, int total, const std::string& playerName);

  // A missing "HS%i" keeps the entry's score and a missing "HSName%i" its name.
  void LoadHighscores(const storage::PropertyStore& store);
  void SaveHighscores(storage::PropertyStore& store) const;

  int Capacity() const { return capacity_; }
  int Count() const { return static_cast<int>(entries_.size()); }
  const HighscoreEntry& Entry(int index) const { return entries_[index]; }

 private:
  bool IsIndex(int index) const { return index >= 0 && index < Count(); }

  int capacity_;
  std::vector<HighscoreEntry> entries_;
};

}  // namespace screens
