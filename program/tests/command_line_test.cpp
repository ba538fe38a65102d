// The program's command line: help and version win over everything, the device's options are
// taken out, the script options need each other, and unknown options are refused.
#include "program/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/device/options.h"

namespace program {
namespace {

struct Args {
  explicit Args(std::vector<std::string> words) : words_(std::move(words)) {
    for (auto& w : words_) pointers_.push_back(w.data());
    pointers_.push_back(nullptr);
  }
  int Argc() const { return static_cast<int>(words_.size()); }
  char** Argv() { return pointers_.data(); }

 private:
  std::vector<std::string> words_;
  std::vector<char*> pointers_;
};

bool Read(std::vector<std::string> words, CommandLine& line, std::string& error) {
  words.insert(words.begin(), "Puttland");
  Args args(std::move(words));
  return ReadCommandLine(args.Argc(), args.Argv(), line, error);
}

class CommandLineTest : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = platform::TheDeviceOptions(); }
  void TearDown() override { platform::TheDeviceOptions() = saved_; }
  platform::DeviceOptions saved_;
  CommandLine line_;
  std::string error_;
};

TEST_F(CommandLineTest, HelpAndVersionWinOverEverythingElse) {
  ASSERT_TRUE(Read({"--bogus", "--help"}, line_, error_));
  EXPECT_EQ(line_.action, CommandLine::Action::kHelp);
  ASSERT_TRUE(Read({"--scale", "0", "--version"}, line_, error_));
  EXPECT_EQ(line_.action, CommandLine::Action::kVersion);
  EXPECT_EQ(VersionLine(), "Puttland 1.3");
  EXPECT_NE(UsageText().find("--script FILE"), std::string::npos);
}

TEST_F(CommandLineTest, ScriptOptionsAndDeviceOptionsTogether) {
  ASSERT_TRUE(Read(
      {"--scale", "3", "--script", "a.pts", "--screenshots=shots", "--sound-log", "sounds.txt"},
      line_, error_))
      << error_;
  EXPECT_EQ(line_.action, CommandLine::Action::kRun);
  EXPECT_EQ(line_.script, "a.pts");
  EXPECT_EQ(line_.screenshots, "shots");
  EXPECT_EQ(line_.soundLog, "sounds.txt");
  EXPECT_EQ(platform::TheDeviceOptions().scale, 3);
  EXPECT_TRUE(platform::TheDeviceOptions().headless);  // a script always plays headless
}

TEST_F(CommandLineTest, PlainRunKeepsTheWindow) {
  ASSERT_TRUE(Read({}, line_, error_));
  EXPECT_TRUE(line_.script.empty());
  EXPECT_FALSE(platform::TheDeviceOptions().headless);
}

TEST_F(CommandLineTest, RefusesWhatItDoesNotKnow) {
  EXPECT_FALSE(Read({"--bogus"}, line_, error_));
  EXPECT_EQ(error_, "unknown option \"--bogus\" (see --help)");
  EXPECT_FALSE(Read({"stray"}, line_, error_));
  EXPECT_FALSE(Read({"--script"}, line_, error_));
  EXPECT_EQ(error_, "--script needs a file");
  EXPECT_FALSE(Read({"--script="}, line_, error_));
  EXPECT_FALSE(Read({"--screenshots", "out"}, line_, error_));
  EXPECT_EQ(error_, "--screenshots and --sound-log go with --script");
  EXPECT_FALSE(Read({"--scale", "99"}, line_, error_));
  EXPECT_NE(error_.find("--scale"), std::string::npos);
}

}  // namespace
}  // namespace program
