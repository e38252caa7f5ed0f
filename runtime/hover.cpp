// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/hover.h"

namespace nizam {

void HoverHighlight::hideAll(Screen& screen) const {
    for (int i = first; i <= last; ++i) {
        if (auto id = screen.findQuiet("Image2", i)) screen.setVisible(*id, false);
    }
}

void HoverHighlight::mark(Screen& screen) const {
    for (int i = first; i <= last; ++i) {
        if (auto id = screen.findQuiet("Image2", i)) screen.markHoverHighlight(*id);
    }
}

void HoverHighlight::attach(ScreenLogic& logic) const {
    const HoverHighlight range = *this;
    logic.onLoad([range](Ctx& ctx) {
        range.mark(ctx.screen);
        range.hideAll(ctx.screen);
    });
    logic.onMouseMove("Image1", Elements::range(first, last), [](Ctx& ctx, Index i) {
        ctx.screen.setMousePointer("Image1", i, kPointerIcon);
        if (auto id = ctx.screen.findQuiet("Image2", i)) ctx.screen.setVisible(*id, true);
    });
    logic.uses("Image2", Elements::range(first, last));
    auto hide = [range](Ctx& ctx, Index) { range.hideAll(ctx.screen); };
    logic.onMouseMove(std::string(kFormName), Elements::single(), hide);
    logic.onMouseMove(background, Elements::single(), hide);
}

void attachPointerOnly(ScreenLogic& logic, const std::string& control, std::optional<int> index) {
    logic.onMouseMove(control, index ? Elements(*index) : Elements::single(), [control, index](Ctx& ctx, Index) {
        ctx.screen.setMousePointer(control, index, kPointerIcon);
    });
}

}  // namespace nizam
