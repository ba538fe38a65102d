// The score card: a modal form over the playfield listing the strokes of every hole played
// so far and the course total, closed with its done button.
#pragma once

#include <cstdint>

#include "frame/form/element_form.h"

namespace screens {

class ScoreForm : public frame::ElementForm {
 public:
  // counts: the game's 18 stroke counts, read while the card is shown. Holes up to
  // lastHole (18 at the end of a course) are listed.
  ScoreForm(int lastHole, int course, const uint8_t* counts, const char* name, int x, int y,
            int width, int height);

  void OnPaint() override;
  // The done button.
  void Close(int x, int y);

  // The total of the listed holes, each counted as strokes + 1.
  int Total() const;

 private:
  int32_t lastHole_;
  int32_t course_;
  const uint8_t* counts_;
};

}  // namespace screens
