// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/layout.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace nizam {

namespace {

struct Box {
    Twips left, top, right, bottom;
    bool empty() const { return right <= left || bottom <= top; }
};

Box boxOf(const Rect& r) { return {r.left, r.top, r.left + r.width, r.top + r.height}; }

Box clipped(Box b, const ScreenDef& d) {
    return {std::max(b.left, 0), std::max(b.top, 0), std::min(b.right, d.clientWidth), std::min(b.bottom, d.clientHeight)};
}

}  // namespace

Shown shownRect(const ControlDef& c) {
    switch (c.kind) {
        case Kind::Timer: return {};
        case Kind::Line:
            return {true, Rect{std::min(c.x1, c.x2), std::min(c.y1, c.y2), std::max(c.x1, c.x2) - std::min(c.x1, c.x2),
                               std::max(c.y1, c.y2) - std::min(c.y1, c.y2)}};
        case Kind::Image:
            if (!c.picture) return {};
            if (c.stretch) return {true, c.rect};
            return {true, Rect{c.rect.left, c.rect.top, c.picture->width * kTwipsPerPixel,
                               c.picture->height * kTwipsPerPixel}};
        default: return {true, c.rect};
    }
}

Rect contentBand(const ScreenDef& d) {
    // The page picture (the largest picture of the page) with the margin
    // around it, then whatever else of the page shows beyond that. Hidden
    // controls count: a verdict figure or a player hidden at first is on
    // show later, and the page must not grow or shrink when it shows. What a
    // page shows within the margin (a tick beside the picture, a highlight a
    // pixel past its edge) leaves the band as it is, so the pages laid out
    // on one page picture keep one band. What lies wholly off the client area
    // (a control parked off-page) is never seen and does not count.
    std::vector<Box> shown;
    std::optional<Box> picture;  // the largest picture seen
    long long pictureArea = 0;
    for (const ControlDef& c : d.controls) {
        const Shown s = shownRect(c);
        if (!s.any) continue;
        Box b = boxOf(s.rect);
        // A line has no area but is seen: give it one twip of each.
        if (c.kind == Kind::Line) b = {b.left, b.top, b.right + 1, b.bottom + 1};
        b = clipped(b, d);
        if (b.empty()) continue;
        shown.push_back(b);
        const long long area = static_cast<long long>(b.right - b.left) * (b.bottom - b.top);
        if (c.kind == Kind::Image && area > pictureArea) {
            picture = b;
            pictureArea = area;
        }
    }
    if (shown.empty()) return Rect{0, 0, d.clientWidth, d.clientHeight};
    auto join = [](const Box& a, const Box& b) {
        return Box{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
    };
    constexpr Twips m = kBandMargin * kTwipsPerPixel;
    auto grown = [&](const Box& b) { return Box{b.left - m, b.top - m, b.right + m, b.bottom + m}; };
    Box band;
    if (picture) {
        band = grown(*picture);
        for (const Box& b : shown) band = join(band, b);
    } else {
        band = shown.front();
        for (const Box& b : shown) band = join(band, b);
        band = grown(band);
    }
    band = clipped(band, d);
    return Rect{band.left, band.top, band.right - band.left, band.bottom - band.top};
}

double pageScale(const ScreenDef& d, double windowWidth, double windowHeight) {
    const Rect band = contentBand(d);
    const double w = double(band.width) / kTwipsPerPixel, h = double(band.height) / kTwipsPerPixel;
    if (w <= 0 || h <= 0 || windowWidth <= 0 || windowHeight <= 0) return 1.0;
    return std::min(windowWidth / w, windowHeight / h);
}

}  // namespace nizam
