// The Windows build under Wine against the Linux build: one Wine session (fresh prefix, own X
// display, a 240x320 virtual desktop) starts Puttland.exe, walks every screen the Linux build
// walks in the same script, compares them pixel for pixel, plays a shot and starts a second copy.
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "backend/png_file.h"
#include "program/tests/e2e/program_run.h"
#include "program/tests/wine/desktop_capture.h"
#include "program/tests/wine/pixel_compare.h"
#include "tools/wine/wine_session.h"

namespace {

namespace fs = std::filesystem;
using program::wine::Area;
using program::wine::DesktopCapture;
using program::wine::Mask;
using program::wine::Picture;

constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;
// The handheld's top bar is chrome of the device, and the desktop has none: compared is
// everything below it.
constexpr int kTopBar = 26;
constexpr char kDesktopTitle[] = "puttland - Wine desktop";
constexpr char kAppKey[] = "HKLM\\Software\\Ombrelune\\Puttland";

// The input-panel button at the right of the shell's menu bar (the desktop has no input panel,
// so the shim's bar has no button).
const Mask kInputPanelButton{{210, 300, 24, 14}, "the input-panel button"};
// Text in the system font, which differs by machine: the name box on the options screen, the
// version and the typed credits on the about screen.
const Mask kNameBox{{62, 135, 117, 16}, "system-font text"};
const Mask kVersion{{184, 99, 36, 16}, "system-font text"};
const Mask kCredits{{6, 178, 228, 26}, "system-font text"};

// The holes' animated cells follow each build's own clock: the Linux build's screen is taken
// every 50 ms over 3.2 s (the longest cycle: 16 frames of 200 ms), and each animated area of
// the Windows screen must equal that area in one of those frames.
constexpr int kAnimationFrames = 64;
constexpr int kAnimationStep = 50;

// One screen of the walk, then the tap that leaves it (none for the last).
struct Stop {
  std::string screen;
  int tapX = -1;
  int tapY = -1;
  std::vector<Mask> masks = {};
  int frames = 1;  // Linux frames taken of it (kAnimationFrames where cells animate)
};

// The splashes, the menu, the course choice, the first hole of each course, the score card,
// best scores, options, help and about; every screen between two taps is compared, so that
// both builds are in step before each tap.
std::vector<Stop> Walk() {
  std::vector<Stop> stops = {{"splash1", 120, 200}, {"splash2", 120, 200}, {"menu", 120, 74}};
  for (int course = 1; course <= 5; ++course) {
    const std::string number = std::to_string(course);
    stops.push_back({"courses-" + number, 120, 92 + 39 * (course - 1)});
    if (course < 5) {
      stops.push_back({"course" + number + "-hole1", 147, 53, {}, kAnimationFrames});  // menu
      stops.push_back({"menu-playing-" + number, 120, 74});                            // new game
    }
  }
  const std::vector<Stop> rest = {
      {"course5-hole1", 220, 276, {}, kAnimationFrames},  // the score button
      {"score-card", 120, 255},                           // done
      {"course5-hole1-again", 147, 53, {}, kAnimationFrames},
      {"menu-resume", 120, 179},  // best scores
      {"highscores", 114, 264},   // done
      {"menu-after-highscores", 120, 144},
      {"options", 168, 259, {kNameBox}},  // cancel
      {"menu-after-options", 120, 214},
      {"help", 114, 264},
      {"menu-after-help", 120, 249},
      {"about", 120, 274, {kVersion, kCredits}},
      {"menu-after-about"}};
  stops.insert(stops.end(), rest.begin(), rest.end());
  for (Stop& stop : stops) stop.masks.push_back(kInputPanelButton);
  return stops;
}

std::string FrameName(const Stop& stop, int frame) {
  return frame == 0 ? stop.screen : stop.screen + ".f" + std::to_string(frame);
}

// The walk as a script of the Linux program: a shot of each screen, then its tap.
std::string WalkScript(const std::vector<Stop>& stops) {
  std::ostringstream script;
  script << "wait 100\n";
  for (const Stop& stop : stops) {
    script << "shot " << stop.screen << "\n";
    for (int frame = 1; frame < stop.frames; ++frame)
      script << "wait " << kAnimationStep << "\nshot " << FrameName(stop, frame) << "\n";
    if (stop.tapX >= 0) script << "tap " << stop.tapX << ' ' << stop.tapY << "\nwait 50\n";
  }
  return script.str();
}

// The screen below the top bar of a 240x320 Linux screenshot.
Picture BelowTopBar(const std::vector<uint32_t>& screen) {
  Picture picture;
  constexpr std::ptrdiff_t kTopBarPixels = std::ptrdiff_t{kTopBar} * kScreenWidth;
  // A missing or odd-sized screenshot stays empty, and differs from any screen.
  if (screen.size() != size_t{kScreenWidth} * kScreenHeight) return picture;
  picture.width = kScreenWidth;
  picture.height = kScreenHeight - kTopBar;
  picture.pixels.assign(screen.begin() + kTopBarPixels, screen.end());
  return picture;
}

// Masks are in screen coordinates; the pictures start below the top bar.
std::vector<Mask> InPicture(std::vector<Mask> masks) {
  for (Mask& mask : masks) mask.area.y -= kTopBar;
  return masks;
}

// What one screen of the Linux build looks like: its frames, the masks, and the areas that
// animate (empty for a still screen).
struct Expected {
  std::vector<Picture> frames;
  std::vector<Mask> masks = {};
  std::vector<Area> animated = {};
};

// The differences of `seen` from `expected`: outside the animated areas against the first frame,
// and each animated area that matches none of the frames.
std::vector<Area> Differences(const Expected& expected, const Picture& seen) {
  std::vector<Mask> masks = expected.masks;
  for (const Area& area : expected.animated) masks.push_back({area, "animated cells"});
  std::vector<Area> areas = program::wine::DifferingAreas(expected.frames.front(), seen, masks);
  for (const Area& area : expected.animated) {
    bool found = false;
    for (const Picture& frame : expected.frames)
      found = found || program::wine::SameInside(frame, seen, area);
    if (!found) areas.push_back(area);
  }
  return areas;
}

std::string WindowsPath(const fs::path& path) {
  std::string text = "Z:" + path.string();
  for (char& c : text)
    if (c == '/') c = '\\';
  return text;
}

class WindowsBuildTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Skip = WineSession::MissingTools(PUTTLAND_WINDOWS_BIN, {"Puttland.exe", "game_probe.exe"});
    if (!Skip.empty() && std::string(PUTTLAND_WINDOWS_MISSING).size()) {
      Skip = PUTTLAND_WINDOWS_MISSING;
    }
    if (!Skip.empty()) return;
    Session = std::make_unique<WineSession>();
    if (!Session->Start(SetUpError) || !PrepareDevice() || !StartGame()) Session.reset();
  }
  static void TearDownTestSuite() {
    Screen.Close();
    Session.reset();
  }

  void SetUp() override {
    if (!Skip.empty()) GTEST_SKIP() << Skip;
    ASSERT_TRUE(Session) << SetUpError;
  }

  static fs::path Bin() { return PUTTLAND_WINDOWS_BIN; }
  static std::string GameExe() { return WindowsPath(Bin() / "Puttland.exe"); }

  // What the installation leaves: the archive and help page in "C:\Program Files\Puttland",
  // the game's key naming them, and a default desktop so that every program of the session
  // (a second copy of the game included) shares the game's virtual desktop. No sound driver:
  // the session has no audio device.
  static bool PrepareDevice() {
    const fs::path folder = fs::path(Session->DriveC()) / "Program Files" / "Puttland";
    std::error_code ec;
    fs::create_directories(folder, ec);
    for (const char* file : {"puttland.dat", "puttland.html"}) {
      fs::copy_file(fs::path(PUTTLAND_DATA) / file, folder / file,
                    fs::copy_options::overwrite_existing, ec);
    }
    if (ec) {
      SetUpError = "cannot copy the game's data: " + ec.message();
      return false;
    }
    const fs::path reg = fs::path(Session->Scratch()) / "puttland.reg";
    std::ofstream(reg)
        << "Windows Registry Editor Version 5.00\r\n\r\n"
        << "[HKEY_LOCAL_MACHINE\\Software\\Ombrelune\\Puttland]\r\n"
        << "\"Resource File\"=\"C:\\\\Program Files\\\\Puttland\\\\puttland.dat\"\r\n"
        << "\"Help File\"=\"C:\\\\Program Files\\\\Puttland\\\\puttland.html\"\r\n\r\n"
        << "[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"
        << "\"Desktop\"=\"puttland\"\r\n\r\n"
        << "[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"
        << "\"puttland\"=\"240x320\"\r\n\r\n"
        << "[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\r\n"
        << "\"Audio\"=\"\"\r\n";
    std::string output;
    if (Session->Wine({"reg", "import", WindowsPath(reg)}, Session->Scratch(), 60, &output) != 0 ||
        !Session->RegQuery(kAppKey, "Resource File")) {
      SetUpError = "cannot prepare the registry: " + output;
      return false;
    }
    return true;
  }

  static bool StartGame() {
    Game = Session->SpawnWine({"explorer", "/desktop=puttland,240x320", GameExe()},
                              Session->Scratch());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
      if (Screen.Open(Session->Display(), kDesktopTitle, SetUpError)) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return false;
  }

  static Picture Grab() { return Screen.Grab(0, kTopBar, kScreenWidth, kScreenHeight - kTopBar); }

  // Polls the desktop until it shows `expected`; the last picture either way.
  static Picture AwaitScreen(const Expected& expected, int seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    Picture seen;
    do {
      seen = Grab();
      if (Differences(expected, seen).empty()) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(40));
    } while (std::chrono::steady_clock::now() < deadline);
    return seen;
  }

  // Polls until two pictures `apart` milliseconds apart are equal (nothing moves any more).
  static Picture AwaitStill(int apart, int seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    Picture last = Grab();
    while (std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(apart));
      Picture now = Grab();
      if (now.pixels == last.pixels) return now;
      last = std::move(now);
    }
    return last;
  }

  // A stylus tap at a point of the device's screen.
  static void Tap(int x, int y) {
    Session->XDoTool({"mousemove", std::to_string(Screen.OriginX() + x),
                      std::to_string(Screen.OriginY() + y), "click", "1"},
                     10);
  }

  static inline std::string Skip;
  static inline std::string SetUpError;
  static inline std::unique_ptr<WineSession> Session;
  static inline DesktopCapture Screen;
  static inline pid_t Game = -1;
};

