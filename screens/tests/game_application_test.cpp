// The game application over the built data archive: the screens it creates, the splash
// timing of the main menu, switching screens, and the settings record across two runs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "frame/form/game_key.h"
#include "frame/form/process_state.h"
#include "game_form_test_support.h"
#include "screens/controls/click_button.h"
#include "screens/controls/scroll_bar.h"
#include "screens/game_application.h"
#include "screens/highscore_form.h"
#include "screens/main_menu_form.h"

namespace {

namespace fs = std::filesystem;

class GameApplicationTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { game_test::PrepareGameDevice(); }
  void SetUp() override {
    headless_ = &platform::FreshHeadless();
    headless_->Advance(1000);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Ombrelune\\Puttland\\Preferences");
  }

  screens::MainMenuForm& Menu(screens::GameApplication& application) {
    return *static_cast<screens::MainMenuForm*>(application.FormAt(screens::kMainMenuFormIndex));
  }

  // Writes the screen to $PT_SCREENSHOTS/<name>.png when that folder is set.
  void Shot(const char* name) {
    if (const char* folder = std::getenv("PT_SCREENSHOTS")) {
      headless_->Screenshot(fs::path(folder) / (std::string(name) + ".png"));
    }
  }

  platform::HeadlessBackend* headless_ = nullptr;
};

TEST_F(GameApplicationTest, FirstStartShowsTheSplashesThenTheMenuWithoutResume) {
  screens::GameApplication application;
  application.Init();
  screens::MainMenuForm& menu = Menu(application);
  EXPECT_EQ(frame::ActiveForm, &menu);
  EXPECT_TRUE(IsWindowVisible(application.FormAt(screens::kWhiteFormIndex)->Window()));
  EXPECT_TRUE(application.GetGameForm()->NoGameInProgress());
  Shot("splash1");

  headless_->Advance(1999);
  menu.OnIdle();
  EXPECT_EQ(menu.Phase(), screens::MainMenuForm::kFirstSplash);
  headless_->Advance(1);
  menu.OnIdle();
  EXPECT_EQ(menu.Phase(), screens::MainMenuForm::kSecondSplash);
  Shot("splash2");
  headless_->Advance(2999);
  menu.OnIdle();
  EXPECT_EQ(menu.Phase(), screens::MainMenuForm::kSecondSplash);
  headless_->Advance(1);
  menu.OnIdle();
  EXPECT_EQ(menu.Phase(), screens::MainMenuForm::kMenu);
  EXPECT_FALSE(menu.NewGameButton().IsDisabled());
  EXPECT_TRUE(menu.ResumeButton().IsDisabled());
  Shot("menu");
}

TEST_F(GameApplicationTest, ATapCutsTheFirstSplashAndTheSecondLastsThreeSecondsFromIt) {
  screens::GameApplication application;
  application.Init();
  screens::MainMenuForm& menu = Menu(application);
  headless_->Advance(500);
  menu.OnStylusDown(120, 200);
  menu.OnStylusUp(120, 200);
  menu.OnIdle();
  EXPECT_EQ(menu.Phase(), screens::MainMenuForm::kSecondSplash);
  headless_->Advance(2999);
  menu.OnIdle();
  EXPECT_EQ(menu.Phase(), screens::MainMenuForm::kSecondSplash);
  headless_->Advance(1);
  menu.OnIdle();
  EXPECT_EQ(menu.Phase(), screens::MainMenuForm::kMenu);
}

TEST_F(GameApplicationTest, EveryScreenIsReachedAndLeftThroughSwitchForm) {
  screens::GameApplication application;
  application.Init();
  const std::pair<int, const char*> screensToShow[] = {
      {screens::kChooseCourseFormIndex, "choose_course"},
      {screens::kHighscoreFormIndex, "highscores"},
      {screens::kOptionsFormIndex, "options"},
      {screens::kHelpFormIndex, "help"},
      {screens::kAboutFormIndex, "about"}};
  for (const auto& [index, name] : screensToShow) {
    application.SwitchForm(index, screens::kMainMenuFormIndex);
    EXPECT_EQ(frame::ActiveForm, application.FormAt(index)) << name;
    if (index == screens::kAboutFormIndex) {
      // Let the typewriter write part of the first credit line.
      for (int i = 0; i < 8; ++i) {
        headless_->Advance(100);
        application.FormAt(index)->OnIdle();
      }
    }
    Shot(name);
    application.SwitchForm(screens::kMainMenuFormIndex, index);
    EXPECT_EQ(frame::ActiveForm, application.FormAt(screens::kMainMenuFormIndex));
  }
  // The highscores list scrolled to its end.
  auto* highscores = application.GetHighscoreForm();
  application.SwitchForm(screens::kHighscoreFormIndex, screens::kMainMenuFormIndex);
  highscores->OnKey(frame::kGameKeyDown, 1);
  highscores->OnKey(frame::kGameKeyDown, 0);
  EXPECT_EQ(highscores->GetScrollBar().Position(), 2);
  EXPECT_FALSE(highscores->GetScrollBar().DownButton().IsEnabled());
  Shot("highscores_scrolled");
}

TEST_F(GameApplicationTest, SettingsHighscoresAndTheGameSurviveARestart) {
  {
    screens::GameApplication application;
    application.Init();
    screens::SetSoundSetting(screens::kSoundOn);
    screens::SetPlayerName("Gil");
    EXPECT_TRUE(application.GetHighscoreForm()->OfferResult(1, 75));
    application.GetGameForm()->StartCourse(2, 4);
    application.SaveSettings();
  }
  screens::ResetSettings();
  screens::GameApplication application;
  application.Init();
  EXPECT_EQ(screens::GetSoundSetting(), screens::kSoundOn);
  EXPECT_EQ(screens::GetPlayerName(), "Gil");
  const screens::HighscoreEntry& entry = application.GetHighscoreForm()->Table().Entry(1);
  EXPECT_EQ(entry.playerName, "Gil");
  EXPECT_EQ(entry.score, 75);
  EXPECT_FALSE(application.GetGameForm()->NoGameInProgress());
  EXPECT_EQ(application.GetGameForm()->Course(), 2);
  EXPECT_EQ(application.GetGameForm()->Hole(), 4);

  // The menu offers to resume it.
  screens::MainMenuForm& menu = Menu(application);
  headless_->Advance(5000);
  menu.OnIdle();
  headless_->Advance(5000);
  menu.OnIdle();
  EXPECT_FALSE(menu.ResumeButton().IsDisabled());
}

}  // namespace
