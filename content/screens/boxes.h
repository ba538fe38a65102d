// The plates and boxes of the secondary screens: title plates, the help text box, the
// highscore box, the options box, and the controls drawn on them (scroll bar parts, radio).
#pragma once

#include <string_view>

#include "content/art/canvas.h"

namespace content::screens {

Canvas TitlePlate(std::string_view title);  // 200x22 at (20, 20)
Canvas HelpBox();                           // white inside a one-pixel rim; text from (2, 2)
Canvas HighscoreBox();                      // trophy, white well for the three text rows
Canvas OptionsBox();                        // labels around the name box and the radios

Canvas ScrollTrack(int height);     // 14 wide; its ends lie under the buttons
Canvas ScrollButtonStrip(bool up);  // 14x14 images: normal, pressed, disabled
Canvas ScrollThumb();               // 14x14
Canvas RadioStrip();                // 16x16 images: normal, selected, disabled

}  // namespace content::screens
