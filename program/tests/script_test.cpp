// The script parser: every command's steps and times, and the line and reason of each kind of
// bad line (numbers, unknown commands, arguments, coordinates, names, text, the clock's end).
#include "program/script.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

namespace program {
namespace {

Script Parse(std::string_view text) {
  Script script;
  ScriptError error;
  EXPECT_TRUE(ParseScript(text, script, error)) << error.line << ": " << error.message;
  return script;
}

ScriptError Fails(std::string_view text) {
  Script script;
  ScriptError error;
  EXPECT_FALSE(ParseScript(text, script, error)) << text;
  return error;
}

TEST(ScriptParser, StylusCommandsHappenAtTheCurrentTime) {
  const Script script = Parse("down 1 2\nwait 10\nmove 3 4\nwait 5\nup 239 319\n");
  ASSERT_EQ(script.steps.size(), 3u);
  EXPECT_EQ(script.steps[0].kind, StepKind::kStylusDown);
  EXPECT_EQ(script.steps[0].time, 0u);
  EXPECT_EQ(script.steps[0].x, 1);
  EXPECT_EQ(script.steps[0].y, 2);
  EXPECT_EQ(script.steps[1].kind, StepKind::kStylusMove);
  EXPECT_EQ(script.steps[1].time, 10u);
  EXPECT_EQ(script.steps[2].kind, StepKind::kStylusUp);
  EXPECT_EQ(script.steps[2].time, 15u);
  EXPECT_EQ(script.steps[2].x, 239);
  EXPECT_EQ(script.steps[2].y, 319);
  EXPECT_EQ(script.steps[2].line, 5);
  EXPECT_EQ(script.endTime, 15u);
  EXPECT_FALSE(script.endsWithQuit);
}

TEST(ScriptParser, TapIsDownAndUpAtOneTimeAndHoldTakesItsTime) {
  const Script script = Parse("wait 100\ntap 50 60\nhold 70 80 500\nshot after\n");
  ASSERT_EQ(script.steps.size(), 5u);
  EXPECT_EQ(script.steps[0].kind, StepKind::kStylusDown);
  EXPECT_EQ(script.steps[1].kind, StepKind::kStylusUp);
  EXPECT_EQ(script.steps[0].time, 100u);
  EXPECT_EQ(script.steps[1].time, 100u);
  EXPECT_EQ(script.steps[1].x, 50);
  EXPECT_EQ(script.steps[1].y, 60);
  EXPECT_EQ(script.steps[2].kind, StepKind::kStylusDown);
  EXPECT_EQ(script.steps[2].time, 100u);
  EXPECT_EQ(script.steps[3].kind, StepKind::kStylusUp);
  EXPECT_EQ(script.steps[3].time, 600u);
  EXPECT_EQ(script.steps[3].x, 70);
  EXPECT_EQ(script.steps[3].y, 80);
  EXPECT_EQ(script.steps[4].kind, StepKind::kShot);
  EXPECT_EQ(script.steps[4].time, 600u);
  EXPECT_EQ(script.steps[4].name, "after");
  EXPECT_EQ(script.endTime, 600u);
}

TEST(ScriptParser, KeysArePressedAndReleased) {
  const std::pair<const char*, unsigned> keys[] = {
      {"up", VK_UP}, {"down", VK_DOWN}, {"left", VK_LEFT}, {"right", VK_RIGHT},
      {"f1", VK_F1}, {"f2", VK_F2},     {"F3", VK_F3},     {"f4", VK_F4}};
  for (const auto& [name, vk] : keys) {
    const Script script = Parse(std::string("key ") + name);
    ASSERT_EQ(script.steps.size(), 2u) << name;
    EXPECT_EQ(script.steps[0].kind, StepKind::kKeyDown);
    EXPECT_EQ(script.steps[1].kind, StepKind::kKeyUp);
    EXPECT_EQ(script.steps[0].key, vk) << name;
    EXPECT_EQ(script.steps[1].key, vk) << name;
  }
}

TEST(ScriptParser, TypeTakesTheRestOfTheLineLiterally) {
  const Script script = Parse("type Ann # not a comment\n  type  two\xC3\xA9\r\n");
  ASSERT_EQ(script.steps.size(), 2u);
  EXPECT_EQ(script.steps[0].kind, StepKind::kText);
  EXPECT_EQ(script.steps[0].text, U"Ann # not a comment");
  EXPECT_EQ(script.steps[1].text, U" two\u00E9");  // one blank separates; the rest is typed
}

TEST(ScriptParser, CommentsBlankLinesAndQuit) {
  const Script script = Parse("# a script\n\n   \nwait 20 # twenty\ntap 1 1#close\nquit\n# end\n");
  ASSERT_EQ(script.steps.size(), 3u);
  EXPECT_EQ(script.steps[2].kind, StepKind::kQuit);
  EXPECT_EQ(script.steps[2].time, 20u);
  EXPECT_EQ(script.steps[2].line, 6);
  EXPECT_TRUE(script.endsWithQuit);
  EXPECT_TRUE(Parse("").steps.empty());
}

TEST(ScriptParser, BadNumbers) {
  for (const char* line : {"wait -5", "wait 12a", "wait +3", "wait 1.5", "wait 99999999999",
                           "tap x 3", "tap 3 -1", "hold 1 1 soon", "down 0x10 3"}) {
    const ScriptError error = Fails(line);
    EXPECT_EQ(error.line, 1) << line;
    EXPECT_NE(error.message.find("bad"), std::string::npos) << line << ": " << error.message;
  }
}

TEST(ScriptParser, UnknownCommandsAndKeys) {
  ScriptError error = Fails("wait 1\nclick 3 4\n");
  EXPECT_EQ(error.line, 2);
  EXPECT_EQ(error.message, "unknown command \"click\"");
  error = Fails("key enter");
  EXPECT_NE(error.message.find("unknown key \"enter\""), std::string::npos);
  EXPECT_EQ(Fails("Tap 1 2").message, "unknown command \"Tap\"");
}

TEST(ScriptParser, MissingAndExtraArguments) {
  for (const char* line :
       {"wait", "down 1", "move", "up 5", "tap 1", "hold 1 2", "key", "shot", "type", "type "}) {
    EXPECT_NE(Fails(line).message.find("missing arguments"), std::string::npos) << line;
  }
  for (const char* line :
       {"wait 1 2", "tap 1 2 3", "hold 1 2 3 4", "key up down", "shot a b", "quit now"}) {
    EXPECT_NE(Fails(line).message.find("too many arguments"), std::string::npos) << line;
  }
}

TEST(ScriptParser, PointsOffTheScreen) {
  for (const char* line : {"tap 240 0", "down 0 320", "hold 1000 5 10", "move 239 320"}) {
    EXPECT_NE(Fails(line).message.find("off the 240x320 screen"), std::string::npos) << line;
  }
}

TEST(ScriptParser, ShotNamesStayInTheirFolder) {
  for (const char* line : {"shot ../x", "shot a/b", "shot .hidden", "shot caf\xC3\xA9"}) {
    EXPECT_NE(Fails(line).message.find("bad shot name"), std::string::npos) << line;
  }
  EXPECT_EQ(Parse("shot menu-2_a.b").steps[0].name, "menu-2_a.b");
}

TEST(ScriptParser, TypedTextMustBeValidUtf8WithoutControls) {
  EXPECT_EQ(Fails("type \xC3").message, "the text is not valid UTF-8");
  EXPECT_EQ(Fails("type \xC0\x80").message, "the text is not valid UTF-8");      // overlong
  EXPECT_EQ(Fails("type \xED\xA0\x80").message, "the text is not valid UTF-8");  // surrogate
  EXPECT_EQ(Fails("type a\tb").message, "the text holds a control character");
}

TEST(ScriptParser, NothingFollowsQuitAndTheClockHasAnEnd) {
  ScriptError error = Fails("quit\n# fine\nwait 1\n");
  EXPECT_EQ(error.line, 3);
  EXPECT_EQ(error.message, "nothing can follow quit");
  EXPECT_EQ(Fails("quit\ntype x").message, "nothing can follow quit");
  error = Fails("wait 2147483647\nwait 1\n");
  EXPECT_EQ(error.line, 2);
  EXPECT_NE(error.message.find("past the clock"), std::string::npos);
  EXPECT_EQ(Parse("wait 2147483647").endTime, 2147483647u);
}

TEST(ScriptParser, LoadScriptNamesFileAndLine) {
  const auto dir = std::filesystem::temp_directory_path() / "pt-script-test";
  std::filesystem::create_directories(dir);
  const auto file = dir / "bad.pts";
  std::ofstream(file) << "wait 10\n\ntap 1 2 3\n";
  Script script;
  std::string error;
  EXPECT_FALSE(LoadScript(file, script, error));
  EXPECT_EQ(error, file.string() + ":3: too many arguments: tap X Y");
  EXPECT_FALSE(LoadScript(dir / "absent.pts", script, error));
  EXPECT_EQ(error, (dir / "absent.pts").string() + ": cannot read the script");
  EXPECT_FALSE(LoadScript(dir, script, error));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace program
