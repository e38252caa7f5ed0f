// SPDX-License-Identifier: GPL-3.0-or-later
// Hot-spots and their hover highlights.
//
// Every button of a page is drawn in the background picture and made active
// by an invisible image, the hot-spot Image1(i). Beside it lies the highlight
// Image2(i), a brighter drawing of the button with its caption, shown while
// the pointer is over the hot-spot and hidden again when the pointer crosses
// the background picture or the bare window surface.
#pragma once

#include <optional>
#include <string>

#include "runtime/logic.h"

namespace nizam {

struct HoverHighlight {
    int first = 1;                        // hover range first..last
    int last = 1;
    std::string background = "Imagefixe";  // the full-page background picture

    // Adds the Load action (hide the highlights), the hot-spots' MouseMove and
    // the MouseMove of the screen and of the background picture.
    void attach(ScreenLogic& logic) const;
    // Hides Image2(first) .. Image2(last) in ascending order.
    void hideAll(Screen& screen) const;
    // Marks Image2(first) .. Image2(last) as hover highlights, which a
    // printed page leaves out.
    void mark(Screen& screen) const;
};

// A single hot-spot without highlight: moving over it turns its pointer into the hand.
void attachPointerOnly(ScreenLogic& logic, const std::string& control,
                       std::optional<int> index = std::nullopt);

}  // namespace nizam
