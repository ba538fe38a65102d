// The hole being played: its 90 cells with their slope functions, its walls and force
// fields, tee and cup; loaded from a course entry, asked for slopes and wall contacts.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "golf/force_field.h"
#include "golf/grid.h"
#include "golf/slope.h"
#include "golf/wall.h"
#include "golf/wall_contact.h"

namespace storage {
class AbstractFile;
}  // namespace storage

namespace golf {

class Ball;

struct BlockCell {
  SlopeFunction xSlope = NullFunction;
  SlopeFunction ySlope = NullFunction;
  uint32_t blockId = 0;  // 0..63 the block table's row, 112 an empty cell
};

class HoleLayout {
 public:
  enum class LoadResult {
    kLoaded,
    kMissing,  // the entry has no record of the hole: the walls are cleared, nothing else
    kDamaged,  // the entry or the hole's record is cut short: likewise
  };

  HoleLayout() = default;
  virtual ~HoleLayout();
  HoleLayout(const HoleLayout&) = delete;
  HoleLayout& operator=(const HoleLayout&) = delete;

  // Loads a hole (0..17) of the course entry of that name ("course%03d") of the data
  // archive and puts the ball on the tee at rest. A missing entry ends the program with the
  // entry reader's fatal error.
  LoadResult LoadHole(const char* entryName, int hole, Ball& ball);
  // The same from an entry already opened (an archive in memory, for tools and tests).
  LoadResult LoadHole(storage::AbstractFile& entry, const char* entryName, int hole, Ball& ball);
  // The same from the entry's bytes. Block codes that no course holds become empty cells and wall
  // records of an unknown kind are skipped.
  LoadResult LoadHoleData(std::span<const uint8_t> entry, int hole, Ball& ball);

  uint32_t BlockAt(int row, int column) const;
  // True on an empty cell or a block from 53 up; points off the grid are no hazard.
  bool IsHazardAt(int x, int y) const;

  // The velocity increment at an integer point: the field term + (cup pull + cell slope).
  // Off the grid (only the field's last pixel line) the ground is flat; the cup and the
  // fields still act.
  double SlopeForceX(int x, int y) const;
  double SlopeForceY(int x, int y) const;

  // Within 3 pixels of the cup centre and no faster than 150 px/s.
  bool IsBallInCup(const Ball& ball) const;
  // The nearest wall contact within the time t: moves and bounces the ball, slows it by
  // 0.98, reduces t and returns true. Returns false without a contact; also, with t set
  // to 0, when the step has had more contacts than a free ball can make.
  bool CollideBall(Ball& ball, double& t);

  const Wall* FirstWall() const { return wallHead_; }
  const std::vector<std::unique_ptr<ForceField>>& ForceFields() const { return fields_; }
  uint8_t TeeX() const { return teeX_; }
  uint8_t TeeY() const { return teeY_; }
  uint8_t CupX() const { return cupX_; }
  uint8_t CupY() const { return cupY_; }

  // For comparing shots only: how a ball overlapping a wall is treated (mended by default).
  void SetOverlapRule(OverlapRule rule) { overlapRule_ = rule; }

 private:
  void ClearWalls();
  void AppendWall(const Wall& wall);

  BlockCell cells_[kCellCount];
  std::vector<std::unique_ptr<ForceField>> fields_;
  Wall* wallHead_ = nullptr;
  Wall* wallTail_ = nullptr;
  uint8_t teeX_ = 0, teeY_ = 0;
  uint8_t cupX_ = 150, cupY_ = 150;
  OverlapRule overlapRule_ = OverlapRule::kMended;
};

}  // namespace golf
