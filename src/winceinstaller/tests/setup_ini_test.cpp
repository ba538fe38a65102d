// Reading "Setup.ini": which lines count, how keys and values are trimmed, the cabinet list.
#include <gtest/gtest.h>

#include <string>

#include "setup/setup_error.h"
#include "setup/setup_ini.h"

namespace {

TEST(SetupIniKeys, KeyIsCaseInsensitiveAndSpacedButValueKeepsItsCase) {
  SetupIni ini = ReadSetupIni("  CompoNENT   =   Puttland Deluxe  \nUNINSTALL=Puttland Game\n");
  EXPECT_EQ(ini.component, "Puttland Deluxe");
  EXPECT_EQ(ini.uninstallName, "Puttland Game");
}

TEST(SetupIniKeys, LinesThatOnlyStartWithAKeyWordOrLackEqualsAreIgnored) {
  SetupIni ini = ReadSetupIni(
      "[Setup]\ncomponentname=x\ncomponent Puttland\nuninstall\n; component=y\n"
      "\tcomponent=tabbed\ncabfiles\n");
  EXPECT_EQ(ini.component, "");
  EXPECT_EQ(ini.uninstallName, "");
  EXPECT_TRUE(ini.cabFiles.empty());
}

TEST(SetupIniKeys, LaterLinesReplaceComponentAndUninstallButAddCabinets) {
  SetupIni ini = ReadSetupIni(
      "component=First\ncabfiles=a.cab,b.cab\ncomponent=Second\ncabfiles=c.cab\n"
      "uninstall=One\nuninstall=Two\n");
  EXPECT_EQ(ini.component, "Second");
  EXPECT_EQ(ini.uninstallName, "Two");
  EXPECT_EQ(ini.cabFiles, (std::vector<std::string>{"a.cab", "b.cab", "c.cab"}));
}

TEST(SetupIniKeys, OnlyTheTextBeforeTheFirstEqualsIsLowerCased) {
  // The value's own "=" and capitals stay; tabs are not spaces and stay in the value.
  SetupIni ini = ReadSetupIni("Component=A=B\tC\n");
  EXPECT_EQ(ini.component, "A=B\tC");
}

TEST(SetupIniLines, CarriageReturnIsDroppedOnlyBeforeALineFeed) {
  EXPECT_EQ(ReadSetupIni("component=Win\r\n").component, "Win");
  EXPECT_EQ(ReadSetupIni("component=Last").component, "Last");
  // A lone carriage return at the very end is an ordinary character of the value.
  EXPECT_EQ(ReadSetupIni("component=Odd\r").component, "Odd\r");
  EXPECT_EQ(ReadSetupIni("uninstall=u\rcomponent=c\n").uninstallName, "u\rcomponent=c");
}

TEST(SetupIniLines, ZeroByteEndsTheLineAndNonAsciiBytesPassThrough) {
  std::string text("component=Put\0tland\ncabfiles=\xE9t\xE9.cab\n", 37);
  SetupIni ini = ReadSetupIni(text);
  EXPECT_EQ(ini.component, "Put");
  EXPECT_EQ(ini.cabFiles, (std::vector<std::string>{"\xE9t\xE9.cab"}));
  // A capital non-ASCII key byte is not a key word whatever the locale does with it.
  EXPECT_EQ(ReadSetupIni("\xC9"
                         "component=x\n")
                .component,
            "");
}

TEST(SetupIniLines, EmptyValuesReadAsAbsentAndVeryLongLinesAreKept) {
  SetupIni ini = ReadSetupIni("component=\nuninstall=   \ncabfiles=\n");
  EXPECT_EQ(ini.component, "");
  EXPECT_EQ(ini.uninstallName, "");
  EXPECT_TRUE(ini.cabFiles.empty());

  std::string longName(100000, 'n');
  EXPECT_EQ(ReadSetupIni("component=" + longName + "\n").component, longName);
}

TEST(SetupIniCabinets, ItemsAreCutAtCommasAndKeepTheirSpaces) {
  SetupIni ini = ReadSetupIni("cabfiles = one.cab,two.cab, three.cab\n");
  // The space after a comma stays part of the name (the copy then fails on it).
  EXPECT_EQ(ini.cabFiles, (std::vector<std::string>{"one.cab", "two.cab", " three.cab"}));
}

TEST(SetupIniCabinets, EmptyItemsAreSkippedSoTheDirectoryItselfIsNeverListed) {
  SetupIni ini = ReadSetupIni("cabfiles=,a.cab,,  ,b.cab,\n");
  EXPECT_EQ(ini.cabFiles, (std::vector<std::string>{"a.cab", "b.cab"}));
}

TEST(SetupIniCabinets, ItemsReachingOutsideSetupsDirectoryAreRefused) {
  for (const char* bad :
       {"..", ".", "..\\Windows", "sub/a.cab", "C:a.cab", "*.cab", "a?.cab", "a\tb.cab"}) {
    SCOPED_TRACE(bad);
    try {
      ReadSetupIni(std::string("cabfiles=ok.cab,") + bad + "\n");
      ADD_FAILURE() << "accepted";
    } catch (const SetupError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("Bad file name in Setup.ini: ") + bad);
    }
  }
}

}  // namespace