// Every screen of the walk, shown by both builds after the same taps, is the same picture
// outside the masks. Differences are listed by rectangle and written into the build folder.
TEST_F(WindowsBuildTest, EveryScreenMatchesTheLinuxBuild) {
  const std::vector<Stop> stops = Walk();
  program::e2e::ProgramRun linuxRun("windows_build_walk");
  const program::e2e::RunResult run = linuxRun.PlayText("walk", WalkScript(stops));
  ASSERT_EQ(run.status, 0) << run.errors;

  const fs::path report = fs::path(PUTTLAND_COMPARE_DIR);
  fs::remove_all(report);
  std::vector<std::string> failures;
  for (const Stop& stop : stops) {
    Expected expected;
    for (int frame = 0; frame < stop.frames; ++frame)
      expected.frames.push_back(BelowTopBar(linuxRun.Shot(FrameName(stop, frame)).pixels));
    expected.masks = InPicture(stop.masks);
    if (stop.frames > 1) expected.animated = program::wine::ChangingAreas(expected.frames);
    const Picture seen = AwaitScreen(expected, 10);
    const std::vector<Area> areas = Differences(expected, seen);
    if (!areas.empty()) {
      std::string error;
      program::wine::WriteComparison(report, stop.screen, expected.frames.front(), seen,
                                     expected.masks, error);
      failures.push_back(stop.screen +
                         " (below the top bar): " + program::wine::DescribeAreas(areas) + error);
    }
    if (stop.tapX >= 0) Tap(stop.tapX, stop.tapY);
  }
  EXPECT_TRUE(failures.empty()) << "screens that differ (pictures in " << report.string() << "):\n"
                                << [&] {
                                     std::string all;
                                     for (const std::string& f : failures) all += "  " + f + "\n";
                                     return all;
                                   }();
}

