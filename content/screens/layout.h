// Where the game places each screen picture on its 240x268 form, and the sizes we draw them at:
// the pictures are drawn over crops of their backgrounds so rounded corners blend in.
#pragma once

namespace content::screens {

struct Place {
  int x, y, w, h;  // w and h: one image of a strip
};

inline constexpr int kFormW = 240, kFormH = 268;

// Every screen with a title plate shows it here.
inline constexpr Place kTitle{20, 20, 200, 22};
inline constexpr Place kExit{224, 4, 14, 14};

// Main menu: six buttons 35 px apart.
inline constexpr int kMenuX = 49, kMenuY0 = 33, kMenuStep = 35, kMenuW = 142, kMenuH = 30;
// Course choice: five buttons 39 px apart.
inline constexpr int kCourseX = 27, kCourseY0 = 49, kCourseStep = 39, kCourseW = 186, kCourseH = 34;

// Game screen.
inline constexpr Place kPlayfield{15, 64, 210, 189};
inline constexpr Place kMenuButton{132, 14, 30, 26};
inline constexpr Place kShootButton{164, 12, 60, 30};
inline constexpr Place kScoreButton{211, 241, 19, 19};
inline constexpr Place kScoreBadge{205, 236, 30, 30};
// The status numbers are right-aligned on x 60 (hole) and x 121 (stroke), top y 16.
inline constexpr int kStatusTop = 16, kHoleRight = 60, kStrokeRight = 121;

// Score card, in card coordinates (the card covers the playfield).
inline constexpr Place kCardDone{33, 152, 144, 26};
inline constexpr int kCardRowTop = 56, kCardRowStep = 13, kCardColumnStep = 49;
inline constexpr int kCardTotalTop = 121;
inline constexpr int kCardFaceH = 38;  // the course face covers the card's header band

// Highscores.
inline constexpr Place kHighscoreBox{24, 46, 180, 56};
inline constexpr int kHighscoreBoxStep = 60;
inline constexpr Place kHighscoreTrack{206, 46, 14, 176};
inline constexpr Place kWideDone{24, 225, 180, 26};  // highscores and help

// Help.
inline constexpr Place kHelpBox{24, 47, 180, 172};
inline constexpr Place kHelpTrack{24 + 180 + 3, 47, 14, 172};

// Options, in form coordinates.
inline constexpr Place kOptionsBox{21, 45, 198, 170};
inline constexpr Place kNameBox{62, 109, 117, 16};
inline constexpr Place kRadioOn{83, 183, 16, 16};
inline constexpr Place kRadioOff{137, 183, 16, 16};
inline constexpr Place kAccept{25, 220, 93, 26};
inline constexpr Place kCancel{122, 220, 93, 26};

// About.
inline constexpr Place kAboutDone{90, 236, 60, 24};
inline constexpr Place kVersionArea{182, 69, 52, 22};  // the game writes "v1.3" at (186, 73)
inline constexpr Place kCreditsArea{4, 150, 232, 30};  // credit lines at y 158, centred

inline constexpr int kScrollPart = 14;  // scroll buttons and thumb: 14x14 images

}  // namespace content::screens
