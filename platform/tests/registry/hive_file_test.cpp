// The registry file: its text, values surviving a restart, interrupted saves, damaged files.
#include <windows.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "kernel/temp_device.h"
#include "registry/hive_store.h"
#include "registry/reg_file.h"

namespace {

// Helper mode: PT_REGISTRY_HELPER=<text> makes this program store <text> as "PlayerName" under
// HKLM\Software\Ombrelune\Puttland and exit with the result of RegSetValueExW.
const bool kHelperRan = [] {
  const char* text = std::getenv("PT_REGISTRY_HELPER");
  if (text == nullptr) return false;
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Ombrelune\\Puttland", 0, nullptr, 0, 0, nullptr,
                  &key, nullptr);
  const LONG result =
      RegSetValueExW(key, L"PlayerName", 0, REG_BINARY, reinterpret_cast<const BYTE*>(text),
                     static_cast<DWORD>(std::strlen(text)));
  std::_Exit(static_cast<int>(result));
}();

class HiveFile : public platform_test::TempDevice {
 protected:
  void SetUp() override {
    TempDevice::SetUp();
    platform::registry::UnloadHive();
  }
  void TearDown() override {
    platform::registry::SetSaveFault(platform::registry::SaveFault::kNone);
    platform::registry::UnloadHive();
    TempDevice::TearDown();
  }
  std::string FileText() {
    std::ifstream in(Root() / "registry.reg", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void WriteFile(const std::string& text) {
    std::ofstream(Root() / "registry.reg", std::ios::binary) << text;
  }
  std::string PlayerName() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Ombrelune\\Puttland", 0, 0, &key) !=
        ERROR_SUCCESS)
      return "<no key>";
    char text[64] = {};
    DWORD size = sizeof text;
    const LONG result = RegQueryValueExW(key, L"PlayerName", nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? std::string(text, size) : "<no value>";
  }
  int OtherProcessStores(const std::string& name, const std::string& fault = "") {
    std::map<std::string, std::string> env{{"PT_REGISTRY_HELPER", name}};
    if (!fault.empty()) env["PUTTLAND_REGISTRY_FAULT"] = fault;
    return platform_test::RunSelf(Root(), env);
  }
};

TEST_F(HiveFile, IsTheFamiliarExportTextInUtf8) {
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Ombrelune\\Puttland", 0, nullptr, 0, 0, nullptr,
                  &key, nullptr);
  const wchar_t path[] = L"\\Program Files\\Puttland\\Caf\x00e9.dat";
  RegSetValueExW(key, L"Resource File", 0, REG_SZ, reinterpret_cast<const BYTE*>(path),
                 sizeof path);
  const DWORD sound = 1;
  RegSetValueExW(key, L"Sound", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&sound), 4);
  const std::vector<BYTE> record(30, 0xAB);
  RegSetValueExW(key, L"Preference0", 0, REG_BINARY, record.data(), 30);
  RegSetValueExW(key, L"Preference1", 0, REG_NONE, nullptr, 0);
  RegCloseKey(key);
  RegCreateKeyExW(HKEY_CURRENT_USER, L"Empty", 0, nullptr, 0, 0, nullptr, &key, nullptr);
  RegCloseKey(key);

  EXPECT_EQ(FileText(),
            "Windows Registry Editor Version 5.00\n\n"
            "[HKEY_LOCAL_MACHINE\\Software]\n\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Ombrelune]\n\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Ombrelune\\Puttland]\n"
            "\"Resource File\"=\"\\\\Program Files\\\\Puttland\\\\Caf\xc3\xa9.dat\"\n"
            "\"Sound\"=dword:00000001\n"
            "\"Preference0\"=hex:ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,\\\n"
            "  ab,ab,ab,ab,ab,ab,ab,ab,ab,ab\n"
            "\"Preference1\"=hex(0):\n\n"
            "[HKEY_CURRENT_USER\\Empty]\n\n");
}

TEST_F(HiveFile, ValuesSurviveARestartAndChangesOfOtherProcessesAreSeen) {
  ASSERT_EQ(OtherProcessStores("first"), ERROR_SUCCESS);
  EXPECT_EQ(PlayerName(), "first");
  // The other process saves again while this one has the hive loaded.
  ASSERT_EQ(OtherProcessStores("second"), ERROR_SUCCESS);
  EXPECT_EQ(PlayerName(), "second");
}

