// The best-score table: its defaults, the strictly-lower rule and its records in the settings
// store.
#include <gtest/gtest.h>

#include "screens/highscore_table.h"
#include "storage/property/property_store.h"

namespace {

screens::HighscoreTable Defaults() {
  screens::HighscoreTable table;
  table.FillDefaults();
  return table;
}

TEST(HighscoreTable, DefaultsRiseByTenFromGarden70ToMars110) {
  const screens::HighscoreTable table = Defaults();
  ASSERT_EQ(table.Count(), 5);
  const char* names[] = {"Garden", "Golf club", "Desert", "Moon", "Mars"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(table.Entry(i).courseName, names[i]);
    EXPECT_EQ(table.Entry(i).playerName, "No name");
    EXPECT_EQ(table.Entry(i).score, 70 + 10 * i);
  }
}

TEST(HighscoreTable, OnlyAStrictlyLowerTotalOfTheSameCourseReplaces) {
  screens::HighscoreTable table = Defaults();
  EXPECT_FALSE(table.IsHighscore(0, 70));
  EXPECT_TRUE(table.IsHighscore(0, 69));
  EXPECT_FALSE(table.IsHighscore(2, 95));
  table.SetHighscore(0, 69, "Ann");
  EXPECT_EQ(table.Entry(0).playerName, "Ann");
  EXPECT_EQ(table.Entry(0).score, 69);
  EXPECT_EQ(table.Entry(1).score, 80);  // no ranking across courses
  EXPECT_FALSE(table.IsHighscore(5, 1));
  EXPECT_FALSE(table.IsHighscore(-1, 1));
}

TEST(HighscoreTable, SaveAndLoadGiveBackScoresAndNamesButNeverCourseNames) {
  screens::HighscoreTable table = Defaults();
  table.SetHighscore(3, 61, "Bo");
  storage::PropertyStore store;
  table.SaveHighscores(store);
  int32_t raw = 0;
  ASSERT_TRUE(store.GetValue("HS3", &raw, 4));
  EXPECT_EQ(raw, 61);
  std::string name;
  ASSERT_TRUE(store.GetString("HSName3", &name));
  EXPECT_EQ(name, "Bo");

  // A record can't move a course name.
  store.SetString("HSName0", "Garden thief");
  screens::HighscoreTable loaded = Defaults();
  loaded.LoadHighscores(store);
  EXPECT_EQ(loaded.Entry(3).playerName, "Bo");
  EXPECT_EQ(loaded.Entry(3).score, 61);
  EXPECT_EQ(loaded.Entry(3).courseName, "Moon");
  EXPECT_EQ(loaded.Entry(0).playerName, "Garden thief");
  EXPECT_EQ(loaded.Entry(0).courseName, "Garden");
}

TEST(HighscoreTable, NegativeScoresSurviveTheFourByteRecord) {
  screens::HighscoreTable table = Defaults();
  table.SetHighscore(1, -3, "x");
  storage::PropertyStore store;
  table.SaveHighscores(store);
  screens::HighscoreTable loaded = Defaults();
  loaded.LoadHighscores(store);
  EXPECT_EQ(loaded.Entry(1).score, -3);
}

TEST(HighscoreTable, ANameWithoutItsScoreKeepsTheDefaultScore) {
  storage::PropertyStore store;
  store.SetString("HSName2", "Cy");
  screens::HighscoreTable table = Defaults();
  table.LoadHighscores(store);
  EXPECT_EQ(table.Entry(2).playerName, "Cy");
  EXPECT_EQ(table.Entry(2).score, 90);
  EXPECT_EQ(table.Entry(4).playerName, "No name");
}

}  // namespace
