// Setup.exe itself under Wine: the welcome dialog answered through X with xdotool, install,
// uninstall, self-removal and the fatal messages, read and closed by window_probe.exe.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "tools/wine/wine_session.h"

namespace fs = std::filesystem;

namespace {

const std::string kUninstallRoot =
    "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const std::string kAppPathsKey =
    "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CEAppMgr.EXE";
constexpr int kExitFatal = 255;  // -1 as the low byte of a Unix exit status

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

// The probe's record without each box's layer: Wine raises only system-modal boxes to the
// top, so that part is checked for the fatal messages alone.
std::string WithoutLayer(std::string boxes) {
  for (const char* layer : {"\ttopmost\n", "\tnormal\n"}) {
    for (size_t at; (at = boxes.find(layer)) != std::string::npos;)
      boxes.replace(at, std::string(layer).size(), "\n");
  }
  return boxes;
}

// Polls `done` for up to `seconds`.
template <typename Condition>
bool WaitFor(Condition done, int seconds) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return true;
}

class SetupUnderWine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    SkipReason = new std::string(WineSession::MissingTools(
        SETUP_WINDOWS_BIN, {"Setup.exe", "CEAppMgr.exe", "window_probe.exe"}));
    if (!SkipReason->empty()) {
      if (std::string(SETUP_WINDOWS_MISSING).size()) *SkipReason = SETUP_WINDOWS_MISSING;
      return;
    }
    Session = new WineSession;
    std::string error;
    if (!Session->Start(error)) {
      *SkipReason = "FAILED to start Wine: " + error;
      return;
    }
    // The stand-in Application Manager lives in C:\Tools.
    fs::create_directories(Tools());
    fs::copy_file(Bin() / "CEAppMgr.exe", Tools() / "CEAppMgr.exe");
    RegisterAppManager();
  }

  static void TearDownTestSuite() {
    delete Session;
    Session = nullptr;
    delete SkipReason;
    SkipReason = nullptr;
  }

  void SetUp() override {
    if (SkipReason->rfind("FAILED", 0) == 0) FAIL() << *SkipReason;
    if (!SkipReason->empty()) GTEST_SKIP() << "Wine tests skipped: " << *SkipReason;
  }

  static fs::path Bin() { return SETUP_WINDOWS_BIN; }
  static fs::path Tools() { return fs::path(Session->DriveC()) / "Tools"; }
  static fs::path AppManagerRecord() { return Tools() / "appmgr-command-line.txt"; }
  static void RegisterAppManager() {
    ASSERT_EQ(
        Session->Wine({"reg", "add", kAppPathsKey, "/ve", "/d", "C:\\Tools\\CEAppMgr.exe", "/f"},
                      Session->Scratch(), 60),
        0);
  }

  // A folder holding Setup.exe, the given "Setup.ini" (none when empty) and two cabinets.
  static fs::path Media(const std::string& name, const std::string& ini) {
    fs::path dir = fs::path(Session->Scratch()) / name;
    fs::create_directories(dir);
    fs::copy_file(Bin() / "Setup.exe", dir / "Setup.exe", fs::copy_options::overwrite_existing);
    if (!ini.empty()) WriteFile(dir / "Setup.ini", ini);
    WriteFile(dir / "game.cab", "cabinet one\n");
    WriteFile(dir / "data.cab", "cabinet two\n");
    return dir;
  }

  // An installed copy in C:\Tools\Ombrelune <component>, as an install leaves it.
  static fs::path InstalledCopy(const std::string& component, const std::string& ini) {
    fs::path dest = Tools() / ("Ombrelune " + component);
    fs::create_directories(dest);
    fs::copy_file(Bin() / "Setup.exe", dest / "Setup.exe", fs::copy_options::overwrite_existing);
    WriteFile(dest / "Setup.ini", ini);
    WriteFile(dest / "game.cab", "cab");
    return dest;
  }

  // Starts window_probe.exe recording `count` message boxes into a host file.
  static pid_t ProbeBoxes(const fs::path& out, int count) {
    return Session->SpawnWine({(Bin() / "window_probe.exe").string(), "boxes",
                               "Z:" + WindowsSlashes(out.string()), std::to_string(count), "40"},
                              Session->Scratch());
  }
  static std::string WindowsSlashes(std::string path) {
    for (char& c : path)
      if (c == '/') c = '\\';
    return path;
  }

  // Waits for a visible window titled `title`, then focuses it and types `key`. Wine does not
  // always report the focus change xdotool's "--sync" waits for, so a short pause stands in.
  static bool AnswerWindow(const std::string& title, const std::string& key) {
    std::string pattern = "^" + title + "$";
    return Session->XDoTool({"search", "--sync", "--onlyvisible", "--name", pattern}, 40) == 0 &&
           Session->XDoTool({"search", "--onlyvisible", "--name", pattern, "windowfocus", "sleep",
                             "0.5", "key", key},
                            20) == 0;
  }

  // Runs Setup.exe in `cwd` and answers the welcome dialog with `key` ("Return", "Escape").
  static int RunAnsweringDialog(const fs::path& cwd, const std::string& key,
                                const std::vector<std::string>& switches = {}) {
    std::vector<std::string> args{"Setup.exe"};
    args.insert(args.end(), switches.begin(), switches.end());
    pid_t setup = Session->SpawnWine(args, cwd.string());
    EXPECT_TRUE(AnswerWindow("Puttland Install", key))
        << "the welcome dialog did not appear or take the key";
    return Session->Wait(setup, 60);
  }

  // Waits for the self-delete batch file to finish: it deletes itself last.
  static bool WaitForBatch(const fs::path& program) {
    fs::path batch = fs::path(Session->DriveC()) / "DelUS.bat";
    return WaitFor([&] { return !fs::exists(program) && !fs::exists(batch); }, 60);
  }

  static WineSession* Session;
  static std::string* SkipReason;
};

