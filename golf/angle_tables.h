// Whole-degree sine, cosine and arc-cosine tables and the Newton square root: the
// engine's only trigonometry, with the rounding that the ball's path depends on.
#pragma once

#include <array>
#include <cstdint>

namespace golf {

// sin(a) for a = 0..359 degrees, rounded to 4 decimal places: the double nearest to
// k / 10000 where k is sin(a) * 10000 rounded to the nearest integer (no angle lies on
// a tie). SinTable[1] = 0.0175, SinTable[90] = 1.0.
const std::array<double, 360>& SinTable();
// cos(a) rounded the same way; equal to SinTable[(90 - a) mod 360]. CosTable[90] = 0.0.
const std::array<double, 360>& CosTable();
// acos(i / 100 - 1) in degrees, rounded to the nearest whole degree (no entry lies on a
// tie): entry 0 = 180, 1 = 172, 100 = 90, 199 = 8, 200 = 0.
const std::array<int32_t, 201>& AcosTable();

// Sine of a whole-degree angle: SinTable[a mod 360] for a >= 1, -SinTable[-a mod 360]
// for a <= 0 (so a = 0 gives -0.0).
double SinLookup(int a);
// Cosine of a whole-degree angle: CosTable[|a| mod 360].
double CosLookup(int a);
// Arc cosine in whole degrees of c in [-1, 1]: AcosTable[trunc((c + 1) * 100)]. A c that
// rounding put a hair outside [-1, 1] is clamped to the table's ends.
int AcosLookup(double c);

// Square root by Newton's iteration from value / 2, stopping once |g * g - value| is
// below the tolerance or g reaches 0; a negative value gives -1.0. The iteration count is
// bounded so that a value that never meets the tolerance (infinite, not a number, or
// too large for the tolerance to be representable) still returns.
double NewtonSqrt(double value, double tolerance);

}  // namespace golf
