// The screens that are built, one module per screen source file.
#pragma once

#include "runtime/logic.h"

namespace nizam::screens {

extern const ScreenModule form1;
extern const ScreenModule form2;

}  // namespace nizam::screens
