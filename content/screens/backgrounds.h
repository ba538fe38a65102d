// The full-screen pictures (240x268): the plain lawn behind the secondary screens, the main
// menu, the game screen's frame, the about screen and the two splash pictures.
#pragma once

#include "content/art/canvas.h"

namespace content::screens {

Canvas ClearScreen();      // course choice, help, highscores, options
Canvas MenuScreen();       // the main menu's background, with the wordmark
Canvas GameFrame();        // around the playfield: status panel, button places
Canvas AboutScreen();      // title, version plate, credits band
Canvas SplashScreen();     // the game's title picture
Canvas PublisherSplash();  // the publisher's logo, shown first

// Hills and a mown fairway below `horizon`, over a sky the caller has drawn (with the sun and
// clouds it wants); shared by the splash and about pictures.
void DrawCountryside(Canvas& c, int horizon);
void DrawSun(Canvas& c, double x, double y);
void DrawCloud(Canvas& c, double x, double y, double scale);
// "Puttland" as a big outlined wordmark with its left edge at x and line top at y.
void DrawWordmark(Canvas& c, int x, int y, int size);
int WordmarkWidth(int size);

}  // namespace content::screens
