// The built data archive against the manifest and against what the game reads: every entry
// present, nothing stray, every picture decoded by the game's own loader at its layout's size,
// every font's metrics covering what the game draws, and the whole under 3 MB.
#include <gtest/gtest.h>
#include <windows.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "content/art/manifest.h"
#include "frame/bitmap/bitmap.h"
#include "frame/elements/bitmap_font.h"
#include "golf/block_table.h"
#include "platform/kernel/storage.h"
#include "storage/archive/archive_directory.h"
#include "storage/file/memory_file.h"
#include "storage/resource/vfile_resource.h"
#include "tools/common/whole_file.h"

namespace {

namespace fs = std::filesystem;

fs::path SourceDir() {
  return std::getenv("PT_SOURCE_DIR");
}
fs::path ArchivePath() {
  return fs::path(std::getenv("PT_BINARY_DIR")) / "bin" / "puttland.dat";
}

// The pictures the screens read by name (the hole pictures come from the engine's tables).
const char* const kScreenPictures[] = {"pt_about.bmp",
                                       "pt_about_done.bmp",
                                       "pt_aboutbutton.bmp",
                                       "pt_c1.bmp",
                                       "pt_c2.bmp",
                                       "pt_c3.bmp",
                                       "pt_c4.bmp",
                                       "pt_c5.bmp",
                                       "pt_clearscreen.bmp",
                                       "pt_clearselectscreen.bmp",
                                       "pt_courseselectiontitle.bmp",
                                       "pt_donebutton.bmp",
                                       "pt_energy.bmp",
                                       "pt_exit_button.bmp",
                                       "pt_gamescreen_clear.bmp",
                                       "pt_helpbox.bmp",
                                       "pt_helpbutton.bmp",
                                       "pt_helpdonebutton.bmp",
                                       "pt_helptitle.bmp",
                                       "pt_highscorebox.bmp",
                                       "pt_highscoresbutton.bmp",
                                       "pt_highscoresdonebutton.bmp",
                                       "pt_highscorestitle.bmp",
                                       "pt_hole.bmp",
                                       "pt_menu_button.bmp",
                                       "pt_newgamebutton.bmp",
                                       "pt_optionsaccept.bmp",
                                       "pt_optionsbox.bmp",
                                       "pt_optionscancel.bmp",
                                       "pt_preferencesbutton.bmp",
                                       "pt_preferencestitle.bmp",
                                       "pt_radiobutton.bmp",
                                       "pt_resumebutton.bmp",
                                       "pt_score.bmp",
                                       "pt_score_1.bmp",
                                       "pt_score_2.bmp",
                                       "pt_score_3.bmp",
                                       "pt_score_4.bmp",
                                       "pt_score_5.bmp",
                                       "pt_score_button.bmp",
                                       "pt_score_i.bmp",
                                       "pt_scroll.bmp",
                                       "pt_scrollbar_all.bmp",
                                       "pt_scrollbar_all_highscores.bmp",
                                       "pt_scrollbarbuttondown.bmp",
                                       "pt_scrollbarbuttonup.bmp",
                                       "pt_shootbutton.bmp",
                                       "pt_splashscreen.bmp",
                                       "vxsplash.bmp",
                                       "pt_ball.bmp",
                                       "m_pt_ball.bmp",
                                       "pt_font01.bmp",
                                       "pt_font01.fmc",
                                       "pt_font02.bmp",
                                       "pt_font02.fmc",
                                       "pt_highscores_font.bmp",
                                       "pt_highscores_font.fmc"};

// Every entry name the game can ask for.
std::set<std::string> GameEntries() {
  std::set<std::string> names(std::begin(kScreenPictures), std::end(kScreenPictures));
  for (char c = 'a'; c <= 'e'; ++c) {
    const std::string frame = std::string("pt_sink_anim_") + c + ".bmp";
    names.insert(frame);
    names.insert("m_" + frame);
  }
  for (int course = 0; course < 5; ++course)
    for (int hole = 0; hole < 18; ++hole) names.insert(golf::BackgroundTable(course, hole));
  for (int id = 0; id < golf::kBlockKinds; ++id) {
    const std::string name = golf::BlockTable(id).name;
    const int frames = id < 53 ? 0 : id <= 58 ? 3 : id == 59 ? 0 : id <= 61 ? 16 : 8;
    if (id < 53) names.insert(name + ".bmp");
    for (int f = 0; f < frames; ++f) names.insert(name + "_" + char('a' + f) + ".bmp");
  }
  for (const char* course : {"course001", "course002", "course003", "course004", "course005"})
    names.insert(course);
  return names;
}

class ArchiveContents : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string error;
    const auto m = content::LoadManifest(SourceDir() / "content" / "manifest.tsv", error);
    ASSERT_TRUE(m) << error;
    Manifest = *m;
    ASSERT_TRUE(tools::ReadWholeFile(ArchivePath(), Archive)) << ArchivePath();
    storage::MemoryFile file(Archive);
    bool complete = false;
    Directory = storage::ReadArchiveDirectory(file, &complete);
    ASSERT_TRUE(complete);

