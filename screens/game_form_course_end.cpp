// The end of a course: the total goes to the high-score table when it beats the course's
// best, under the player's name.
#include "screens/game_application.h"
#include "screens/game_form.h"
#include "screens/highscore_form.h"

namespace screens {

void GameForm::OfferHighscore(int total) {
  GameApplication* application = TheGameApplication();
  HighscoreForm* highscores = application != nullptr ? application->GetHighscoreForm() : nullptr;
  if (highscores != nullptr) highscores->OfferResult(course_, total);
}

}  // namespace screens
