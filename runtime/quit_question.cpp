// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/quit_question.h"

#include <algorithm>

namespace nizam {

namespace {
// 440 x 176 pixels at scale 1, never wider or taller than the client area allows.
constexpr Twips kPanelWidth = 440 * kTwipsPerPixel;
constexpr Twips kPanelHeight = 176 * kTwipsPerPixel;
constexpr Twips kButtonWidth = 150 * kTwipsPerPixel;
constexpr Twips kButtonHeight = 44 * kTwipsPerPixel;
constexpr Twips kButtonGap = 28 * kTwipsPerPixel;
constexpr Twips kButtonBottom = 24 * kTwipsPerPixel;  // from the panel's lower edge
}  // namespace

Rect QuitQuestion::panel(Twips clientWidth, Twips clientHeight) {
    const Twips w = std::min(kPanelWidth, std::max(clientWidth, 0));
    const Twips h = std::min(kPanelHeight, std::max(clientHeight, 0));
    return Rect{(clientWidth - w) / 2, (clientHeight - h) / 2, w, h};
}

Rect QuitQuestion::button(QuitButton b, Twips clientWidth, Twips clientHeight) {
    const Rect p = panel(clientWidth, clientHeight);
    const Twips middle = p.left + p.width / 2;
    const Twips top = p.top + p.height - kButtonBottom - kButtonHeight;
    const Twips left = b == QuitButton::Leave ? middle + kButtonGap / 2 : middle - kButtonGap / 2 - kButtonWidth;
    return Rect{left, top, kButtonWidth, kButtonHeight};
}

std::optional<QuitButton> QuitQuestion::buttonAt(Twips x, Twips y, Twips clientWidth, Twips clientHeight) {
    for (QuitButton b : {QuitButton::Leave, QuitButton::Stay})
        if (button(b, clientWidth, clientHeight).contains(x, y)) return b;
    return std::nullopt;
}

}  // namespace nizam
