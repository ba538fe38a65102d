// The breadth-first stroke search, its worker threads and the merge of their findings.
//
// A resting ball is fully described by its pixel: the release snaps it there before the
// strike, and the strike resets everything else the roll depends on. So resting places
// are de-duplicated by pixel without losing a shot, and a stroke into a hazard (which
// puts the ball back on the pixel it was struck from) never leads anywhere new.
#include "tools/solve/solver.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cmath>
#include <thread>
#include <tuple>

#include "golf/shot.h"
#include "tools/solve/play_area.h"

namespace solve {
namespace {

// Resting pixels are keyed on a 512 x 512 map; the field ends well inside it.
constexpr int kKeySide = 512;
// Shots in one unit of work handed to a thread.
constexpr std::size_t kTaskShots = 1024;

int KeyOf(int x, int y) {
  if (x < 0 || y < 0 || x >= kKeySide || y >= kKeySide) return -1;
  return y * kKeySide + x;
}

struct Node {
  int x = 0, y = 0;  // the ball's pixel (what the release snaps it to)
  int parent = -1;
  AimedShot shot;  // the stroke from the parent that came to rest here
};

struct Task {
  int node = 0;  // index into the level's frontier
  std::size_t begin = 0, end = 0;
};

struct TaskResult {
  bool done = false;
  std::vector<std::pair<int, int>> rests;  // resting key, index of the first shot there
  int holedShot = -1;                      // the first shot that holes
  long long tried = 0, holed = 0, sensible = 0, sensibleHazards = 0;
  int longest = -1;
  ShotRecord longestShot;
  long long limits = 0, escapes = 0;
  std::vector<ShotRecord> limitShots, escapeShots;
};

struct Played {
  golf::ShotEnd end = golf::ShotEnd::kStopped;
  int steps = 0;
  bool leftField = false;
  double x = 0, y = 0;
};

// One stroke exactly as the game plays it: the ball at rest on its pixel, the power of
// the hold, the snap, the strike towards the aim point, then the 0.05 s steps. False
// when the aim gives no direction (the game fires no shot then).
bool PlayStroke(golf::HoleLayout& layout, int bx, int by, const AimedShot& s, Played& out) {
  golf::Ball ball;
  ball.posx = bx;
  ball.posy = by;
  const double power = golf::ShotPower(static_cast<uint32_t>(s.holdMs));
  golf::SnapBall(ball);
  double fx = 0, fy = 0;
  if (!golf::AimedVelocity(ball, s.aimX, s.aimY, power, fx, fy)) return false;
  ball.Strike(fx, fy);
  bool left = false;
  // The ball itself stops after a minute of rolling; the extra steps only guard that.
  out.end = golf::RollShot(layout, ball, golf::kMaxStepsPerShot + 10, out.steps,
                           [&left](int, const golf::Ball& b) {
                             // Leaving the field puts the ball at (25, 74) at rest.
                             if (b.posx == 25.0 && b.posy == 74.0 && b.fx == 0.0 && b.fy == 0.0) {
                               left = true;
                             }
                           });
  out.leftField = left;
  out.x = ball.posx;
  out.y = ball.posy;
  return true;
}

// Where a ball that came to rest lies outside the floor, or nullptr.
const char* OffFloor(const golf::HoleLayout& layout, const PlayArea& area, int x, int y) {
  golf::CellPoint cell;
  if (!golf::CellOfPoint(x, y, cell)) return "stopped off the grid";
  if (layout.IsHazardAt(x, y)) return "stopped on a hazard cell";
  if (!area.Contains(x, y)) return "stopped beyond the walls";
  return nullptr;
}

class LevelRun {
 public:
  LevelRun(std::span<const uint8_t> entry, int hole, const PlayArea& area,
           const std::vector<Node>& frontier, const std::vector<std::vector<AimedShot>>& plans,
           bool firstLevel, bool stopAtHole, std::chrono::steady_clock::time_point deadline)
      : entry_(entry),
        hole_(hole),
        area_(area),
        frontier_(frontier),
        plans_(plans),
        firstLevel_(firstLevel),
        stopAtHole_(stopAtHole),
        deadline_(deadline) {
    for (std::size_t n = 0; n < frontier.size(); ++n) {
      for (std::size_t b = 0; b < plans[n].size(); b += kTaskShots) {
        tasks_.push_back({int(n), b, std::min(b + kTaskShots, plans[n].size())});
      }
    }
    results_.resize(tasks_.size());
  }

