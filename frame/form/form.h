// Form: a screen of the program, a popup window of class "VelaFormClass" that is also a drawing
// surface over its window; the shared window procedure turns messages into its operations.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "frame/controls/control_host.h"
#include "frame/surface/drawing_surface.h"

namespace frame {

class MenuBar;

// Whether a form's window has a caption bar.
enum class Caption { kCaptioned, kPlain };

class Form : public DrawingSurface, public ControlHost {
 public:
  // Forms sit 26 pixels below the given y, under the screen's top bar.
  static constexpr int kTopBarHeight = 26;

  // Registers the form in FormTable and creates its (hidden) window.
  Form(const char* name, int x, int y, int width, int height, Caption caption, WORD menuId);
  ~Form() override;

  // Shows the form, disables every other form and runs messages until the modal loop is ended
  // (EndModal or a closing control) or a quit message arrives, which is posted again.
  virtual int RunModal();
  // The area to repaint is in PaintRect() while OnPaint runs.
  virtual void OnPaint() {}
  virtual int OnStylusMove(int /*x*/, int /*y*/) { return 0; }
  virtual int OnStylusUp(int /*x*/, int /*y*/) { return 0; }
  virtual int OnStylusDown(int /*x*/, int /*y*/) { return 0; }
  virtual void OnShow() {}
  virtual void OnHide() {}
  virtual void OnActivate() {}
  virtual void OnDeactivate() {}
  virtual int OnCommand(int /*id*/) { return 0; }
  // key is a GameKey bit; down is 1 for a press and 0 for a release.
  virtual int OnKey(int /*key*/, int /*down*/) { return 0; }
  virtual int OnChar(int /*code*/) { return 0; }
  // True asks the message loop to call again without sleeping.
  virtual bool OnIdle() { return false; }
  virtual void CreateFormWindow(const char* className, const char* name, int x, int y, int width,
                                int height);

  void Show();
  void Hide();
  bool IsEnabled() const;
  // Enables or disables the window's input; returns the system's last error code.
  DWORD Enable(bool enable);

  // Null for a negative index or one at or past the number of controls.
  UIControl* GetControl(int index) const;
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  HWND ControlParent() const override { return Window(); }
  void AddControl(UIControl* control) override;
  // Called by a control that is deleted before its form.
  void RemoveControl(UIControl* control) override;

  void SetMenu(WORD menuId);
  MenuBar* GetMenuBar() const { return menuBar_.get(); }
  void CheckMenuItem(UINT item, bool checked);
  void CheckMenuRadioItem(UINT item, UINT first, UINT last);

  void EndModal(int result) {
    modalResult_ = result;
    endModal_ = true;
  }
  int ModalResult() const { return modalResult_; }
  bool IsActive() const { return active_; }
  bool IsCaptioned() const { return captioned_; }
  bool IsStylusDown() const { return stylusDown_; }
  const char* Name() const { return name_; }
  const Rect& PaintRect() const { return paintRect_; }
  int TableIndex() const { return tableIndex_; }
  void SetTableIndex(int index) { tableIndex_ = index; }

  // The window procedure of "VelaFormClass".
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void ActivationStep(WORD state);
  void CancelModeStep();
  void CommandStep(WPARAM wParam, LPARAM lParam);
  LRESULT ControlColour(WPARAM wParam, LPARAM lParam, UINT message);
  void KeyStep(int key, int down);
  UIControl* FindControl(HWND window) const;
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

  int tableIndex_ = -1;
  WORD menuId_;
  bool active_ = false;
  bool captioned_;
  std::vector<UIControl*> controls_;
  Rect paintRect_;
  int modalResult_ = 0;
  bool endModal_ = false;
  bool stylusDown_ = false;
  const char* name_;
  HWND previousActiveWindow_ = nullptr;
  std::unique_ptr<MenuBar> menuBar_;
  bool reactivatePending_ = false;
};

}  // namespace frame
