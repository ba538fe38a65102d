// The angle tables are built at compile time from integer data so that they do not depend on the
// C library's sin and acos; the tests check them against those functions.
#include "golf/angle_tables.h"

#include <cmath>
#include <cstdlib>

namespace golf {
namespace {

// sin(a) * 10000 rounded to the nearest integer, a = 0..90 degrees.
constexpr int kSinQuarter[91] = {
    0,    175,  349,  523,  698,  872,  1045, 1219, 1392, 1564, 1736, 1908, 2079, 2250, 2419, 2588,
    2756, 2924, 3090, 3256, 3420, 3584, 3746, 3907, 4067, 4226, 4384, 4540, 4695, 4848, 5000, 5150,
    5299, 5446, 5592, 5736, 5878, 6018, 6157, 6293, 6428, 6561, 6691, 6820, 6947, 7071, 7193, 7314,
    7431, 7547, 7660, 7771, 7880, 7986, 8090, 8192, 8290, 8387, 8480, 8572, 8660, 8746, 8829, 8910,
    8988, 9063, 9135, 9205, 9272, 9336, 9397, 9455, 9511, 9563, 9613, 9659, 9703, 9744, 9781, 9816,
    9848, 9877, 9903, 9925, 9945, 9962, 9976, 9986, 9994, 9998, 10000};

// acos(i / 100 - 1) in degrees, rounded to the nearest integer, i = 0..200.
constexpr std::array<int32_t, 201> kAcos = {
    180, 172, 169, 166, 164, 162, 160, 158, 157, 156, 154, 153, 152, 150, 149, 148, 147, 146, 145,
    144, 143, 142, 141, 140, 139, 139, 138, 137, 136, 135, 134, 134, 133, 132, 131, 131, 130, 129,
    128, 128, 127, 126, 125, 125, 124, 123, 123, 122, 121, 121, 120, 119, 119, 118, 117, 117, 116,
    115, 115, 114, 114, 113, 112, 112, 111, 110, 110, 109, 109, 108, 107, 107, 106, 106, 105, 104,
    104, 103, 103, 102, 102, 101, 100, 100, 99,  99,  98,  97,  97,  96,  96,  95,  95,  94,  93,
    93,  92,  92,  91,  91,  90,  89,  89,  88,  88,  87,  87,  86,  85,  85,  84,  84,  83,  83,
    82,  81,  81,  80,  80,  79,  78,  78,  77,  77,  76,  76,  75,  74,  74,  73,  73,  72,  71,
    71,  70,  70,  69,  68,  68,  67,  66,  66,  65,  65,  64,  63,  63,  62,  61,  61,  60,  59,
    59,  58,  57,  57,  56,  55,  55,  54,  53,  52,  52,  51,  50,  49,  49,  48,  47,  46,  46,
    45,  44,  43,  42,  41,  41,  40,  39,  38,  37,  36,  35,  34,  33,  32,  31,  30,  28,  27,
    26,  24,  23,  22,  20,  18,  16,  14,  11,  8,   0};

// sin(a) * 10000 rounded, for any whole degree 0..359, by the quadrant symmetries
// (rounding to the nearest integer commutes with the sign change).
constexpr int SinTenThousandths(int a) {
  if (a <= 90) return kSinQuarter[a];
  if (a <= 180) return kSinQuarter[180 - a];
  if (a <= 270) return -kSinQuarter[a - 180];
  return -kSinQuarter[360 - a];
}

constexpr std::array<double, 360> BuildSin() {
  std::array<double, 360> table{};
  for (int a = 0; a < 360; ++a) table[a] = SinTenThousandths(a) / 10000.0;
  return table;
}

constexpr std::array<double, 360> BuildCos() {
  std::array<double, 360> table{};
  for (int a = 0; a < 360; ++a) table[a] = SinTenThousandths((450 - a) % 360) / 10000.0;
  return table;
}

constexpr std::array<double, 360> kSin = BuildSin();
constexpr std::array<double, 360> kCos = BuildCos();

}  // namespace

const std::array<double, 360>& SinTable() {
  return kSin;
}

const std::array<double, 360>& CosTable() {
  return kCos;
}

const std::array<int32_t, 201>& AcosTable() {
  return kAcos;
}

double SinLookup(int a) {
  if (a >= 1) return SinTable()[a % 360];
  return -SinTable()[(-a) % 360];
}

double CosLookup(int a) {
  return CosTable()[std::abs(a) % 360];
}

int AcosLookup(double c) {
  const double scaled = (c + 1.0) * 100.0;
  if (!(scaled > 0.0)) return AcosTable()[0];
  if (scaled >= 200.0) return AcosTable()[200];
  return AcosTable()[static_cast<int>(scaled)];
}

double NewtonSqrt(double value, double tolerance) {
  if (value < 0.0) return -1.0;
  double g = value * 0.5;
  // From value / 2 the guess at least halves per round until it nears the root, then
  // converges quadratically: every finite double settles in well under 1100 rounds.
  for (int round = 0; round < 1100; ++round) {
    if (std::fabs(g * g - value) < tolerance) return g;
    if (g == 0.0) return g;
    g = (value / g + g) * 0.5;
  }
  return g;
}

}  // namespace golf
