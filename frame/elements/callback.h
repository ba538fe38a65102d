// Callback: how a button tells its screen it was clicked; MemberCallback calls one operation
// of one screen object.
#pragma once

namespace frame {

class Callback {
 public:
  virtual ~Callback() = default;
  virtual void Invoke(int x, int y) = 0;
};

template <typename Screen>
class MemberCallback : public Callback {
 public:
  using Operation = void (Screen::*)(int x, int y);
  MemberCallback(Screen* screen, Operation operation) : screen_(screen), operation_(operation) {}
  void Invoke(int x, int y) override { (screen_->*operation_)(x, y); }

 private:
  Screen* screen_;
  Operation operation_;
};

}  // namespace frame
