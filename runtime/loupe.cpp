// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/loupe.h"

#include <algorithm>

#include "runtime/screen.h"

namespace nizam {

bool isWordLabel(const Screen& screen, ControlId id) {
    if (id < 0 || id >= screen.controlCount()) return false;
    const ControlDef& c = screen.control(id);
    const ControlState& s = screen.state(id);
    return c.kind == Kind::Image && c.dragMode == 1 && s.visible && !s.picture.empty();
}

std::optional<int> Loupe::over(std::optional<ControlId> label) {
    if (label == label_) return std::nullopt;
    label_ = label;
    rested_ = 0;
    shown_ = false;
    if (!label_) return std::nullopt;
    return kLoupeRestMs;
}

std::optional<int> Loupe::elapse(int ms) {
    if (!label_ || shown_ || ms <= 0) return std::nullopt;
    rested_ = std::min(kLoupeRestMs, rested_ + ms);
    if (rested_ >= kLoupeRestMs) {
        shown_ = true;
        return std::nullopt;
    }
    return kLoupeRestMs - rested_;
}

LoupePlacement placeLoupe(const LoupeBox& label, double w, double h, double windowWidth, double windowHeight,
                          double gap, double margin) {
    LoupePlacement out;
    const double above = label.y - gap - h;
    const double below = label.y + label.height + gap;
    if (above >= margin) {
        out.bubble.y = above;
    } else if (below + h <= windowHeight - margin) {
        out.bubble.y = below;
        out.below = true;
    } else {
        // No room on either side: the side with more room, kept inside the window.
        out.below = windowHeight - (label.y + label.height) > label.y;
        out.bubble.y = out.below ? std::min(below, windowHeight - margin - h) : std::max(above, margin);
    }
    const double centre = label.x + label.width / 2;
    double x = centre - w / 2;
    x = std::min(x, windowWidth - margin - w);
    x = std::max(x, margin);
    out.bubble.x = x;
    out.bubble.width = w;
    out.bubble.height = h;
    // The pointer aims at the label's centre, kept on the bubble's edge.
    out.pointerX = std::clamp(centre, x + std::min(12.0, w / 2), x + w - std::min(12.0, w / 2));
    return out;
}

}  // namespace nizam
