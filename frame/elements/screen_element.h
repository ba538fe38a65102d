// ScreenElement: one thing a screen draws and hands stylus and idle events to; ElementList:
// the screen's owned elements, called in insertion order.
#pragma once

#include <list>
#include <memory>

namespace frame {

class ScreenElement {
 public:
  virtual ~ScreenElement() = default;
  // True asks the message loop to call again without sleeping.
  virtual bool OnIdle() { return false; }
  virtual void Paint() {}
  virtual bool OnStylusMove(int /*x*/, int /*y*/) { return false; }
  virtual bool OnStylusUp(int /*x*/, int /*y*/) { return false; }
  virtual bool OnStylusDown(int /*x*/, int /*y*/) { return false; }
  virtual void Disable() {}
  virtual void Enable() {}
};

// Forwards every operation to every element in order, never stopping early; the boolean
// operations return true when at least one element did. Owns its elements.
class ElementList : public ScreenElement {
 public:
  ElementList() = default;
  ~ElementList() override;
  ElementList(const ElementList&) = delete;
  ElementList& operator=(const ElementList&) = delete;

  // Appends and takes ownership; returns the element for the caller's convenience.
  template <typename T>
  T* Add(std::unique_ptr<T> element) {
    T* raw = element.get();
    elements_.push_back(std::move(element));
    return raw;
  }
  void Add(ScreenElement* element) { elements_.emplace_back(element); }

  bool OnIdle() override;
  void Paint() override;
  bool OnStylusMove(int x, int y) override;
  bool OnStylusUp(int x, int y) override;
  bool OnStylusDown(int x, int y) override;
  void Disable() override;
  void Enable() override;

  auto begin() const { return elements_.begin(); }
  auto end() const { return elements_.end(); }
  size_t Count() const { return elements_.size(); }

 private:
  std::list<std::unique_ptr<ScreenElement>> elements_;
};

}  // namespace frame
