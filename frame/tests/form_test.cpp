// The form window procedure as message sequences: activation, stylus and capture, commands and
// closing controls, the modal loop, the form table and placement.
#include <gtest/gtest.h>

#include <memory>

#include "backend/headless.h"
#include "frame/app/application.h"
#include "frame/controls/edit_box.h"
#include "frame/form/element_form.h"
#include "frame/form/game_key.h"
#include "frame/form/menu_bar.h"
#include "frame_test_support.h"
#include "recording_form.h"

using namespace frame_test;

namespace {

class FormWindowProcedure : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureRootWindow();
    Pump();
  }
  void TearDown() override { DrainQueue(); }
  Log log_;
};

TEST_F(FormWindowProcedure, ActivationIsFollowedByDeactivationUntilTheNextMessage) {
  RecordingForm form("F", &log_);
  SendMessageW(form.Window(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(log_, (Log{"F activate [active]", "F deactivate"}));
  EXPECT_EQ(frame::ActiveForm, nullptr);
  EXPECT_FALSE(form.IsActive());

  SendMessageW(form.Window(), WM_NULL, 0, 0);  // any message of the form
  EXPECT_EQ(log_, (Log{"F activate [active]", "F deactivate", "F activate [active]"}));
  EXPECT_EQ(frame::ActiveForm, &form);

  // Deactivation clears the active form, then the cancel-mode step finds nothing to undo.
  log_.clear();
  SendMessageW(form.Window(), WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_EQ(log_, (Log{"F deactivate"}));
  EXPECT_EQ(frame::ActiveForm, nullptr);
}

TEST_F(FormWindowProcedure, ShowingAFormActivatesItOnceMoreAfterTheCancelModeStep) {
  RecordingForm form("F", &log_);
  form.Show();
  Pump();
  Log activation = RecordingForm::Only(log_, {"F activate", "F deactivate"});
  ASSERT_GE(activation.size(), 3u);
  EXPECT_EQ(Log(activation.begin(), activation.begin() + 3),
            (Log{"F activate [active]", "F deactivate", "F activate [active]"}));
  EXPECT_EQ(frame::ActiveForm, &form);
  form.Hide();
}

TEST_F(FormWindowProcedure, StylusMovesCountOnlyBetweenDownAndUp) {
  RecordingForm form("F", &log_);
  HWND window = form.Window();
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 6));  // no down yet: ignored
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 20));
  EXPECT_EQ(GetCapture(), window);
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-3, 25));  // signed coordinates
  SendMessageW(window, WM_CAPTURECHANGED, 0, 0);
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(12, 22));  // capture lost: ignored
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 2));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(3, 4));
  EXPECT_NE(GetCapture(), window);
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(7, 8));  // after the up: ignored
  EXPECT_EQ(log_, (Log{"F down 10,20", "F move -3,25", "F down 1,2", "F up 3,4"}));
  EXPECT_FALSE(form.IsStylusDown());
}