  void Run(int threads) {
    std::vector<std::thread> pool;
    for (int i = 1; i < threads; ++i) pool.emplace_back([this] { Work(); });
    Work();
    for (std::thread& t : pool) t.join();
  }

  const std::vector<Task>& Tasks() const { return tasks_; }
  const std::vector<TaskResult>& Results() const { return results_; }
  // Results past this task are not merged: an earlier task holed the ball.
  int StopAt() const { return stopAt_.load(); }
  bool TimedOut() const { return timedOut_.load(); }

 private:
  void Work() {
    golf::HoleLayout layout;
    golf::Ball ball;
    if (layout.LoadHoleData(entry_, hole_, ball) != golf::HoleLayout::LoadResult::kLoaded) return;
    std::vector<int> stamp(std::size_t(kKeySide) * kKeySide,
                           -1);  // resting keys already met per task
    for (;;) {
      const int t = next_.fetch_add(1);
      if (t >= int(tasks_.size()) || t > stopAt_.load()) return;
      if (std::chrono::steady_clock::now() > deadline_) {
        timedOut_ = true;
        return;
      }
      RunTask(layout, t, stamp);
    }
  }

  void RunTask(golf::HoleLayout& layout, int t, std::vector<int>& stamp) {
    const Task& task = tasks_[t];
    const Node& from = frontier_[task.node];
    const std::vector<AimedShot>& plan = plans_[task.node];
    TaskResult& r = results_[t];
    for (std::size_t i = task.begin; i < task.end; ++i) {
      const AimedShot& s = plan[i];
      Played p;
      if (!PlayStroke(layout, from.x, from.y, s, p)) continue;
      ++r.tried;
      ShotRecord record{from.x, from.y, s, p.steps, golf::PixelOf(p.x), golf::PixelOf(p.y)};
      if (p.steps > r.longest) {
        r.longest = p.steps;
        r.longestShot = record;
      }
      if (p.steps >= golf::kMaxStepsPerShot || p.end == golf::ShotEnd::kLimit) {
        if (r.limits++ < long(kShownFaults)) r.limitShots.push_back(record);
      }
      const char* escape = p.leftField ? "left the field" : nullptr;
      if (escape == nullptr && p.end == golf::ShotEnd::kStopped) {
        escape = OffFloor(layout, area_, record.endX, record.endY);
      }
      if (escape != nullptr) {
        record.what = escape;
        if (r.escapes++ < long(kShownFaults)) r.escapeShots.push_back(record);
      }
      if (firstLevel_ && s.sensible) {
        ++r.sensible;
        if (p.end == golf::ShotEnd::kHazard) ++r.sensibleHazards;
      }
      if (p.end == golf::ShotEnd::kHoled) {
        ++r.holed;
        if (r.holedShot < 0) r.holedShot = int(i);
      } else if (p.end == golf::ShotEnd::kStopped) {
        golf::Ball rest;
        rest.posx = p.x;
        rest.posy = p.y;
        golf::SnapBall(rest);
        const int key = KeyOf(int(rest.posx), int(rest.posy));
        if (key >= 0 && stamp[key] != t) {
          stamp[key] = t;
          r.rests.push_back({key, int(i)});
        }
      }
    }
    if (r.holedShot >= 0 && stopAtHole_) {
      int seen = stopAt_.load();
      while (t < seen && !stopAt_.compare_exchange_weak(seen, t)) {
      }
    }
    r.done = true;
  }

