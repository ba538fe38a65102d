// Drawing button strips: a rounded face with a darker rim below it; the pressed image sinks the
// face by a pixel and darkens it, the disabled image is the normal one in grey.
#include "content/screens/buttons.h"

#include <algorithm>
#include <cmath>

#include "content/screens/theme.h"

namespace content::screens {

ButtonLook CreamLook() {
  return ButtonLook{kCream, kCreamShade, kInk, Rgb{58, 104, 56}, 6, 2};
}

ButtonLook GreenLook() {
  return ButtonLook{Rgb{120, 204, 96}, Rgb{58, 150, 58}, kShadow, Rgb{30, 80, 34}, 6, 2};
}

Rgb LabelColour(ButtonState state) {
  return state == ButtonState::kDisabled ? Rgb{150, 150, 146} : kInk;
}

Canvas ButtonImage(const Canvas& under, const ButtonLook& look, ButtonState state,
                   const FacePainter& paint) {
  Canvas img = under;
  const int w = img.Width(), h = img.Height();
  const int faceH = h - look.depthPx;
  const bool pressed = state == ButtonState::kPressed;
  const int sink = pressed ? 1 : 0;
  // The rim: the body's shape drawn at the bottom, showing below the face.
  img.FillRoundRect(0, look.depthPx, w, faceH, look.radius, look.outline);
  img.FillRoundRect(1, look.depthPx, w - 2, faceH - 1, std::max(look.radius - 1, 0), look.depth);
  const Rgb top = pressed ? Shade(look.faceTop, -0.14) : look.faceTop;
  const Rgb bottom = pressed ? Shade(look.faceBottom, -0.12) : look.faceBottom;
  FillPanel(img, 0, sink, w, faceH, look.radius, look.outline, top, bottom);
  // A light line under the top edge catches the light; the pressed face has none.
  if (!pressed) {
    const int inset = std::max(look.radius - 1, 1);
    img.FillRect(inset, 1, w - 2 * inset, 1, Shade(look.faceTop, 0.5));
  }
  paint(img, sink, sink, faceH, state == ButtonState::kDisabled ? ButtonState::kNormal : state);
  if (state == ButtonState::kDisabled) GreyOut(img, under);
  return img;
}

Canvas ButtonStrip(const Canvas& under, const ButtonLook& look, int states,
                   const FacePainter& paint) {
  const int w = under.Width();
  Canvas strip(w * states, under.Height());
  const ButtonState order[] = {ButtonState::kNormal, ButtonState::kPressed, ButtonState::kDisabled};
  for (int k = 0; k < states; ++k) strip.Draw(ButtonImage(under, look, order[k], paint), k * w, 0);
  LimitColours(strip);
  return strip;
}

Canvas LabelStrip(const Canvas& under, std::string_view label, FontFace face, int size, int states,
                  const ButtonLook& look) {
  return ButtonStrip(under, look, states,
                     [&](Canvas& img, int dx, int dy, int faceH, ButtonState s) {
                       const TextStyle style = Style(face, size, LabelColour(s));
                       CentredOutlined(img, img.Width() / 2.0 + dx, (faceH - 1) / 2.0 + dy, label,
                                       style, kPaper, Outline::kShadow);
                     });
}

void GreyOut(Canvas& image, const Canvas& under) {
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const Rgb p = image.Get(x, y);
      if (p == under.Get(x, y)) continue;
      // Luma, squeezed into the light greys so the button reads as switched off.
      const double l = (0.3 * p.r + 0.59 * p.g + 0.11 * p.b) / 255.0;
      const auto v = uint8_t(std::lround(120 + l * 115));
      image.Set(x, y, Rgb{v, v, uint8_t(std::max(0, v - 4))});
    }
  }
}

}  // namespace content::screens
