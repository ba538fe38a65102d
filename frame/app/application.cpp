// Application: the base behaviour and the main loop.
#include "frame/app/application.h"

#include <windows.h>

#include "frame/form/form.h"
#include "frame/form/process_state.h"

namespace frame {

Application::Application() {
  ApplicationKeyHandler = [](Application& application, int key, int down) {
    return application.OnKey(key, down);
  };
  TheApplication = this;
}

Application::~Application() {
  if (defaultForm_ != nullptr) {
    defaultForm_->Hide();
    delete defaultForm_;
    defaultForm_ = nullptr;
  }
  TheApplication = nullptr;
}

bool Application::OnIdle() {
  return ActiveForm != nullptr && ActiveForm->OnIdle();
}

int Application::OnKey(int key, int down) {
  return ActiveForm != nullptr ? ActiveForm->OnKey(key, down) : 0;
}

int Application::OnChar(int code) {
  return ActiveForm != nullptr ? ActiveForm->OnChar(code) : 0;
}

void Application::Init() {
  defaultForm_ = new Form("Form", 0, 0, 160, 160, Caption::kCaptioned, 0);
  defaultForm_->Show();
}

int Application::Run() {
  Init();
  MSG message{};
  bool obtained = PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE;
  while (!(obtained && message.message == WM_QUIT)) {
    if (obtained) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
      obtained = PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE;
    } else if (OnIdle()) {
      obtained = PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE;
    } else {
      // Blocks, so the handheld's processor can sleep on static screens.
      obtained = GetMessageW(&message, nullptr, 0, 0) != -1;
    }
  }
  return 0;
}

}  // namespace frame
