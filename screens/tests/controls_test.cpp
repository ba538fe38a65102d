// The game screens' controls: the click button's press tracking, the scroll bar's position
// arithmetic and button states, the text scroller's bounds and the radio button's hit area.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "backend/headless.h"
#include "frame/elements/callback.h"
#include "frame/tests/frame_test_support.h"
#include "screens/controls/click_button.h"
#include "screens/controls/picture_radio_button.h"
#include "screens/controls/scroll_bar.h"
#include "screens/controls/text_scroller.h"

using frame_test::kBlue;
using frame_test::kGreen;
using frame_test::kRed;
using frame_test::kWhite;
using frame_test::PixelAt;

namespace {

// Counts the invocations of a callback and remembers the last arguments.
struct Clicks {
  int count = 0;
  int lastX = -1;
  void Invoke(int x, int) {
    ++count;
    lastX = x;
  }
};

class CountingCallback : public frame::Callback {
 public:
  explicit CountingCallback(Clicks* clicks) : clicks_(clicks) {}
  void Invoke(int x, int y) override { clicks_->Invoke(x, y); }

 private:
  Clicks* clicks_;
};

// A 90 by 10 strip: red normal, green pressed, blue disabled, each 30 wide.
frame::Picture ButtonStrip() {
  auto surface = frame_test::SolidSurface(90, 10, kRed);
  frame_test::Fill(*surface, 30, 0, 30, 10, kGreen);
  frame_test::Fill(*surface, 60, 0, 30, 10, kBlue);
  return frame::Picture(std::make_shared<frame::SurfacePictureSource>(std::move(surface)));
}

frame::Picture Solid(int width, int height, COLORREF color) {
  return frame::Picture(frame_test::SolidSource(width, height, color));
}

class ClickButtonTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::FreshHeadless(); }
  std::unique_ptr<frame::OffscreenSurface> screen_ = frame_test::SolidSurface(60, 30, kWhite);
  Clicks clicks_;
  std::unique_ptr<screens::ClickButton> Make(frame::ButtonState state) {
    return std::make_unique<screens::ClickButton>(
        ButtonStrip(), 10, 10, screen_.get(), std::make_unique<CountingCallback>(&clicks_), state);
  }
};

TEST_F(ClickButtonTest, DownAndUpInsideClickOnceAndShowThePressedPicture) {
  auto button = Make(frame::ButtonState::kEnabled);
  EXPECT_TRUE(button->OnStylusDown(15, 15));
  EXPECT_TRUE(button->IsPressed());
  EXPECT_EQ(PixelAt(*screen_, 10, 10), kGreen);
  EXPECT_TRUE(button->OnStylusUp(16, 15));
  EXPECT_EQ(clicks_.count, 1);
  EXPECT_EQ(clicks_.lastX, 16);
  EXPECT_EQ(PixelAt(*screen_, 10, 10), kRed);
  // An up without a down on the button does nothing.
  EXPECT_FALSE(button->OnStylusUp(15, 15));
  EXPECT_EQ(clicks_.count, 1);
}

TEST_F(ClickButtonTest, SlidingOutReleasesAndSlidingBackPressesAgain) {
  auto button = Make(frame::ButtonState::kEnabled);
  button->OnStylusDown(15, 15);
  EXPECT_TRUE(button->OnStylusMove(50, 15));
  EXPECT_FALSE(button->IsPressed());
  EXPECT_FALSE(button->OnStylusMove(52, 15));  // still outside: nothing changes
  EXPECT_FALSE(button->OnStylusUp(50, 15));
  EXPECT_EQ(clicks_.count, 0);

  button->OnStylusDown(15, 15);
  button->OnStylusMove(50, 15);
  EXPECT_TRUE(button->OnStylusMove(20, 12));
  EXPECT_TRUE(button->IsPressed());
  button->OnStylusUp(20, 12);
  EXPECT_EQ(clicks_.count, 1);
}

TEST_F(ClickButtonTest, MovesWithoutADownOnTheButtonAreIgnored) {
  auto button = Make(frame::ButtonState::kEnabled);
  button->OnStylusDown(50, 25);  // outside
  EXPECT_FALSE(button->OnStylusMove(15, 15));
  EXPECT_FALSE(button->IsPressed());
  EXPECT_FALSE(button->OnStylusUp(15, 15));
  EXPECT_EQ(clicks_.count, 0);
}

TEST_F(ClickButtonTest, ADisabledButtonIgnoresTheStylusUntilSetNormal) {
  auto button = Make(frame::ButtonState::kDisabled);
  EXPECT_TRUE(button->IsDisabled());
  button->Paint();
  EXPECT_EQ(PixelAt(*screen_, 10, 10), kBlue);
  EXPECT_FALSE(button->OnStylusDown(15, 15));
  EXPECT_FALSE(button->OnStylusUp(15, 15));
  EXPECT_EQ(clicks_.count, 0);
  EXPECT_EQ(PixelAt(*screen_, 10, 10), kBlue);  // not repainted

  button->SetNormal();
  button->Paint();
  EXPECT_EQ(PixelAt(*screen_, 10, 10), kRed);
  button->OnStylusDown(15, 15);
  button->OnStylusUp(15, 15);
  EXPECT_EQ(clicks_.count, 1);

  // Disabling changes the state only; the caller repaints.
  button->Disable();
  EXPECT_EQ(PixelAt(*screen_, 10, 10), kRed);
  EXPECT_FALSE(button->OnStylusDown(15, 15));
}

