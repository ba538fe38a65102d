// ElementList: every call reaches every element, in insertion order.
#include "frame/elements/screen_element.h"

namespace frame {

ElementList::~ElementList() {
  while (!elements_.empty()) elements_.pop_front();
}

bool ElementList::OnIdle() {
  bool any = false;
  for (auto& element : elements_) any = element->OnIdle() || any;
  return any;
}

void ElementList::Paint() {
  for (auto& element : elements_) element->Paint();
}

bool ElementList::OnStylusMove(int x, int y) {
  bool any = false;
  for (auto& element : elements_) any = element->OnStylusMove(x, y) || any;
  return any;
}

bool ElementList::OnStylusUp(int x, int y) {
  bool any = false;
  for (auto& element : elements_) any = element->OnStylusUp(x, y) || any;
  return any;
}

bool ElementList::OnStylusDown(int x, int y) {
  bool any = false;
  for (auto& element : elements_) any = element->OnStylusDown(x, y) || any;
  return any;
}

void ElementList::Disable() {
  for (auto& element : elements_) element->Disable();
}

void ElementList::Enable() {
  for (auto& element : elements_) element->Enable();
}

}  // namespace frame
