// ControlHost: the window a control lives on (a form). A control registers itself with its host
// when it is created and leaves when it is deleted first; the host routes commands and colours.
#pragma once

#include <windows.h>

namespace frame {

class UIControl;

class ControlHost {
 public:
  // The parent window of the host's controls.
  virtual HWND ControlParent() const = 0;
  virtual void AddControl(UIControl* control) = 0;
  // Called by a control that is deleted before its host.
  virtual void RemoveControl(UIControl* control) = 0;

 protected:
  ControlHost() = default;
  ControlHost(const ControlHost&) = default;
  ControlHost& operator=(const ControlHost&) = default;
  ~ControlHost() = default;
};

}  // namespace frame
