#include <QWidget>
#include "platform/window.h"
#include "runtime/course.h"
#include "app/navigator.h"
#include "screens/screens.h"
