// The help screen's text, one string per line, as the help box shows it; kept apart from the
// form so that the font tests can check that every line fits the box.
#pragma once

namespace screens {

inline constexpr int kHelpLineCount = 44;
inline constexpr const char* kHelpLines[kHelpLineCount] = {
    "Controls:",
    "Game controls are based on",
    "the stylus. Tapping any loca-",
    "tion on the screen will dis-",
    "play an aiming index that",
    "points in the direction the",
    "ball will travel should it be",
    "shot at that time.",
    "By dragging the stylus on",
    "the screen, the aiming index",
    "can be manipulated to point",
    "in any direction. Once the",
    "aiming index is pointing in",
    "the desired direction, the",
    "'shot' button should be pres-",
    "sed with the stylus. The",
    "longer the stylus is held on",
    "the 'shot' button, the harder",
    "the ball will be struck.",
    "",
    "Game rules:",
    "",
    "-The objective is to sink",
    " your golf ball in the hole",
    " using as few strokes as",
    " possible.",
    "-Should your ball fall into",
    " a hazard (i.e., water, lava",
    " etc.), your ball will be",
    " returned to the spot it",
    " was shot from previous to",
    " entering the hazard, while",
    " incurring a 1 stroke penal-",
    " ty.",
    "-If you fail to complete a",
    " hole in less then 7 strokes,",
    " you are passed to the next",
    " hole with 7 penalty points-",
    " 6 pts for strokes and 1",
    " additional.",
    "-One course consists of 18",
    " holes.",
    "",
    "Good Luck!",
};

}  // namespace screens
