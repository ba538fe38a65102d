// The search for a hole's shortest way down: every stroke played through the engine as
// the game plays it (aim tap, hold time, release snap), stroke after stroke from where
// the ball comes to rest, breadth first over the resting pixels.
#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tools/solve/shot_plan.h"

namespace solve {

// A first shot counts as sensible when it is aimed within this many degrees of the line
// to the cup, or along a line that runs this many pixels over floor before it meets a
// straight wall, a hazard cell or the grid's edge (two cells: open floor, not a wall
// right in front of the ball).
inline constexpr double kSensibleCupDegrees = 15.0;
inline constexpr double kSensibleOpenRun = 42.0;

struct SolveSettings {
  int maxStrokes = 4;
  int threads = 1;
  int positionsPerStroke = 120;  // resting places played from after each stroke
  PlanSettings firstShots{720, 6.0, 10};
  PlanSettings laterShots{240, 6.0, 20};
  std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
};

// One tried shot: from the ball's pixel, aim and hold, how long it rolled and where it
// ended (the truncated centre).
struct ShotRecord {
  int fromX = 0, fromY = 0;
  AimedShot shot;
  int steps = 0;
  int endX = 0, endY = 0;
  const char* what = "";  // for a ball that got out: how
};

struct HoleResult {
  int hole = 0;
  bool loaded = false;
  int strokes = 0;  // the fewest that holed it; 0 when no tried path did
  bool timedOut = false;
  bool exhausted = false;  // every resting place found was played from
  std::vector<AimedShot> witness;
  bool witnessReplays = false;

  long long firstShots = 0, holeInOnes = 0;
  long long sensibleFirst = 0, sensibleHazards = 0;
  int longestRoll = 0;
  ShotRecord longest;
  long long rollLimitShots = 0;
  std::vector<ShotRecord> rollLimits;  // the first few
  long long escapeShots = 0;
  std::vector<ShotRecord> escapes;  // the first few

  long long shotsTried = 0;
  int positionsPlayed = 0;
  int positionsFound = 0;
  bool teeOnFloor = true;
  bool cupOnFloor = true;  // the cup lies on floor that the tee reaches
};

// How many roll-limit shots and escapes a result keeps to show.
inline constexpr std::size_t kShownFaults = 5;

// Solves one hole of a course entry. `loaded` is false when the entry has no usable
// record of the hole.
HoleResult SolveHole(std::span<const uint8_t> entry, int hole, const SolveSettings& settings);

// Plays a path of strokes from the tee as the game would; true when the last one holes
// and none before it ends anywhere but at rest.
bool ReplayWitness(std::span<const uint8_t> entry, int hole, const std::vector<AimedShot>& path);

}  // namespace solve
