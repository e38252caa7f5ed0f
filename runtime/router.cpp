// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/router.h"

namespace nizam {

namespace {
Index indexOf(const ControlDef& c) { return c.index.value_or(kNoIndex); }
}  // namespace

void PointerRouter::move(Ctx& ctx, const ScreenLogic& logic, Twips x, Twips y) {
    if (dragging_) return;  // no MouseMove reaches the logic during a drag
    // The pressed control keeps the moves while the button is held, unless
    // the page has hidden it since: a hidden control takes no event.
    const bool captured = pressed_ && ctx.screen.state(*pressed_).visible;
    std::optional<ControlId> target = captured ? pressed_ : ctx.screen.hitTest(x, y);
    if (!target) {
        if (ctx.screen.insideClient(x, y)) logic.raiseMouseMove(ctx, kFormName, kNoIndex);
        return;
    }
    const ControlDef& c = ctx.screen.control(*target);
    reaching(ctx, *target);
    logic.raiseMouseMove(ctx, c.name, indexOf(c));
}

void PointerRouter::press(Ctx& ctx, const ScreenLogic&, Twips x, Twips y) {
    if (pressed_) return;  // a second press while one is held changes nothing
    auto target = ctx.screen.hitTest(x, y);
    if (!target) return;
    pressed_ = target;
    const ControlDef& c = ctx.screen.control(*target);
    if (c.kind == Kind::CheckBox || c.kind == Kind::TextBox) ctx.screen.setFocus(*target);
    if (c.kind == Kind::Image && c.dragMode == 1) {
        dragging_ = true;
        ctx.screen.host().dragStarted(ctx.screen, *target);
    }
}

void PointerRouter::release(Ctx& ctx, const ScreenLogic& logic, Twips x, Twips y, bool inWindow) {
    if (!pressed_) return;
    const ControlId source = *pressed_;
    const bool wasDragging = dragging_;
    pressed_.reset();
    dragging_ = false;
    std::optional<ControlId> target = inWindow ? ctx.screen.hitTest(x, y) : std::nullopt;
    if (wasDragging) {
        ctx.screen.host().dragEnded();
        if (!target) return;  // bare screen or outside the window: nothing is dropped
        const ControlDef& t = ctx.screen.control(*target);
        reaching(ctx, *target);
        logic.raiseDragDrop(ctx, t.name, indexOf(t), source);
        return;
    }
    if (target != source) return;  // a click is a press and a release on the same control
    const ControlDef& c = ctx.screen.control(source);
    reaching(ctx, source);
    if (c.kind == Kind::CheckBox) ctx.screen.toggle(source);
    logic.raiseClick(ctx, c.name, indexOf(c));
}

std::string PointerRouter::pointerShapeAt(const Screen& screen, Twips x, Twips y) {
    auto id = screen.hitTest(x, y);
    if (!id) return {};
    const ControlDef& c = screen.control(*id);
    if (screen.state(*id).mousePointer != kPointerIcon || !c.mouseIcon) return {};
    return assetKey(screen.def(), c, "MouseIcon");
}

}  // namespace nizam
