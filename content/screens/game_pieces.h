// The game screen's own pieces: the shot, menu and score buttons, the power bar that fills
// the shot button, the badge around the score button and the cup.
#pragma once

#include "content/art/canvas.h"

namespace content::screens {

Canvas ShootStrip();  // 60x30 images
Canvas EnergyBar();   // one shot-button image, filled with the power colours
Canvas MenuStrip();   // 30x26 images
Canvas ScoreStrip();  // 19x19 images
Canvas ScoreBadge();  // 30x30, magenta outside: keyed into the playfield corner
Canvas Cup();         // 11x11, magenta outside: centred on the cup

}  // namespace content::screens
