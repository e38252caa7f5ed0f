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

    // The keyboard's ways to the same events (runtime/key_order.h chooses
    // the control). A click on the control, as a press and a release on it.
    void click(Ctx& ctx, const ScreenLogic& logic, ControlId id);
    // The MouseMove the pointer raises arriving over the control, or over
    // the bare screen with none (which hides the hover highlights).
    void hover(Ctx& ctx, const ScreenLogic& logic, std::optional<ControlId> id);
    // A label picked up by keys: the drag starts as a press on it starts it.
    // Nothing happens while a button is held or for a control that is not a label.
    void pickUp(Ctx& ctx, ControlId source);
    // The label carried by keys is held over `target` (the host shows it there).
    void holdOver(Ctx& ctx, ControlId target);
    // The label carried by keys drops on `target`, as a release over it
    // drops, or, with none, goes back with nothing dropped.
    void dropHeld(Ctx& ctx, const ScreenLogic& logic, std::optional<ControlId> target);
    // The label carried by keys, and the target it is held over.
    std::optional<ControlId> carried() const { return byKeys_ ? pressed_ : std::nullopt; }
    std::optional<ControlId> heldOver() const { return byKeys_ ? heldOver_ : std::nullopt; }

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
    // Ends the drag of `source`: dropped on `target`, or nothing dropped.
    void endDrag(Ctx& ctx, const ScreenLogic& logic, ControlId source, std::optional<ControlId> target);
    void startDrag(Ctx& ctx, ControlId source);

    const Observer* observer_ = nullptr;
    std::optional<ControlId> pressed_;
    bool dragging_ = false;
    bool byKeys_ = false;  // the drag was started by keys, not by a press
    std::optional<ControlId> heldOver_;
};

}  // namespace nizam
