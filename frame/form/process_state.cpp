// The frame's process-wide state and the form table.
#include "frame/form/process_state.h"

#include "frame/form/form.h"

namespace frame {

HWND RootWindow = nullptr;
Application* TheApplication = nullptr;
int (*ApplicationKeyHandler)(Application& application, int key, int down) = nullptr;
Form* ActiveForm = nullptr;
Form* FormUnderConstruction = nullptr;
FormTableSlots FormTable;

int FormTableSlots::Add(Form* form) {
  if (count_ >= kCapacity) return -1;
  forms_[count_] = form;
  return count_++;
}

void FormTableSlots::Remove(int index) {
  if (index < 0 || index >= count_) return;
  const int last = count_ - 1;
  forms_[index] = forms_[last];
  forms_[last] = nullptr;
  count_ = last;
  if (index < count_) forms_[index]->SetTableIndex(index);
}

Form* FormTableSlots::Find(HWND window) const {
  if (window == nullptr) return nullptr;
  for (int i = 0; i < count_; ++i) {
    if (forms_[i]->Window() == window) return forms_[i];
  }
  return nullptr;
}

}  // namespace frame
