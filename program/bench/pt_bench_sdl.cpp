// pt-bench-sdl [RUNS [SCALE]]: the game in its real window on an X display (run it under Xvfb
// with scripts/bench-sdl.sh): process start to the first splash visible on the display, and the
// processor time the program takes while the game screen waits for a tap and while a ball rolls.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "spawn.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The device's screen; the window is this size times the scale the bench asks for.
constexpr int kWidth = 240;
constexpr int kHeight = 320;

// The program's window on the display and its scale.
struct DeviceWindow {
  Window id = 0;
  int scale = 1;
  int Width() const { return kWidth * scale; }
  int Height() const { return kHeight * scale; }
};

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void SleepMs(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

pid_t Spawn(const std::vector<std::string>& args) {
  return program::bench::Spawn(args, program::bench::Silenced::kOutputAndErrors);
}

int RunTool(const std::vector<std::string>& args) {
  const pid_t child = Spawn(args);
  if (child < 0) return -1;
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Ends the program as the desktop would (SIGTERM saves the settings) and reaps it.
void Stop(pid_t child) {
  kill(child, SIGTERM);
  int status = 0;
  waitpid(child, &status, 0);
}

// The program's processor time so far (user and system), in clock ticks.
long CpuTicks(pid_t child) {
  std::ifstream in("/proc/" + std::to_string(child) + "/stat");
  std::string line;
  std::getline(in, line);
  const auto close = line.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream fields(line.substr(close + 2));
  std::string field;
  long utime = 0;
  long stime = 0;
  // Fields after the command: state is the 3rd of the record, utime the 14th, stime the 15th.
  for (int index = 3; index <= 15 && fields >> field; ++index) {
    if (index == 14) utime = std::atol(field.c_str());
    if (index == 15) stime = std::atol(field.c_str());
  }
  return utime + stime;
}

// Share of one core the program used over `ms` of wall time from now.
double CpuShare(pid_t child, int ms) {
  const long before = CpuTicks(child);
  const auto start = Clock::now();
  SleepMs(ms);
  const long after = CpuTicks(child);
  const double seconds = MsSince(start) / 1000.0;
  return 100.0 * double(after - before) / double(sysconf(_SC_CLK_TCK)) / seconds;
}

// The top-level window of the device's size at `scale`, once it is mapped.
Window FindDeviceWindow(Display* display, int scale) {
  Window root = XDefaultRootWindow(display);
  Window parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  Window found = 0;
  if (!XQueryTree(display, root, &root, &parent, &children, &count)) return 0;
  for (unsigned i = 0; i < count && !found; ++i) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, children[i], &attributes) &&
        attributes.map_state == IsViewable && attributes.width == kWidth * scale &&
        attributes.height == kHeight * scale)
      found = children[i];
  }
  if (children) XFree(children);
  return found;
}

// Whether the window shows a picture: most of its pixels neither black nor white (a freshly
// mapped window is cleared to one of those before the first frame is presented).
bool ShowsPicture(Display* display, const DeviceWindow& window) {
  XImage* image =
      XGetImage(display, window.id, 0, 0, window.Width(), window.Height(), AllPlanes, ZPixmap);
  if (!image) return false;
  int coloured = 0;
  for (int y = 0; y < kHeight; y += 4) {
    for (int x = 0; x < kWidth; x += 4) {
      const unsigned long pixel = XGetPixel(image, x * window.scale, y * window.scale) & 0xFFFFFF;
      if (pixel != 0 && pixel != 0xFFFFFF) ++coloured;
    }
  }
  XDestroyImage(image);
  return coloured > (kWidth / 4) * (kHeight / 4) / 3;
}

// Waits until the ended program's window has left the display (the server closes it after
// the process is gone), so that the next start is not mistaken for it.
void WaitWindowGone(Display* display, int scale) {
  const auto start = Clock::now();
  while (FindDeviceWindow(display, scale) && MsSince(start) < 2000) SleepMs(1);
}

// Waits up to `limitMs` for the first picture in `window` (of its scale); returns the time
// from `start`, or -1.
double WaitForPicture(Display* display, Clock::time_point start, int limitMs,
                      DeviceWindow& window) {
  while (MsSince(start) < limitMs) {
    window.id = FindDeviceWindow(display, window.scale);
    if (window.id && ShowsPicture(display, window)) return MsSince(start);
    XSync(display, False);
    std::this_thread::sleep_for(std::chrono::microseconds(500));
  }
  return -1;
}

// A stylus tap, press or release at device pixel (x, y) of the window.
bool Pointer(const DeviceWindow& window, int x, int y, const char* action) {
  // The middle of the device pixel's square in the window.
  const int half = window.scale / 2;
  return RunTool({"/usr/bin/env", "xdotool", "mousemove", "--window", std::to_string(window.id),
                  std::to_string(x * window.scale + half), std::to_string(y * window.scale + half),
                  action, "1"}) == 0;
}

// The window's pixels, row by row (empty when the window cannot be read).
std::vector<unsigned long> Pixels(Display* display, const DeviceWindow& window) {
  std::vector<unsigned long> pixels;
  XImage* image =
      XGetImage(display, window.id, 0, 0, window.Width(), window.Height(), AllPlanes, ZPixmap);
  if (!image) return pixels;
  pixels.reserve(std::size_t(window.Width()) * window.Height());
  for (int y = 0; y < window.Height(); ++y)
    for (int x = 0; x < window.Width(); ++x) pixels.push_back(XGetPixel(image, x, y));
  XDestroyImage(image);
  return pixels;
}

