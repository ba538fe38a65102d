// Form::RunModal: the modal message loop.
#include "frame/form/form.h"
#include "frame/form/process_state.h"

namespace frame {

namespace {

void EnableOtherForms(const Form* self, bool enable) {
  for (int i = 0; i < FormTable.Count(); ++i) {
    Form* other = FormTable.At(i);
    if (other != self) EnableWindow(other->Window(), enable ? TRUE : FALSE);
  }
}

}  // namespace

int Form::RunModal() {
  endModal_ = false;
  HWND previousActive = GetActiveWindow();
  EnableOtherForms(this, false);
  Show();

  MSG message{};
  bool obtained = PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE;
  bool quit = false;
  while (true) {
    if (obtained && message.message == WM_QUIT) {
      quit = true;
      break;
    }
    if (obtained) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
      // Leave before taking another message off the queue, so none is lost.
      if (endModal_) break;
      obtained = PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE;
    } else if (OnIdle()) {
      if (endModal_) break;
      obtained = PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE;
    } else {
      if (endModal_) break;
      obtained = GetMessageW(&message, nullptr, 0, 0) != -1;
    }
  }

  EnableOtherForms(this, true);
  Hide();
  SetActiveWindow(previousActive);
  // The main loop must see the quit message too.
  if (quit) PostQuitMessage(static_cast<int>(message.wParam));
  return modalResult_;
}

}  // namespace frame
