// What the game's end-to-end tests share: places on the screen (stylus coordinates, the 26-pixel
// top bar included), pixel areas of screenshots, the sound log, the saved settings, and prepared
// settings records for runs that start in the middle of a course.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "program/tests/e2e/program_run.h"

namespace program::e2e {

inline constexpr int kBar = 26;  // a form's (x, y) is the screen's (x, y + kBar)

// A rectangle of a screenshot, row by row.
inline std::vector<uint32_t> Area(const Screenshot& shot, int x, int y, int w, int h) {
  std::vector<uint32_t> area;
  area.reserve(size_t(w) * size_t(h));
  for (int row = y; row < y + h; ++row)
    for (int col = x; col < x + w; ++col) area.push_back(shot.pixels[size_t(row) * 240 + col]);
  return area;
}

// The status wells of the game screen: the hole number ends at x 60, the stroke number at x 121
// (form y 16). Both wells are plain inside, so the same digits give the same pixels 61 px apart.
inline std::vector<uint32_t> HoleWell(const Screenshot& s) {
  return Area(s, 40, 41, 21, 17);
}
inline std::vector<uint32_t> StrokeWell(const Screenshot& s) {
  return Area(s, 101, 41, 21, 17);
}

// The line of hole i (0..17) on the score card (the card covers the playfield at form (15, 64)):
// text right-aligned on 49 x (i / 7 + 1), top at 56 + 13 x (i mod 7), in card coordinates.
inline std::vector<uint32_t> CardLine(const Screenshot& s, int i) {
  const int right = 15 + 49 * (i / 7 + 1), top = 64 + kBar + 56 + 13 * (i % 7);
  return Area(s, right - 14, top, 14, 11);
}
inline std::vector<uint32_t> CardTotal(const Screenshot& s) {
  return Area(s, 15 + 147 - 20, 64 + kBar + 121, 20, 11);
}

// Sounds of one resource id started within [from, to).
inline int SoundsBetween(const std::vector<std::pair<uint32_t, unsigned>>& sounds, unsigned id,
                         uint32_t from = 0, uint32_t to = 0xFFFFFFFFu) {
  int n = 0;
  for (const auto& [time, sound] : sounds) n += sound == id && time >= from && time < to;
  return n;
}

inline double PrefDouble(const std::map<std::string, std::string>& prefs, const std::string& key) {
  const auto it = prefs.find(key);
  if (it == prefs.end() || it->second.rfind("double ", 0) != 0) {
    ADD_FAILURE() << "no double " << key;
    return -1e300;
  }
  return std::strtod(it->second.c_str() + 7, nullptr);
}

inline std::string Pref(const std::map<std::string, std::string>& prefs, const std::string& key) {
  const auto it = prefs.find(key);
  return it == prefs.end() ? "(none)" : it->second;
}

inline const std::string kCourseRecord = "Engine/Course/";
inline const std::string kBallRecord = "Engine/Ball/";

// A settings record in pt-prefs's text: sounds on or off, a player name, a saved game on a hole
// of Garden with the given counts and the ball on the tee (no ball record), Garden's best score.
inline std::string PreparedRecord(int hole, const std::array<int, 18>& counts,
                                  const std::string& name = "No name", int sound = 0,
                                  int gardenBest = 70, const std::string& gardenName = "No name") {
  std::string text = "\"Sound\" 0x10001 int " + std::to_string(sound) + "\n";
  text += "\"PlayerName\" 0x10001 text \"" + name + "\"\n";
  text += "\"Engine\" 0x10002 store {\n  \"Course\" 0x10002 store {\n";
  text += "    \"Course number\" 0x10001 int 0\n";
  text += "    \"Hole number\" 0x10001 int " + std::to_string(hole) + "\n";
  for (int i = 0; i < 18; ++i) {
    text +=
        "    \"Score" + std::to_string(i) + "\" 0x10001 int " + std::to_string(counts[i]) + "\n";
  }
  text += "  }\n  \"Ball\" 0x10002 store {\n  }\n}\n";
  for (int i = 0; i < 5; ++i) {
    const int score = i == 0 ? gardenBest : (i + 7) * 10;
    text += "\"HS" + std::to_string(i) + "\" 0x10001 int " + std::to_string(score) + "\n";
    text += "\"HSName" + std::to_string(i) + "\" 0x10001 text \"" +
            (i == 0 ? gardenName : std::string("No name")) + "\"\n";
  }
  return text;
}

// A device prepared by a first run that only quits, then given `record` as its settings.
inline void PrepareDevice(ProgramRun& run, const std::string& record) {
  ASSERT_EQ(run.Start({"--script", std::string(PT_SCRIPTS) + "/end.pts"}).status, 0);
  ASSERT_TRUE(run.SetPrefs(record)) << record;
}

}  // namespace program::e2e