WineSession* SetupUnderWine::Session = nullptr;
std::string* SetupUnderWine::SkipReason = nullptr;

TEST_F(SetupUnderWine, WelcomeDialogIsCentredWithItsPictureTextAndTwoButtons) {
  fs::path media = Media("dialog", "component=Dialog\n");
  fs::path out = fs::path(Session->Scratch()) / "dialog.txt";
  pid_t probe = Session->SpawnWine(
      {(Bin() / "window_probe.exe").string(), "dialog", "Z:" + WindowsSlashes(out.string()), "40"},
      Session->Scratch());
  pid_t setup = Session->SpawnWine({"Setup.exe"}, media.string());
  ASSERT_EQ(Session->Wait(probe, 60), 0) << "no welcome dialog";
  EXPECT_TRUE(AnswerWindow("Puttland Install", "Escape"));
  EXPECT_EQ(Session->Wait(setup, 60), 0);

  std::stringstream lines(ReadFile(out));
  std::string kind;
  long x = 0, y = 0, w = 0, h = 0, screenW = 0, screenH = 0;
  lines >> kind >> x >> y >> w >> h >> screenW >> screenH;
  ASSERT_EQ(kind, "dialog");
  const long centredX = (screenW - w) / 2, centredY = (screenH - h) / 2;
  EXPECT_NEAR(x, centredX, 1);
  EXPECT_NEAR(y, centredY, 1);

  struct Control {
    int id = 0;
    std::string cls, text;
    unsigned long style = 0;
    long x = 0, y = 0, w = 0, h = 0;
  };
  std::vector<Control> controls;
  std::string line;
  std::getline(lines, line);
  while (std::getline(lines, line)) {
    std::stringstream fields(line);
    std::string tag, id, style, cx, cy, cw, ch;
    Control c;
    std::getline(fields, tag, '\t');
    std::getline(fields, id, '\t');
    std::getline(fields, c.cls, '\t');
    std::getline(fields, c.text, '\t');
    fields >> style >> c.x >> c.y >> c.w >> c.h;
    c.id = std::stoi(id);
    c.style = std::stoul(style, nullptr, 16);
    controls.push_back(c);
  }
  ASSERT_EQ(controls.size(), 5u);
  // The picture sizes itself to bitmap 117: 240 by 268 pixels, sunken.
  EXPECT_EQ(controls[0].style & 0x1F, 0x0Eu);  // SS_BITMAP
  EXPECT_NE(controls[0].style & 0x1000, 0u);   // SS_SUNKEN
  EXPECT_EQ(controls[0].w, 240);
  EXPECT_EQ(controls[0].h, 268);
  EXPECT_EQ(controls[1].text, "Welcome to Puttland Instalator!");
  EXPECT_EQ(controls[1].style & 0x1F, 0x01u);  // SS_CENTER
  EXPECT_EQ(controls[2].style & 0x1F, 0x10u);  // SS_ETCHEDHORZ
  EXPECT_EQ(controls[3].id, 6);
  EXPECT_EQ(controls[3].text, "Install");
  EXPECT_EQ(controls[3].style & 0x0F, 0x01u);  // BS_DEFPUSHBUTTON
  EXPECT_EQ(controls[4].id, 2);
  EXPECT_EQ(controls[4].text, "Cancel");
  // Both buttons are 50 dialog units wide, at x 25 and 100, on one row.
  EXPECT_EQ(controls[3].w, controls[4].w);
  EXPECT_EQ(controls[3].y, controls[4].y);
  EXPECT_NEAR(double(controls[4].x) / controls[3].x, 4.0, 0.15);
}

