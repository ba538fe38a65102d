// The composed hole picture: keyed blocks leave no magenta, straight walls are black lines
// without their joins, and the status numbers end on their right edges.
#include "frame/surface/offscreen_surface.h"
#include "game_form_test_support.h"
#include "golf/hole_layout.h"
#include "golf/wall.h"

namespace game_test {
namespace {

class HoleDrawing : public GameScreenTest {};

COLORREF Pixel(const frame::DrawingSurface& s, int x, int y) {
  return GetPixel(s.DeviceContext(), x, y);
}

TEST_F(HoleDrawing, KeyedPicturesLeaveNoMagentaAndWallsAreBlackLines) {
  for (int course = 0; course < 5; course += 2) {
    Resume(course, 7, {});
    const frame::OffscreenSurface& picture = form_->HolePicture();
    for (int y = 64; y < 253; ++y) {
      for (int x = 15; x < 225; ++x)
        ASSERT_NE(Pixel(picture, x, y), RGB(255, 0, 255)) << course << ": " << x << "," << y;
    }
    int lines = 0;
    for (const golf::Wall* w = form_->Layout().FirstWall(); w != nullptr; w = w->next) {
      int x1, y1, x2, y2;
      if (!golf::WallPictureLine(*w, x1, y1, x2, y2)) continue;
      const int cellX = (x1 + x2) / 2, cellY = (y1 + y2) / 2;
      const uint32_t id = form_->Layout().BlockAt((cellY - 64) / 21, (cellX - 15) / 21);
      if (id >= 60 && id <= 63) continue;  // fans and magnets are drawn later, over it
      ++lines;
      EXPECT_EQ(Pixel(picture, x1, y1), RGB(0, 0, 0)) << x1 << "," << y1;
      EXPECT_EQ(Pixel(picture, cellX, cellY), RGB(0, 0, 0)) << cellX << "," << cellY;
    }
    EXPECT_GT(lines, 0);
  }
}

TEST_F(HoleDrawing, DrawWallLineLeavesOutTheJoinsAndTheLastPoint) {
  frame::OffscreenSurface target(60, 60);
  golf::Wall wall;
  wall.x1 = 10, wall.y1 = 20, wall.x2 = 50, wall.y2 = 20;
  wall.extA = 10.0, wall.extB = 0.0;
  PatBlt(target.DeviceContext(), 0, 0, 60, 60, WHITENESS);
  screens::GameForm::DrawWallLine(target, wall);
  EXPECT_EQ(Pixel(target, 19, 20), RGB(255, 255, 255)) << "the 10-pixel join is not drawn";
  EXPECT_EQ(Pixel(target, 20, 20), RGB(0, 0, 0));
  EXPECT_EQ(Pixel(target, 49, 20), RGB(0, 0, 0));
  EXPECT_EQ(Pixel(target, 50, 20), RGB(255, 255, 255));
  golf::Wall diagonal = wall;
  diagonal.y2 = 40;
  PatBlt(target.DeviceContext(), 0, 0, 60, 60, WHITENESS);
  screens::GameForm::DrawWallLine(target, diagonal);
  EXPECT_EQ(Pixel(target, 30, 30), RGB(255, 255, 255)) << "diagonal walls are not drawn";
}

TEST_F(HoleDrawing, TheAimMarkIsANineByNineCrossAndErasingItKeepsTheBall) {
  Resume(0, 0, {});
  form_->OnPaint();
  const golf::Ball& ball = form_->GetBall();
  const int bx = static_cast<int>(ball.posx), by = static_cast<int>(ball.posy);
  const COLORREF ballCentre = Pixel(*form_, bx, by);
  form_->DrawAimMark(bx + 2, by);
  EXPECT_EQ(Pixel(*form_, bx + 6, by), RGB(255, 255, 255));
  EXPECT_EQ(Pixel(*form_, bx + 2, by - 4), RGB(255, 255, 255));
  form_->EraseAimMark(bx + 2, by);
  EXPECT_EQ(Pixel(*form_, bx, by), ballCentre);
  EXPECT_EQ(Pixel(*form_, bx + 6, by), Pixel(form_->HolePicture(), bx + 6, by));
}

}  // namespace
}  // namespace game_test
