// The score card over the playfield: the ruled card the game writes the scores into, and the
// five course faces (a coloured header band with the course's name and emblem) drawn over it.
#pragma once

#include "content/art/canvas.h"

namespace content::screens {

Canvas ScoreCard();            // 210x189
Canvas ScoreFace(int course);  // 210x38, opaque, at (0, 0) over the card
Canvas CardDoneStrip();        // 144x26 images, at (33, 152) on the card

}  // namespace content::screens