  std::span<const uint8_t> entry_;
  int hole_;
  const PlayArea& area_;
  const std::vector<Node>& frontier_;
  const std::vector<std::vector<AimedShot>>& plans_;
  bool firstLevel_, stopAtHole_;
  std::chrono::steady_clock::time_point deadline_;
  std::vector<Task> tasks_;
  std::vector<TaskResult> results_;
  std::atomic<int> next_{0};
  std::atomic<int> stopAt_{INT_MAX};
  std::atomic<bool> timedOut_{false};
};

std::vector<AimedShot> PlanFor(const Node& node, const golf::HoleLayout& layout,
                               const PlayArea& area, const PlanSettings& settings,
                               bool markSensible) {
  const std::vector<AimPoint> aims =
      AimPoints(node.x, node.y, layout.CupX(), layout.CupY(), settings);
  const std::vector<int16_t> holds = HoldTimes(settings.holdStep);
  std::vector<AimedShot> plan;
  plan.reserve(aims.size() * holds.size());
  for (const AimPoint& a : aims) {
    uint8_t sensible = 0;
    if (markSensible) {
      const double dx = a.x - node.x, dy = a.y - node.y;
      sensible = AngleBetween(dx, dy, layout.CupX() - node.x, layout.CupY() - node.y) <=
                             kSensibleCupDegrees ||
                         area.OpenRun(node.x, node.y, dx, dy, kSensibleOpenRun) >= kSensibleOpenRun
                     ? 1
                     : 0;
    }
    for (int16_t h : holds) plan.push_back({a.x, a.y, h, sensible});
  }
  return plan;
}

// The resting places to play from next: nearest the cup by the floor's paths first,
// spread out (no two within 2 pixels) while there are enough of them.
std::vector<Node> ChooseFrontier(std::vector<Node> found, const PlayArea& area,
                                 const golf::HoleLayout& layout, int budget) {
  auto rank = [&](const Node& n) {
    const int d = area.CupDistance(n.x, n.y);
    const double straight = std::hypot(n.x - layout.CupX(), n.y - layout.CupY());
    return std::tuple(d < 0 ? INT_MAX : d, straight, n.y, n.x);
  };
  std::stable_sort(found.begin(), found.end(),
                   [&](const Node& a, const Node& b) { return rank(a) < rank(b); });
  std::vector<Node> chosen;
  std::vector<uint8_t> taken(found.size(), 0);
  std::vector<uint8_t> near(std::size_t(kKeySide) * kKeySide, 0);
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t i = 0; i < found.size() && int(chosen.size()) < budget; ++i) {
      if (taken[i]) continue;
      const Node& n = found[i];
      const int key = KeyOf(n.x, n.y);
      if (pass == 0 && key >= 0 && near[key]) continue;
      taken[i] = 1;
      chosen.push_back(n);
      for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
          const int k = KeyOf(n.x + dx, n.y + dy);
          if (k >= 0) near[k] = 1;
        }
      }
    }
  }
  return chosen;
}

}  // namespace

