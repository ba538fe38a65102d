// ElementForm: a form whose screen is made of screen elements; paint, stylus and idle calls go
// to its element list, which owns the elements.
#pragma once

#include "frame/elements/screen_element.h"
#include "frame/form/form.h"

namespace frame {

class ElementForm : public Form {
 public:
  using Form::Form;

  void OnPaint() override { elements_.Paint(); }
  int OnStylusMove(int x, int y) override { return elements_.OnStylusMove(x, y); }
  int OnStylusUp(int x, int y) override { return elements_.OnStylusUp(x, y); }
  int OnStylusDown(int x, int y) override { return elements_.OnStylusDown(x, y); }
  bool OnIdle() override { return elements_.OnIdle(); }

  ElementList& Elements() { return elements_; }

 private:
  ElementList elements_;
};

}  // namespace frame
