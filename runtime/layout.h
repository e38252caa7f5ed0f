// SPDX-License-Identifier: GPL-3.0-or-later
// Where a page lies in the window: the part of the design canvas it shows
// and the scale it is shown at.
#pragma once

#include "runtime/model.h"

namespace nizam {

// The part of the design canvas a page shows, in twips.
Rect contentBand(const ScreenDef& d);

// The scale from design pixels to window pixels at which a page is shown in
// a window of the given size (window pixels).
double pageScale(const ScreenDef& d, double windowWidth, double windowHeight);

}  // namespace nizam
