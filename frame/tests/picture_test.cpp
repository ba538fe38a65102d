// Pictures: shared sources, cutting, masked sprites over a background, frame animations and
// images.
#include <gtest/gtest.h>

#include "backend/headless.h"
#include "frame/elements/frame_animation.h"
#include "frame/elements/image.h"
#include "frame/elements/picture.h"
#include "frame_test_support.h"

using namespace frame_test;

namespace {

TEST(Picture, SubPicturesShareTheSourceAndAreClippedToTheirPicture) {
  auto source = SolidSource(10, 8, kRed);
  frame::Picture whole(source);
  EXPECT_EQ(whole.GetRect(), (frame::Rect{0, 0, 10, 8}));
  frame::Picture part(whole, 4, 2, 20, 3);
  EXPECT_EQ(part.GetRect(), (frame::Rect{4, 2, 6, 3}));
  frame::Picture inner(part, -1, 1, 3, 10);
  EXPECT_EQ(inner.GetRect(), (frame::Rect{4, 3, 2, 2}));
  EXPECT_EQ(frame::Picture(whole, 50, 50, 5, 5).GetRect().width, 0);
  EXPECT_EQ(source.use_count(), 4);  // `source`, whole, part, inner
}

// A 4x4 red sprite whose mask keeps only the 2x2 centre.
std::shared_ptr<frame::PictureSource> CentreMask() {
  auto mask = SolidSurface(4, 4, kWhite);
  Fill(*mask, 1, 1, 2, 2, kBlack);
  return std::make_shared<frame::SurfacePictureSource>(std::move(mask));
}

TEST(MaskedPicture, DrawsOnlyTheSpriteOverTheBackground) {
  frame::MaskedPicture sprite(SolidSource(4, 4, kRed), CentreMask());
  auto target = SolidSurface(6, 6, kBlue);
  sprite.Draw(*target, 1, 1, SRCCOPY);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 6; ++x) {
      const bool centre = x >= 2 && x <= 3 && y >= 2 && y <= 3;
      ASSERT_EQ(PixelAt(*target, x, y), centre ? kRed : kBlue) << x << "," << y;
    }
  }
  // The mask is left as it was given.
  EXPECT_EQ(PixelAt(*sprite.MaskSurface(), 0, 0), kWhite);
  EXPECT_EQ(PixelAt(*sprite.MaskSurface(), 1, 1), kBlack);
}

TEST(MaskedPicture, APartOfASpriteKeepsItsMask) {
  frame::MaskedPicture sprite(SolidSource(4, 4, kRed), CentreMask());
  frame::MaskedPicture half(sprite, 2, 0, 2, 4);
  auto target = SolidSurface(4, 4, kGreen);
  half.Draw(*target, 0, 0, SRCCOPY);
  EXPECT_EQ(PixelAt(*target, 0, 1), kRed);
  EXPECT_EQ(PixelAt(*target, 1, 1), kGreen);
  EXPECT_EQ(PixelAt(*target, 0, 0), kGreen);
}

// Three 4x4 frames, fully opaque: red (a), green (b), blue (c), over a white background.
class FrameAnimationPlay : public ::testing::Test {
 protected:
  void SetUp() override {
    clock_ = &platform::Headless();
    std::vector<std::unique_ptr<frame::MaskedPicture>> frames;
    for (COLORREF color : {kRed, kGreen, kBlue}) {
      frames.push_back(std::make_unique<frame::MaskedPicture>(SolidSource(4, 4, color),
                                                              SolidSource(4, 4, kBlack)));
    }
    animation_ = std::make_unique<frame::FrameAnimation>(std::move(frames), 50, background_.get());
    animation_->SetPosition(2, 2);
  }
  platform::HeadlessBackend* clock_ = nullptr;
  std::unique_ptr<frame::OffscreenSurface> background_ = SolidSurface(10, 10, kWhite);
  std::unique_ptr<frame::OffscreenSurface> screen_ = SolidSurface(10, 10, kWhite);
  std::unique_ptr<frame::FrameAnimation> animation_;
};

TEST_F(FrameAnimationPlay, ShowsTheSecondPictureFirstAndRestoresTheBackgroundAtTheEnd) {
  animation_->Start();
  EXPECT_FALSE(animation_->IsFinished());
  clock_->Advance(49);
  EXPECT_FALSE(animation_->Step(*screen_));
  EXPECT_EQ(PixelAt(*screen_, 3, 3), kWhite);  // nothing before the interval
  clock_->Advance(1);
  EXPECT_FALSE(animation_->Step(*screen_));
  EXPECT_EQ(PixelAt(*screen_, 3, 3), kGreen);  // picture b; a is never drawn
  clock_->Advance(50);
  EXPECT_FALSE(animation_->Step(*screen_));
  EXPECT_EQ(PixelAt(*screen_, 2, 2), kBlue);
  clock_->Advance(50);
  EXPECT_TRUE(animation_->Step(*screen_));
  EXPECT_TRUE(animation_->IsFinished());
  EXPECT_EQ(animation_->X(), -1);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) ASSERT_EQ(PixelAt(*screen_, x, y), kWhite) << x << "," << y;
  }
  // Stepping a finished animation draws nothing.
  clock_->Advance(50);
  EXPECT_TRUE(animation_->Step(*screen_));
}

TEST(FrameAnimation, WithoutFramesItEndsAtOnce) {
  auto screen = SolidSurface(4, 4, kWhite);
  frame::FrameAnimation empty(std::vector<std::unique_ptr<frame::MaskedPicture>>{}, 10,
                              screen.get());
  EXPECT_TRUE(empty.IsFinished());
  empty.Start();
  EXPECT_TRUE(empty.IsFinished());
  EXPECT_TRUE(empty.Step(*screen));
}

TEST(Image, DrawsWholeStretchedOrWithoutItsTransparentColour) {
  frame::Image image(4, 4);
  Fill(image.Surface(), 0, 0, 4, 4, kRed);
  Fill(image.Surface(), 0, 0, 2, 4, RGB(255, 0, 255));
  image.SetTransparentColor(RGB(255, 0, 255));

  auto target = SolidSurface(10, 10, kWhite);
  image.DrawTransparent(*target, 0, 0, -1, -1, 1.0f, 1.0f);
  EXPECT_EQ(PixelAt(*target, 0, 0), kWhite);
  EXPECT_EQ(PixelAt(*target, 3, 3), kRed);

  image.Draw(*target, 0, 0, 2.0f, 2.0f);
  EXPECT_EQ(PixelAt(*target, 3, 7), RGB(255, 0, 255));
  EXPECT_EQ(PixelAt(*target, 7, 7), kRed);
  EXPECT_EQ(PixelAt(*target, 8, 8), kWhite);
}

}  // namespace
