#include "screens/screens.h"
#include "media/programs.h"
#include "platform/fonts.h"
#include "app/page_titles.h"
#include <array>
