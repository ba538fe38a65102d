// MenuBar: creation through the shell, with the common controls initialised once.
#include "frame/form/menu_bar.h"

#include <aygshell.h>
#include <commctrl.h>

#include <cwchar>

#include "frame/form/process_state.h"

namespace frame {

namespace {

// The first menu bar of the process initialises the common controls.
bool CommonControlsReady = false;

}  // namespace

MenuBar::MenuBar(HWND owner, WORD menuId, InputPanelButton inputPanelButton) {
  if (!CommonControlsReady) {
    InitCommonControls();
    CommonControlsReady = true;
  }
  SHMENUBARINFO info{};
  info.cbSize = sizeof(info);
  info.hwndParent = owner;
  info.dwFlags = menuId == 0 ? SHCMBF_EMPTYBAR : 0;
  if (inputPanelButton == InputPanelButton::kHidden) info.dwFlags |= SHCMBF_HIDESIPBUTTON;
  info.nToolBarId = menuId;
  info.hInstRes = ProcessInstance;
  info.nBmpId = 0;
  info.cBmpImages = 0;
  if (!SHCreateMenuBar(&info)) {
    wchar_t caption[16];
    swprintf(caption, 16, L"%d", static_cast<int>(GetLastError()));
    MessageBoxW(owner, L"SHCreateMenuBar Failed", caption, MB_OK);
    return;
  }
  window_ = info.hwndMB;
  if (menuId != 0) {
    menu_ = reinterpret_cast<HMENU>(SendMessageW(window_, SHCMBM_GETMENU, 0, 0));
  }
}

MenuBar::~MenuBar() {
  if (window_ != nullptr) DestroyWindow(window_);
}

void MenuBar::CheckItem(UINT item, bool checked) {
  ::CheckMenuItem(menu_, item, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void MenuBar::CheckRadioItem(UINT item, UINT first, UINT last) {
  ::CheckMenuRadioItem(menu_, first, last, item, MF_BYCOMMAND);
}

}  // namespace frame
