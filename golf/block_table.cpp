// The block table and background table as the program's data.
#include "golf/block_table.h"

#include <cstdio>

namespace golf {
namespace {

constexpr const char* kNull = "NullFunction";

constexpr BlockRow kBlocks[kBlockKinds] = {
    {"block01", kNull, kNull},
    {"block02", kNull, kNull},
    {"block02_090", kNull, kNull},
    {"block02_180", kNull, kNull},
    {"block02_270", kNull, kNull},
    {"block03", kNull, kNull},
    {"block03_090", kNull, kNull},
    {"block03_180", kNull, kNull},
    {"block03_270", kNull, kNull},
    {"block04", kNull, kNull},
    {"block04_090", kNull, kNull},
    {"block04_180", kNull, kNull},
    {"block04_270", kNull, kNull},
    {"block05", kNull, kNull},
    {"block05_090", kNull, kNull},
    {"block05_180", kNull, kNull},
    {"block05_270", kNull, kNull},
    {"block06", kNull, kNull},
    {"block06_090", kNull, kNull},
    {"block06_180", kNull, kNull},
    {"block06_270", kNull, kNull},
    {"block07", kNull, kNull},
    {"block07_090", kNull, kNull},
    {"block07_180", kNull, kNull},
    {"block07_270", kNull, kNull},
    {"block08", kNull, kNull},
    {"block08_090", kNull, kNull},
    {"block08_180", kNull, kNull},
    {"block08_270", kNull, kNull},
    {"block09", kNull, "RightSideRaised"},
    {"block09_090", "LeftSideRaised", kNull},
    {"block09_180", kNull, "LeftSideRaised"},
    {"block09_270", "RightSideRaised", kNull},
    {"block10", kNull, kNull},
    {"block11", kNull, "RightSideRaised"},
    {"block11_090", "LeftSideRaised", kNull},
    {"block11_180", kNull, "LeftSideRaised"},
    {"block11_270", "RightSideRaised", kNull},
    {"block12", "QuarterConeLU", "QuarterConeLU"},
    {"block12_090", "QuarterConeRU", "QuarterConeRU"},
    {"block12_180", "QuarterConeRD", "QuarterConeRD"},
    {"block12_270", "QuarterConeLD", "QuarterConeLD"},
    {"block13", "RaisedOnCenter", kNull},
    {"block13_090", kNull, "RaisedOnCenter"},
    {"block14", "Cone3U", "Cone3U"},
    {"block14_090", "Cone3R", "Cone3R"},
    {"block14_180", "Cone3D", "Cone3D"},
    {"block14_270", "Cone3L", "Cone3L"},
    {"block14c", "Cone3C", "Cone3C"},
    {"block14r", "Cone3LU", "Cone3LU"},
    {"block14r_090", "Cone3RU", "Cone3RU"},
    {"block14r_180", "Cone3RD", "Cone3RD"},
    {"block14r_270", "Cone3LD", "Cone3LD"},
    {"block15", kNull, kNull},
    {"block15_180", kNull, kNull},
    {"block16", kNull, kNull},
    {"block16_180", kNull, kNull},
    {"block17", kNull, kNull},
    {"block17_180", kNull, kNull},
    {"notused", kNull, kNull},
    {"magn_left", kNull, kNull},
    {"magn_right", kNull, kNull},
    {"fan_left", kNull, kNull},
    {"fan_right", kNull, kNull},
};

struct CourseBackgrounds {
  const char* set;
  int numbers[18];
};

constexpr CourseBackgrounds kBackgrounds[5] = {
    {"grass", {17, 3, 9, 7, 6, 3, 6, 17, 12, 10, 9, 6, 13, 3, 16, 3, 12, 17}},
    {"grass", {6, 5, 6, 3, 7, 9, 4, 16, 6, 14, 16, 13, 4, 10, 7, 3, 6, 17}},
    {"ground", {5, 1, 2, 18, 0, 5, 2, 3, 1, 0, 3, 2, 1, 1, 2, 1, 3, 1}},
    {"moon", {1, 2, 3, 3, 1, 3, 2, 3, 1, 2, 3, 2, 3, 1, 3, 2, 1, 3}},
    {"mars", {8, 3, 5, 9, 8, 7, 2, 3, 3, 2, 7, 3, 5, 2, 9, 5, 7, 2}},
};

}  // namespace

const BlockRow& BlockTable(int id) {
  return kBlocks[id];
}

bool IsHazardBlock(uint32_t id) {
  return id == kEmptyBlock || id >= kFirstHazardBlock;
}

std::string BlockPictureName(uint32_t id) {
  if (id >= static_cast<uint32_t>(kBlockKinds)) return {};
  std::string name = kBlocks[id].name;
  return name + (id < kFirstHazardBlock ? ".bmp" : "_a.bmp");
}

std::string BackgroundTable(int course, int hole) {
  if (course < 0 || course >= 5 || hole < 0 || hole >= 18) return {};
  // The desert course's fourth hole is the one grass hole among its ground holes.
  const char* set = (course == 2 && hole == 3) ? "grass" : kBackgrounds[course].set;
  char name[64];
  std::snprintf(name, sizeof name, "pt_background_%s_%02d.bmp", set,
                kBackgrounds[course].numbers[hole]);
  return name;
}

}  // namespace golf
