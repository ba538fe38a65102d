// pt-shot: plays single shots of the golf engine without a screen and prints the ball's
// path step by step, or measures how many physics steps per second the engine runs.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "golf/shot.h"
#include "golf/shot_trace.h"
#include "tools/common/course_file.h"

namespace {

constexpr const char* kUsage =
    "usage: pt-shot trace COURSE HOLE FX FY [OPTIONS]\n"
    "       pt-shot aim COURSE HOLE AIMX AIMY HOLDMS [OPTIONS]\n"
    "       pt-shot bench [COURSE...]\n"
    "\n"
    "COURSE is a course entry file or a course source (text, or a name ending in .course).\n"
    "HOLE is 0..17. The ball starts on the hole's tee.\n"
    "\n"
    "trace  strikes the ball with velocity (FX, FY) px/s and rolls it as the game does:\n"
    "       one line per 0.05 s step, 'STEP posx posy Fx Fy hillFx hillFy Ismoving',\n"
    "       then 'end REASON STEPS' (REASON: stopped, holed, hazard or limit).\n"
    "aim    the shot the game fires after the shoot button was held HOLDMS ms towards\n"
    "       the aim point (AIMX, AIMY): power wave, release snap, strike; then as trace.\n"
    "bench  rolls a mix of shots on every hole of the courses (default: the engine's\n"
    "       test holes) for about two seconds; 'pass ...' tells how one round of the mix\n"
    "       ended (the same on every machine), the last line is 'steps/s N'.\n"
    "\n"
    "--from X Y          start the ball at (X, Y) instead of the tee (not with bench)\n"
    "--max-steps N       stop after N steps (default 100000)\n"
    "--no-overlap-mend   let a ball that overlaps a wall pass through it (for comparison)\n";

bool LoadCourse(const std::string& path, std::vector<uint8_t>& entry) {
  std::string error;
  if (tools::LoadCourseFile(path, entry, error)) return true;
  std::fprintf(stderr, "pt-shot: %s\n", error.c_str());
  return false;
}

bool ParseInt(const std::string& text, long& value) {
  char* end = nullptr;
  value = std::strtol(text.c_str(), &end, 10);
  return !text.empty() && *end == '\0';
}

bool ParseDouble(const std::string& text, double& value) {
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return !text.empty() && *end == '\0';
}

bool LoadHoleIndex(const std::string& text, int& hole) {
  long value = 0;
  if (!ParseInt(text, value) || value < 0 || value > 17) {
    std::fprintf(stderr, "pt-shot: HOLE must be 0..17, not '%s'\n", text.c_str());
    return false;
  }
  hole = static_cast<int>(value);
  return true;
}

int Play(const std::string& course, const golf::ShotRequest& request) {
  std::vector<uint8_t> entry;
  if (!LoadCourse(course, entry)) return 1;
  std::string out;
  switch (golf::TraceRequestedShot(entry, request, out)) {
    case golf::ShotOutcome::kPlayed:
      std::fwrite(out.data(), 1, out.size(), stdout);
      return 0;
    case golf::ShotOutcome::kNoHole:
      std::fprintf(stderr, "pt-shot: %s has no usable record of hole %d\n", course.c_str(),
                   request.hole);
      return 1;
    case golf::ShotOutcome::kNoDirection:
      std::fprintf(stderr, "pt-shot: the aim point is the ball's centre: no shot\n");
      return 1;
  }
  return 1;
}

int Trace(const std::vector<std::string>& args, golf::ShotRequest request) {
  if (args.size() != 4 || !ParseDouble(args[2], request.fx) || !ParseDouble(args[3], request.fy)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  if (!LoadHoleIndex(args[1], request.hole)) return 2;
  return Play(args[0], request);
}

int Aim(const std::vector<std::string>& args, golf::ShotRequest request) {
  long aimX = 0, aimY = 0, hold = 0;
  if (args.size() != 5 || !ParseInt(args[2], aimX) || !ParseInt(args[3], aimY) ||
      !ParseInt(args[4], hold) || hold < 0 || hold > 0xFFFFFFFFL) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  if (!LoadHoleIndex(args[1], request.hole)) return 2;
  request.aimed = true;
  request.aimX = static_cast<int>(aimX);
  request.aimY = static_cast<int>(aimY);
  request.holdMs = static_cast<uint32_t>(hold);
  return Play(args[0], request);
}

int Bench(std::vector<std::string> courses, const golf::ShotRequest& options) {
  if (options.fromPoint) {
    std::fprintf(stderr, "pt-shot: bench plays from every tee; --from is for trace and aim\n");
    return 2;
  }
  if (courses.empty()) courses.push_back(PT_BENCH_COURSE);
  std::vector<std::vector<uint8_t>> entries;
  for (const std::string& course : courses) {
    std::vector<uint8_t> entry;
    if (!LoadCourse(course, entry)) return 1;
    entries.push_back(std::move(entry));
  }
  // The mix: from every tee, 16 directions at four speeds.
  struct Shot {
    std::size_t entry;
    int hole;
    double fx, fy;
  };
  std::vector<Shot> shots;
  golf::HoleLayout layout;
  layout.SetOverlapRule(options.rule);
  golf::Ball ball;
  for (std::size_t e = 0; e < entries.size(); ++e) {
    for (int hole = 0; hole < 18; ++hole) {
      if (layout.LoadHoleData(entries[e], hole, ball) != golf::HoleLayout::LoadResult::kLoaded) {
        continue;
      }
      for (int d = 0; d < 16; ++d) {
        const double angle = d * (2.0 * M_PI / 16.0) + 0.1;
        for (double speed : {60.0, 150.0, 240.0, 300.0}) {
          shots.push_back({e, hole, std::cos(angle) * speed, std::sin(angle) * speed});
        }
      }
    }
  }
  if (shots.empty()) {
    std::fprintf(stderr, "pt-shot: no holes to play\n");
    return 1;
  }
  long long steps = 0;
  long long rolls = 0;
  int mostContacts = 0;
  // How the first round of the mix ended, by golf::ShotEnd, and its steps.
  long long ends[4] = {};
  long long passSteps = 0;
  const auto start = std::chrono::steady_clock::now();
  double seconds = 0;
  while (seconds < 2.0) {
    for (const Shot& shot : shots) {
      layout.LoadHoleData(entries[shot.entry], shot.hole, ball);
      ball.Strike(shot.fx, shot.fy);
      int n = 0;
      const golf::ShotEnd end = golf::RollShot(layout, ball, options.maxSteps, n,
                                               [&mostContacts](int, const golf::Ball& b) {
                                                 if (b.ContactsThisStep() > mostContacts)
                                                   mostContacts = b.ContactsThisStep();
                                               });
      steps += n;
      if (rolls == 0) {
        ++ends[static_cast<int>(end)];
        passSteps += n;
      }
    }
    rolls += static_cast<long long>(shots.size());
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  std::printf("shots %lld (%zu different), steps %lld, %.3f s\n", rolls, shots.size(), steps,
              seconds);
  std::printf("pass steps %lld, %s %lld, %s %lld, %s %lld, %s %lld\n", passSteps,
              golf::ShotEndName(golf::ShotEnd::kStopped), ends[0],
              golf::ShotEndName(golf::ShotEnd::kHoled), ends[1],
              golf::ShotEndName(golf::ShotEnd::kHazard), ends[2],
              golf::ShotEndName(golf::ShotEnd::kLimit), ends[3]);
  std::printf("most wall contacts in one step %d (bound %d)\n", mostContacts,
              golf::kMaxContactsPerStep);
  std::printf("microseconds per shot %.2f (hole loading included)\n", seconds * 1e6 / rolls);
  std::printf("steps/s %lld\n", static_cast<long long>(steps / seconds));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args;
  golf::ShotRequest options;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (a == "--max-steps" && i + 1 < argc) {
      long steps = 0;
      if (!ParseInt(argv[++i], steps) || steps < 0 || steps > 100000000) {
        std::fprintf(stderr, "pt-shot: --max-steps needs a count\n");
        return 2;
      }
      options.maxSteps = static_cast<int>(steps);
    } else if (a == "--from" && i + 2 < argc) {
      options.fromPoint = true;
      if (!ParseDouble(argv[i + 1], options.fromX) || !ParseDouble(argv[i + 2], options.fromY)) {
        std::fprintf(stderr, "pt-shot: --from needs two numbers\n");
        return 2;
      }
      i += 2;
    } else if (a == "--no-overlap-mend") {
      options.rule = golf::OverlapRule::kPassThrough;
    } else {
      args.push_back(a);
    }
  }
  if (args.empty()) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::string command = args[0];
  args.erase(args.begin());
  if (command == "trace") return Trace(args, options);
  if (command == "aim") return Aim(args, options);
  if (command == "bench") return Bench(args, options);
  std::fprintf(stderr, "pt-shot: unknown command '%s'\n%s", command.c_str(), kUsage);
  return 2;
}
