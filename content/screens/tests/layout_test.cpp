// Checks that the screen pictures, placed where the game draws them, stay on the form and
// clear of each other, and that the help box and score card leave room for the game's text.
#include <gtest/gtest.h>

#include <vector>

#include "content/screens/layout.h"

namespace content::screens {
namespace {

bool Inside(const Place& p) {
  return p.x >= 0 && p.y >= 0 && p.x + p.w <= kFormW && p.y + p.h <= kFormH;
}

bool Overlap(const Place& a, const Place& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

void ExpectApart(const std::vector<Place>& screen) {
  for (size_t i = 0; i < screen.size(); ++i) {
    EXPECT_TRUE(Inside(screen[i])) << "element " << i << " leaves the form";
    for (size_t j = i + 1; j < screen.size(); ++j)
      EXPECT_FALSE(Overlap(screen[i], screen[j])) << "elements " << i << " and " << j;
  }
}

TEST(ScreenLayout, MainMenuButtonsAndCloseButtonStayApart) {
  std::vector<Place> menu{kExit};
  for (int i = 0; i < 6; ++i) menu.push_back({kMenuX, kMenuY0 + kMenuStep * i, kMenuW, kMenuH});
  ExpectApart(menu);
}

TEST(ScreenLayout, CourseButtonsSitBelowTheTitle) {
  std::vector<Place> courses{kExit, kTitle};
  for (int i = 0; i < 5; ++i)
    courses.push_back({kCourseX, kCourseY0 + kCourseStep * i, kCourseW, kCourseH});
  ExpectApart(courses);
}

TEST(ScreenLayout, HighscoreBoxesTrackAndDoneButtonStayApart) {
  std::vector<Place> screen{kTitle, kHighscoreTrack, kWideDone};
  for (int k = 0; k < 3; ++k) {
    screen.push_back({kHighscoreBox.x, kHighscoreBox.y + kHighscoreBoxStep * k, kHighscoreBox.w,
                      kHighscoreBox.h});
  }
  ExpectApart(screen);
  // The score row (y 88 + 60k, 11 px glyphs) ends inside its box.
  EXPECT_LE(88 - kHighscoreBox.y + 11, kHighscoreBox.h - 1);
}

TEST(ScreenLayout, HelpBoxShowsFourteenLinesBesideItsScrollBar) {
  ExpectApart({kTitle, kHelpBox, kHelpTrack, kWideDone});
  const int lineHeight = 11;
  EXPECT_EQ((kHelpBox.h - 2) / (lineHeight + 1), 14);
  EXPECT_EQ(kHelpTrack.x, kHelpBox.w + 27);
  EXPECT_EQ(kHelpTrack.h, kHelpBox.h);
  // The track holds both buttons and the thumb with room to move.
  EXPECT_GT(kHelpTrack.h - 3 * kScrollPart, 0);
  EXPECT_GT(kHighscoreTrack.h - 3 * kScrollPart, 0);
}

TEST(ScreenLayout, OptionsControlsLieOnTheirBox) {
  ExpectApart({kTitle, kOptionsBox, kAccept, kCancel});
  for (const Place& p : {kNameBox, kRadioOn, kRadioOff}) {
    EXPECT_GE(p.x, kOptionsBox.x);
    EXPECT_GE(p.y, kOptionsBox.y);
    EXPECT_LE(p.x + p.w, kOptionsBox.x + kOptionsBox.w);
    EXPECT_LE(p.y + p.h, kOptionsBox.y + kOptionsBox.h);
  }
}

TEST(ScreenLayout, GameButtonsClearThePlayfieldTopAndTheStatusNumbers) {
  ExpectApart({kMenuButton, kShootButton, kPlayfield});
  EXPECT_LT(kStrokeRight, kMenuButton.x);
  // The score button and its badge sit in the playfield's bottom right corner by design.
  EXPECT_TRUE(Inside(kScoreBadge));
  EXPECT_LE(kScoreBadge.x, kScoreButton.x);
  EXPECT_GE(kScoreBadge.x + kScoreBadge.w, kScoreButton.x + kScoreButton.w);
  EXPECT_GE(kScoreBadge.y + kScoreBadge.h, kScoreButton.y + kScoreButton.h);
}

TEST(ScreenLayout, ScoreCardRowsEndAboveTheDoneButtonAndBelowTheFace) {
  const int lastRowBottom = kCardRowTop + kCardRowStep * 6 + 11;
  EXPECT_LE(lastRowBottom, kCardDone.y);
  EXPECT_LE(kCardFaceH, kCardRowTop - 14);  // room for the column headings
  EXPECT_LE(kCardDone.x + kCardDone.w, kPlayfield.w);
  EXPECT_LE(kCardDone.y + kCardDone.h, kPlayfield.h);
}

TEST(ScreenLayout, AboutVersionPlateAndCreditsBandClearTheDoneButton) {
  ExpectApart({kVersionArea, kCreditsArea, kAboutDone});
  EXPECT_LE(kVersionArea.x, 186);
  EXPECT_LE(kVersionArea.y, 73);
  EXPECT_LE(kCreditsArea.y, 158);
}

}  // namespace
}  // namespace content::screens
