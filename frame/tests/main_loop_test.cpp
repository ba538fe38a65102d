// The main loop on the headless clock: a waiting quit message, idle calls per empty queue,
// sleeping without an active form, and a quit message arriving inside a modal loop.
#include <gtest/gtest.h>

#include <functional>

#include "backend/headless.h"
#include "frame/app/application.h"
#include "frame/form/game_key.h"
#include "frame_test_support.h"
#include "recording_form.h"

using namespace frame_test;

namespace {

// An application whose Init is the test's, counting its idle calls in a log.
class ScriptedApplication : public frame::Application {
 public:
  explicit ScriptedApplication(std::function<void()> init) : init_(std::move(init)) {}
  void Init() override { init_(); }
  bool OnIdle() override {
    ++idleCalls;
    log.push_back("idle");
    return frame::Application::OnIdle();
  }
  int idleCalls = 0;
  Log log;

 private:
  std::function<void()> init_;
};

class MainLoop : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureRootWindow();
    Pump();
    clock_ = &platform::Headless();
  }
  void TearDown() override { DrainQueue(); }
  platform::HeadlessBackend* clock_ = nullptr;
};

TEST_F(MainLoop, AWaitingQuitMessageEndsItBeforeAnyIdleCall) {
  std::unique_ptr<RecordingForm> form;
  Log log;
  ScriptedApplication application([&] {
    form = std::make_unique<RecordingForm>("F", &log);
    PostQuitMessage(0);
  });
  EXPECT_EQ(application.Run(), 0);
  EXPECT_EQ(application.idleCalls, 0);
}

TEST_F(MainLoop, AFormThatDoesNotWantIdleGetsOneCallPerEmptyQueue) {
  Log log;
  std::unique_ptr<RecordingForm> form;
  ScriptedApplication application([&] {
    form = std::make_unique<RecordingForm>("F", &log, 0, 0, 240, 268);
    form->Show();
  });
  // Three taps, far apart, then the end.
  const uint32_t start = clock_->Now();
  clock_->Tap(100, 100, 100);
  clock_->Tap(100, 100, 100);
  clock_->Tap(100, 100, 100);
  clock_->Quit(100);
  application.Run();
  ASSERT_TRUE(form);
  EXPECT_EQ(RecordingForm::Only(log, {"F down"}).size(), 3u);
  // One idle call after start-up and at most one per stylus message: the loop slept between.
  EXPECT_LE(form->idleCalls, 1 + 6);
  EXPECT_GE(form->idleCalls, 3);
  EXPECT_GE(clock_->Now() - start, 400u);  // time passed by waiting, not by spinning
  form->Hide();
}

TEST_F(MainLoop, WithoutAnActiveFormTheLoopSleeps) {
  ScriptedApplication application([] {});
  clock_->Tap(10, 10, 1000);
  clock_->Quit(1000);
  application.Run();
  // Spinning would have made an idle call every millisecond of the two seconds.
  EXPECT_GE(application.idleCalls, 1);
  EXPECT_LE(application.idleCalls, 4);
}

TEST_F(MainLoop, AFormWantingIdleKeepsTheLoopSpinning) {
  Log log;
  std::unique_ptr<RecordingForm> form;
  ScriptedApplication application([&] {
    form = std::make_unique<RecordingForm>("F", &log);
    form->Show();
    form->onIdle = [&] {
      if (form->idleCalls == 50) PostQuitMessage(0);
      return true;
    };
  });
  application.Run();
  EXPECT_EQ(form->idleCalls, 50);
  form->Hide();
}

TEST_F(MainLoop, AQuitMessageDuringAModalLoopEndsBothLoops) {
  Log log;
  std::unique_ptr<RecordingForm> screen;
  std::unique_ptr<RecordingForm> dialog;
  int modalResult = 0;
  bool returned = false;
  ScriptedApplication application([&] {
    screen = std::make_unique<RecordingForm>("S", &log);
    dialog = std::make_unique<RecordingForm>("D", &log, 20, 20, 100, 100);
    screen->Show();
    screen->onCommand = [&](int) {
      modalResult = dialog->RunModal();
      returned = true;
    };
    dialog->onIdle = [&] {
      PostQuitMessage(3);
      return true;
    };
    PostMessageW(screen->Window(), WM_COMMAND, MAKEWPARAM(9, 0), 0);
  });
  EXPECT_EQ(application.Run(), 0);
  EXPECT_TRUE(returned);
  EXPECT_EQ(dialog->idleCalls, 1);
  EXPECT_TRUE(screen->IsEnabled());
  EXPECT_FALSE(IsWindowVisible(dialog->Window()));
  (void)modalResult;
}

TEST(BaseApplication, ShowsOneCaptionedFormAndCleansUp) {
  EnsureRootWindow();
  {
    frame::Application application;
    EXPECT_EQ(frame::TheApplication, &application);
    application.Init();
    frame::Form* form = application.DefaultForm();
    ASSERT_NE(form, nullptr);
    EXPECT_STREQ(form->Name(), "Form");
    EXPECT_TRUE(form->IsCaptioned());
    EXPECT_EQ(form->Width(), 160);
    EXPECT_TRUE(IsWindowVisible(form->Window()));
    Pump();
    EXPECT_EQ(frame::ActiveForm, form);
    EXPECT_FALSE(application.OnIdle());
    EXPECT_EQ(application.OnKey(frame::kGameKeyF1, 1), 0);
  }
  EXPECT_EQ(frame::TheApplication, nullptr);
  EXPECT_EQ(frame::ActiveForm, nullptr);
  DrainQueue();
}

}  // namespace
