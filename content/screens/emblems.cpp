// Course emblems drawn from circles and lines, so they stay crisp at 20-30 px.
#include "content/screens/emblems.h"

#include <cmath>

#include "content/screens/theme.h"

namespace content::screens {

namespace {

constexpr double kPi = 3.14159265358979;

void Flower(Canvas& c, double cx, double cy, double r) {
  // Grass tufts at the bottom, a five-petal flower above.
  c.Line(int(cx), int(cy + r * 0.7), int(cx), int(cy), Rgb{40, 110, 40});
  c.Line(int(cx + 1), int(cy + r * 0.7), int(cx + 1), int(cy), Rgb{40, 110, 40});
  c.FillCircle(cx + r * 0.28, cy + r * 0.38, r * 0.16, Rgb{60, 140, 50});
  for (int k = 0; k < 5; ++k) {
    const double a = k * 2 * kPi / 5 - kPi / 2;
    c.FillCircle(cx + 0.5 + std::cos(a) * r * 0.3, cy - r * 0.15 + std::sin(a) * r * 0.3, r * 0.2,
                 Rgb{246, 120, 170});
  }
  c.FillCircle(cx + 0.5, cy - r * 0.15, r * 0.16, kGold);
}

void ClubFlag(Canvas& c, double cx, double cy, double r) {
  FillEllipse(c, cx, cy + r * 0.5, r * 0.45, r * 0.16, Rgb{16, 60, 28});
  DrawFlag(c, int(cx - 1), int(cy + r * 0.5), int(r * 1.1), kPaper);
}

void Cactus(Canvas& c, double cx, double cy, double r) {
  const Rgb green{44, 140, 70}, dark{30, 100, 50};
  const int x = int(cx), top = int(cy - r * 0.6), bottom = int(cy + r * 0.6);
  c.FillRoundRect(x - 2, top, 5, bottom - top, 2, green);
  c.FillRect(x + 1, top + 2, 1, bottom - top - 3, dark);
  // Two arms: elbows out, then up.
  const int ay = int(cy);
  c.FillRect(x - int(r * 0.45), ay, int(r * 0.45), 3, green);
  c.FillRoundRect(x - int(r * 0.45), ay - int(r * 0.3), 3, int(r * 0.3) + 3, 1, green);
  c.FillRect(x + 3, ay - 3, int(r * 0.35), 3, green);
  c.FillRoundRect(x + 1 + int(r * 0.35), ay - 3 - int(r * 0.3), 3, int(r * 0.3) + 3, 1, green);
  FillEllipse(c, cx + 0.5, bottom, r * 0.55, r * 0.12, Rgb{200, 160, 90});
}

void Craters(Canvas& c, double cx, double cy, double r, Rgb base) {
  const Rgb pit = Shade(base, -0.22), rim = Shade(base, 0.25);
  const double spots[][3] = {{-0.3, -0.25, 0.22}, {0.3, 0.1, 0.28}, {-0.15, 0.4, 0.14}};
  for (const auto& s : spots) {
    c.FillCircle(cx + s[0] * r - 0.5, cy + s[1] * r - 0.5, s[2] * r, rim);
    c.FillCircle(cx + s[0] * r, cy + s[1] * r, s[2] * r, pit);
  }
}

}  // namespace

CourseLook CourseOf(int course) {
  switch (course) {
    case 0:
      return {"Garden", Rgb{112, 196, 84}, Rgb{54, 128, 44}};
    case 1:
      return {"Golf club", Rgb{38, 134, 70}, Rgb{20, 84, 42}};
    case 2:
      return {"Desert", Rgb{232, 196, 124}, Rgb{170, 120, 58}};
    case 3:
      return {"Moon", Rgb{176, 178, 188}, Rgb{98, 100, 116}};
    default:
      return {"Mars", Rgb{204, 86, 52}, Rgb{130, 40, 24}};
  }
}

void DrawCourseEmblem(Canvas& c, double cx, double cy, double r, int course) {
  const CourseLook look = CourseOf(course);
  c.FillCircle(cx, cy, r, look.deep);
  c.FillCircle(cx, cy, r - 1, look.colour);
  switch (course) {
    case 0:
      Flower(c, cx, cy, r);
      break;
    case 1:
      ClubFlag(c, cx, cy, r);
      break;
    case 2:
      c.FillCircle(cx + r * 0.45, cy - r * 0.45, r * 0.2, Rgb{255, 238, 150});  // the sun
      Cactus(c, cx, cy, r);
      break;
    case 3:
      Craters(c, cx, cy, r, look.colour);
      break;
    default:
      // A darker belt and craters on the red planet.
      for (int y = int(cy - 1); y <= int(cy + r * 0.2); ++y) {
        for (int x = int(cx - r); x <= int(cx + r); ++x) {
          const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
          if (dx * dx + dy * dy < (r - 1.5) * (r - 1.5)) c.Set(x, y, Rgb{184, 70, 42});
        }
      }
      Craters(c, cx, cy, r * 0.9, look.colour);
      break;
  }
}

}  // namespace content::screens
