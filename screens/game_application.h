// GameApplication: owns the eight screens of the game, the shared back buffer and the
// high-score font; switches screens and reads and writes the settings record.
#pragma once

#include <array>
#include <memory>

#include "frame/app/application.h"

namespace frame {
class Form;
class OffscreenSurface;
}  // namespace frame

namespace screens {

class GameForm;
class HighscoreForm;

// The screens by the numbers they switch with.
enum FormIndex : int {
  kAboutFormIndex = 0,
  kChooseCourseFormIndex = 1,
  kGameFormIndex = 2,
  kHelpFormIndex = 3,
  kHighscoreFormIndex = 4,
  kMainMenuFormIndex = 5,
  kOptionsFormIndex = 6,
  kWhiteFormIndex = 7,
};
inline constexpr int kFormCount = 8;

// Every screen is 240 by 268 at (0, 0), placed under the screen's top bar by the form.
inline constexpr int kScreenWidth = 240;
inline constexpr int kScreenHeight = 268;

class GameApplication : public frame::Application {
 public:
  // Resets the process-wide settings to their defaults; no form exists yet.
  GameApplication();
  // DestroyForms, then the base.
  ~GameApplication() override;

  // Creates the forms, the back buffer and its font, loads the settings, then shows the white
  // screen and the main menu over it.
  void Init() override;
  // Deletes the back buffer (and the font it owns) and the forms in index order.
  virtual void DestroyForms();

  // Hides the form at `hide`, then shows the one at `show`; indexes out of 0..7 are ignored.
  void SwitchForm(int show, int hide);
  void LoadSettings();
  void SaveSettings();

  frame::Form* FormAt(int index) const;
  GameForm* GetGameForm() const { return gameForm_; }
  HighscoreForm* GetHighscoreForm() const { return highscoreForm_; }
  frame::OffscreenSurface* BackBuffer() const { return backBuffer_.get(); }

 private:
  // Stores a new form by its index and returns it.
  template <typename T>
  T* Keep(int index, std::unique_ptr<T> form);

  std::array<std::unique_ptr<frame::Form>, kFormCount> forms_;
  GameForm* gameForm_ = nullptr;
  HighscoreForm* highscoreForm_ = nullptr;
  std::unique_ptr<frame::OffscreenSurface> backBuffer_;
};

// The running game application (TheApplication), or null when none runs.
GameApplication* TheGameApplication();
// Switches screens on the running game application; nothing happens without one.
void SwitchForm(int show, int hide);

}  // namespace screens