    // The game finds its archive through the registry of its own device.
    const fs::path device =
        fs::temp_directory_path() / ("pt-archive-contents-" + std::to_string(getpid()));
    fs::remove_all(device);
    platform::SetDeviceRoot(device);
    fs::create_directories(device / "Program Files" / "Puttland");
    fs::copy_file(ArchivePath(), device / "Program Files" / "Puttland" / "puttland.dat");
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Ombrelune\\Puttland", 0, nullptr, 0,
                              0, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const wchar_t path[] = L"\\Program Files\\Puttland\\puttland.dat";
    RegSetValueExW(key, L"Resource File", 0, REG_SZ, reinterpret_cast<const BYTE*>(path),
                   sizeof path);
    RegCloseKey(key);
  }

  static bool InDirectory(const std::string& name) { return Directory.count(name) != 0; }

  static inline std::vector<content::ManifestEntry> Manifest;
  static inline std::vector<uint8_t> Archive;
  static inline storage::ArchiveDirectory Directory;
};

TEST_F(ArchiveContents, HoldsEveryEntryTheGameReadsAndNothingElse) {
  for (const std::string& name : GameEntries()) EXPECT_TRUE(InDirectory(name)) << name;
  std::set<std::string> listed;
  for (const auto& e : Manifest) {
    if (content::InArchive(e)) {
      listed.insert(e.name);
      EXPECT_TRUE(InDirectory(e.name)) << "manifest line " << e.line << ": " << e.name;
    }
  }
  for (const auto& [name, entry] : Directory) EXPECT_TRUE(listed.count(name)) << name;
}

TEST_F(ArchiveContents, StaysUnderThreeMegabytes) {
  EXPECT_LT(Archive.size(), 3u * 1024 * 1024);
}

TEST_F(ArchiveContents, EveryPictureDecodesAtItsLayoutSize) {
  for (const auto& e : Manifest) {
    if (e.kind != content::EntryKind::kPicture) continue;
    const frame::Bitmap bitmap(e.name.c_str());
    if (e.width) {
      EXPECT_EQ(bitmap.Width(), e.width) << e.name;
    }
    if (e.height) {
      EXPECT_EQ(bitmap.Height(), e.height) << e.name;
    }
    EXPECT_TRUE(bitmap.BitsPerPixel() == 8 || bitmap.BitsPerPixel() == 24) << e.name;
  }
}

TEST_F(ArchiveContents, ButtonStripsSplitIntoEqualImages) {
  for (const auto& e : Manifest) {
    const bool courseButton = e.name.size() == 9 && e.name.rfind("pt_c", 0) == 0;  // pt_c1.bmp
    const bool strip = e.name.find("button") != std::string::npos || courseButton ||
                       e.name.find("done") != std::string::npos ||
                       e.name == "pt_optionsaccept.bmp" || e.name == "pt_optionscancel.bmp" ||
                       e.name == "pt_radiobutton.bmp";
    if (strip && e.width) {
      EXPECT_EQ(e.width % 3, 0) << e.name << " is not three equal images";
    }
  }
}

TEST_F(ArchiveContents, FontMetricsCoverWhatTheGameDraws) {
  const std::string digits = "0123456789";
  const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  const struct {
    const char* font;
    std::string characters;
  } fonts[] = {
      {"pt_font01.bmp", digits},
      {"pt_font02.bmp", digits + letters + " :-"},
      {"pt_highscores_font.bmp", digits + letters + " .,:;!?'\"()-/&+=*#%@_"},
  };
  for (const auto& f : fonts) {
    const std::string metricsName = frame::MetricsEntryName(f.font);
    storage::VFileResource metrics(metricsName.c_str());
    const auto m = frame::BitmapFontMetrics::Parse(metrics.Data(), metrics.Size());
    const frame::Bitmap glyphs(f.font);
    for (char c : f.characters) {
      const auto* g = m.Lookup(uint8_t(c));
      ASSERT_NE(g, nullptr) << f.font << " '" << c << "'";
      EXPECT_LT(m.glyphs[size_t(uint8_t(c) - m.first)].width, 255) << f.font << " '" << c << "'";
      EXPECT_LE(g->x + g->width, glyphs.Width()) << f.font << " '" << c << "'";
    }
  }
  // Names are typed on the options screen: every printable Windows-1252 character.
  storage::VFileResource metrics("pt_highscores_font.fmc");
  const auto m = frame::BitmapFontMetrics::Parse(metrics.Data(), metrics.Size());
  for (int c = 0x20; c <= 0xFF; ++c) {
    if (c >= 0x7F && c < 0xA0) continue;
    ASSERT_GE(c, m.first);
    ASSERT_LT(c, m.first + m.count);
    EXPECT_LT(m.glyphs[size_t(c - m.first)].width, 255) << "character " << c;
  }
}

}  // namespace