HoleResult SolveHole(std::span<const uint8_t> entry, int hole, const SolveSettings& settings) {
  HoleResult result;
  result.hole = hole;
  golf::HoleLayout layout;
  golf::Ball ball;
  if (layout.LoadHoleData(entry, hole, ball) != golf::HoleLayout::LoadResult::kLoaded) {
    return result;
  }
  result.loaded = true;
  const PlayArea area(layout);
  result.teeOnFloor = area.TeeOnFloor();
  result.cupOnFloor = area.CupReachable();

  // Every node ever found, for walking a witness back to the tee.
  std::vector<Node> nodes{{golf::PixelOf(ball.posx), golf::PixelOf(ball.posy), -1, {}}};
  std::vector<uint8_t> visited(std::size_t(kKeySide) * kKeySide, 0);
  if (const int key = KeyOf(nodes[0].x, nodes[0].y); key >= 0) visited[key] = 1;
  std::vector<int> frontierIds{0};

  for (int depth = 0; depth < settings.maxStrokes && !frontierIds.empty(); ++depth) {
    const bool first = depth == 0;
    std::vector<Node> frontier;
    std::vector<std::vector<AimedShot>> plans;
    for (int id : frontierIds) {
      frontier.push_back(nodes[id]);
      plans.push_back(PlanFor(nodes[id], layout, area,
                              first ? settings.firstShots : settings.laterShots, first));
    }
    result.positionsPlayed += int(frontier.size());
    // The first stroke is played out in full for its statistics; later ones stop at the
    // first path that holes.
    LevelRun run(entry, hole, area, frontier, plans, first, !first, settings.deadline);
    run.Run(std::max(settings.threads, 1));

    std::vector<Node> found;
    int holedTask = -1;
    bool complete = true;
    for (std::size_t t = 0; t < run.Tasks().size(); ++t) {
      if (int(t) > run.StopAt()) break;
      const TaskResult& r = run.Results()[t];
      if (!r.done) {
        complete = false;
        continue;
      }
      const Task& task = run.Tasks()[t];
      const int parent = frontierIds[task.node];
      result.shotsTried += r.tried;
      if (first) {
        result.firstShots += r.tried;
        result.holeInOnes += r.holed;
        result.sensibleFirst += r.sensible;
        result.sensibleHazards += r.sensibleHazards;
      }
      if (r.longest > result.longestRoll) {
        result.longestRoll = r.longest;
        result.longest = r.longestShot;
      }
      result.rollLimitShots += r.limits;
      result.escapeShots += r.escapes;
      for (const ShotRecord& s : r.limitShots) {
        if (result.rollLimits.size() < kShownFaults) result.rollLimits.push_back(s);
      }
      for (const ShotRecord& s : r.escapeShots) {
        if (result.escapes.size() < kShownFaults) result.escapes.push_back(s);
      }
      if (r.holedShot >= 0 && holedTask < 0) holedTask = int(t);
      for (const auto& [key, shot] : r.rests) {
        if (visited[key]) continue;
        visited[key] = 1;
        found.push_back({key % kKeySide, key / kKeySide, parent, plans[task.node][shot]});
      }
    }
    if (run.TimedOut() && !complete) result.timedOut = true;
    result.positionsFound += int(found.size());

    if (holedTask >= 0) {
      const Task& task = run.Tasks()[holedTask];
      std::vector<AimedShot> path{plans[task.node][run.Results()[holedTask].holedShot]};
      for (int id = frontierIds[task.node]; nodes[id].parent >= 0; id = nodes[id].parent) {
        path.push_back(nodes[id].shot);
      }
      std::reverse(path.begin(), path.end());
      result.strokes = depth + 1;
      result.witness = path;
      result.witnessReplays = ReplayWitness(entry, hole, path);
      break;
    }
    if (result.timedOut) break;
    if (found.empty()) {
      result.exhausted = true;
      break;
    }
    if (depth + 1 >= settings.maxStrokes) break;
    const std::vector<Node> chosen =
        ChooseFrontier(std::move(found), area, layout, settings.positionsPerStroke);
    frontierIds.clear();
    for (const Node& n : chosen) {
      frontierIds.push_back(int(nodes.size()));
      nodes.push_back(n);
    }
  }
  return result;
}

bool ReplayWitness(std::span<const uint8_t> entry, int hole, const std::vector<AimedShot>& path) {
  golf::HoleLayout layout;
  golf::Ball ball;
  if (path.empty() ||
      layout.LoadHoleData(entry, hole, ball) != golf::HoleLayout::LoadResult::kLoaded) {
    return false;
  }
  for (std::size_t i = 0; i < path.size(); ++i) {
    const AimedShot& s = path[i];
    // The game refuses an aim within half a pixel of the resting ball's centre.
    if (std::fabs(s.aimX - ball.posx) < 0.5 && std::fabs(s.aimY - ball.posy) < 0.5) return false;
    golf::SnapBall(ball);
    double fx = 0, fy = 0;
    if (!golf::AimedVelocity(ball, s.aimX, s.aimY, golf::ShotPower(uint32_t(s.holdMs)), fx, fy)) {
      return false;
    }
    ball.Strike(fx, fy);
    int steps = 0;
    const golf::ShotEnd end = golf::RollShot(layout, ball, golf::kMaxStepsPerShot + 10, steps,
                                             [](int, const golf::Ball&) {});
    const bool last = i + 1 == path.size();
    if (end != (last ? golf::ShotEnd::kHoled : golf::ShotEnd::kStopped)) return false;
  }
  return true;
}

}  // namespace solve
