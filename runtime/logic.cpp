#include "runtime/logic.h"

namespace nizam {

template <class H>
void ScreenLogic::add(std::vector<Binding<H>>& list, std::string control, H h) {
    for (auto& b : list) {
        if (b.control == control) {
            b.handlers.push_back(std::move(h));
            return;
        }
    }
    list.push_back(Binding<H>{std::move(control), {std::move(h)}});
}

template <class H>
const ScreenLogic::Binding<H>* ScreenLogic::lookup(const std::vector<Binding<H>>& list,
                                                    std::string_view control) {
    for (const auto& b : list) {
        if (b.control == control) return &b;
    }
    return nullptr;
}

void ScreenLogic::onLoad(LoadHandler h) { load_.push_back(std::move(h)); }
void ScreenLogic::onMouseMove(std::string control, EventHandler h) { add(moves_, std::move(control), std::move(h)); }
void ScreenLogic::onClick(std::string control, EventHandler h) { add(clicks_, std::move(control), std::move(h)); }
void ScreenLogic::onDragDrop(std::string control, DropHandler h) { add(drops_, std::move(control), std::move(h)); }

void ScreenLogic::raiseLoad(Ctx& ctx) const {
    for (const auto& h : load_) h(ctx);
}

bool ScreenLogic::raiseMouseMove(Ctx& ctx, std::string_view control, Index index) const {
    const auto* b = lookup(moves_, control);
    if (!b) return false;
    for (const auto& h : b->handlers) h(ctx, index);
    return true;
}

bool ScreenLogic::raiseClick(Ctx& ctx, std::string_view control, Index index) const {
    const auto* b = lookup(clicks_, control);
    if (!b) return false;
    for (const auto& h : b->handlers) h(ctx, index);
    return true;
}

bool ScreenLogic::raiseDragDrop(Ctx& ctx, std::string_view control, Index index, ControlId source) const {
    const auto* b = lookup(drops_, control);
    if (!b) return false;
    for (const auto& h : b->handlers) h(ctx, index, source);
    return true;
}

std::vector<std::string> ScreenLogic::boundControls() const {
    std::vector<std::string> names;
    for (const auto& b : moves_) names.push_back(b.control);
    for (const auto& b : clicks_) names.push_back(b.control);
    for (const auto& b : drops_) names.push_back(b.control);
    return names;
}

}  // namespace nizam
