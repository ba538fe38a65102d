// Native controls: ids, the edit box's limit, typing, read-only text and format rectangle.
#include <gtest/gtest.h>

#include "frame/base/wide_string.h"
#include "frame/controls/edit_box.h"
#include "frame_test_support.h"
#include "recording_form.h"

using namespace frame_test;

namespace {

class EditBoxOnAForm : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureRootWindow();
    owner_ = std::make_unique<RecordingForm>("F", &log_);
  }
  void TearDown() override {
    owner_.reset();
    DrainQueue();
  }
  Log log_;
  std::unique_ptr<RecordingForm> owner_;
};

TEST_F(EditBoxOnAForm, ControlsTakeConsecutiveIdsAndJoinTheirForm) {
  frame::EditBox first(0, 0, 80, 20, owner_.get(), 11, frame::Editing::kEditable,
                       frame::Lines::kSingle, 0, frame::Characters::kAny, 0, RGB(255, 255, 255));
  frame::EditBox second(0, 30, 80, 20, owner_.get(), 11, frame::Editing::kEditable,
                        frame::Lines::kSingle, 0, frame::Characters::kAny, 0, RGB(255, 255, 255));
  EXPECT_EQ(second.Id(), first.Id() + 1);
  EXPECT_EQ(owner_->ControlCount(), 2);
  EXPECT_EQ(owner_->GetControl(1), &second);
  EXPECT_EQ(GetParent(first.Window()), owner_->Window());
  EXPECT_NE(GetWindowLongW(first.Window(), GWL_STYLE) & WS_CHILD, 0);
}

TEST_F(EditBoxOnAForm, ResizingTheFormPutsControlsBackAndClosingOnlyHidesIt) {
  frame::EditBox box(5, 6, 70, 20, owner_.get(), 11, frame::Editing::kEditable,
                     frame::Lines::kSingle, 0, frame::Characters::kAny, 0, 0);
  MoveWindow(box.Window(), 50, 60, 10, 10, TRUE);
  SendMessageW(owner_->Window(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(240, 268));
  RECT placed;
  GetWindowRect(box.Window(), &placed);
  POINT origin{0, 0};
  ClientToScreen(owner_->Window(), &origin);
  EXPECT_EQ(placed.left - origin.x, 5);
  EXPECT_EQ(placed.top - origin.y, 6);
  EXPECT_EQ(placed.right - placed.left, 70);

  log_.clear();
  SendMessageW(owner_->Window(), WM_CLOSE, 0, 0);
  EXPECT_EQ(log_, (Log{"F hide"}));
  EXPECT_TRUE(IsWindow(owner_->Window()));
}

TEST_F(EditBoxOnAForm, AControlDeletedBeforeItsFormLeavesTheList) {
  auto* box = new frame::EditBox(0, 0, 80, 20, owner_.get(), 11, frame::Editing::kEditable,
                                 frame::Lines::kSingle, 0, frame::Characters::kAny, 0, 0);
  EXPECT_EQ(owner_->ControlCount(), 1);
  delete box;
  EXPECT_EQ(owner_->ControlCount(), 0);
  EXPECT_EQ(owner_->GetControl(0), nullptr);
}

TEST_F(EditBoxOnAForm, TypingStopsAtTheLimit) {
  frame::EditBox box(0, 0, 120, 20, owner_.get(), 11, frame::Editing::kEditable,
                     frame::Lines::kSingle, 0, frame::Characters::kAny, 0, 0);
  EXPECT_TRUE(box.TypeText(""));
  EXPECT_EQ(box.GetTextLength(), 0);
  EXPECT_FALSE(box.IsModified());
  EXPECT_FALSE(box.TypeText("Twelve chars"));  // the twelfth is refused
  EXPECT_EQ(box.GetAllText(), "Twelve char");
  EXPECT_TRUE(box.IsModified());

  char shortBuffer[5];
  box.GetText(shortBuffer, sizeof shortBuffer);
  EXPECT_STREQ(shortBuffer, "Twel");
}

TEST_F(EditBoxOnAForm, AReadOnlyBoxStillReportsItsText) {
  frame::EditBox box(0, 0, 120, 20, owner_.get(), 20, frame::Editing::kReadOnly,
                     frame::Lines::kSingle, 0, frame::Characters::kAny, 0, 0);
  EXPECT_NE(GetWindowLongW(box.Window(), GWL_STYLE) & ES_READONLY, 0);
  box.SetText("No name");
  EXPECT_EQ(box.GetAllText(), "No name");
  EXPECT_STREQ(box.UIControl::GetText(), "No name");
  EXPECT_FALSE(box.TypeText("x"));
  box.SetEditable(true);
  EXPECT_TRUE(box.IsEditable());
  EXPECT_TRUE(box.TypeText("!"));
}

TEST_F(EditBoxOnAForm, AccentedNamesSurviveTheTripThroughTheControl) {
  // The program's text is 8-bit Windows-1252: "José" and "Zoë" must come back byte for byte,
  // and a character the code page lacks must not lose the rest of the name.
  frame::EditBox box(0, 0, 120, 20, owner_.get(), 31, frame::Editing::kEditable,
                     frame::Lines::kSingle, 0, frame::Characters::kAny, 0, 0);
  box.SetText("Jos\xE9 Zo\xEB");
  EXPECT_EQ(box.GetAllText(), "Jos\xE9 Zo\xEB");
  EXPECT_EQ(std::wstring(frame::WideString("Jos\xE9 \x80").Get()), L"Jos\u00E9 \u20AC");

  SetWindowTextW(box.Window(), L"Ann\u0101 B");  // a macron: not in the code page
  std::string name = box.GetAllText();
  ASSERT_EQ(name.size(), 6u);
  EXPECT_EQ(name.substr(0, 3), "Ann");
  EXPECT_EQ(name.substr(4), " B");
}

}  // namespace
