// WhiteForm: the blank screen that lies under every other screen from start-up.
#pragma once

#include "frame/form/element_form.h"

namespace screens {

class WhiteForm : public frame::ElementForm {
 public:
  WhiteForm(const char* name, int x, int y, int width, int height)
      : frame::ElementForm(name, x, y, width, height, frame::Caption::kPlain, 0) {}
};

}  // namespace screens
