// The 64 block kinds of a hole's cells (name and slope function names) and the
// background picture of every hole of the five courses.
#pragma once

#include <cstdint>
#include <string>

namespace golf {

inline constexpr int kBlockKinds = 64;
inline constexpr uint32_t kEmptyBlock = 112;       // no ground: the ball falls out
inline constexpr uint32_t kFirstHazardBlock = 53;  // 53..63 are hazards (and fan/magnet cells)
inline constexpr uint32_t kMagnetLeft = 60;
inline constexpr uint32_t kMagnetRight = 61;
inline constexpr uint32_t kFanLeft = 62;
inline constexpr uint32_t kFanRight = 63;

struct BlockRow {
  const char* name;
  const char* xSlope;
  const char* ySlope;
};

// Row `id` of the block table (0..63); the row's number is the block id.
const BlockRow& BlockTable(int id);

// True for the empty cell and every block id from 53 up.
bool IsHazardBlock(uint32_t id);

// The archive entry of a block's picture: "name.bmp" below id 53, else the first
// animation frame "name_a.bmp". Empty for ids that are not in the table.
std::string BlockPictureName(uint32_t id);

// The background picture entry of a hole, course 0..4 and hole 0..17, such as
// "pt_background_grass_17.bmp"; empty for indexes out of range.
std::string BackgroundTable(int course, int hole);

}  // namespace golf