TEST_F(ClickButtonTest, BothEdgesOfThePictureCount) {
  auto button = Make(frame::ButtonState::kEnabled);
  EXPECT_TRUE(button->OnStylusDown(40, 20));  // x + 30, y + 10
  button->OnStylusUp(40, 20);
  EXPECT_FALSE(button->OnStylusDown(41, 20));
  EXPECT_EQ(clicks_.count, 1);
}

// Track 14 x 172, buttons 14 high, thumb 14: 130 pixels of travel.
class ScrollBarTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::FreshHeadless(); }
  std::unique_ptr<screens::ScrollBar> Make(int trackHeight) {
    return std::make_unique<screens::ScrollBar>(screen_.get(), Solid(14, trackHeight, kWhite), kX,
                                                kY, Solid(42, 14, kBlue), Solid(42, 14, kBlue),
                                                Solid(14, 14, kRed), Solid(14, 14, kGreen),
                                                std::make_unique<CountingCallback>(&changes_));
  }
  static constexpr int kX = 100;
  static constexpr int kY = 20;
  std::unique_ptr<frame::OffscreenSurface> screen_ = frame_test::SolidSurface(240, 268, kWhite);
  Clicks changes_;
};

TEST_F(ScrollBarTest, ButtonsFollowThePositionAndTheRange) {
  auto bar = Make(172);
  EXPECT_EQ(bar->FreeLength(), 130);
  EXPECT_FALSE(bar->UpButton().IsEnabled());
  EXPECT_FALSE(bar->DownButton().IsEnabled());
  bar->SetRange(2);
  EXPECT_FALSE(bar->UpButton().IsEnabled());
  EXPECT_TRUE(bar->DownButton().IsEnabled());
  bar->LineDown();
  bar->LineDown();
  EXPECT_EQ(bar->Position(), 2);
  EXPECT_EQ(changes_.lastX, 2);
  EXPECT_TRUE(bar->UpButton().IsEnabled());
  EXPECT_FALSE(bar->DownButton().IsEnabled());
  bar->LineDown();
  EXPECT_EQ(bar->Position(), 2);
  bar->SetPosition(0);
  bar->LineUp();
  EXPECT_EQ(bar->Position(), 0);
}

TEST_F(ScrollBarTest, TheThumbDividesTheFreeLengthAndIsDrawnThere) {
  auto bar = Make(172);
  bar->SetRange(2);
  EXPECT_EQ(bar->ThumbTop(), 14);
  bar->SetPosition(1);
  EXPECT_EQ(bar->ThumbTop(), 14 + 65);
  EXPECT_EQ(PixelAt(*screen_, kX + 3, kY + 79), kRed);
  EXPECT_EQ(PixelAt(*screen_, kX + 3, kY + 78), kWhite);
  bar->SetRange(3);  // 130 / 3 = 43.33: truncated
  EXPECT_EQ(bar->ThumbTop(), 14 + 43);
}

TEST_F(ScrollBarTest, ATapOnTheTrackJumpsClampedToTheRange) {
  auto bar = Make(172);
  bar->SetRange(2);
  EXPECT_FALSE(bar->OnStylusDown(kX + 5, kY + 150));  // far below the thumb
  EXPECT_EQ(bar->Position(), 2);
  EXPECT_EQ(changes_.count, 1);
  bar->OnStylusUp(kX + 5, kY + 150);
  // Half way down the travel.
  bar->OnStylusDown(kX + 5, kY + 14 + 65);
  EXPECT_EQ(bar->Position(), 1);
}

TEST_F(ScrollBarTest, DraggingTheThumbMovesThePositionAndDrawsTheDraggedThumb) {
  auto bar = Make(172);
  bar->SetRange(1);  // both buttons stay disabled, the thumb still moves
  bar->OnStylusDown(kX + 5, kY + 20);
  EXPECT_TRUE(bar->IsDragging());
  EXPECT_EQ(PixelAt(*screen_, kX + 3, kY + 15), kGreen);
  EXPECT_TRUE(bar->OnStylusMove(kX + 5, kY + 160));
  EXPECT_EQ(bar->Position(), 1);
  EXPECT_FALSE(bar->UpButton().IsEnabled());
  EXPECT_FALSE(bar->DownButton().IsEnabled());
  bar->OnStylusMove(kX + 5, kY - 30);
  EXPECT_EQ(bar->Position(), 0);
  bar->OnStylusUp(kX + 5, kY - 30);
  EXPECT_FALSE(bar->IsDragging());
  EXPECT_EQ(PixelAt(*screen_, kX + 3, kY + 15), kRed);
}

