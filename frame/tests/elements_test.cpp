// Screen elements: button click rules, picture strips, repeat timing, radio groups and the
// element list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "backend/headless.h"
#include "frame/elements/picture_button.h"
#include "frame/elements/radio_button.h"
#include "frame_test_support.h"

using namespace frame_test;

namespace {

class CountingCallback : public frame::Callback {
 public:
  explicit CountingCallback(int* count) : count_(count) {}
  void Invoke(int, int) override { ++*count_; }

 private:
  int* count_;
};

// A 10x10 button at (10, 10) that logs how it paints.
class LoggingButton : public frame::Button {
 public:
  LoggingButton(int* clicks, std::vector<std::string>* log, frame::ButtonState state,
                frame::Disabling disabling)
      : frame::Button(std::make_unique<CountingCallback>(clicks), state, disabling), log_(log) {}
  void PaintPressed() override { log_->push_back("pressed"); }
  void PaintNormal() override { log_->push_back("normal"); }
  void PaintDisabled() override { log_->push_back("disabled"); }
  bool HitTest(int x, int y) override { return x >= 10 && x < 20 && y >= 10 && y < 20; }

 private:
  std::vector<std::string>* log_;
};

using Log = std::vector<std::string>;

TEST(Button, AClickNeedsDownAndUpInsideAndMovingBackInRestoresIt) {
  int clicks = 0;
  Log log;
  LoggingButton button(&clicks, &log, frame::ButtonState::kEnabled, frame::Disabling::kAllowed);

  EXPECT_TRUE(button.OnStylusDown(12, 12));
  EXPECT_TRUE(button.OnStylusMove(30, 30));  // out: shown normal
  EXPECT_TRUE(button.OnStylusUp(30, 30));    // lifted outside: no click
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(log, (Log{"pressed", "normal"}));

  log.clear();
  button.OnStylusDown(12, 12);
  button.OnStylusMove(30, 30);
  button.OnStylusMove(15, 15);  // back in: shown pressed
  EXPECT_TRUE(button.OnStylusUp(15, 15));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(log, (Log{"pressed", "normal", "pressed", "normal"}));

  // A stylus-up without a press is not the button's.
  EXPECT_FALSE(button.OnStylusUp(15, 15));
  EXPECT_FALSE(button.OnStylusMove(15, 15));
  EXPECT_EQ(clicks, 1);
}

TEST(Button, ADisabledButtonIgnoresTheStylus) {
  int clicks = 0;
  Log log;
  LoggingButton button(&clicks, &log, frame::ButtonState::kDisabled, frame::Disabling::kAllowed);
  EXPECT_FALSE(button.OnStylusDown(12, 12));
  EXPECT_FALSE(button.OnStylusUp(12, 12));
  EXPECT_EQ(clicks, 0);
  EXPECT_TRUE(log.empty());
  button.Paint();
  EXPECT_EQ(log, (Log{"disabled"}));

  // Disabling while pressed drops the press; without "can be disabled" it has no effect.
  LoggingButton held(&clicks, &log, frame::ButtonState::kEnabled, frame::Disabling::kAllowed);
  held.OnStylusDown(12, 12);
  held.Disable();
  EXPECT_FALSE(held.OnStylusUp(12, 12));
  LoggingButton stubborn(&clicks, &log, frame::ButtonState::kEnabled,
                         frame::Disabling::kNotAllowed);
  stubborn.Disable();
  EXPECT_TRUE(stubborn.IsEnabled());
  EXPECT_EQ(clicks, 0);

  log.clear();
  stubborn.SetVisible(false);
  stubborn.Paint();
  EXPECT_TRUE(log.empty());
}

TEST(PictureButton, AStripIsCutIntoStatesAndBothEdgesOfTheHitAreaCount) {
  // 90 pixels: normal red, pressed green, disabled blue, 30 each.
  auto strip = SolidSurface(90, 20, kRed);
  Fill(*strip, 30, 0, 30, 20, kGreen);
  Fill(*strip, 60, 0, 30, 20, kBlue);
  auto target = SolidSurface(60, 40, kWhite);
  int clicks = 0;
  frame::PictureButton button(
      frame::Picture(std::make_shared<frame::SurfacePictureSource>(std::move(strip))), 5, 5,
      target.get(), std::make_unique<CountingCallback>(&clicks), frame::ButtonState::kEnabled,
      frame::Disabling::kAllowed);
  EXPECT_EQ(button.NormalPicture().Width(), 30);
  EXPECT_EQ(button.DisabledPicture().GetRect(), (frame::Rect{60, 0, 30, 20}));
  EXPECT_TRUE(button.HitTest(5, 5));
  EXPECT_TRUE(button.HitTest(35, 25));
  EXPECT_FALSE(button.HitTest(36, 10));
  EXPECT_FALSE(button.HitTest(4, 10));

  button.Paint();
  EXPECT_EQ(PixelAt(*target, 5, 5), kRed);
  button.OnStylusDown(35, 25);
  EXPECT_EQ(PixelAt(*target, 34, 24), kGreen);
  EXPECT_EQ(PixelAt(*target, 35, 25), kWhite);  // the picture is 30 wide, the hit area 31
  button.Disable();
  button.Paint();
  EXPECT_EQ(PixelAt(*target, 5, 5), kBlue);

  // Without "can be disabled" the strip has two halves.
  auto pair = SolidSurface(50, 10, kRed);
  frame::PictureButton two(
      frame::Picture(std::make_shared<frame::SurfacePictureSource>(std::move(pair))), 0, 0,
      target.get(), nullptr, frame::ButtonState::kEnabled, frame::Disabling::kNotAllowed);
  EXPECT_EQ(two.PressedPicture().GetRect(), (frame::Rect{25, 0, 25, 10}));
}

class RepeatButtonTiming : public ::testing::Test {
 protected:
  void SetUp() override {
    clock_ = &platform::Headless();
    clock_->Advance(1000);
    button_ = std::make_unique<frame::RepeatButton>(
        frame::Picture(SolidSource(20, 10, kRed)), 0, 0, target_.get(),
        std::make_unique<CountingCallback>(&clicks_), frame::ButtonState::kEnabled,
        frame::Disabling::kNotAllowed, 100);
  }
  platform::HeadlessBackend* clock_ = nullptr;
  std::unique_ptr<frame::OffscreenSurface> target_ = SolidSurface(20, 10, kWhite);
  int clicks_ = 0;
  std::unique_ptr<frame::RepeatButton> button_;
};

TEST_F(RepeatButtonTiming, RepeatsOnlyAfterMoreThanTheInterval) {
  EXPECT_FALSE(button_->OnIdle());  // not held
  button_->OnStylusDown(5, 5);
  EXPECT_TRUE(button_->OnIdle());
  EXPECT_EQ(clicks_, 1);  // at once
  clock_->Advance(100);
  EXPECT_TRUE(button_->OnIdle());
  EXPECT_EQ(clicks_, 1);  // exactly the interval: not yet
  clock_->Advance(1);
  EXPECT_TRUE(button_->OnIdle());
  EXPECT_EQ(clicks_, 2);
  clock_->Advance(50);
  EXPECT_TRUE(button_->OnIdle());
  EXPECT_EQ(clicks_, 2);
  EXPECT_TRUE(button_->OnStylusUp(5, 5));
  EXPECT_EQ(clicks_, 3);  // lifted inside
  clock_->Advance(500);
  EXPECT_FALSE(button_->OnIdle());
  EXPECT_EQ(clicks_, 3);
}

TEST_F(RepeatButtonTiming, HeldOutsideItStopsRepeatingAndANewPressStartsAtOnce) {
  button_->OnStylusDown(5, 5);
  button_->OnIdle();
  button_->OnStylusMove(50, 50);
  clock_->Advance(500);
  EXPECT_FALSE(button_->OnIdle());
  EXPECT_TRUE(button_->OnStylusUp(50, 50));  // true even without a click
  EXPECT_EQ(clicks_, 1);
  button_->OnStylusDown(5, 5);
  button_->OnIdle();
  EXPECT_EQ(clicks_, 2);
}

// A 10x10 radio button at (x, 0) that logs its painting as "<name>:<state>".
class LoggingRadio : public frame::RadioButton {
 public:
  LoggingRadio(frame::ElementList* group, std::shared_ptr<frame::Callback> callback,
               frame::Selection selection, int x, std::string name, Log* log)
      : frame::RadioButton(group, std::move(callback), selection),
        x_(x),
        name_(std::move(name)),
        log_(log) {}
  void PaintNormal() override { log_->push_back(name_ + ":normal"); }
  void PaintSelected() override { log_->push_back(name_ + ":selected"); }
  void PaintDisabled() override { log_->push_back(name_ + ":disabled"); }
  bool HitTest(int x, int y) override { return x >= x_ && x < x_ + 10 && y >= 0 && y < 10; }

