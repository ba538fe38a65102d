// The ground's slope functions: per cell and axis, the velocity increment a ball gets on
// every physics step while its centre is over a point of the cell.
#pragma once

#include <cstdint>
#include <string_view>

namespace golf {

// The slope unit, pixels per second added per step.
inline constexpr double kSlopeUnit = 8.0;

// A slope function of the local cell coordinates (0..20); axis is 1 for the x component
// and 0 for the y component.
using SlopeFunction = double (*)(int lx, int ly, uint8_t axis);

double NullFunction(int lx, int ly, uint8_t axis);

// The function of a name, compared byte for byte; an unknown name (and "NullFunction")
// gives NullFunction.
SlopeFunction LookupSlopeFunction(std::string_view name);

// A push away from a cone's centre, of constant size (R * 8 / 21) inside radius R, its
// direction quantised to whole degrees through the arc-cosine table.
double ConeSlope(int dx, int dy, int radius, uint8_t axis);

}  // namespace golf
