#include "media/play.h"
#include "runtime/screen.h"
#include "screens/screens.h"
#include <unistd.h>
