// The button strips of the menu screens: the six main menu buttons, the five course buttons,
// the close button, and the labelled done/accept/cancel buttons of the secondary screens.
#pragma once

#include <string_view>

#include "content/art/canvas.h"

namespace content::screens {

Canvas MainMenuStrip(int index);  // 0 new game .. 5 about, 142x30 images
Canvas CourseStrip(int course);   // 186x34 images with the emblem and the name
Canvas ExitStrip();               // 14x14 images, top right of the menu screens

// Labelled buttons on the lawn of the secondary screens.
Canvas WideDoneStrip();   // help and highscores, 180x26
Canvas AcceptStrip();     // 93x26
Canvas CancelStrip();     // 93x26
Canvas AboutDoneStrip();  // 60x24

}  // namespace content::screens
