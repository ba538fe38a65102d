// Fans and magnets: a horizontal push or pull over a zone two cells wide beside an
// anchor cell, added to the slope increments of the ground.
#pragma once

#include <cstdint>
#include <memory>

namespace golf {

class ForceField {
 public:
  enum class Direction : int32_t { kLeft = 0, kRight = 1 };

  ForceField(int32_t column, int32_t row, Direction direction)
      : column_(column), row_(row), direction_(direction) {}
  virtual ~ForceField() = default;

  // The field a fan or magnet code (60..63) creates for its cell; null for other codes.
  static std::unique_ptr<ForceField> ForCode(uint8_t code, int column, int row);

  // Whether the integer point lies in the zone: the anchor's row, and the 41 pixel
  // columns strictly between the anchor's edge and the edge `reach` pixels away.
  bool Contains(int x, int y) const;
  // The x increment at a point of the zone (the y increment is always 0): strongest,
  // about 7.81, at one end of the zone and fading to about 0.19 at the other.
  double ContributionX(int x) const;

  int32_t Column() const { return column_; }
  int32_t Row() const { return row_; }
  Direction GetDirection() const { return direction_; }
  int32_t Reach() const { return reach_; }

 private:
  int32_t column_;
  int32_t row_;
  Direction direction_;
  int32_t reach_ = 42;  // two cells
};

}  // namespace golf
