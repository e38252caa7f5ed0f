// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer routing for one loaded screen: hit-testing, capture while the
// primary button is held, clicks, and dragging of labels.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "runtime/logic.h"

namespace nizam {

class PointerRouter {
public:
    // `inWindow` is false when the pointer is outside the window altogether.
    void move(Ctx& ctx, const ScreenLogic& logic, Twips x, Twips y);
    void press(Ctx& ctx, const ScreenLogic& logic, Twips x, Twips y);
    void release(Ctx& ctx, const ScreenLogic& logic, Twips x, Twips y, bool inWindow);

    bool dragging() const { return dragging_; }
    std::optional<ControlId> pressed() const { return pressed_; }

    // Where a label released at the point drops: the drop target whose catch
    // area (ScreenLogic::catchArea) holds the point and whose own rectangle
    // lies nearest to it (the straight-line distance from the point to the
    // rectangle, nought inside it; between equals, the front-most). With no
    // catch area there, whatever control lies under the point, as a release
    // anywhere else; nullopt on the bare screen or outside the client area.
    static std::optional<ControlId> dropTargetAt(const Screen& screen, const ScreenLogic& logic, Twips x, Twips y);

    // The asset key of the pointer icon to show at the point, or "" for the arrow.
    static std::string pointerShapeAt(const Screen& screen, Twips x, Twips y);

    // Told of each control a pointer event is about to reach, before its
    // handlers run (the random input tests check it is one on show).
    using Observer = std::function<void(const Screen&, ControlId)>;
    void observe(const Observer* observer) { observer_ = observer; }

private:
    void reaching(const Ctx& ctx, ControlId id) const {
        if (observer_ && *observer_) (*observer_)(ctx.screen, id);
    }

    const Observer* observer_ = nullptr;
    std::optional<ControlId> pressed_;
    bool dragging_ = false;
};

}  // namespace nizam
