// The program's own command line, end to end: version and help, a bad script refused before
// anything runs, screenshots and the end of a script, and quit signals saving the settings.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>

#include "program/tests/e2e/program_run.h"

namespace program::e2e {
namespace {

namespace fs = std::filesystem;

TEST(ProgramCommandLine, VersionAndHelp) {
  RunResult r = RunCommand({PT_PUTTLAND, "--version"}, 30);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.output, "Puttland 1.3\n");
  r = RunCommand({PT_PUTTLAND, "--help"}, 30);
  EXPECT_EQ(r.status, 0);
  for (const char* option : {"--scale N", "--fullscreen", "--device DIR", "--headless",
                             "--script FILE", "--screenshots DIR", "--sound-log FILE"})
    EXPECT_NE(r.output.find(option), std::string::npos) << option;
  r = RunCommand({PT_PUTTLAND, "--frobnicate"}, 30);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.errors.find("unknown option \"--frobnicate\""), std::string::npos) << r.errors;
}

TEST(ProgramScript, BadLineStopsBeforeAnythingRuns) {
  ProgramRun run("bad_line");
  const RunResult r = run.Play("bad_line");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.errors, std::string(PT_SCRIPTS) + "/bad_line.pts:4: point (10, 400) is off the " +
                          "240x320 screen\n");
  EXPECT_FALSE(fs::exists(run.Device())) << "the device was prepared";
  EXPECT_FALSE(fs::exists(run.Shots() / "never.png"));
}

TEST(ProgramScript, ShotsTheWholeScreenAndEndsWithTheScript) {
  ProgramRun run("first_frame");
  const RunResult r = run.Play("first_frame");
  ASSERT_EQ(r.status, 0) << r.errors;
  const Screenshot first = run.Shot("first");
  ASSERT_EQ(first.pixels.size(), 240u * 320u);
  // The device's chrome is drawn: the top bar differs from the white of a bare screen.
  bool chrome = false;
  for (int i = 0; i < 240 * 26; ++i) chrome = chrome || first.pixels[i] != 0xFFFFFF;
  EXPECT_TRUE(chrome);
  // The first run prepared the device as an installation would.
  EXPECT_NE(run.Registry(kAppKey, "Resource File").find("puttland.dat"), std::string::npos);
}

TEST(ProgramSignals, SigtermEndsTheGameAndSavesItsSettings) {
  ProgramRun run("sigterm");
  const RunResult r = RunCommand({PT_PUTTLAND, "--headless", "--device", run.Device().string(),
                                  "--script", std::string(PT_SCRIPTS) + "/run_long.pts"},
                                 60, 1500, SIGTERM);
  EXPECT_EQ(r.status, 0) << r.errors;
  EXPECT_NE(r.errors.find("ended by a signal"), std::string::npos) << r.errors;
  EXPECT_NE(run.RegistryShow().find("Preference0"), std::string::npos) << run.RegistryShow();
}

TEST(ProgramSignals, SigintEndsAHeadlessRunWithoutScript) {
  ProgramRun run("sigint");
  const RunResult r =
      RunCommand({PT_PUTTLAND, "--headless", "--device", run.Device().string()}, 60, 1500, SIGINT);
  EXPECT_EQ(r.status, 0) << r.errors;
  EXPECT_NE(r.errors.find("ended by a signal"), std::string::npos) << r.errors;
  EXPECT_NE(run.RegistryShow().find("Preference0"), std::string::npos);
}

}  // namespace
}  // namespace program::e2e
