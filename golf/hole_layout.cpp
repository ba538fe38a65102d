// Loading a hole and the layout's questions: blocks, hazards, slopes, the cup, walls.
#include "golf/hole_layout.h"

#include "golf/ball.h"
#include "golf/block_table.h"
#include "golf/course_entry.h"

namespace golf {

HoleLayout::~HoleLayout() {
  ClearWalls();
}

void HoleLayout::ClearWalls() {
  // Iteratively: a hostile entry may hold a very long wall list.
  while (wallHead_ != nullptr) {
    Wall* next = wallHead_->next;
    delete wallHead_;
    wallHead_ = next;
  }
  wallTail_ = nullptr;
}

void HoleLayout::AppendWall(const Wall& wall) {
  Wall* w = new Wall(wall);
  w->next = nullptr;
  if (wallTail_ != nullptr) {
    wallTail_->next = w;
  } else {
    wallHead_ = w;
  }
  wallTail_ = w;
}

HoleLayout::LoadResult HoleLayout::LoadHoleData(std::span<const uint8_t> entry, int hole,
                                                Ball& ball) {
  std::size_t offset = 0;
  std::size_t next = 0;
  HoleRecord record;
  HoleSearch search = HoleSearch::kMissing;
  if (hole >= 0 && hole < kEntryEnd) search = FindHoleRecord(entry, hole, offset);
  if (search == HoleSearch::kFound && !ReadHoleRecord(entry, offset, record, next)) {
    search = HoleSearch::kDamaged;
  }
  if (search != HoleSearch::kFound) {
    ClearWalls();
    return search == HoleSearch::kMissing ? LoadResult::kMissing : LoadResult::kDamaged;
  }

  fields_.clear();
  for (int i = 0; i < kCellCount; ++i) {
    const uint8_t code = record.codes[i];
    BlockCell& cell = cells_[i];
    cell.xSlope = NullFunction;
    cell.ySlope = NullFunction;
    if (auto field = ForceField::ForCode(code, i % kColumns, i / kColumns)) {
      fields_.push_back(std::move(field));
      cell.blockId = code;
    } else if (code >= 1 && code <= kBlockKinds) {
      cell.blockId = code - 1u;
      const BlockRow& row = BlockTable(static_cast<int>(cell.blockId));
      cell.xSlope = LookupSlopeFunction(row.xSlope);
      cell.ySlope = LookupSlopeFunction(row.ySlope);
    } else {
      cell.blockId = kEmptyBlock;  // 112, and codes no course holds
    }
  }
  // The pixel coordinates are bytes; every point of the grid fits.
  teeX_ = static_cast<uint8_t>(GridToPixel(Axis::kX, record.teeCell, record.teeKeypad));
  teeY_ = static_cast<uint8_t>(GridToPixel(Axis::kY, record.teeCell, record.teeKeypad));
  cupX_ = static_cast<uint8_t>(GridToPixel(Axis::kX, record.cupCell, record.cupKeypad));
  cupY_ = static_cast<uint8_t>(GridToPixel(Axis::kY, record.cupCell, record.cupKeypad));
  ball.posx = teeX_;
  ball.posy = teeY_;
  ball.fx = 0.0;
  ball.fy = 0.0;

  ClearWalls();
  for (const WallRecord& bytes : record.walls) {
    if (bytes[0] == 0) {
      AppendWall(MakeStraightWall(bytes.data(), ball.radius));
    } else if (bytes[0] == 1) {
      AppendWall(MakeArcWall(bytes.data(), ball.radius));
    }
  }
  return LoadResult::kLoaded;
}

uint32_t HoleLayout::BlockAt(int row, int column) const {
  if (row < 0 || row >= kRows || column < 0 || column >= kColumns) return kEmptyBlock;
  return cells_[row * kColumns + column].blockId;
}

bool HoleLayout::IsHazardAt(int x, int y) const {
  CellPoint p;
  if (!CellOfPoint(x, y, p)) return false;
  return IsHazardBlock(cells_[p.index].blockId);
}

double HoleLayout::SlopeForceX(int x, int y) const {
  CellPoint p;
  const double cell = CellOfPoint(x, y, p) ? cells_[p.index].xSlope(p.lx, p.ly, 1) : 0.0;
  const int dx = cupX_ - x;
  const int dy = cupY_ - y;
  const double cup = dx * dx + dy * dy < 49 ? dx * kSlopeUnit : 0.0;
  double fields = 0.0;
  for (const auto& field : fields_) {
    if (field->Contains(x, y)) fields = fields + field->ContributionX(x);
  }
  return fields + (cup + cell);
}

double HoleLayout::SlopeForceY(int x, int y) const {
  CellPoint p;
  const double cell = CellOfPoint(x, y, p) ? cells_[p.index].ySlope(p.lx, p.ly, 0) : 0.0;
  const int dx = cupX_ - x;
  const int dy = cupY_ - y;
  const double cup = dx * dx + dy * dy < 49 ? dy * kSlopeUnit : 0.0;
  const double fields = 0.0;  // fields push only along x: their y terms are all 0
  return fields + (cup + cell);
}

bool HoleLayout::IsBallInCup(const Ball& ball) const {
  const double dx = cupX_ - ball.posx;
  const double dy = cupY_ - ball.posy;
  return dx * dx + dy * dy <= 9.0 && ball.fx * ball.fx + ball.fy * ball.fy <= 22500.0;
}

bool HoleLayout::CollideBall(Ball& ball, double& t) {
  bool found = false;
  Motion kept{};
  double keptDistance = 0.0;
  for (Wall* w = wallHead_; w != nullptr; w = w->next) {
    Motion m{ball.posx, ball.posy, ball.fx, ball.fy, t};
    if (!TestWall(*w, m, ball.radius, overlapRule_)) continue;
    const double dx = m.px - ball.posx;
    const double dy = m.py - ball.posy;
    const double distance = dx * dx + dy * dy;
    if (!found || distance < keptDistance) {
      found = true;
      kept = m;
      keptDistance = distance;
    }
  }
  if (!found) return false;
  if (!ball.CountContact()) {
    t = 0.0;  // wedged: the ball spends the rest of the step where it is
    return false;
  }
  ball.fx = kept.vx * 0.98;
  ball.fy = kept.vy * 0.98;
  ball.posx = kept.px;
  ball.posy = kept.py;
  t = kept.t;
  return true;
}

}  // namespace golf
