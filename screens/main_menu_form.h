// MainMenuForm: two splash pictures (2 s, then 3 s, each cut short by a tap), then the menu
// from which every other screen is reached; its exit button ends the program at any time.
#pragma once

#include <windows.h>

#include <cstdint>

#include "frame/elements/picture.h"
#include "frame/form/element_form.h"

namespace screens {

class ClickButton;

class MainMenuForm : public frame::ElementForm {
 public:
  enum MenuPhase : uint8_t { kFirstSplash = 0, kSecondSplash = 1, kMenu = 2 };
  enum TapState : uint8_t { kNoTap = 0, kStylusDown = 1, kTapped = 2 };

  static constexpr DWORD kFirstSplashTime = 2000;
  static constexpr DWORD kSecondSplashTime = 3000;

  MainMenuForm(const char* name, int x, int y, int width, int height);

  void OnPaint() override;
  int OnStylusDown(int x, int y) override;
  int OnStylusUp(int x, int y) override;
  // Back on the menu: the resume button follows whether a game is in progress.
  void OnShow() override;
  int OnKey(int key, int down) override;
  // Runs the splash timing; always asks to be called again.
  bool OnIdle() override;

  MenuPhase Phase() const { return phase_; }
  ClickButton& ResumeButton() const { return *resume_; }
  ClickButton& NewGameButton() const { return *newGame_; }

 private:
  void OnNewGame(int, int);
  void OnResume(int, int);
  void OnPreferences(int, int);
  void OnHighscores(int, int);
  void OnHelp(int, int);
  void OnAbout(int, int);
  void OnExit(int, int);
  void Repaint();
  void EnableResumeWhenPlaying();

  MenuPhase phase_ = kFirstSplash;
  DWORD phaseStart_;
  TapState tapState_ = kNoTap;
  frame::Picture splash_;
  frame::Picture secondSplash_;
  frame::Picture menuScreen_;
  ClickButton* newGame_;
  ClickButton* resume_;
  ClickButton* preferences_;
  ClickButton* highscores_;
  ClickButton* help_;
  ClickButton* about_;
};

}  // namespace screens