// Writes the device window as a binary PPM (for looking at what the bench drove the game to).
bool WritePpm(Display* display, const DeviceWindow& window, const fs::path& file) {
  XImage* image =
      XGetImage(display, window.id, 0, 0, window.Width(), window.Height(), AllPlanes, ZPixmap);
  if (!image) return false;
  std::ofstream out(file, std::ios::binary);
  out << "P6\n" << window.Width() << ' ' << window.Height() << "\n255\n";
  for (int y = 0; y < window.Height(); ++y) {
    for (int x = 0; x < window.Width(); ++x) {
      const unsigned long pixel = XGetPixel(image, x, y);
      out.put(char((pixel >> 16) & 0xFF)).put(char((pixel >> 8) & 0xFF)).put(char(pixel & 0xFF));
    }
  }
  XDestroyImage(image);
  return bool(out);
}

// Windows of a program that just ended can vanish between listing and asking: not a fault here.
int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

void Report(const char* what, std::vector<double> samples, const char* unit, double goal) {
  std::sort(samples.begin(), samples.end());
  std::printf("%-46s min %6.1f  median %6.1f  max %6.1f %s  (%zu runs, goal < %.0f %s)\n", what,
              samples.front(), samples[samples.size() / 2], samples.back(), unit, samples.size(),
              goal, unit);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  // The game's own default is 2 window pixels per device pixel.
  const int scale = argc > 2 ? std::min(std::max(std::atoi(argv[2]), 1), 4) : 2;
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "pt-bench-sdl: no X display (run it with scripts/bench-sdl.sh)\n");
    return 1;
  }
  XSetErrorHandler(IgnoreXError);
  if (FindDeviceWindow(display, scale)) {
    std::fprintf(stderr, "pt-bench-sdl: a %dx%d window is already on this display\n",
                 kWidth * scale, kHeight * scale);
    return 1;
  }
  // PT_BENCH_SHOTS=DIR keeps a picture of each screen the bench drives the game to.
  const char* shots = std::getenv("PT_BENCH_SHOTS");
  auto keep = [&](const DeviceWindow& window, const char* name) {
    if (shots && *shots) WritePpm(display, window, fs::path(shots) / (std::string(name) + ".ppm"));
  };
  const fs::path work = fs::temp_directory_path() / ("pt-bench-sdl-" + std::to_string(getpid()));
  fs::create_directories(work);
  const std::vector<std::string> program = {PT_PUTTLAND, "--scale", std::to_string(scale),
                                            "--device", (work / "device").string()};

  // The first start prepares the device (links the archive, creates the key); it is not timed.
  std::vector<double> toSplash;
  for (int i = 0; i <= runs; ++i) {
    const auto start = Clock::now();
    const pid_t child = Spawn(program);
    if (child < 0) {
      std::fprintf(stderr, "pt-bench-sdl: cannot start %s\n", PT_PUTTLAND);
      return 1;
    }
    DeviceWindow window{0, scale};
    const double shown = WaitForPicture(display, start, 10000, window);
    Stop(child);
    WaitWindowGone(display, scale);
    if (shown < 0) {
      std::fprintf(stderr, "pt-bench-sdl: no splash within 10 s\n");
      return 1;
    }
    if (i > 0) toSplash.push_back(shown);
  }

  // The game screen: both splashes tapped away, a new game on course 1.
  std::vector<double> waiting;
  std::vector<double> rolling;
  for (int i = 0; i < std::max(1, runs / 2); ++i) {
    const std::string run = std::to_string(i);
    const auto start = Clock::now();
    const pid_t child = Spawn(program);
    DeviceWindow window{0, scale};
    if (child < 0 || WaitForPicture(display, start, 10000, window) < 0) {
      std::fprintf(stderr, "pt-bench-sdl: the game did not show its window\n");
      if (child > 0) Stop(child);
      return 1;
    }
    // A tap in the window's first moments can reach it before it takes input: let it settle.
    SleepMs(500);
    bool ok = Pointer(window, 120, 200, "click");
    SleepMs(500);
    ok = ok && Pointer(window, 120, 200, "click");
    SleepMs(700);
    keep(window, (run + "-menu").c_str());
    ok = ok && Pointer(window, 120, 74, "click");  // new game
    SleepMs(700);
    ok = ok && Pointer(window, 120, 92, "click");  // course 1
    SleepMs(1000);
    if (!ok) {
      std::fprintf(stderr, "pt-bench-sdl: xdotool failed\n");
      Stop(child);
      return 1;
    }
    keep(window, (run + "-hole").c_str());
    waiting.push_back(CpuShare(child, 5000));
    Pointer(window, 120, 150, "click");  // aim
    SleepMs(200);
    Pointer(window, 194, 53, "mousedown");  // the shoot button, held 500 ms
    SleepMs(500);
    Pointer(window, 194, 53, "mouseup");
    keep(window, (run + "-released").c_str());
    const std::vector<unsigned long> released = Pixels(display, window);
    const double share = CpuShare(child, 1500);
    keep(window, (run + "-after").c_str());
    // Only a run whose ball moved counts (the picture changes as it rolls).
    if (Pixels(display, window) != released) {
      rolling.push_back(share);
    } else {
      std::fprintf(stderr, "pt-bench-sdl: run %d: nothing moved after the shot; not counted\n", i);
    }
    Stop(child);
    WaitWindowGone(display, scale);
  }
  XCloseDisplay(display);
  fs::remove_all(work);

  std::printf("pt-bench-sdl: %s, SDL on %s, scale %d\n", PT_PUTTLAND, std::getenv("DISPLAY"),
              scale);
  Report("process start to first splash on the display", toSplash, "ms", 150);
  Report("CPU, game screen waiting for a tap (5 s)", waiting, "%", 5);
  if (!rolling.empty()) Report("CPU, ball rolling (first 1.5 s after release)", rolling, "%", 10);
  return 0;
}