// From the menu a new game on the first course, aimed and shot with the shoot button held half
// a second: the screen moves after the release, and the ball leaves the tee.
TEST_F(WindowsBuildTest, PlaysAShot) {
  const auto pause = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
  Tap(120, 74);  // new game
  pause(1000);
  Tap(120, 92);  // the first course
  pause(1000);
  const Picture before = Grab();
  Tap(120, 150);  // the aim point, up and right of the tee at (46, 158) of the form
  pause(500);
  const Picture aimed = Grab();
  Session->XDoTool(
      {"mousemove", std::to_string(Screen.OriginX() + 194), std::to_string(Screen.OriginY() + 53),
       "mousedown", "1", "sleep", "0.5", "mouseup", "1"},
      10);
  const Picture rolling = Grab();
  pause(150);
  const Picture later = Grab();
  pause(8000);
  const Picture rested = Grab();
  const Area tee{40, 152, 13, 13};
  EXPECT_FALSE(program::wine::SameInside(before, aimed, {0, 0, 240, 294}))
      << "the aim point shows no mark";
  EXPECT_FALSE(program::wine::SameInside(rolling, later, {0, 0, 240, 294}))
      << "nothing moved 150 ms after the release";
  EXPECT_FALSE(program::wine::SameInside(aimed, rested, tee)) << "the ball is still on the tee";
  Tap(147, 53);  // back to the menu
}

