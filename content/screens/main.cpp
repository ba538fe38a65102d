// pt-gen-screens: draws every screen picture of the data archive, one function per entry,
// each checked against the manifest's size.
#include <functional>
#include <map>
#include <string>

#include "content/art/generator.h"
#include "content/screens/backgrounds.h"
#include "content/screens/boxes.h"
#include "content/screens/game_pieces.h"
#include "content/screens/layout.h"
#include "content/screens/menu_buttons.h"
#include "content/screens/score_card.h"

namespace content::screens {
namespace {

using Painter = std::function<Canvas()>;

std::map<std::string, Painter> Catalogue() {
  std::map<std::string, Painter> m = {
      {"pt_about.bmp", AboutScreen},
      {"pt_clearscreen.bmp", ClearScreen},
      {"pt_clearselectscreen.bmp", MenuScreen},
      {"pt_gamescreen_clear.bmp", GameFrame},
      {"pt_splashscreen.bmp", SplashScreen},
      {"vxsplash.bmp", PublisherSplash},
      {"pt_score.bmp", ScoreCard},
      {"pt_donebutton.bmp", CardDoneStrip},
      {"pt_about_done.bmp", AboutDoneStrip},
      {"pt_exit_button.bmp", ExitStrip},
      {"pt_courseselectiontitle.bmp", [] { return TitlePlate("Choose a course"); }},
      {"pt_helptitle.bmp", [] { return TitlePlate("Help"); }},
      {"pt_highscorestitle.bmp", [] { return TitlePlate("Highscores"); }},
      {"pt_preferencestitle.bmp", [] { return TitlePlate("Preferences"); }},
      {"pt_energy.bmp", EnergyBar},
      {"pt_shootbutton.bmp", ShootStrip},
      {"pt_menu_button.bmp", MenuStrip},
      {"pt_score_button.bmp", ScoreStrip},
      {"pt_score_i.bmp", ScoreBadge},
      {"pt_hole.bmp", Cup},
      {"pt_helpbox.bmp", HelpBox},
      {"pt_helpdonebutton.bmp", WideDoneStrip},
      {"pt_highscorebox.bmp", HighscoreBox},
      {"pt_highscoresdonebutton.bmp", WideDoneStrip},
      {"pt_optionsaccept.bmp", AcceptStrip},
      {"pt_optionscancel.bmp", CancelStrip},
      {"pt_optionsbox.bmp", OptionsBox},
      {"pt_radiobutton.bmp", RadioStrip},
      {"pt_scroll.bmp", ScrollThumb},
      {"pt_scrollbar_all.bmp", [] { return ScrollTrack(kHelpTrack.h); }},
      {"pt_scrollbar_all_highscores.bmp", [] { return ScrollTrack(kHighscoreTrack.h); }},
      {"pt_scrollbarbuttonup.bmp", [] { return ScrollButtonStrip(true); }},
      {"pt_scrollbarbuttondown.bmp", [] { return ScrollButtonStrip(false); }},
  };
  static constexpr const char* kMenu[] = {"pt_newgamebutton.bmp",     "pt_resumebutton.bmp",
                                          "pt_preferencesbutton.bmp", "pt_highscoresbutton.bmp",
                                          "pt_helpbutton.bmp",        "pt_aboutbutton.bmp"};
  for (int i = 0; i < 6; ++i) m[kMenu[i]] = [i] { return MainMenuStrip(i); };
  for (int k = 0; k < 5; ++k) {
    m["pt_c" + std::to_string(k + 1) + ".bmp"] = [k] { return CourseStrip(k); };
    m["pt_score_" + std::to_string(k + 1) + ".bmp"] = [k] { return ScoreFace(k); };
  }
  return m;
}

}  // namespace
}  // namespace content::screens

int main(int argc, char** argv) {
  const auto catalogue = content::screens::Catalogue();
  return content::RunGenerator(
      argc, argv, "screens", [&](const content::ManifestEntry& e) -> std::optional<content::Bytes> {
        const auto it = catalogue.find(e.name);
        if (it == catalogue.end()) return std::nullopt;
        return content::PictureBytes(e, it->second());
      });
}
