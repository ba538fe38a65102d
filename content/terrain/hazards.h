// The animated hazard cells: water, lava and the void, three frames each, opaque. Patterns
// repeat every 21 pixels so that neighbouring hazard cells join up.
#pragma once

#include "content/art/canvas.h"
#include "content/catalogue/block_catalogue.h"

namespace content {

// Frame 0..2 of a hazard block (its turned form shows the same pattern turned half round).
Canvas PaintHazard(const BlockPicture& block, int frame);

}  // namespace content