TEST_F(SetupUnderWine,
       InstallCopiesRegistersAndStartsTheApplicationManagerThenUninstallRemovesAll) {
  std::string ini =
      "[Setup]\r\nComponent = Puttland\r\nuninstall=Puttland "
      "Test\r\ncabfiles=game.cab,data.cab\r\n";
  fs::path media = Media("install", ini);
  fs::remove(AppManagerRecord());

  ASSERT_EQ(RunAnsweringDialog(media, "Return"), 0);

  fs::path dest = Tools() / "Ombrelune Puttland";
  for (const char* name : {"Setup.exe", "Setup.ini", "game.cab", "data.cab"}) {
    ASSERT_TRUE(fs::exists(dest / name)) << name;
    EXPECT_EQ(ReadFile(dest / name), ReadFile(media / name)) << name;
  }
  std::string key = kUninstallRoot + "Puttland Test";
  EXPECT_EQ(Session->RegQuery(key, "UninstallString"),
            "\"C:\\Tools\\Ombrelune Puttland\\Setup.exe\" /uninstall ")
      << Session->LastRegOutput();
  EXPECT_EQ(Session->RegQuery(key, "DisplayName"), "Puttland Test") << Session->LastRegOutput();
  ASSERT_TRUE(WaitFor([] { return fs::exists(AppManagerRecord()); }, 20));
  EXPECT_EQ(ReadFile(AppManagerRecord()),
            "C:\\Tools\\CEAppMgr.exe \"C:\\Tools\\Ombrelune Puttland\\Setup.ini\"");

  // Windows runs the uninstall string from anywhere; the current drive is C:.
  EXPECT_EQ(
      Session->Wine({"C:\\Tools\\Ombrelune Puttland\\Setup.exe", "/uninstall"}, dest.string(), 60),
      0);
  EXPECT_FALSE(fs::exists(dest / "Setup.ini"));
  EXPECT_FALSE(fs::exists(dest / "game.cab"));
  EXPECT_FALSE(fs::exists(dest / "data.cab"));
  EXPECT_FALSE(Session->KeyExists(key));
  // The batch file deletes the program once it has ended, then the folder and itself.
  EXPECT_TRUE(WaitForBatch(dest / "Setup.exe"));
  EXPECT_TRUE(WaitFor([&] { return !fs::exists(dest); }, 20));
  EXPECT_TRUE(fs::exists(Tools() / "CEAppMgr.exe"));
}

TEST_F(SetupUnderWine, InstallingAgainAsksBeforeReplacingAndDecliningStopsTheInstall) {
  fs::path media = Media("again", "component=Again\nuninstall=Again\ncabfiles=game.cab\n");
  fs::remove(AppManagerRecord());
  ASSERT_EQ(RunAnsweringDialog(media, "Return"), 0);
  // The first run's Application Manager records its start a little later.
  ASSERT_TRUE(WaitFor([] { return fs::exists(AppManagerRecord()); }, 20));
  fs::remove(AppManagerRecord());

  fs::path out = fs::path(Session->Scratch()) / "again.boxes";
  pid_t probe = ProbeBoxes(out, 1);
  pid_t setup = Session->SpawnWine({"Setup.exe"}, media.string());
  EXPECT_TRUE(AnswerWindow("Puttland Install", "Return"));
  // The shell confirms only the making of directories by itself; replacing files it asks.
  EXPECT_TRUE(AnswerWindow("Confirm file overwrite", "Escape"));
  EXPECT_EQ(Session->Wait(setup, 60), kExitFatal);
  EXPECT_EQ(Session->Wait(probe, 60), 0);
  EXPECT_EQ(ReadFile(out), "box\tFatal error\tCouldn't copy files\ttopmost\n");
  std::this_thread::sleep_for(std::chrono::seconds(1));
  EXPECT_FALSE(fs::exists(AppManagerRecord()));
  fs::remove_all(Tools() / "Ombrelune Again");
}

