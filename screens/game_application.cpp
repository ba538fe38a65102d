// GameApplication: creating and deleting the screens, switching between them, the settings.
#include "screens/game_application.h"

#include "frame/elements/bitmap_font.h"
#include "frame/form/form.h"
#include "frame/form/process_state.h"
#include "frame/surface/offscreen_surface.h"
#include "screens/about_form.h"
#include "screens/choose_course_form.h"
#include "screens/game_form.h"
#include "screens/game_settings.h"
#include "screens/help_form.h"
#include "screens/highscore_form.h"
#include "screens/main_menu_form.h"
#include "screens/options_form.h"
#include "screens/white_form.h"
#include "storage/property/property_store.h"

namespace screens {

GameApplication::GameApplication() {
  ResetSettings();
}

GameApplication::~GameApplication() {
  DestroyForms();
}

template <typename T>
T* GameApplication::Keep(int index, std::unique_ptr<T> form) {
  T* raw = form.get();
  forms_[index] = std::move(form);
  return raw;
}

void GameApplication::Init() {
  constexpr int kW = kScreenWidth;
  constexpr int kH = kScreenHeight;
  Keep(kChooseCourseFormIndex,
       std::make_unique<ChooseCourseForm>("Choose course form", 0, 0, kW, kH));
  backBuffer_ = std::make_unique<frame::OffscreenSurface>(kW, kH);
  // The back buffer owns the font and deletes it with itself.
  backBuffer_->SetTextRenderer(new frame::BitmapFont("pt_highscores_font.bmp", 0),
                               frame::Ownership::kOwned);
  highscoreForm_ =
      Keep(kHighscoreFormIndex,
           std::make_unique<HighscoreForm>(backBuffer_.get(), "Highscore form", 0, 0, kW, kH));
  gameForm_ = Keep(kGameFormIndex, std::make_unique<GameForm>("Game form", 0, 0, kW, kH));
  Keep(kHelpFormIndex, std::make_unique<HelpForm>("Help form", 0, 0, kW, kH));
  Keep(kAboutFormIndex, std::make_unique<AboutForm>("AboutForm", 0, 0, kW, kH));
  Keep(kOptionsFormIndex,
       std::make_unique<OptionsForm>(backBuffer_.get(), "Options form", 0, 0, kW, kH));
  Keep(kMainMenuFormIndex, std::make_unique<MainMenuForm>("MainMenuForm", 0, 0, kW, kH));
  Keep(kWhiteFormIndex, std::make_unique<WhiteForm>("Whiteform", 0, 0, kW, kH));
  LoadSettings();
  forms_[kWhiteFormIndex]->Show();
  forms_[kMainMenuFormIndex]->Show();
}

void GameApplication::DestroyForms() {
  backBuffer_.reset();
  gameForm_ = nullptr;
  highscoreForm_ = nullptr;
  for (auto& form : forms_) form.reset();
}

frame::Form* GameApplication::FormAt(int index) const {
  return index >= 0 && index < kFormCount ? forms_[index].get() : nullptr;
}

void GameApplication::SwitchForm(int show, int hide) {
  frame::Form* hidden = FormAt(hide);
  frame::Form* shown = FormAt(show);
  if (hidden != nullptr) hidden->Hide();
  if (shown != nullptr) shown->Show();
}

void GameApplication::LoadSettings() {
  storage::PropertyStore record;
  if (!LoadSettingsRecord(record)) {
    // First start: no course in progress (hole 18 is past the last hole).
    if (gameForm_ != nullptr) {
      gameForm_->StartCourse(0, 18);
      gameForm_->SetNoGameInProgress(true);
    }
    return;
  }
  ReadSettings(record);
  if (highscoreForm_ != nullptr) highscoreForm_->LoadHighscores(record);
  if (gameForm_ != nullptr) gameForm_->LoadGame(record);
}

void GameApplication::SaveSettings() {
  storage::PropertyStore record;
  WriteSettings(record);
  if (gameForm_ != nullptr) gameForm_->SaveGame(record);
  if (highscoreForm_ != nullptr) highscoreForm_->SaveHighscores(record);
  SaveSettingsRecord(record);
}

GameApplication* TheGameApplication() {
  return dynamic_cast<GameApplication*>(frame::TheApplication);
}

void SwitchForm(int show, int hide) {
  if (GameApplication* application = TheGameApplication()) application->SwitchForm(show, hide);
}

}  // namespace screens
