// MenuBar: the shell's menu bar of a form (empty, or built from a tool-bar resource), with
// check marks on its menu items.
#pragma once

#include <windows.h>

namespace frame {

// Whether the bar shows the button that opens the input panel.
enum class InputPanelButton { kShown, kHidden };

class MenuBar {
 public:
  // A failure is shown in a message box and the form goes on without a bar.
  MenuBar(HWND owner, WORD menuId, InputPanelButton inputPanelButton);
  ~MenuBar();
  MenuBar(const MenuBar&) = delete;
  MenuBar& operator=(const MenuBar&) = delete;

  HWND Window() const { return window_; }
  HMENU Menu() const { return menu_; }
  void CheckItem(UINT item, bool checked);
  void CheckRadioItem(UINT item, UINT first, UINT last);

 private:
  HWND window_ = nullptr;
  HMENU menu_ = nullptr;
};

}  // namespace frame
