// The animated cells of a hole: which cells animate, their frame timing, and the flags that
// ask the game screen to redraw the ball or the aim mark.
#include "golf/animation/cell_animation.h"
#include "frame/surface/offscreen_surface.h"
#include "game_form_test_support.h"
#include "golf/hole_layout.h"

namespace game_test {
namespace {

class CellAnimations : public GameScreenTest {
 protected:
  // The first hole with an animated hazard cell.
  bool FindAnimatedHole() {
    for (int course = 0; course < 5; ++course) {
      for (int hole = 0; hole < 18; ++hole) {
        Resume(course, hole, {});
        for (int row = 0; row < 9; ++row) {
          for (int column = 0; column < 10; ++column) {
            const uint32_t id = form_->Layout().BlockAt(row, column);
            if (id >= 53 && id <= 58) return true;
          }
        }
      }
    }
    return false;
  }
};

TEST_F(CellAnimations, HazardCellsChangeFrameEveryQuarterSecondAndFlagTheBall) {
  ASSERT_TRUE(FindAnimatedHole());
  frame::OffscreenSurface screen(240, 268), background(240, 268);
  background.Blit(form_->HolePicture(), 0, 0, 240, 268, 0, 0, SRCCOPY);
  golf::CellAnimationSet set;
  set.Build(form_->Layout(), background);
  ASSERT_GT(set.Count(), 0u);
  size_t hazard = 0;
  while (set.At(hazard).Period() != 250) ++hazard;
  const golf::CellAnimation& cell = set.At(hazard);
  EXPECT_EQ(cell.FrameCount(), 3);

  golf::Ball ball;
  ball.posx = cell.X() + 10;  // on the cell
  ball.posy = cell.Y() + 10;
  EXPECT_EQ(set.Tick(screen, background, ball, 0, 0), 0) << "nothing is due yet";
  headless_->Advance(249);
  set.Tick(screen, background, ball, 0, 0);
  EXPECT_EQ(cell.CurrentFrame(), 0);
  headless_->Advance(1);
  const int flags = set.Tick(screen, background, ball, cell.X() + 3, cell.Y() + 3);
  EXPECT_EQ(cell.CurrentFrame(), 1) << "the first frame shown is the second picture";
  EXPECT_EQ(flags, golf::kRedrawBall | golf::kRedrawAim);
  // The new frame went to both surfaces.
  for (int i = 0; i < 21; i += 5) {
    EXPECT_EQ(GetPixel(screen.DeviceContext(), cell.X() + i, cell.Y() + 10),
              GetPixel(cell.Frame(1).DeviceContext(), i, 10));
    EXPECT_EQ(GetPixel(background.DeviceContext(), cell.X() + i, cell.Y() + 10),
              GetPixel(cell.Frame(1).DeviceContext(), i, 10));
  }
  headless_->Advance(500);
  set.Tick(screen, background, ball, 0, 0);
  headless_->Advance(250);
  set.Tick(screen, background, ball, 0, 0);
  EXPECT_EQ(cell.CurrentFrame(), 0) << "three frames wrap round";
}

TEST_F(CellAnimations, ABallJustBesideTheCellIsNotFlagged) {
  ASSERT_TRUE(FindAnimatedHole());
  frame::OffscreenSurface screen(240, 268), background(240, 268);
  golf::CellAnimationSet set;
  set.Build(form_->Layout(), form_->HolePicture());
  const golf::CellAnimation& cell = set.At(0);
  EXPECT_TRUE(cell.Overlaps(cell.X() - 7, cell.Y(), cell.X(), cell.Y() + 7));  // right edge on x
  EXPECT_FALSE(cell.Overlaps(cell.X() - 8, cell.Y(), cell.X() - 1, cell.Y() + 7));
  EXPECT_FALSE(cell.Overlaps(cell.X(), cell.Y() - 7, cell.X() + 7, cell.Y()));  // bottom on y
  EXPECT_FALSE(cell.Overlaps(cell.X() + 21, cell.Y(), cell.X() + 28, cell.Y() + 7));
}

TEST_F(CellAnimations, AHoleWithoutAnimatedCellsTicksNothing) {
  golf::HoleLayout layout;  // every cell block 0
  frame::OffscreenSurface screen(240, 268), background(240, 268);
  golf::CellAnimationSet set;
  set.Build(layout, background);
  golf::Ball ball;
  headless_->Advance(10000);
  EXPECT_EQ(set.Count(), 0u);
  EXPECT_EQ(set.Tick(screen, background, ball, 100, 100), 0);
}

}  // namespace
}  // namespace game_test
