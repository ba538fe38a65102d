// Registers the layer's own window classes once.
#include "user/system_classes.h"

namespace platform::user {

void RegisterSystemClasses() {
  RegisterEditClass();
  RegisterMessageBoxClass();
  shell::RegisterMenuBarClass();
  device::RegisterTopBarClass();
  device::RegisterInputPanelClass();
}

}  // namespace platform::user