// A second start, with another window in front, brings the running copy to the front and ends
// at once with status 0; there is still one copy.
TEST_F(WindowsBuildTest, SecondStartBringsTheFirstToTheFront) {
  const Picture game = AwaitStill(300, 10);  // the menu
  const pid_t cover = Session->SpawnWine({WindowsPath(Bin() / "game_probe.exe"), "cover", "60"},
                                         Session->Scratch());
  Picture covered;
  for (int i = 0; i < 200 && (covered = Grab()).pixels == game.pixels; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  ASSERT_NE(covered.pixels, game.pixels) << "the probe's window did not cover the game";

  EXPECT_EQ(Session->Wine({GameExe()}, Session->Scratch(), 60), 0);
  // Wine (8.0) raises the game's root window above the probe's but leaves the root's owned
  // forms under it, though an owned window stays above its owner on Windows and on the
  // handheld: the screen keeps showing the probe. So the front is checked through the
  // foreground window below, and the screen is only kept for review.
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  std::string error;
  program::wine::WriteComparison(PUTTLAND_COMPARE_DIR, "second-start", game, Grab(), {}, error);

  const fs::path answer = fs::path(Session->Scratch()) / "foreground.txt";
  ASSERT_EQ(
      Session->Wine({WindowsPath(Bin() / "game_probe.exe"), "foreground", WindowsPath(answer)},
                    Session->Scratch(), 30),
      0);
  std::ifstream in(answer);
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "VelaMainFormClass\tPuttland\t1");
  kill(cover, SIGKILL);
  Session->Wait(cover, 5);
}

}  // namespace