TEST_F(FormWindowProcedure, EraseBackgroundOnlyForCaptionedForms) {
  RecordingForm plain("P", &log_);
  RecordingForm captioned("C", &log_, 0, 0, 100, 100, frame::Caption::kCaptioned);
  HDC dc = GetDC(plain.Window());
  EXPECT_EQ(SendMessageW(plain.Window(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  ReleaseDC(plain.Window(), dc);
  EXPECT_TRUE(captioned.IsCaptioned());
  EXPECT_NE(GetWindowLongW(captioned.Window(), GWL_STYLE) & WS_CAPTION, 0);
  EXPECT_EQ(GetWindowLongW(plain.Window(), GWL_STYLE) & WS_CAPTION, 0);
}

TEST_F(FormWindowProcedure, FormsSitTwentySixPixelsBelowTheirY) {
  RecordingForm form("F", &log_, 7, 0, 100, 50);
  RECT area;
  GetWindowRect(form.Window(), &area);
  EXPECT_EQ(area.left, 7);
  EXPECT_EQ(area.top, 26);
  EXPECT_EQ(area.bottom - area.top, 50);
  EXPECT_EQ(GetParent(form.Window()), frame::RootWindow);
}

TEST_F(FormWindowProcedure, DeletingAFormFromTheMiddleOfTheTableKeepsTheOthersFindable) {
  const int before = frame::FormTable.Count();
  auto first = std::make_unique<RecordingForm>("A", &log_);
  auto middle = std::make_unique<RecordingForm>("B", &log_);
  auto last = std::make_unique<RecordingForm>("C", &log_);
  EXPECT_EQ(frame::FormTable.Count(), before + 3);
  middle.reset();
  EXPECT_EQ(frame::FormTable.Count(), before + 2);
  EXPECT_EQ(last->TableIndex(), before + 1);  // moved into the freed slot
  EXPECT_EQ(frame::FormTable.Find(last->Window()), last.get());
  EXPECT_EQ(frame::FormTable.Find(first->Window()), first.get());
  log_.clear();
  SendMessageW(last->Window(), WM_CHAR, 'x', 0);
  SendMessageW(first->Window(), WM_CHAR, 'y', 0);
  EXPECT_EQ(log_, (Log{"C char 120", "A char 121"}));
}

TEST_F(FormWindowProcedure, CommandsGoToTheirControlOrToTheForm) {
  RecordingForm form("F", &log_);
  frame::EditBox box(0, 0, 50, 20, &form, 11, frame::Editing::kEditable, frame::Lines::kSingle, 0,
                     frame::Characters::kAny, RGB(1, 2, 3), RGB(4, 5, 6));
  ASSERT_EQ(form.GetControl(0), &box);
  EXPECT_EQ(form.GetControl(1), nullptr);
  EXPECT_EQ(form.GetControl(-1), nullptr);

  SendMessageW(form.Window(), WM_COMMAND, MAKEWPARAM(42, 0), 0);  // a menu item
  SendMessageW(form.Window(), WM_COMMAND, MAKEWPARAM(43, 1), 0);  // an accelerator
  SendMessageW(form.Window(), WM_COMMAND, MAKEWPARAM(44, 5), 0);  // another notification
  SendMessageW(form.Window(), WM_COMMAND, MAKEWPARAM(0, 0),
               reinterpret_cast<LPARAM>(box.Window()));  // claimed by the control
  EXPECT_EQ(log_, (Log{"F command 42", "F command 43"}));

  // Colour requests of the control get its colours and brush.
  HDC dc = GetDC(form.Window());
  LRESULT brush = SendMessageW(form.Window(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(box.Window()));
  EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), box.BackgroundBrush());
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
  EXPECT_EQ(GetBkColor(dc), RGB(4, 5, 6));
  ReleaseDC(form.Window(), dc);
}

TEST_F(FormWindowProcedure, MappedKeysReachTheActiveFormThroughTheApplication) {
  frame::Application application;
  RecordingForm receiver("R", &log_);
  RecordingForm active("A", &log_);
  SendMessageW(active.Window(), WM_ACTIVATE, WA_ACTIVE, 0);
  SendMessageW(active.Window(), WM_NULL, 0, 0);
  log_.clear();
  EXPECT_EQ(SendMessageW(receiver.Window(), WM_KEYDOWN, VK_LEFT, 0), 0);
  SendMessageW(receiver.Window(), WM_KEYUP, VK_F2, 0);
  SendMessageW(receiver.Window(), WM_KEYDOWN, 'Q', 0);  // not a game key
  EXPECT_EQ(log_, (Log{"A key 64 down [active]", "A key 2 up [active]"}));
  EXPECT_EQ(frame::GameKeyFromVirtualKey(VK_RIGHT), frame::kGameKeyRight);
  EXPECT_EQ(frame::VirtualKeyFromGameKey(frame::kGameKeyF4), VK_F4);
  EXPECT_FALSE(frame::IsGameKeyHeld(0x100));

  // The held state follows the hardware key.
  auto& device = platform::Headless();
  device.KeyDown(VK_UP, 1);
  for (int i = 0; i < 20 && !frame::IsGameKeyHeld(frame::kGameKeyUp); ++i) Pump();
  EXPECT_TRUE(frame::IsGameKeyHeld(frame::kGameKeyUp));
  EXPECT_FALSE(frame::IsGameKeyHeld(frame::kGameKeyDown));
  device.KeyUp(VK_UP, 1);
  for (int i = 0; i < 20 && frame::IsGameKeyHeld(frame::kGameKeyUp); ++i) Pump();
  EXPECT_FALSE(frame::IsGameKeyHeld(frame::kGameKeyUp));
}

TEST_F(FormWindowProcedure, AClosingControlEndsTheModalLoopWithItsId) {
  RecordingForm other("O", &log_);
  RecordingForm dialog("D", &log_);
  frame::EditBox box(0, 0, 50, 20, &dialog, 11, frame::Editing::kEditable, frame::Lines::kSingle, 0,
                     frame::Characters::kAny, 0, 0);
  box.SetClosesForm(true);
  PostMessageW(dialog.Window(), WM_COMMAND, MAKEWPARAM(0, 0),
               reinterpret_cast<LPARAM>(box.Window()));
  bool otherDisabled = false;
  dialog.onIdle = [&] {
    otherDisabled = !other.IsEnabled();
    return false;
  };
  EXPECT_EQ(dialog.RunModal(), box.Id());
  EXPECT_TRUE(other.IsEnabled());
  EXPECT_FALSE(IsWindowVisible(dialog.Window()));
}

TEST_F(FormWindowProcedure, AQuitMessageEndsTheModalLoopAndIsPostedAgain) {
  RecordingForm other("O", &log_);
  RecordingForm dialog("D", &log_);
  dialog.onIdle = [&] {
    PostQuitMessage(7);
    return true;
  };
  dialog.RunModal();
  EXPECT_TRUE(other.IsEnabled());
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);
}

TEST_F(FormWindowProcedure, DestroyingTheWindowDuringTheModalLoopGivesMinusOne) {
  RecordingForm dialog("D", &log_);
  dialog.onIdle = [&] {
    SendMessageW(dialog.Window(), WM_DESTROY, 0, 0);
    dialog.onIdle = [&] {
      if (dialog.ModalResult() == -1) dialog.EndModal(dialog.ModalResult());
      return true;
    };
    return true;
  };
  EXPECT_EQ(dialog.RunModal(), -1);
}

TEST_F(FormWindowProcedure, TheTableRefusesAForm25) {
  EXPECT_EXIT(
      {
        std::vector<std::unique_ptr<RecordingForm>> forms;
        Log log;
        while (true) forms.push_back(std::make_unique<RecordingForm>("N", &log));
      },
      ::testing::ExitedWithCode(255), "Too many forms");
}

TEST(ElementFormTest, HandsPaintStylusAndIdleToItsElements) {
  EnsureRootWindow();
  struct Probe : frame::ScreenElement {
    explicit Probe(Log* log) : log(log) {}
    bool OnIdle() override { return log->push_back("idle"), true; }
    void Paint() override { log->push_back("paint"); }
    bool OnStylusDown(int x, int y) override {
      return log->push_back("down " + std::to_string(x) + "," + std::to_string(y)), true;
    }
    Log* log;
  };
  Log log;
  frame::ElementForm form("E", 0, 0, 100, 100, frame::Caption::kPlain, 0);
  form.Elements().Add(std::make_unique<Probe>(&log));
  form.Show();  // painted at once
  EXPECT_TRUE(form.OnIdle());
  SendMessageW(form.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 5));
  SendMessageW(form.Window(), WM_LBUTTONUP, 0, MAKELPARAM(4, 5));
  EXPECT_EQ(log, (Log{"paint", "idle", "down 4,5"}));
  form.Hide();
  DrainQueue();
}

