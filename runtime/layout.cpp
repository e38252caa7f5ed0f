// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/layout.h"

#include <algorithm>

namespace nizam {

namespace {
// The design canvas: the largest client area of any page.
constexpr Twips kCanvasWidth = 15360;
constexpr Twips kCanvasHeight = 11520;
}  // namespace

Rect contentBand(const ScreenDef&) { return Rect{0, 0, kCanvasWidth, kCanvasHeight}; }

double pageScale(const ScreenDef& d, double windowWidth, double windowHeight) {
    const Rect band = contentBand(d);
    const double width = double(band.width) / kTwipsPerPixel, height = double(band.height) / kTwipsPerPixel;
    return std::min(windowWidth / width, windowHeight / height);
}

}  // namespace nizam