TEST_F(HiveFile, AnInterruptedSaveLeavesThePreviousFileIntact) {
  ASSERT_EQ(OtherProcessStores("kept"), ERROR_SUCCESS);
  const std::string before = FileText();

  // The process dies between writing the new file and renaming it over the old one.
  EXPECT_EQ(OtherProcessStores("lost", "exit-before-rename"), 86);
  EXPECT_EQ(FileText(), before);
  EXPECT_EQ(PlayerName(), "kept");
  auto temporaries = [&] {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(Root())) {
      count += entry.path().filename().string().starts_with("registry.reg.tmp-");
    }
    return count;
  };
  EXPECT_EQ(temporaries(), 1) << "what the process wrote before it died";
  ASSERT_EQ(OtherProcessStores("next"), ERROR_SUCCESS);
  EXPECT_EQ(temporaries(), 0) << "the next save clears what the dead process left";
  EXPECT_EQ(PlayerName(), "next");
  ASSERT_EQ(OtherProcessStores("kept"), ERROR_SUCCESS);

  // A save that fails there is reported, and the change is undone in memory too.
  platform::registry::SetSaveFault(platform::registry::SaveFault::kFailBeforeRename);
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Ombrelune\\Puttland", 0, 0, &key),
            ERROR_SUCCESS);
  EXPECT_EQ(
      RegSetValueExW(key, L"PlayerName", 0, REG_BINARY, reinterpret_cast<const BYTE*>("x"), 1),
      ERROR_CANTWRITE);
  HKEY created = nullptr;
  EXPECT_EQ(RegCreateKeyExW(key, L"New", 0, nullptr, 0, 0, nullptr, &created, nullptr),
            ERROR_CANTWRITE);
  EXPECT_EQ(created, nullptr);
  EXPECT_EQ(FileText(), before);
  EXPECT_EQ(PlayerName(), "kept");
  EXPECT_EQ(RegOpenKeyExW(key, L"New", 0, 0, &created), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(temporaries(), 0);
  RegCloseKey(key);
}

using HiveFileDeathTest = HiveFile;

TEST_F(HiveFileDeathTest, ADamagedFileIsKeptAsideReportedWithItsLineAndStopsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "fast");  // the child must see this test's device folder
  const std::string damaged =
      "Windows Registry Editor Version "
      "5.00\n\n[HKEY_LOCAL_MACHINE\\Software]\n\"a\"=dword:1\n\"b\"=hex:0g\n";
  WriteFile(damaged);
  EXPECT_EXIT(PlayerName(), ::testing::ExitedWithCode(platform::registry::kDamagedHiveExitStatus),
              "registry file .*registry\\.reg is damaged at line 5: bad hex byte.*moved to "
              ".*registry\\.reg\\.damaged-");
  EXPECT_FALSE(std::filesystem::exists(Root() / "registry.reg")) << "not replaced by an empty file";
  int asideCount = 0;
  for (const auto& entry : std::filesystem::directory_iterator(Root())) {
    if (entry.path().filename().string().starts_with("registry.reg.damaged-")) {
      ++asideCount;
      std::ifstream in(entry.path(), std::ios::binary);
      EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), damaged);
    }
  }
  EXPECT_EQ(asideCount, 1);
}

TEST(RegFile, ReadingStopsAtTheFirstProblemWithItsLine) {
  struct Case {
    const char* text;
    size_t line;
  };
  const Case cases[] = {
      {"", 0},
      {"REGEDIT4\n", 1},
      {"Windows Registry Editor Version 5.00\n\"orphan\"=dword:1\n", 2},
      {"Windows Registry Editor Version 5.00\n[HKEY_CLASSES_ROOT\\x]\n", 2},
      {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\a\\\\b]\n", 2},
      {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\a\n", 2},
      {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\a]\n\"x\"=\"open\n", 3},
      {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\a]\n\"x\"=\"bad \\n escape\"\n",
       3},
      {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\a]\n\"x\"=dword:123456789\n", 3},
      {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\a]\n\"x\"=hex:01,\\\n  02,\n", 4},
      {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\a]\n\"x\"=hex:01,\\\n", 3},
      {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\a]\n\"x\"=hex(2x):00\n", 3},
      {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\a]\n\"x\"=-\n", 3},
      {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\a]\n\"\xff\"=dword:1\n", 3},
      {"Windows Registry Editor Version 5.00\n\ngarbage\n", 3},
  };
  for (const auto& c : cases) {
    platform::registry::Hive hive;
    auto error = platform::registry::ReadRegFile(c.text, hive);
    ASSERT_TRUE(error.has_value()) << c.text;
    EXPECT_EQ(error->line, c.line) << c.text << error->problem;
  }
  // What a hand-edited file may hold: a byte-order mark, CRLF, comments, spaces, upper-case hex.
  platform::registry::Hive hive;
  EXPECT_FALSE(platform::registry::ReadRegFile(
      "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n; note\r\n"
      "[HKEY_LOCAL_MACHINE\\A]\r\n\"x\" = hex(7):AB, CD\r\n@=\"\"\r\n",
      hive));
  const auto* value = hive.localMachine.FindChild(L"a")->FindValue(L"X");
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->type, static_cast<DWORD>(REG_MULTI_SZ));
  EXPECT_EQ(value->data, (std::vector<uint8_t>{0xAB, 0xCD}));
}

}  // namespace
