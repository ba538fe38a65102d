// pt-solve: proves the holes of a course playable with the game's own shots and measures
// how hard they are: fewest strokes, holes in one, hazards, long rolls, escaped balls.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "golf/course_entry.h"
#include "golf/shot.h"
#include "tools/common/course_file.h"
#include "tools/solve/solver.h"

namespace {

constexpr const char* kUsage =
    "usage: pt-solve COURSE [HOLE] [--time-limit SECONDS] [--threads N] [--max-strokes N]\n"
    "                [--positions N]\n"
    "\n"
    "COURSE is a course entry file or a course source (text, or a name ending in .course);\n"
    "HOLE is 0..17 (default: every hole of the course).\n"
    "\n"
    "Every shot is played through the engine as the game plays it: a tap on a pixel of the\n"
    "aiming area (x 19..220, y 68..248, less the score button's corner from x 211, y 241),\n"
    "the shoot button held a whole number of milliseconds (power from the 2-second wave,\n"
    "50..1000 ms covers every power), the ball snapped to its pixel on release. Strokes\n"
    "follow one another from where the ball comes to rest, breadth first; a stroke into a\n"
    "hazard counts and puts the ball back, so it never shortens a path.\n"
    "\n"
    "First shots: one aim point per direction, 720 directions all round (at the far edge of\n"
    "the aiming area) plus every direction within 6 degrees of the cup, each held 50, 60,\n"
    "... 1000 ms. Later strokes: 240 directions plus those near the cup, held 50, 70, ...\n"
    "1000 ms, from at most --positions resting places per stroke (default 120), nearest the\n"
    "cup along the floor first.\n"
    "\n"
    "Printed per hole: the fewest strokes that hole it, or 'unreachable'; first shots that\n"
    "hole in one; the share of sensible first shots that end in a hazard (sensible: aimed\n"
    "within 15 degrees of the line to the cup, or along 42 px or more of open floor before\n"
    "a straight wall, a hazard cell or the grid's edge); the longest roll in 0.05 s steps;\n"
    "and a witness: '(AX,AY,HOLDMS)' per stroke, replayed by tapping the screen at (AX,\n"
    "AY + 26) and holding the shoot button HOLDMS ms.\n"
    "Faults, printed as found: shots that roll for the full 1200 steps, and balls that get\n"
    "out of the play area: leave the field (the engine puts them back at 25,74), or stop off\n"
    "the grid, on a hazard cell, or beyond the walls (on floor the tee cannot reach without\n"
    "crossing a straight wall or leaving an arc from inside).\n"
    "\n"
    "--time-limit SECONDS  bounds the whole run, shared among the holes (default 300)\n"
    "--threads N           worker threads (default: the machine's cores)\n"
    "--max-strokes N       longest path searched, 1..6 (default 4; the sixth stroke is the\n"
    "                      last the game allows)\n"
    "--positions N         resting places played from per stroke (default 120)\n"
    "\n"
    "Exit status: 0 when every hole is holed within --max-strokes and no fault was found,\n"
    "1 otherwise, 2 for bad usage or a course that cannot be read.\n";

bool ParseCount(const char* text, long low, long high, long& value) {
  char* end = nullptr;
  value = std::strtol(text, &end, 10);
  return *text != '\0' && *end == '\0' && value >= low && value <= high;
}

void PrintShot(const char* label, const solve::ShotRecord& s) {
  std::printf("  %s: from %d,%d aim %d,%d hold %d ms, %d steps, ended at %d,%d%s%s\n", label,
              s.fromX, s.fromY, s.shot.aimX, s.shot.aimY, s.shot.holdMs, s.steps, s.endX, s.endY,
              *s.what ? ": " : "", s.what);
}

// Prints a hole's findings; true when the hole is proven and shows no fault.
bool Report(const solve::HoleResult& r, int maxStrokes) {
  if (r.strokes > 0) {
    std::printf("hole %d: %d stroke%s\n", r.hole, r.strokes, r.strokes == 1 ? "" : "s");
  } else {
    const char* why = r.timedOut    ? "the time limit ended the search"
                      : r.exhausted ? "every resting place was played from"
                                    : "the search's positions ran out";
    std::printf("hole %d: unreachable within %d stroke%s (%s)\n", r.hole, maxStrokes,
                maxStrokes == 1 ? "" : "s", why);
  }
  std::printf("  hole in one: %lld of %lld first shots\n", r.holeInOnes, r.firstShots);
  if (r.sensibleFirst > 0) {
    std::printf("  hazard: %.1f%% of %lld sensible first shots\n",
                100.0 * double(r.sensibleHazards) / double(r.sensibleFirst), r.sensibleFirst);
  } else {
    std::printf("  hazard: no sensible first shot\n");
  }
  std::printf("  longest roll: %d steps (from %d,%d aim %d,%d hold %d ms)\n", r.longestRoll,
              r.longest.fromX, r.longest.fromY, r.longest.shot.aimX, r.longest.shot.aimY,
              r.longest.shot.holdMs);
  std::printf("  searched: %lld shots from %d resting places, %d more found\n", r.shotsTried,
              r.positionsPlayed, r.positionsFound);
  if (!r.teeOnFloor) std::printf("  fault: the tee is not on floor\n");
  if (!r.cupOnFloor) std::printf("  note: no floor leads from the tee to the cup\n");
  for (const solve::ShotRecord& s : r.rollLimits) PrintShot("roll limit", s);
  if (r.rollLimitShots > long(r.rollLimits.size())) {
    std::printf("  roll limit: %lld shots in all\n", r.rollLimitShots);
  }
  for (const solve::ShotRecord& s : r.escapes) PrintShot("escape", s);
  if (r.escapeShots > long(r.escapes.size())) {
    std::printf("  escape: %lld shots in all\n", r.escapeShots);
  }
  if (r.strokes > 0) {
    std::printf("  witness:");
    for (const solve::AimedShot& s : r.witness) {
      std::printf(" (%d,%d,%d)", s.aimX, s.aimY, s.holdMs);
    }
    std::printf("\n");
    if (!r.witnessReplays) std::printf("  fault: the witness does not replay\n");
  }
  std::fflush(stdout);
  return r.strokes > 0 && r.witnessReplays && r.rollLimitShots == 0 && r.escapeShots == 0 &&
         r.teeOnFloor;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args;
  long timeLimit = 300;
  long threads = std::max(1u, std::thread::hardware_concurrency());
  solve::SolveSettings settings;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    long value = 0;
    if (a == "--help" || a == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (a == "--time-limit" || a == "--threads" || a == "--max-strokes" || a == "--positions") {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "pt-solve: %s needs a value\n", a.c_str());
        return 2;
      }
      const char* text = argv[++i];
      const bool ok = a == "--time-limit"    ? ParseCount(text, 1, 86400, timeLimit)
                      : a == "--threads"     ? ParseCount(text, 1, 256, threads)
                      : a == "--max-strokes" ? ParseCount(text, 1, 6, value)
                                             : ParseCount(text, 1, 100000, value);
      if (!ok) {
        std::fprintf(stderr, "pt-solve: bad value '%s' for %s\n%s", text, a.c_str(), kUsage);
        return 2;
      }
      if (a == "--max-strokes") settings.maxStrokes = int(value);
      if (a == "--positions") settings.positionsPerStroke = int(value);
    } else if (a.size() > 1 && a[0] == '-') {
      std::fprintf(stderr, "pt-solve: unknown option '%s'\n%s", a.c_str(), kUsage);
      return 2;
    } else {
      args.push_back(a);
    }
  }
  if (args.empty() || args.size() > 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  settings.threads = int(threads);

  std::vector<uint8_t> entry;
  std::string error;
  if (!tools::LoadCourseFile(args[0], entry, error)) {
    std::fprintf(stderr, "pt-solve: %s\n", error.c_str());
    return 2;
  }
  // The whole entry must read cleanly: no record cut short, the closing byte in place.
  std::vector<golf::HoleRecord> records;
  if (!golf::ReadCourseEntry(entry, records, error)) {
    std::fprintf(stderr, "pt-solve: %s: damaged course entry: %s\n", args[0].c_str(),
                 error.c_str());
    return 2;
  }
  std::vector<int> holes;
  if (args.size() == 2) {
    long hole = 0;
    if (!ParseCount(args[1].c_str(), 0, 17, hole)) {
      std::fprintf(stderr, "pt-solve: HOLE must be 0..17, not '%s'\n", args[1].c_str());
      return 2;
    }
    holes.push_back(int(hole));
  } else {
    // Every hole the entry holds, once: the game loads the first record of an index.
    std::set<int> seen;
    for (const golf::HoleRecord& r : records) {
      if (seen.insert(r.index).second) holes.push_back(r.index);
    }
  }
  if (holes.empty()) {
    std::fprintf(stderr, "pt-solve: %s holds no hole\n", args[0].c_str());
    return 2;
  }

  const auto start = std::chrono::steady_clock::now();
  const auto deadline = start + std::chrono::seconds(timeLimit);
  int proven = 0, rollLimits = 0, escapes = 0;
  long long shots = 0;
  for (std::size_t h = 0; h < holes.size(); ++h) {
    // Each hole gets an equal share of the time still left.
    const auto now = std::chrono::steady_clock::now();
    settings.deadline = now + (deadline - now) / long(holes.size() - h);
    const solve::HoleResult result = solve::SolveHole(entry, holes[h], settings);
    if (!result.loaded) {
      std::fprintf(stderr, "pt-solve: %s has no usable record of hole %d\n", args[0].c_str(),
                   holes[h]);
      return 2;
    }
    if (Report(result, settings.maxStrokes)) ++proven;
    rollLimits += int(result.rollLimitShots);
    escapes += int(result.escapeShots);
    shots += result.shotsTried;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf(
      "course: %d of %zu holes proven within %d stroke%s; roll-limit shots %d, escapes "
      "%d; %lld shots in %.1f s on %d threads\n",
      proven, holes.size(), settings.maxStrokes, settings.maxStrokes == 1 ? "" : "s", rollLimits,
      escapes, shots, seconds, settings.threads);
  return proven == int(holes.size()) ? 0 : 1;
}
