// Fan and magnet zones and their pushes.
#include "golf/force_field.h"

#include "golf/block_table.h"
#include "golf/grid.h"
#include "golf/slope.h"

namespace golf {

std::unique_ptr<ForceField> ForceField::ForCode(uint8_t code, int column, int row) {
  switch (code) {
    case kMagnetLeft:  // pulls rightwards towards the magnet over the two cells left of it
      return std::make_unique<ForceField>(column - 3, row, Direction::kRight);
    case kMagnetRight:  // pulls leftwards over the two cells right of it
      return std::make_unique<ForceField>(column + 3, row, Direction::kLeft);
    case kFanLeft:  // blows leftwards over the two cells left of it
      return std::make_unique<ForceField>(column, row, Direction::kLeft);
    case kFanRight:  // blows rightwards over the two cells right of it
      return std::make_unique<ForceField>(column, row, Direction::kRight);
    default:
      return nullptr;
  }
}

bool ForceField::Contains(int x, int y) const {
  const int top = kGridTop + kCellSize * row_;
  if (y < top || y >= top + kCellSize) return false;
  const int left = kCellSize * column_ + kGridLeft;  // the anchor cell's left edge
  if (direction_ == Direction::kLeft) return left - reach_ < x && x < left;
  const int right = kCellSize * column_ + 36;  // one past the anchor cell's right edge
  return right < x && x < right + reach_;
}

double ForceField::ContributionX(int x) const {
  if (direction_ == Direction::kLeft) {
    const int d = x - (kCellSize * column_ + kGridLeft);  // -41..-1
    return (static_cast<double>(d) / reach_) * kSlopeUnit;
  }
  const int d = x - (kCellSize * column_ + 36);  // 1..41
  return (1.0 - static_cast<double>(d) / reach_) * kSlopeUnit;
}

}  // namespace golf
