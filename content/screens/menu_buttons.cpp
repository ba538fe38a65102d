// Menu and course buttons: cream faces with a dark green label; the course buttons add the
// course's emblem on the left and its hole count on the right.
#include "content/screens/menu_buttons.h"

#include <cmath>

#include "content/screens/backgrounds.h"
#include "content/screens/buttons.h"
#include "content/screens/emblems.h"
#include "content/screens/layout.h"
#include "content/screens/theme.h"

namespace content::screens {

namespace {

Canvas LawnUnder(const Place& p) {
  return ClearScreen().Crop(p.x, p.y, p.w, p.h);
}

}  // namespace

Canvas MainMenuStrip(int index) {
  static constexpr std::string_view kLabels[] = {"New game",   "Resume", "Preferences",
                                                 "Highscores", "Help",   "About"};
  const Place p{kMenuX, kMenuY0 + kMenuStep * index, kMenuW, kMenuH};
  const Canvas under = MenuScreen().Crop(p.x, p.y, p.w, p.h);
  const std::string_view label = kLabels[index];
  return ButtonStrip(under, CreamLook(), 3,
                     [label](Canvas& img, int dx, int dy, int faceH, ButtonState s) {
                       const TextStyle style = Style(FontFace::kSansBold, 13, LabelColour(s));
                       CentredOutlined(img, img.Width() / 2.0 + dx, (faceH - 1) / 2.0 + dy, label,
                                       style, kPaper, Outline::kShadow);
                     });
}

Canvas CourseStrip(int course) {
  const Place p{kCourseX, kCourseY0 + kCourseStep * course, kCourseW, kCourseH};
  const CourseLook look = CourseOf(course);
  return ButtonStrip(
      LawnUnder(p), CreamLook(), 3,
      [course, look](Canvas& img, int dx, int dy, int faceH, ButtonState s) {
        const double cy = (faceH - 1) / 2.0 + dy;
        DrawCourseEmblem(img, 19.5 + dx, cy + 0.5, 12.5, course);
        const TextStyle name = Style(FontFace::kSansBold, 14, LabelColour(s));
        DrawTextOutlined(img, 40 + dx, CentredTop(name, cy), look.name, name, kPaper,
                         Outline::kShadow);
        const TextStyle holes =
            Style(FontFace::kSans, 9, s == ButtonState::kDisabled ? LabelColour(s) : kInkSoft);
        const int w = TextWidth("18 holes", holes);
        DrawText(img, img.Width() - 10 - w + dx, CentredTop(holes, cy), "18 holes", holes);
      });
}

Canvas ExitStrip() {
  const ButtonLook look{
      Rgb{244, 104, 92}, Rgb{204, 44, 40}, Rgb{110, 20, 20}, Rgb{150, 30, 30}, 4, 1};
  return ButtonStrip(LawnUnder(kExit), look, 3, [](Canvas& img, int dx, int dy, int, ButtonState) {
    // A white cross, two pixels thick, 6 px across.
    for (int k = 0; k < 6; ++k) {
      img.FillRect(4 + k + dx, 3 + k + dy, 2, 1, kPaper);
      img.FillRect(9 - k + dx, 3 + k + dy, 2, 1, kPaper);
    }
  });
}

Canvas WideDoneStrip() {
  return LabelStrip(LawnUnder(kWideDone), "Done", FontFace::kSansBold, 13);
}

Canvas AcceptStrip() {
  return LabelStrip(LawnUnder(kAccept), "OK", FontFace::kSansBold, 13);
}

Canvas CancelStrip() {
  return LabelStrip(LawnUnder(kCancel), "Cancel", FontFace::kSansBold, 13);
}

Canvas AboutDoneStrip() {
  const Place& d = kAboutDone;
  return LabelStrip(AboutScreen().Crop(d.x, d.y, d.w, d.h), "Done", FontFace::kSansBold, 12);
}

}  // namespace content::screens
