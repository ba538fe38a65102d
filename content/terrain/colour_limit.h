// Keeps a picture within the 256 colours of an 8-bit bitmap, which the archive packs far better
// than 24-bit pixels.
#pragma once

#include "content/art/canvas.h"

namespace content {

// The number of different colours in the picture.
int CountColours(const Canvas& canvas);

// Rounds colour channels ever more coarsely until at most 256 colours remain; pure magenta
// stays exact, since it keys the transparent parts.
void LimitColours(Canvas& canvas);

}  // namespace content
