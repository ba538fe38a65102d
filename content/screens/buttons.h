// Picture-button strips: the images normal, pressed and (for buttons that can be disabled)
// disabled side by side, each drawn over a crop of the background the button sits on.
#pragma once

#include <functional>
#include <string_view>

#include "content/art/canvas.h"
#include "content/art/text.h"

namespace content::screens {

enum class ButtonState { kNormal, kPressed, kDisabled };

struct ButtonLook {
  Rgb faceTop, faceBottom, outline, depth;
  int radius = 6;
  int depthPx = 2;  // the rim under the face; a pressed face sinks by one pixel of it
};

// The cream look of every push button, and a green one for the game's action button.
ButtonLook CreamLook();
ButtonLook GreenLook();

// Paints a button's face contents; (dx, dy) is the one-pixel sink of the pressed image, and
// `faceH` the face's height (the image's height less the rim).
using FacePainter = std::function<void(Canvas& image, int dx, int dy, int faceH, ButtonState)>;

// One image: the background crop `under` with the button body and its contents.
Canvas ButtonImage(const Canvas& under, const ButtonLook& look, ButtonState state,
                   const FacePainter& paint);
// The strip: normal, pressed and, when `states` is 3, disabled, side by side.
Canvas ButtonStrip(const Canvas& under, const ButtonLook& look, int states,
                   const FacePainter& paint);
// A strip whose face shows a centred label.
Canvas LabelStrip(const Canvas& under, std::string_view label, FontFace face, int size,
                  int states = 3, const ButtonLook& look = CreamLook());

// The label colour for a state of the cream look.
Rgb LabelColour(ButtonState state);

// Greys every pixel of `image` that differs from `under`: the disabled look.
void GreyOut(Canvas& image, const Canvas& under);

}  // namespace content::screens