 private:
  int x_;
  std::string name_;
  Log* log_;
};

class RadioGroup : public ::testing::Test {
 protected:
  void SetUp() override {
    auto callback = std::make_shared<CountingCallback>(&selections_);
    a_ = group_.Add(std::make_unique<LoggingRadio>(&group_, callback, frame::Selection::kSelected,
                                                   0, "a", &log_));
    b_ = group_.Add(std::make_unique<LoggingRadio>(&group_, callback,
                                                   frame::Selection::kNotSelected, 20, "b", &log_));
    c_ = group_.Add(std::make_unique<LoggingRadio>(&group_, callback,
                                                   frame::Selection::kNotSelected, 40, "c", &log_));
  }
  frame::ElementList group_;
  Log log_;
  int selections_ = 0;
  LoggingRadio* a_ = nullptr;
  LoggingRadio* b_ = nullptr;
  LoggingRadio* c_ = nullptr;
};

TEST_F(RadioGroup, SelectingOneDeselectsAndRepaintsTheOthers) {
  EXPECT_TRUE(group_.OnStylusDown(25, 5));
  EXPECT_TRUE(b_->IsSelected());
  EXPECT_FALSE(a_->IsSelected());
  EXPECT_FALSE(c_->IsSelected());
  EXPECT_EQ(selections_, 1);
  EXPECT_EQ(log_, (Log{"a:normal", "c:normal", "b:selected"}));

  // Down on the selected one does nothing; every stylus-up calls the selected one back.
  log_.clear();
  EXPECT_FALSE(group_.OnStylusDown(25, 5));
  EXPECT_TRUE(group_.OnStylusUp(100, 100));
  EXPECT_EQ(selections_, 2);
  EXPECT_EQ(log_, (Log{"b:selected"}));
}

TEST_F(RadioGroup, QuietSelectionAndDisabledMembers) {
  c_->SelectQuietly();
  EXPECT_TRUE(c_->IsSelected());
  EXPECT_FALSE(a_->IsSelected());
  EXPECT_EQ(selections_, 0);
  EXPECT_TRUE(log_.empty());

  b_->Disable();
  EXPECT_FALSE(group_.OnStylusDown(25, 5));
  EXPECT_FALSE(b_->IsSelected());
  b_->Paint();
  EXPECT_EQ(log_, (Log{"b:disabled"}));
}

class CountingElement : public frame::ScreenElement {
 public:
  CountingElement(bool answer, Log* log, std::string name)
      : answer_(answer), log_(log), name_(std::move(name)) {}
  bool OnIdle() override { return Note("idle"); }
  bool OnStylusDown(int, int) override { return Note("down"); }
  void Paint() override { Note("paint"); }

 private:
  bool Note(const char* what) {
    log_->push_back(name_ + ":" + what);
    return answer_;
  }
  bool answer_;
  Log* log_;
  std::string name_;
};

TEST(ElementList, EveryElementIsCalledInOrderAndAnyTrueAnswersTrue) {
  Log log;
  frame::ElementList list;
  list.Add(std::make_unique<CountingElement>(false, &log, "1"));
  list.Add(std::make_unique<CountingElement>(true, &log, "2"));
  list.Add(new CountingElement(false, &log, "3"));
  EXPECT_TRUE(list.OnIdle());
  EXPECT_TRUE(list.OnStylusDown(0, 0));
  list.Paint();
  EXPECT_FALSE(list.OnStylusUp(0, 0));
  EXPECT_EQ(log, (Log{"1:idle", "2:idle", "3:idle", "1:down", "2:down", "3:down", "1:paint",
                      "2:paint", "3:paint"}));
}

}  // namespace
