// Fuzz target: LoadHole on arbitrary course entry bytes, then a short roll on whatever
// hole was loaded, so that odd walls and cells meet the contact tests too.
#include <cstddef>
#include <cstdint>

#include "golf/ball.h"
#include "golf/hole_layout.h"
#include "golf/shot.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  // The first byte picks the hole, the next two the strike's direction and speed.
  const int hole = data[0] % 20;
  const double fx = (static_cast<int>(data[1]) - 128) * 2.5;
  const double fy = (static_cast<int>(data[2]) - 128) * 2.5;
  golf::HoleLayout layout;
  golf::Ball ball;
  const auto result = layout.LoadHoleData({data + 3, size - 3}, hole, ball);
  if (result != golf::HoleLayout::LoadResult::kLoaded) return 0;
  ball.Strike(fx, fy);
  int steps = 0;
  golf::RollShot(layout, ball, 300, steps, [](int, const golf::Ball&) {});
  return 0;
}
