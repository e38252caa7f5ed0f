// SPDX-License-Identifier: GPL-3.0-or-later
// The screens that are built, one module per screen source file.
#pragma once

#include "screens/page.h"

namespace nizam::screens {

extern const ScreenModule form1;
extern const ScreenModule form2;
extern const ScreenModule form3;
extern const ScreenModule form4;
extern const ScreenModule form5;
extern const ScreenModule form6;
extern const ScreenModule form7;
extern const ScreenModule form8;
extern const ScreenModule form9;
extern const ScreenModule form10;
extern const ScreenModule form11;
extern const ScreenModule form12;
extern const ScreenModule form13;
extern const ScreenModule form14;
extern const ScreenModule form15;
extern const ScreenModule form16;
extern const ScreenModule form17;
extern const ScreenModule form18;
extern const ScreenModule form19;
extern const ScreenModule form20;
extern const ScreenModule form21;
extern const ScreenModule form22;
extern const ScreenModule form23;
extern const ScreenModule form24;
extern const ScreenModule form25;
extern const ScreenModule form26;
extern const ScreenModule form27;
extern const ScreenModule form28;
extern const ScreenModule form29;
extern const ScreenModule form30;
extern const ScreenModule form31;
extern const ScreenModule form32;
extern const ScreenModule form33;
extern const ScreenModule form34;
extern const ScreenModule form35;
extern const ScreenModule form36;
extern const ScreenModule form37;
extern const ScreenModule form38;
extern const ScreenModule form39;
extern const ScreenModule form40;
extern const ScreenModule form41;

}  // namespace nizam::screens
