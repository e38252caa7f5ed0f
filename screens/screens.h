// The screens that are built, one module per screen source file.
#pragma once

#include "runtime/logic.h"

namespace nizam::screens {

extern const ScreenModule form1;
extern const ScreenModule form2;
extern const ScreenModule form3;
extern const ScreenModule form4;
extern const ScreenModule form22;
extern const ScreenModule form23;
extern const ScreenModule form37;
extern const ScreenModule form38;
extern const ScreenModule form39;
extern const ScreenModule form40;

}  // namespace nizam::screens
