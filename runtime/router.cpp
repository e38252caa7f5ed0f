// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/router.h"

#include <cmath>

namespace nizam {

namespace {
Index indexOf(const ControlDef& c) { return c.index.value_or(kNoIndex); }

Rect grown(const Rect& r, Twips by) { return Rect{r.left - by, r.top - by, r.width + 2 * by, r.height + 2 * by}; }

bool holds(const Rect& r, Twips x, Twips y) {
    return x >= r.left && y >= r.top && x <= r.left + r.width && y <= r.top + r.height;
}

// Straight-line distance from the point to the rectangle: nought inside it.
double distanceTo(const Rect& r, Twips x, Twips y) {
    const double dx = x < r.left ? r.left - x : x > r.left + r.width ? x - (r.left + r.width) : 0;
    const double dy = y < r.top ? r.top - y : y > r.top + r.height ? y - (r.top + r.height) : 0;
    return std::hypot(dx, dy);
}
}  // namespace

std::optional<ControlId> PointerRouter::dropTargetAt(const Screen& screen, const ScreenLogic& logic, Twips x,
                                                     Twips y) {
    if (!screen.insideClient(x, y)) return std::nullopt;
    std::optional<ControlId> best;
    double bestDistance = 0;
    // Front-most first: a later target must be strictly nearer to win.
    for (ControlId id = 0; id < screen.controlCount(); ++id) {
        const ControlDef& c = screen.control(id);
        if (!c.takesPointer() || !screen.state(id).visible) continue;
        if (!logic.takesDrops(c.name, indexOf(c))) continue;
        const Rect r = screen.rect(id);
        const Rect* declared = logic.declaredCatchArea(c.name, indexOf(c));
        if (!holds(grown(r, kCatchMargin), x, y) && !(declared && holds(*declared, x, y))) continue;
        const double d = distanceTo(r, x, y);
        if (!best || d < bestDistance) {
            best = id;
            bestDistance = d;
        }
    }
    return best ? best : screen.hitTest(x, y);
}

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
    if (c.kind == Kind::Image && c.dragMode == 1) startDrag(ctx, *target);
}

void PointerRouter::startDrag(Ctx& ctx, ControlId source) {
    dragging_ = true;
    ctx.screen.host().dragStarted(ctx.screen, source);
}

void PointerRouter::endDrag(Ctx& ctx, const ScreenLogic& logic, ControlId source, std::optional<ControlId> target) {
    ctx.screen.host().dragEnded();
    if (!target) return;  // bare screen, outside the window or put back: nothing is dropped
    const ControlDef& t = ctx.screen.control(*target);
    reaching(ctx, *target);
    logic.raiseDragDrop(ctx, t.name, indexOf(t), source);
}

void PointerRouter::release(Ctx& ctx, const ScreenLogic& logic, Twips x, Twips y, bool inWindow) {
    if (!pressed_ || byKeys_) return;  // a label carried by keys is dropped by keys
    const ControlId source = *pressed_;
    const bool wasDragging = dragging_;
    pressed_.reset();
    dragging_ = false;
    if (wasDragging) {
        endDrag(ctx, logic, source, inWindow ? dropTargetAt(ctx.screen, logic, x, y) : std::nullopt);
        return;
    }
    const auto target = inWindow ? ctx.screen.hitTest(x, y) : std::nullopt;
    if (target != source) return;  // a click is a press and a release on the same control
    click(ctx, logic, source);
}

void PointerRouter::click(Ctx& ctx, const ScreenLogic& logic, ControlId id) {
    const ControlDef& c = ctx.screen.control(id);
    reaching(ctx, id);
    if (c.kind == Kind::CheckBox) ctx.screen.toggle(id);
    logic.raiseClick(ctx, c.name, indexOf(c));
}

void PointerRouter::hover(Ctx& ctx, const ScreenLogic& logic, std::optional<ControlId> id) {
    if (dragging_) return;  // no MouseMove reaches the logic during a drag
    if (!id) {
        logic.raiseMouseMove(ctx, kFormName, kNoIndex);
        return;
    }
    const ControlDef& c = ctx.screen.control(*id);
    reaching(ctx, *id);
    logic.raiseMouseMove(ctx, c.name, indexOf(c));
}

void PointerRouter::pickUp(Ctx& ctx, ControlId source) {
    const ControlDef& c = ctx.screen.control(source);
    if (pressed_ || c.kind != Kind::Image || c.dragMode != 1 || !ctx.screen.state(source).visible) return;
    pressed_ = source;
    byKeys_ = true;
    heldOver_.reset();
    startDrag(ctx, source);
}

void PointerRouter::holdOver(Ctx& ctx, ControlId target) {
    if (!byKeys_) return;
    heldOver_ = target;
    ctx.screen.host().dragHeldOver(ctx.screen, target);
}

void PointerRouter::dropHeld(Ctx& ctx, const ScreenLogic& logic, std::optional<ControlId> target) {
    if (!byKeys_ || !pressed_) return;
    const ControlId source = *pressed_;
    pressed_.reset();
    dragging_ = false;
    byKeys_ = false;
    heldOver_.reset();
    // A target hidden since it was chosen takes nothing, as under a pointer.
    if (target && !ctx.screen.state(*target).visible) target.reset();
    endDrag(ctx, logic, source, target);
}

std::string PointerRouter::pointerShapeAt(const Screen& screen, Twips x, Twips y) {
    auto id = screen.hitTest(x, y);
    if (!id) return {};
    const ControlDef& c = screen.control(*id);
    if (screen.state(*id).mousePointer != kPointerIcon || !c.mouseIcon) return {};
    return assetKey(screen.def(), c, "MouseIcon");
}

}  // namespace nizam
