// Painted markings of flat and sloped blocks: tee mat, kerb, paving and downhill chevrons,
// each designed facing up and turned with its block.
#pragma once

#include "content/art/canvas.h"
#include "content/catalogue/block_catalogue.h"

namespace content {

void PaintMarking(Canvas& canvas, const BlockPicture& block);

}  // namespace content
