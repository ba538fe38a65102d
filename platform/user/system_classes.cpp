// Registers the layer's own window classes once.
#include "user/system_classes.h"

#include "user/chrome_hooks.h"

namespace platform::user {

void RegisterSystemClasses() {
  RegisterEditClass();
  RegisterMessageBoxClass();
  RegisterPluggedClasses();
}

}  // namespace platform::user
