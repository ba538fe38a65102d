// WhiteForm has no behaviour of its own: it draws nothing over the window's white.
#include "screens/white_form.h"
