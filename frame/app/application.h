// Application: the one object that owns the program's screens and runs the main loop; the
// base shows one plain captioned form, the game derives its own.
#pragma once

namespace frame {

class Form;

class Application {
 public:
  // Sets TheApplication; the destructor clears it.
  Application();
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The active form's OnIdle; false (sleep until the next message) without one.
  virtual bool OnIdle();
  virtual int OnKey(int key, int down);
  virtual int OnChar(int code);
  // Creates and shows the forms; called by Run before the first message.
  virtual void Init();

  // Init, then the main loop until a quit message arrives: messages are translated and
  // dispatched; whenever the queue is empty OnIdle runs, and false makes the loop wait for the
  // next message. Returns 0 (the quit message's exit code is not used).
  int Run();

  Form* DefaultForm() const { return defaultForm_; }

 private:
  Form* defaultForm_ = nullptr;
};

}  // namespace frame
