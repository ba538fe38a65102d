// ChooseCourseForm: one button per course, each starting that course on the game screen.
#include "screens/choose_course_form.h"

#include <cstdio>
#include <memory>

#include "screens/controls/click_button.h"
#include "screens/game_application.h"
#include "screens/game_form.h"

namespace screens {
namespace {

// A course button's click: the form and the course it starts.
class CourseCallback : public frame::Callback {
 public:
  CourseCallback(ChooseCourseForm* form, int course) : form_(form), course_(course) {}
  void Invoke(int, int) override { form_->StartNewGame(course_); }

 private:
  ChooseCourseForm* form_;
  int course_;
};

constexpr int kCourseButtonX = 27;
constexpr int kFirstCourseButtonY = 49;
constexpr int kCourseButtonStep = 39;

}  // namespace

ChooseCourseForm::ChooseCourseForm(const char* name, int x, int y, int width, int height)
    : frame::ElementForm(name, x, y, width, height, frame::Caption::kPlain, 0),
      background_("pt_clearscreen.bmp"),
      title_("pt_courseselectiontitle.bmp") {
  for (int course = 0; course < kCourseCount; ++course) {
    char entry[16];
    std::snprintf(entry, sizeof entry, "pt_c%d.bmp", course + 1);
    Elements().Add(std::make_unique<ClickButton>(
        entry, kCourseButtonX, kFirstCourseButtonY + course * kCourseButtonStep, this,
        std::make_unique<CourseCallback>(this, course), frame::ButtonState::kEnabled));
  }
  Elements().Add(std::make_unique<ClickButton>(
      "pt_exit_button.bmp", 224, 4, this,
      std::make_unique<frame::MemberCallback<ChooseCourseForm>>(this, &ChooseCourseForm::OnExit),
      frame::ButtonState::kEnabled));
}

void ChooseCourseForm::OnPaint() {
  background_.Draw(*this, 0, 0, SRCCOPY);
  title_.Draw(*this, 20, 20, SRCCOPY);
  Elements().Paint();
}

int ChooseCourseForm::OnKey(int /*key*/, int /*down*/) {
  return 1;
}

void ChooseCourseForm::StartNewGame(int course) {
  GameApplication* application = TheGameApplication();
  if (application == nullptr || application->GetGameForm() == nullptr) return;
  GameForm& game = *application->GetGameForm();
  game.StartCourse(course, 0);
  game.ClearStrokeCounts();
  application->SwitchForm(kGameFormIndex, kChooseCourseFormIndex);
}

void ChooseCourseForm::OnExit(int, int) {
  SwitchForm(kMainMenuFormIndex, kChooseCourseFormIndex);
}

}  // namespace screens
