// The secondary screens end to end: the options screen's name and sound choice, the help text
// scrolled to its last line, the about screen's version; a damaged settings record; and a tour
// that leaves a screenshot of every screen for review.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "program/tests/e2e/game_checks.h"

namespace program::e2e {
namespace {

TEST(Options, AcceptWithAnEmptyNameStoresASpace) {
  // The script language cannot erase the name box (no backspace or delete key), so the empty
  // box comes from a settings record whose player name is empty.
  ProgramRun run("options_empty_name");
  PrepareDevice(run, PreparedRecord(18, {}, "", 1));
  const RunResult r = run.PlayText("accept", ScriptText("resume_menu") +
                                                 "tap 120 144\nwait 50\nshot options\ntap 71 259\n"
                                                 "wait 50\nshot menu-after\n");
  ASSERT_EQ(r.status, 0) << r.errors;
  const auto prefs = run.Prefs();
  EXPECT_EQ(Pref(prefs, "PlayerName"), "text \" \"");
  EXPECT_EQ(Pref(prefs, "Sound"), "int 1");
}

TEST(Options, TypedNameIsCutAt11AndCancelKeepsNameAndSound) {
  ProgramRun run("options_name");
  // "No name" and four of the typed letters make 11; then a second visit changes the sound and
  // the name and cancels.
  const RunResult r = run.PlayText(
      "name", ScriptText("resume_menu") +
                  "tap 120 144\nwait 50\ntap 176 143\nwait 20\ntype Adalovelace\nwait 20\n"
                  "shot typed\ntap 71 259\nwait 50\n"
                  "tap 120 144\nwait 50\nshot again\ntap 91 217\nwait 20\ntap 176 143\n"
                  "wait 20\ntype Zed\nwait 20\ntap 168 259\nwait 50\n");
  ASSERT_EQ(r.status, 0) << r.errors;
  const auto prefs = run.Prefs();
  EXPECT_EQ(Pref(prefs, "PlayerName"), "text \"No nameAdal\"");
  EXPECT_EQ(Pref(prefs, "Sound"), "int 1") << "cancel kept the sound choice";
  // The radio is tapped at 350 ms; it sounds again on later releases while selected.
  EXPECT_EQ(SoundsBetween(run.Sounds(), 108, 0, 350), 0);
  EXPECT_GE(SoundsBetween(run.Sounds(), 108, 350, 360), 1) << "the sound-on radio played no sample";
}

// Whether a text line of the help box (line k of the box, 12 px apart from form y 49) is blank.
bool HelpLineBlank(const Screenshot& s, int k) {
  const std::vector<uint32_t> band = Area(s, 26, 49 + kBar + 12 * k, 175, 12);
  return std::set<uint32_t>(band.begin(), band.end()).size() == 1;
}

TEST(Help, ScrollsToShowLine44AtTheBottom) {
  ProgramRun run("help");
  std::string script = ScriptText("resume_menu") + "tap 120 214\nwait 50\nshot top\n";
  for (int i = 0; i < 16; ++i) script += "key down\nwait 20\n";  // two lines a press
  script +=
      "shot end\ntap 214 80\nwait 300\nshot one-up\ntap 214 238\nwait 300\nshot end-again\n"
      "tap 214 238\nwait 300\nshot past-end\n";
  const RunResult r = run.PlayText("scroll", script);
  ASSERT_EQ(r.status, 0) << r.errors;
  // 14 lines show; at the end lines 31 to 44: "Good Luck!" under the empty line 43, under
  // " holes.". One line up, the empty line is at the bottom.
  const Screenshot top = run.Shot("top"), end = run.Shot("end"), up = run.Shot("one-up");
  EXPECT_FALSE(HelpLineBlank(top, 0));
  EXPECT_FALSE(HelpLineBlank(end, 13)) << "line 44 is not at the bottom";
  EXPECT_TRUE(HelpLineBlank(end, 12));
  EXPECT_FALSE(HelpLineBlank(end, 11));
  EXPECT_TRUE(HelpLineBlank(up, 13));
  EXPECT_FALSE(HelpLineBlank(up, 12));
  EXPECT_EQ(Area(run.Shot("end-again"), 24, 73, 180, 172), Area(end, 24, 73, 180, 172));
  EXPECT_EQ(Area(run.Shot("past-end"), 24, 73, 180, 172), Area(end, 24, 73, 180, 172))
      << "the help scrolled past its last line";
}

TEST(About, ShowsTheVersion) {
  ProgramRun run("about");
  ASSERT_EQ(run.PlayText("about", ScriptText("resume_menu") + "tap 120 249\nwait 50\nshot about\n")
                .status,
            0);
  // "v1.3" at form (186, 73): four glyphs, the third a one-column point, from x 186.
  const Screenshot about = run.Shot("about");
  const uint32_t paper = about.pixels[size_t(99) * 240 + 184];
  std::vector<std::pair<int, int>> glyphs;  // first and last ink column
  for (int x = 184; x < 230; ++x) {
    bool ink = false;
    for (int y = 101; y < 113; ++y) ink = ink || about.pixels[size_t(y) * 240 + x] != paper;
    if (!ink) continue;
    if (!glyphs.empty() && glyphs.back().second == x - 1) {
      glyphs.back().second = x;
    } else {
      glyphs.emplace_back(x, x);
    }
  }
  ASSERT_EQ(glyphs.size(), 4u) << "not four characters";
  EXPECT_EQ(glyphs[0].first, 186);
  EXPECT_EQ(glyphs[2].first, glyphs[2].second) << "no point between the numbers";
}

TEST(Settings, ADamagedRecordIsKeptAsideAndTheNextStartUsesDefaults) {
  ProgramRun run("damaged_settings");
  // A best score of two bytes where the game reads four, in a record of a game in progress.
  std::string record = PreparedRecord(4, {}, "Ada", 0, 70);
  const std::string best = "\"HS0\" 0x10001 int 70";
  record.replace(record.find(best), best.size(), "\"HS0\" 0x10001 hex 4600");
  PrepareDevice(run, record);
  const std::string damaged = run.Registry(kPreferencesKey, kPreferencesKeyName);
  ASSERT_NE(damaged, "");
  RunResult r = run.Play("resume_menu");
  EXPECT_NE(r.status, 0) << "the program went on with a damaged record";
  EXPECT_NE((r.output + r.errors).find("Mangled config."), std::string::npos)
      << r.output << r.errors;
  EXPECT_FALSE(std::filesystem::exists(run.Shots() / "menu.png")) << "the menu was shown";
  EXPECT_EQ(run.Registry(kPreferencesKey, "Preference0.damaged"), damaged);
  EXPECT_EQ(run.Registry(kPreferencesKey, kPreferencesKeyName), "");
  r = run.Play("resume_menu");
  ASSERT_EQ(r.status, 0) << r.errors;
  // The menu offers no game to resume; the settings are the defaults.
  const auto prefs = run.Prefs();
  EXPECT_EQ(Pref(prefs, "Sound"), "int 1");
  EXPECT_EQ(Pref(prefs, "PlayerName"), "text \"No name\"");
  EXPECT_EQ(Pref(prefs, "HS0"), "int 70");
  EXPECT_EQ(Pref(prefs, kCourseRecord + "Hole number"), "int 18");
  EXPECT_EQ(run.Registry(kPreferencesKey, "Preference0.damaged"), damaged);
}

TEST(Tour, EveryScreenOnce) {
  ProgramRun run("tour");
  const RunResult r = run.Play("tour");
  ASSERT_EQ(r.status, 0) << r.errors;
  const std::vector<std::string> names = {"splash1", "splash2",   "menu",       "courses",
                                          "game",    "aim-power", "score-card", "highscores",
                                          "options", "help",      "about",      "menu-resume"};
  std::vector<std::vector<uint32_t>> forms;
  forms.reserve(std::size(names));
  for (const std::string& name : names) forms.push_back(Area(run.Shot(name), 0, kBar, 240, 268));
  for (size_t i = 0; i < forms.size(); ++i) {
    for (size_t j = i + 1; j < forms.size(); ++j)
      EXPECT_NE(forms[i], forms[j]) << names[i] << " and " << names[j] << " look the same";
  }
}

}  // namespace
}  // namespace program::e2e
