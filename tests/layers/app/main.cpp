#include "app/navigator.h"
#include "platform/window.h"
#include "screens/screens.h"