TEST_F(SetupUnderWine, CancelInstallsNothing) {
  fs::path media = Media("cancel", "component=Cancelled\r\nuninstall=Cancelled\r\n");
  fs::remove(AppManagerRecord());
  EXPECT_EQ(RunAnsweringDialog(media, "Escape"), 0);
  EXPECT_FALSE(fs::exists(Tools() / "Ombrelune Cancelled"));
  EXPECT_FALSE(Session->KeyExists(kUninstallRoot + "Cancelled"));
  std::this_thread::sleep_for(std::chrono::seconds(1));
  EXPECT_FALSE(fs::exists(AppManagerRecord()));
}

TEST_F(SetupUnderWine, SelfRemoveKeepsTheRegistryEntryAndTheUsersOwnFiles) {
  // An installed copy with a file the user put there, and its uninstall entry.
  fs::path dest = InstalledCopy("Kept", "component=Kept\nuninstall=Kept\ncabfiles=game.cab\n");
  WriteFile(dest / "notes.txt", "mine");
  std::string key = kUninstallRoot + "Kept";
  ASSERT_EQ(Session->Wine({"reg", "add", key, "/v", "DisplayName", "/d", "Kept", "/f"},
                          Session->Scratch(), 60),
            0);

  // The dialog comes first; whatever its answer, "/selfremove" then removes the copy.
  EXPECT_EQ(RunAnsweringDialog(dest, "Escape", {"/selfremove"}), 0);
  EXPECT_FALSE(fs::exists(dest / "Setup.ini"));
  EXPECT_FALSE(fs::exists(dest / "game.cab"));
  EXPECT_TRUE(WaitForBatch(dest / "Setup.exe"));
  EXPECT_EQ(ReadFile(dest / "notes.txt"), "mine");  // so the folder stays too
  EXPECT_EQ(Session->RegQuery(key, "DisplayName"), "Kept") << Session->LastRegOutput();
}

TEST_F(SetupUnderWine, WithoutAnUninstallLineTheEntryIsNamedAfterTheDestination) {
  fs::path media = Media("nameless", "component=Nameless\ncabfiles=game.cab\n");
  ASSERT_EQ(RunAnsweringDialog(media, "Return"), 0);
  fs::path dest = Tools() / "Ombrelune Nameless";
  std::string key = kUninstallRoot + "Ombrelune Nameless";
  EXPECT_EQ(Session->RegQuery(key, "DisplayName"), "Ombrelune Nameless")
      << Session->LastRegOutput();
  EXPECT_EQ(Session->RegQuery(kUninstallRoot, "UninstallString"), std::nullopt);

  EXPECT_EQ(Session->Wine({"Setup.exe", "/uninstall"}, dest.string(), 60), 0);
  EXPECT_FALSE(Session->KeyExists(key));
  EXPECT_TRUE(Session->KeyExists(kUninstallRoot)) << Session->LastRegOutput();
  EXPECT_TRUE(WaitForBatch(dest / "Setup.exe"));
}

TEST_F(SetupUnderWine, AnUnwritableUninstallEntryIsReportedAndTheInstallGoesOn) {
  // Registry key names are limited to 255 characters.
  std::string longName(300, 'u');
  fs::path media = Media("longname", "component=Long\nuninstall=" + longName + "\n");
  fs::remove(AppManagerRecord());
  fs::path out = fs::path(Session->Scratch()) / "longname.boxes";
  pid_t probe = ProbeBoxes(out, 1);
  EXPECT_EQ(RunAnsweringDialog(media, "Return"), 0);
  EXPECT_EQ(Session->Wait(probe, 60), 0);
  EXPECT_EQ(WithoutLayer(ReadFile(out)),
            "box\tError\tCouldn't store uninstall information. You will have to manually remove "
            "directory C:\\Tools\\Ombrelune Longto remove application from desktop computer\n");
  EXPECT_TRUE(fs::exists(Tools() / "Ombrelune Long" / "Setup.ini"));
  EXPECT_TRUE(WaitFor([] { return fs::exists(AppManagerRecord()); }, 20));
  fs::remove_all(Tools() / "Ombrelune Long");
}

