// Fan and magnet cells: a fan turning in 8 frames with its wind blowing out of the side it
// faces, a horseshoe magnet whose field lines pulse in towards it over 16 frames. Both are
// keyed: magenta lets the background show.
#pragma once

#include "content/art/canvas.h"
#include "content/catalogue/block_catalogue.h"

namespace content {

Canvas PaintFan(Facing facing, int frame);
Canvas PaintMagnet(Facing facing, int frame);

}  // namespace content
