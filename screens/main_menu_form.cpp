// MainMenuForm: splash timing, the menu buttons and their targets.
#include "screens/main_menu_form.h"

#include <memory>

#include "screens/controls/click_button.h"
#include "screens/game_application.h"
#include "screens/game_form.h"
#include "screens/game_settings.h"

namespace screens {
namespace {

using Callback = frame::MemberCallback<MainMenuForm>;

bool GameInProgress() {
  GameApplication* application = TheGameApplication();
  GameForm* game = application != nullptr ? application->GetGameForm() : nullptr;
  return game != nullptr && !game->NoGameInProgress();
}

}  // namespace

MainMenuForm::MainMenuForm(const char* name, int x, int y, int width, int height)
    : frame::ElementForm(name, x, y, width, height, frame::Caption::kPlain, 0),
      phaseStart_(GetTickCount()),
      splash_("vxsplash.bmp"),
      secondSplash_("pt_splashscreen.bmp"),
      menuScreen_("pt_clearselectscreen.bmp") {
  auto add = [this](const char* entry, int top, Callback::Operation operation) {
    return Elements().Add(std::make_unique<ClickButton>(entry, 49, top, this,
                                                        std::make_unique<Callback>(this, operation),
                                                        frame::ButtonState::kDisabled));
  };
  newGame_ = add("pt_newgamebutton.bmp", 33, &MainMenuForm::OnNewGame);
  resume_ = add("pt_resumebutton.bmp", 68, &MainMenuForm::OnResume);
  preferences_ = add("pt_preferencesbutton.bmp", 103, &MainMenuForm::OnPreferences);
  highscores_ = add("pt_highscoresbutton.bmp", 138, &MainMenuForm::OnHighscores);
  help_ = add("pt_helpbutton.bmp", 173, &MainMenuForm::OnHelp);
  about_ = add("pt_aboutbutton.bmp", 208, &MainMenuForm::OnAbout);
  // Enabled from the start: it works under the splash pictures too.
  Elements().Add(std::make_unique<ClickButton>(
      "pt_exit_button.bmp", 224, 4, this, std::make_unique<Callback>(this, &MainMenuForm::OnExit),
      frame::ButtonState::kEnabled));
}

void MainMenuForm::Repaint() {
  InvalidateRect(Window(), nullptr, FALSE);
  UpdateWindow(Window());
}

void MainMenuForm::OnPaint() {
  switch (phase_) {
    case kFirstSplash:
      splash_.Draw(*this, 0, 0, SRCCOPY);
      break;
    case kSecondSplash:
      secondSplash_.Draw(*this, 0, 0, SRCCOPY);
      break;
    case kMenu:
      menuScreen_.Draw(*this, 0, 0, SRCCOPY);
      Elements().Paint();
      break;
  }
}

bool MainMenuForm::OnIdle() {
  const DWORD now = GetTickCount();
  if (phase_ == kFirstSplash) {
    if (now - phaseStart_ >= kFirstSplashTime || tapState_ == kTapped) {
      phase_ = kSecondSplash;
      Repaint();
      if (tapState_ == kNoTap) {
        // Timed from the first splash's nominal end, not from whenever idle came round.
        phaseStart_ += kFirstSplashTime;
      } else {
        phaseStart_ = now;
        tapState_ = kNoTap;
      }
      SetClickSoundOn(SoundsEnabled());
    }
  } else if (phase_ == kSecondSplash) {
    if (now - phaseStart_ >= kSecondSplashTime || tapState_ == kTapped) {
      phase_ = kMenu;
      newGame_->SetNormal();
      if (GameInProgress()) resume_->SetNormal();
      preferences_->SetNormal();
      highscores_->SetNormal();
      help_->SetNormal();
      about_->SetNormal();
      Repaint();
      phaseStart_ = now;
    }
  }
  // The buttons' own idle work (none today) still runs.
  Elements().OnIdle();
  return true;
}

int MainMenuForm::OnStylusDown(int x, int y) {
  if (tapState_ == kNoTap) tapState_ = kStylusDown;
  return Elements().OnStylusDown(x, y);
}

int MainMenuForm::OnStylusUp(int x, int y) {
  if (tapState_ == kStylusDown) tapState_ = kTapped;
  return Elements().OnStylusUp(x, y);
}

void MainMenuForm::EnableResumeWhenPlaying() {
  if (GameInProgress()) {
    resume_->SetNormal();
  } else {
    resume_->Disable();
  }
}

void MainMenuForm::OnShow() {
  if (phase_ == kMenu) EnableResumeWhenPlaying();
}

int MainMenuForm::OnKey(int /*key*/, int /*down*/) {
  return 1;
}

void MainMenuForm::OnNewGame(int, int) {
  SwitchForm(kChooseCourseFormIndex, kMainMenuFormIndex);
}
void MainMenuForm::OnResume(int, int) {
  SwitchForm(kGameFormIndex, kMainMenuFormIndex);
}
void MainMenuForm::OnPreferences(int, int) {
  SwitchForm(kOptionsFormIndex, kMainMenuFormIndex);
}
void MainMenuForm::OnHighscores(int, int) {
  SwitchForm(kHighscoreFormIndex, kMainMenuFormIndex);
}
void MainMenuForm::OnHelp(int, int) {
  SwitchForm(kHelpFormIndex, kMainMenuFormIndex);
}
void MainMenuForm::OnAbout(int, int) {
  SwitchForm(kAboutFormIndex, kMainMenuFormIndex);
}
void MainMenuForm::OnExit(int, int) {
  PostQuitMessage(0);
}

}  // namespace screens
