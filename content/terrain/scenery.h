// Small pieces of scenery that the backgrounds scatter around the course: trees, bushes,
// flowers, ponds, stones, craters and cacti, each lit from the top left with its shadow.
#pragma once

#include "content/art/canvas.h"

namespace content {

// Darkens whatever lies under an ellipse by a fixed step: a cast shadow.
void CastShadow(Canvas& c, double cx, double cy, double rx, double ry, double amount = -0.28);

void Tree(Canvas& c, double cx, double cy, double radius, Rgb leaves);
void Bush(Canvas& c, double cx, double cy, double radius, Rgb leaves);
void Flowers(Canvas& c, int cx, int cy, uint32_t seed, Rgb petal);
void Pond(Canvas& c, double cx, double cy, double rx, double ry);
void Stone(Canvas& c, double cx, double cy, double rx, double ry, Rgb body);
// A bowl: shaded on its upper left inner wall, lit on the lower right, with a raised rim.
void Crater(Canvas& c, double cx, double cy, double radius, Rgb ground);
void Cactus(Canvas& c, int x, int baseY, int height, bool armLeft, bool armRight);

}  // namespace content