TEST_F(SetupUnderWine, WithoutABatchFileTheProgramStaysAndTheUserIsTold) {
  fs::path dest = InstalledCopy("Stuck", "component=Stuck\nuninstall=Stuck\ncabfiles=game.cab\n");
  // A folder in the batch file's place: the batch file cannot be created.
  fs::path batch = fs::path(Session->DriveC()) / "DelUS.bat";
  fs::create_directory(batch);
  fs::path out = fs::path(Session->Scratch()) / "stuck.boxes";
  pid_t probe = ProbeBoxes(out, 2);
  EXPECT_EQ(Session->Wine({"Setup.exe", "/uninstall"}, dest.string(), 60), 0);
  EXPECT_EQ(Session->Wait(probe, 60), 0);
  fs::remove(batch);
  // No entry was ever registered, so removing it is reported too; the removal goes on.
  EXPECT_EQ(WithoutLayer(ReadFile(out)),
            "box\tError\tCouldn't remove uninstall information registry key: HKLM\\Software\\"
            "Microsoft\\Windows\\CurrentVersion\\Uninstall\\Stuck\n"
            "box\tError\tCouldn't run \\DelUS.bat. You will have to manually remove directory "
            "C:\\Tools\\Ombrelune Stuck\n");
  EXPECT_FALSE(fs::exists(dest / "Setup.ini"));
  EXPECT_TRUE(fs::exists(dest / "Setup.exe"));
  fs::remove_all(dest);
}

TEST_F(SetupUnderWine, RemovalFailuresEndWithAFatalMessageAndLeaveTheProgram) {
  struct Case {
    const char* name;
    const char* ini;  // nullptr: no Setup.ini at all
    std::string message;
    bool filesStay;  // false where there are none, or the shell may have deleted some
  };
  fs::path scratch = Session->Scratch();
  std::string z = "Z:" + WindowsSlashes(scratch.string());
  const Case cases[] = {
      // What a second uninstall finds: the first one deleted "Setup.ini" and the cabinets.
      {"twice", nullptr, "Couldn't open file " + z + "\\twice\\Setup.ini", false},
      {"nocomponent", "uninstall=x\ncabfiles=game.cab\n",
       "Couldn't read component name from Setup.ini", true},
      {"outside", "component=x\ncabfiles=game.cab,..\\twice\\Setup.exe\n",
       "Bad file name in Setup.ini: ..\\twice\\Setup.exe", true},
      {"gone", "component=x\ncabfiles=game.cab,missing.cab\n", "Couldn't remove files", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::path dir = scratch / c.name;
    fs::create_directories(dir);
    fs::copy_file(Bin() / "Setup.exe", dir / "Setup.exe", fs::copy_options::overwrite_existing);
    if (c.ini) {
      WriteFile(dir / "Setup.ini", c.ini);
      WriteFile(dir / "game.cab", "cab");
    }
    fs::path out = scratch / (std::string(c.name) + ".boxes");
    pid_t probe = ProbeBoxes(out, 1);
    EXPECT_EQ(Session->Wine({"Setup.exe", "/uninstall"}, dir.string(), 60), kExitFatal);
    EXPECT_EQ(Session->Wait(probe, 60), 0);
    EXPECT_EQ(ReadFile(out), "box\tFatal error\t" + c.message + "\ttopmost\n");
    EXPECT_TRUE(fs::exists(dir / "Setup.exe"));
    if (c.filesStay) {
      EXPECT_TRUE(fs::exists(dir / "game.cab"));
      EXPECT_TRUE(fs::exists(dir / "Setup.ini"));
    }
    EXPECT_FALSE(fs::exists(fs::path(Session->DriveC()) / "DelUS.bat"));
  }
}

TEST_F(SetupUnderWine, InstallWithoutIniOrApplicationManagerEndsWithAFatalMessage) {
  fs::path scratch = Session->Scratch();
  {
    SCOPED_TRACE("no Setup.ini");
    fs::path media = Media("noini", "");
    pid_t probe = ProbeBoxes(scratch / "noini.boxes", 1);
    EXPECT_EQ(RunAnsweringDialog(media, "Return"), kExitFatal);
    EXPECT_EQ(Session->Wait(probe, 60), 0);
    EXPECT_EQ(ReadFile(scratch / "noini.boxes"),
              "box\tFatal error\tCouldn't find Setup.ini file\ttopmost\n");
  }
  {
    SCOPED_TRACE("no Application Manager");
    fs::path media = Media("noappmgr", "component=Orphan\n");
    ASSERT_EQ(Session->Wine({"reg", "delete", kAppPathsKey, "/f"}, scratch.string(), 60), 0);
    pid_t probe = ProbeBoxes(scratch / "noappmgr.boxes", 1);
    EXPECT_EQ(RunAnsweringDialog(media, "Return"), kExitFatal);
    EXPECT_EQ(Session->Wait(probe, 60), 0);
    RegisterAppManager();
    EXPECT_EQ(ReadFile(scratch / "noappmgr.boxes"),
              "box\tFatal error\tCouldn't locate Windows CE Application Manager\ttopmost\n");
    EXPECT_FALSE(fs::exists(Tools() / "Ombrelune Orphan"));
  }
}

}  // namespace
