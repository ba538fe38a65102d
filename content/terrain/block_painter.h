// The still block pictures (ids 0 to 52): floor, wall pieces with their outside part in magenta,
// slopes and markings, each drawn from its catalogue row.
#pragma once

#include "content/art/canvas.h"
#include "content/catalogue/block_catalogue.h"

namespace content {

Canvas PaintBlock(const BlockPicture& block);

}  // namespace content
