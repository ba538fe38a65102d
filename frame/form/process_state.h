// The frame's process-wide state: the instance (frame/base), the root window, the application,
// the active form, the table of live forms and the form whose window is being created.
#pragma once

#include <windows.h>

#include <array>

#include "frame/base/process_instance.h"

namespace frame {

class Application;
class Form;

extern HWND RootWindow;
extern Application* TheApplication;
// How a form hands a key to TheApplication, whose class lives above the forms: Application's
// constructor sets it.
extern int (*ApplicationKeyHandler)(Application& application, int key, int down);
extern Form* ActiveForm;
extern Form* FormUnderConstruction;

// Every live form, found by its window with a linear search. A form leaving the table hands
// its slot to the last form, so the others stay findable.
class FormTableSlots {
 public:
  static constexpr int kCapacity = 24;

  // Registers a form and returns its index; -1 when all slots are taken.
  int Add(Form* form);
  // Removes the form at index: the last form moves into the slot and learns its new index.
  void Remove(int index);
  Form* Find(HWND window) const;
  Form* At(int index) const { return index >= 0 && index < count_ ? forms_[index] : nullptr; }
  int Count() const { return count_; }

 private:
  std::array<Form*, kCapacity> forms_{};
  int count_ = 0;
};

extern FormTableSlots FormTable;

}  // namespace frame
