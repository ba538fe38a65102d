// The file list, `FileTable` and every text Setup hands to Windows, byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "setup/file_table.h"
#include "setup/setup_ini.h"
#include "setup/setup_text.h"

namespace {

TEST(SetupFileList, InstallCopiesTheBareProgramThenIniThenCabinetsInOrder) {
  SetupIni ini = ReadSetupIni("cabfiles=a.cab,b.cab\ncabfiles=c.cab\n");
  EXPECT_EQ(BuildFileList(SetupMode::kInstall, "D:\\Media", ini),
            (std::vector<std::string>{"Setup.exe", "D:\\Media\\Setup.ini", "D:\\Media\\a.cab",
                                      "D:\\Media\\b.cab", "D:\\Media\\c.cab"}));
  for (SetupMode mode : {SetupMode::kUninstall, SetupMode::kSelfRemove}) {
    EXPECT_EQ(BuildFileList(mode, "C:\\X", ini),
              (std::vector<std::string>{"C:\\X\\Setup.ini", "C:\\X\\a.cab", "C:\\X\\b.cab",
                                        "C:\\X\\c.cab"}));
  }
}

TEST(SetupFileTable, PathsAreZeroSeparatedWithOneMoreZeroAtTheEnd) {
  FileTable table({"Setup.exe", "C:\\a.cab"});
  ASSERT_EQ(table.Size(), 1u + 10u + 9u);
  EXPECT_EQ(std::string(table.Data(), table.Size()), std::string("Setup.exe\0C:\\a.cab\0\0", 20));

  FileTable empty({});
  ASSERT_EQ(empty.Size(), 1u);
  EXPECT_EQ(empty.Data()[0], '\0');
}

TEST(SetupTexts, ApplicationManagerInToolsGetsTheDestinationsIniQuoted) {
  std::string manager = "C:\\Tools\\CEAppMgr.exe";
  std::string dir = DirectoryWithSlash(manager);
  EXPECT_EQ(dir, "C:\\Tools\\");
  std::string destination = DestinationDirectory(dir, "Puttland");
  EXPECT_EQ(destination, "C:\\Tools\\Ombrelune Puttland");
  EXPECT_EQ(AppManagerCommandLine(manager, destination),
            "C:\\Tools\\CEAppMgr.exe \"C:\\Tools\\Ombrelune Puttland\\Setup.ini\"");
  EXPECT_EQ(UninstallString(destination),
            "\"C:\\Tools\\Ombrelune Puttland\\Setup.exe\" /uninstall ");

  // A manager path without any directory gives a destination relative to the current one.
  EXPECT_EQ(DirectoryWithSlash("CEAppMgr.exe"), "");
}

TEST(SetupTexts, UninstallKeyFallsBackToTheDestinationNameWithoutAnUninstallLine) {
  EXPECT_EQ(UninstallKeyPath(UninstallName("Puttland Game", "Puttland")),
            "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Puttland Game");
  EXPECT_EQ(UninstallKeyPath(UninstallName("", "Puttland")),
            "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ombrelune Puttland");
}

TEST(SetupTexts, BatchTextRepeatsDeleteThenRemovesDirectoryAndItselfWithCrLf) {
  EXPECT_EQ(SelfDeleteBatchText("C:\\T\\O P\\Setup.exe", "C:\\T\\O P", "\\DelUS.bat"),
            ":Repeat\r\n"
            "del \"C:\\T\\O P\\Setup.exe\"\r\n"
            "if exist \"C:\\T\\O P\\Setup.exe\" goto Repeat\r\n"
            "rmdir \"C:\\T\\O P\"\r\n"
            "del \"\\DelUS.bat\"\r\n");
}

TEST(SetupSwitches, UninstallIsCaseSensitiveAnywhereAndPassesTheTrimmedRest) {
  std::string rest = "untouched";
  EXPECT_FALSE(FindUninstallSwitch("/Uninstall", rest));
  EXPECT_EQ(rest, "untouched");
  ASSERT_TRUE(FindUninstallSwitch("x/uninstall  C:\\Dir  /uninstall ", rest));
  EXPECT_EQ(rest, "C:\\Dir  /uninstall");
  ASSERT_TRUE(FindUninstallSwitch("/uninstall ", rest));
  EXPECT_EQ(rest, "");

  EXPECT_TRUE(HasSelfRemoveSwitch("-q /selfremove"));
  EXPECT_FALSE(HasSelfRemoveSwitch("/SelfRemove"));
}

}  // namespace
