// The 17 named slope functions: two tilted planes, a ridge and a trough, and 13 cones
// (four quarter cones and the nine blocks of one 3 x 3 hill).
#include "golf/slope.h"

#include "golf/angle_tables.h"

namespace golf {
namespace {

double RightSideRaised(int, int, uint8_t) {
  return -kSlopeUnit;
}
double LeftSideRaised(int, int, uint8_t) {
  return kSlopeUnit;
}

// A ridge along the middle of the cell: pixels 0..10 push towards 0, 11..20 towards 20.
double RaisedOnCenter(int lx, int ly, uint8_t axis) {
  const int p = axis == 1 ? lx : ly;
  return 2 * p > 21 ? 2.0 * kSlopeUnit : -2.0 * kSlopeUnit;
}

// The matching trough (no block uses it; 2p = 21 cannot happen for whole pixels).
double LoweredOnCenter(int lx, int ly, uint8_t axis) {
  const int p = axis == 1 ? lx : ly;
  return 2 * p < 21 ? 2.0 * kSlopeUnit : -2.0 * kSlopeUnit;
}

// A cone with its top at local (cx, cy) and radius r.
template <int kCx, int kCy, int kR>
double Cone(int lx, int ly, uint8_t axis) {
  return ConeSlope(lx - kCx, ly - kCy, kR, axis);
}

struct NamedFunction {
  std::string_view name;
  SlopeFunction function;
};

constexpr NamedFunction kFunctions[] = {
    {"RightSideRaised", RightSideRaised},
    {"LeftSideRaised", LeftSideRaised},
    {"RaisedOnCenter", RaisedOnCenter},
    {"LoweredOnCenter", LoweredOnCenter},
    {"QuarterConeRD", Cone<0, 0, 21>},
    {"QuarterConeRU", Cone<0, 21, 21>},
    {"QuarterConeLD", Cone<21, 0, 21>},
    {"QuarterConeLU", Cone<21, 21, 21>},
    // One hill of radius 31 over 3 x 3 blocks, its top at (10, 10) of the middle one;
    // the blocks to the right and below see it at -10.
    {"Cone3C", Cone<10, 10, 31>},
    {"Cone3LU", Cone<31, 31, 31>},
    {"Cone3LD", Cone<31, -10, 31>},
    {"Cone3RU", Cone<-10, 31, 31>},
    {"Cone3RD", Cone<-10, -10, 31>},
    {"Cone3L", Cone<31, 10, 31>},
    {"Cone3R", Cone<-10, 10, 31>},
    {"Cone3U", Cone<10, 31, 31>},
    {"Cone3D", Cone<10, -10, 31>},
};

}  // namespace

double NullFunction(int, int, uint8_t) {
  return 0.0;
}

SlopeFunction LookupSlopeFunction(std::string_view name) {
  for (const NamedFunction& entry : kFunctions) {
    if (entry.name == name) return entry.function;
  }
  return NullFunction;
}

double ConeSlope(int dx, int dy, int radius, uint8_t axis) {
  const int d2 = dx * dx + dy * dy;
  if (d2 >= radius * radius || d2 == 0) return 0.0;
  const double d = NewtonSqrt(d2, 1e-6);
  const double c = dx / d;
  const int a = AcosLookup(c);
  // R * K / 21, with 1/21 as the double 0.047619047619047616.
  const double mag = (radius * kSlopeUnit) * 0.047619047619047616;
  if (axis == 1) return CosLookup(a) * mag;
  const double y = SinLookup(a) * mag;
  return dy > 0 ? y : -y;
}

}  // namespace golf
