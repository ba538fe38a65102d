// pt-bench-game: the time from starting the program to its first splash on the screen, on the
// headless backend, and what a whole start-and-quit costs; the game screen's hole set-up and
// one physics sub-step's screen work, inside this program; and the program's peak memory while
// a whole course is played by a script.
#include <windows.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "backend/headless.h"
#include "frame/app/entry.h"
#include "frame/base/process_instance.h"
#include "frame/form/process_state.h"
#include "frame/surface/offscreen_surface.h"
#include "golf/ball.h"
#include "kernel/resource_registry.h"
#include "platform/kernel/storage.h"
#include "screens/game_form.h"
#include "screens/game_settings.h"
#include "spawn.h"

namespace {

namespace fs = std::filesystem;

double NowMs() {
  timespec t{};
  clock_gettime(CLOCK_REALTIME, &t);
  return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Runs the program; returns its exit status, -1 when it could not start. `maxRssKb` (when
// given) receives the child's peak resident memory.
int Run(const std::vector<std::string>& args, long* maxRssKb = nullptr) {
  const pid_t child = program::bench::Spawn(args, program::bench::Silenced::kOutput);
  if (child < 0) return -1;
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  if (maxRssKb) *maxRssKb = usage.ru_maxrss;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

double ModifiedMs(const fs::path& file) {
  struct stat info {};
  if (stat(file.c_str(), &info) != 0) return -1;
  return double(info.st_mtim.tv_sec) * 1e3 + double(info.st_mtim.tv_nsec) / 1e6;
}

void Report(const char* what, std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  std::printf("%-44s min %7.1f ms   median %7.1f ms   max %7.1f ms   (%zu runs)\n", what,
              samples.front(), samples[samples.size() / 2], samples.back(), samples.size());
}

void ReportUs(const char* what, std::vector<double> samples, double goalUs) {
  std::sort(samples.begin(), samples.end());
  std::printf("%-40s min %6.1f  median %6.1f  95%% %6.1f  max %7.1f us  (%zu, goal < %.0f us)\n",
              what, samples.front(), samples[samples.size() / 2],
              samples[samples.size() * 95 / 100], samples.back(), samples.size(), goalUs);
}

// A device of this process whose "Resource File" is the built archive, the root window forms
// need, and silent sounds for the game's WAVE resources.
bool PrepareInProcessDevice(const fs::path& device, const fs::path& archive) {
  platform::Headless();
  platform::SetDeviceRoot(device);
  fs::create_directories(device / "Program Files" / "Puttland");
  std::error_code error;
  fs::copy_file(archive, device / "Program Files" / "Puttland" / "puttland.dat",
                fs::copy_options::overwrite_existing, error);
  if (error) return false;
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Ombrelune\\Puttland", 0, nullptr, 0, 0, nullptr,
                  &key, nullptr);
  const wchar_t path[] = L"\\Program Files\\Puttland\\puttland.dat";
  RegSetValueExW(key, L"Resource File", 0, REG_SZ, reinterpret_cast<const BYTE*>(path),
                 sizeof path);
  RegCloseKey(key);
  static std::vector<std::vector<uint8_t>> waves;
  for (int id = 103; id <= 111; ++id) {
    std::vector<uint8_t> w = {'R', 'I', 'F',  'F',  44, 0, 0, 0, 'W', 'A', 'V', 'E',  'f',
                              'm', 't', ' ',  16,   0,  0, 0, 1, 0,   1,   0,   0x11, 0x2B,
                              0,   0,   0x22, 0x56, 0,  0, 2, 0, 16,  0,   'd', 'a',  't',
                              'a', 8,   0,    0,    0,  0, 0, 0, 0,   0,   0,   0,    0};
    waves.push_back(std::move(w));
  }
  for (int id = 103; id <= 111; ++id) {
    platform::RegisterResource("WAVE", std::to_string(id), waves[id - 103].data(),
                               waves[id - 103].size());
  }
  frame::ProcessInstance = GetModuleHandleW(nullptr);
  frame::CreateRootWindow();
  return true;
}

// SetUpHole on every hole of every course, and the screen work of one physics sub-step (the
// playfield copied from the hole picture, the ball, the buttons, the status line), in process.
void BenchGameScreen(const fs::path& work) {
  const fs::path archive = fs::path(PT_PUTTLAND).parent_path() / "puttland.dat";
  if (!PrepareInProcessDevice(work / "bench-device", archive)) {
    std::printf("game screen: no archive at %s\n", archive.c_str());
    return;
  }
  platform::HeadlessBackend& headless = platform::Headless();
  headless.Advance(1000);
  screens::SetSoundSetting(1);
  screens::GameForm form("Game form", 0, 0, 240, 268);
  form.Show();
  std::vector<double> setUp;
  for (int course = 0; course < screens::kCourseCount; ++course) {
    const size_t first = setUp.size();
    for (int hole = 0; hole < screens::kHoleCount; ++hole) {
      form.StartCourse(course, hole);  // loads the archive's pictures once, untimed
      std::vector<double> times;
      for (int i = 0; i < 5; ++i) {
        const double start = NowMs();
        form.SetUpHole();
        times.push_back((NowMs() - start) * 1000.0);
      }
      setUp.insert(setUp.end(), times.begin(), times.end());
      std::sort(times.begin(), times.end());
      if (times[2] > 3000) {
        std::printf("  SetUpHole over its goal: course %d hole %d, median %.0f us\n", course + 1,
                    hole + 1, times[2]);
      }
    }
    const std::string what = "  SetUpHole, course " + std::to_string(course + 1);
    ReportUs(what.c_str(), std::vector<double>(setUp.begin() + long(first), setUp.end()), 3000);
  }
  ReportUs("SetUpHole (90 holes x 5)", setUp, 3000);

  form.StartCourse(0, 0);
  form.OnPaint();
  const frame::OffscreenSurface& picture = form.HolePicture();
  std::vector<double> subStep;
  for (int i = 0; i < 2000; ++i) {
    const double start = NowMs();
    form.Blit(picture, 15, 64, 210, 189, 15, 64, SRCCOPY);
    form.DrawBall();
    form.Elements().Paint();
    form.DrawStatus();
    subStep.push_back((NowMs() - start) * 1000.0);
  }
  ReportUs("one sub-step's screen work (2000 times)", subStep, 100);

  // Whole physics steps of a shot rolling on hole 1 (collisions, motion and the screen work).
  std::vector<double> steps;
  for (int shot = 0; shot < 20; ++shot) {
    form.StartCourse(0, 0);
    form.OnStylusDown(193, 158);
    form.OnStylusUp(193, 158);
    form.OnStylusDown(175, 20);
    headless.Advance(500);
    form.OnStylusUp(175, 20);
    while (form.State() == screens::PlayState::kRolling) {
      headless.Advance(50);
      const double start = NowMs();
      form.RunPhysicsStep(headless.Now());
      steps.push_back((NowMs() - start) * 1000.0);
      if (!form.GetBall().IsMoving() || steps.size() > 100000) break;
    }
  }
  if (!steps.empty()) ReportUs("RunPhysicsStep, ball rolling (whole step)", steps, 1000);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  const fs::path work = fs::temp_directory_path() / ("pt-bench-game-" + std::to_string(getpid()));
  fs::create_directories(work);
  // The first splash is on the screen once the program waits for input at 1 ms of its clock;
  // the screenshot taken then is written within about a millisecond, and its time is the mark.
  std::ofstream(work / "first.pts") << "wait 1\nshot first\nquit\n";
  std::ofstream(work / "end.pts") << "quit\n";
  const std::string program = PT_PUTTLAND;
  const std::vector<std::string> base = {program, "--headless", "--device",
                                         (work / "device").string()};

  auto with = [&](std::vector<std::string> extra) {
    std::vector<std::string> args = base;
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
  };
  if (Run(with({"--script", (work / "end.pts").string()})) != 0) {
    std::fprintf(stderr, "pt-bench-game: %s did not run\n", program.c_str());
    return 1;
  }
  std::vector<double> toSplash, wholeRun, versionOnly;
  for (int i = 0; i < runs; ++i) {
    fs::remove(work / "first.png");
    const double start = NowMs();
    const int status =
        Run(with({"--script", (work / "first.pts").string(), "--screenshots", work.string()}));
    const double end = NowMs();
    const double shown = ModifiedMs(work / "first.png");
    if (status != 0 || shown < 0) {
      std::fprintf(stderr, "pt-bench-game: run %d failed (status %d)\n", i, status);
      return 1;
    }
    toSplash.push_back(shown - start);
    wholeRun.push_back(end - start);
    const double versionStart = NowMs();
    Run({program, "--version"});
    versionOnly.push_back(NowMs() - versionStart);
  }
  std::printf("pt-bench-game: %s, headless, device prepared\n", program.c_str());
  Report("process start to first splash on screen", toSplash);
  Report("start, first splash, quit, settings saved", wholeRun);
  Report("process start and exit only (--version)", versionOnly);

  // Peak memory of a whole course played by a script (the end-to-end tests' Garden run).
  const fs::path course = fs::path(PT_SCRIPTS) / "course_garden.pts";
  long peakKb = 0;
  fs::remove_all(work / "device");
  const double courseStart = NowMs();
  const int courseStatus =
      Run(with({"--script", course.string(), "--screenshots", (work / "shots").string()}), &peakKb);
  const double courseMs = NowMs() - courseStart;
  if (courseStatus != 0) {
    std::fprintf(stderr, "pt-bench-game: the course script failed (status %d)\n", courseStatus);
  } else {
    std::printf("%-44s %7.1f MB peak resident (goal < 40 MB), %.0f ms\n",
                "a whole course of Garden by script", double(peakKb) / 1024.0, courseMs);
  }

  BenchGameScreen(work);
  fs::remove_all(work);
  return 0;
}