TEST_F(ScrollBarTest, ATrackWithNoRoomKeepsTheThumbAtTheTopAndNeverDivides) {
  auto bar = Make(40);  // 40 - 28 - 14 = -2
  EXPECT_LE(bar->FreeLength(), 0);
  bar->SetRange(5);
  bar->SetPosition(3);
  EXPECT_EQ(bar->ThumbTop(), 14);
  bar->OnStylusDown(kX + 5, kY + 16);  // the thumb
  bar->OnStylusMove(kX + 5, kY + 30);
  bar->OnStylusUp(kX + 5, kY + 30);
  EXPECT_EQ(bar->Position(), 0);
  bar->SetRange(0);
  EXPECT_EQ(bar->ThumbTop(), 14);
}

TEST_F(ScrollBarTest, AHeldButtonRepeatsEvery200Milliseconds) {
  auto bar = Make(172);
  bar->SetRange(10);
  const int downY = kY + 172 - 7;
  EXPECT_TRUE(bar->OnStylusDown(kX + 5, downY));
  EXPECT_TRUE(bar->OnIdle());
  EXPECT_EQ(bar->Position(), 1);
  platform::Headless().Advance(200);
  bar->OnIdle();
  EXPECT_EQ(bar->Position(), 1);
  platform::Headless().Advance(1);
  bar->OnIdle();
  EXPECT_EQ(bar->Position(), 2);
  bar->OnStylusUp(kX + 5, downY);  // once more on release inside
  EXPECT_EQ(bar->Position(), 3);
  EXPECT_FALSE(bar->OnIdle());
}

// Every line is 10 pixels high: a 46-pixel box shows (46 - 2) / 11 = 4 lines.
class FixedFont : public frame::TextRenderer {
 public:
  void DrawText(frame::DrawingSurface& surface, int x, int y, const char* text, DWORD) override {
    drawn.push_back(text);
    frame_test::Fill(surface, x, y, 5, 10, kBlue);
  }
  int TextWidth(const char* text) override { return 5 * static_cast<int>(strlen(text)); }
  int TextHeight() override { return 10; }
  std::vector<std::string> drawn;
};

class TextScrollerTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::FreshHeadless(); }
  std::unique_ptr<frame::OffscreenSurface> screen_ = frame_test::SolidSurface(100, 100, kWhite);
  FixedFont font_;
  screens::TextScroller scroller_{screen_.get(), Solid(60, 46, kWhite), 10, 10, &font_};
};

const char* const kLines[] = {"a", "b", "c", "d", "e", "f"};

TEST_F(TextScrollerTest, ShowsTheLinesThatFitAndStopsAtTheLast) {
  EXPECT_EQ(scroller_.VisibleLines(), 4);
  scroller_.SetLines(kLines, 6);
  EXPECT_EQ(scroller_.MaxFirstLine(), 2);
  scroller_.Paint();
  EXPECT_EQ(font_.drawn, (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(PixelAt(*screen_, 12, 12 + 3 * 11), kBlue);  // fourth line at (2, 2 + 3 * 11)

  scroller_.LineDown();
  scroller_.LineDown();
  scroller_.LineDown();
  EXPECT_EQ(scroller_.FirstLine(), 2);
  scroller_.SetFirstLine(3);
  EXPECT_EQ(scroller_.FirstLine(), 2);
  scroller_.SetFirstLine(-1);
  EXPECT_EQ(scroller_.FirstLine(), 2);
  font_.drawn.clear();
  scroller_.Paint();
  EXPECT_EQ(font_.drawn, (std::vector<std::string>{"c", "d", "e", "f"}));
  scroller_.SetFirstLine(0);
  scroller_.LineUp();
  EXPECT_EQ(scroller_.FirstLine(), 0);
}

TEST_F(TextScrollerTest, FewerLinesThanTheBoxHoldsCannotMove) {
  scroller_.SetLines(kLines, 2);
  EXPECT_EQ(scroller_.MaxFirstLine(), 0);
  scroller_.LineDown();
  scroller_.SetFirstLine(1);
  EXPECT_EQ(scroller_.FirstLine(), 0);
  scroller_.Paint();
  EXPECT_EQ(font_.drawn, (std::vector<std::string>{"a", "b"}));
}

TEST(PictureRadioButton, TheRightAndBottomEdgesAreOutside) {
  platform::FreshHeadless();
  auto screen = frame_test::SolidSurface(100, 40, kWhite);
  frame::ElementList group;
  screens::PictureRadioButton radio(&group, nullptr, frame::Selection::kNotSelected, screen.get(),
                                    10, 5, Solid(90, 16, kRed));
  EXPECT_TRUE(radio.HitTest(10, 5));
  EXPECT_TRUE(radio.HitTest(39, 20));
  EXPECT_FALSE(radio.HitTest(40, 10));
  EXPECT_FALSE(radio.HitTest(20, 21));
  EXPECT_FALSE(radio.HitTest(9, 10));
}

}  // namespace