TEST(FormMenuBar, AnEmptyBarIsMadeAndAFailedOneIsReportedAndSkipped) {
  EnsureRootWindow();
  Log log;
  {
    RecordingForm plain("P", &log);
    ASSERT_NE(plain.GetMenuBar(), nullptr);
    EXPECT_NE(plain.GetMenuBar()->Window(), nullptr);
  }
  ::testing::internal::CaptureStderr();
  {
    // No tool-bar resource 123 exists: the box names the failure and the error code.
    frame::Form withMenu("M", 0, 0, 100, 100, frame::Caption::kPlain, 123);
    ASSERT_NE(withMenu.GetMenuBar(), nullptr);
    EXPECT_EQ(withMenu.GetMenuBar()->Window(), nullptr);
    withMenu.CheckMenuItem(5, true);  // nothing to check, nothing breaks
  }
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(errors.find("SHCreateMenuBar Failed"), std::string::npos) << errors;
  EXPECT_NE(errors.find(std::to_string(ERROR_RESOURCE_NAME_NOT_FOUND)), std::string::npos);
  DrainQueue();
}

TEST(FormStylusInput, ScriptedTapsArriveInClientCoordinatesWithCapture) {
  EnsureRootWindow();
  auto& device = platform::Headless();
  Log log;
  {
    RecordingForm form("T", &log, 10, 0, 200, 200);
    form.Show();
    DrainQueue();
    log.clear();
    // Screen (60, 76) is client (50, 50): the form sits at x 10 and 26 pixels down.
    device.StylusDown(60, 76, 5);
    device.StylusMove(300, 400, 5);  // dragged off the form: still captured
    device.StylusUp(70, 86, 5);
    for (int i = 0; i < 200 && RecordingForm::Only(log, {"T up"}).empty(); ++i) Pump();
    Log stylus = RecordingForm::Only(log, {"T down", "T move", "T up"});
    ASSERT_EQ(stylus.size(), 3u) << ::testing::PrintToString(log);
    EXPECT_EQ(stylus[0].rfind("T down 50,50", 0), 0u);
    EXPECT_EQ(stylus[1].rfind("T move ", 0), 0u);
    EXPECT_EQ(stylus[2].rfind("T up 60,60", 0), 0u);
    form.Hide();
  }
  DrainQueue();
}

}  // namespace
