// ChooseCourseForm: the five course buttons that start a new game, and the way back to the
// main menu.
#pragma once

#include "frame/elements/picture.h"
#include "frame/form/element_form.h"

namespace screens {

class ChooseCourseForm : public frame::ElementForm {
 public:
  ChooseCourseForm(const char* name, int x, int y, int width, int height);

  void OnPaint() override;
  int OnKey(int key, int down) override;

  // A new game on the course: hole 1, every stroke count 0; the course in progress is lost.
  void StartNewGame(int course);

 private:
  void OnExit(int, int);

  frame::Picture background_;
  frame::Picture title_;
};

}  // namespace screens
