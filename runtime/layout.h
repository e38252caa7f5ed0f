// SPDX-License-Identifier: GPL-3.0-or-later
// Where a page lies in the window. The window does not show the whole design
// canvas: it shows the page's content band, the part of the canvas where the
// page has something to see, scaled to fill the window with its proportions
// kept and centred. The band and its scale are sums on the page's design
// alone, so the pages that share one layout (the exercise pages share one
// page picture) share one band size and one scale, and going from one to the
// next does not make the page jump.
#pragma once

#include "runtime/model.h"

namespace nizam {

// The margin of design canvas kept around a page's content, in design pixels:
// enough of the form itself, outside the page picture, to move the pointer
// over it (a page may answer that move, as the reminder of the ranking page
// hides when the pointer reaches the margin).
constexpr int kBandMargin = 16;

// The part of the design canvas a page shows, in twips.
Rect contentBand(const ScreenDef& d);
// Design pixels to window pixels for page `d` shown in a window of
// windowWidth x windowHeight pixels.
double pageScale(const ScreenDef& d, double windowWidth, double windowHeight);

// The rectangle of the canvas a control can show at some moment, in twips:
// a picture at its picture's size (at its own rectangle when stretched), a
// line its end points' box, any other control its rectangle. Nothing for a
// timer, nor for an image with no picture of its own (a hot-spot, or a drop
// target, which lies on the slot the page picture draws for it).
struct Shown {
    bool any = false;
    Rect rect;
};
Shown shownRect(const ControlDef& c);

}  // namespace nizam
