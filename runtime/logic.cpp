// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/logic.h"

#include <algorithm>

namespace nizam {

Elements Elements::range(Index first, Index last) {
    Elements e{std::initializer_list<Index>{}};
    for (Index i = first; i <= last; ++i) e.indices_.push_back(i);
    return e;
}

bool Elements::serves(Index index) const {
    switch (kind_) {
        case Kind::Whole: return true;
        case Kind::Single: return index == kNoIndex;
        case Kind::Indices: break;
    }
    return std::find(indices_.begin(), indices_.end(), index) != indices_.end();
}

template <class H>
void ScreenLogic::add(std::vector<Binding<H>>& list, std::string_view event, std::string control, Elements elements,
                      H h) {
    addresses_.push_back(Address{event, control, elements});
    for (auto& b : list) {
        if (b.control == control) {
            b.handlers.push_back(Served<H>{std::move(elements), std::move(h)});
            return;
        }
    }
    list.push_back(Binding<H>{std::move(control), {}});
    list.back().handlers.push_back(Served<H>{std::move(elements), std::move(h)});
}

template <class H>
const ScreenLogic::Binding<H>* ScreenLogic::lookup(const std::vector<Binding<H>>& list,
                                                    std::string_view control) {
    for (const auto& b : list) {
        if (b.control == control) return &b;
    }
    return nullptr;
}

template <class H, class... Args>
bool ScreenLogic::raise(const std::vector<Binding<H>>& list, std::string_view control, Index index, Ctx& ctx,
                        Args... args) {
    const auto* b = lookup(list, control);
    if (!b) return false;
    bool served = false;
    for (const auto& s : b->handlers) {
        if (!s.elements.serves(index)) continue;
        served = true;
        s.handler(ctx, index, args...);
    }
    return served;
}

void ScreenLogic::onLoad(LoadHandler h) { load_.push_back(std::move(h)); }

void ScreenLogic::onMouseMove(std::string control, Elements elements, EventHandler h) {
    add(moves_, "MouseMove", std::move(control), std::move(elements), std::move(h));
}
void ScreenLogic::onClick(std::string control, Elements elements, EventHandler h) {
    add(clicks_, "Click", std::move(control), std::move(elements), std::move(h));
}
void ScreenLogic::onDragDrop(std::string control, Elements elements, DropHandler h) {
    add(drops_, "DragDrop", std::move(control), std::move(elements), std::move(h));
}
void ScreenLogic::onMouseMove(std::string control, EventHandler h) {
    onMouseMove(std::move(control), Elements::whole(), std::move(h));
}
void ScreenLogic::onClick(std::string control, EventHandler h) {
    onClick(std::move(control), Elements::whole(), std::move(h));
}
void ScreenLogic::onDragDrop(std::string control, DropHandler h) {
    onDragDrop(std::move(control), Elements::whole(), std::move(h));
}

void ScreenLogic::uses(std::string control, Elements elements) {
    addresses_.push_back(Address{"Uses", std::move(control), std::move(elements)});
}

void ScreenLogic::uses(const ControlName& control) {
    uses(control.name, control.index ? Elements(*control.index) : Elements::single());
}

void ScreenLogic::catchArea(std::string control, Index index, Rect area) {
    addresses_.push_back(Address{"Catch", control, index == kNoIndex ? Elements::single() : Elements(index)});
    for (Catch& c : catches_) {
        if (c.control == control && c.index == index) {
            c.area = area;  // declared again: the last declaration holds
            return;
        }
    }
    catches_.push_back(Catch{std::move(control), index, area});
}

bool ScreenLogic::takesDrops(std::string_view control, Index index) const {
    const auto* b = lookup(drops_, control);
    if (!b) return false;
    return std::any_of(b->handlers.begin(), b->handlers.end(),
                       [index](const auto& s) { return s.elements.serves(index); });
}

bool ScreenLogic::takesClicks(std::string_view control, Index index) const {
    const auto* b = lookup(clicks_, control);
    if (!b) return false;
    return std::any_of(b->handlers.begin(), b->handlers.end(),
                       [index](const auto& s) { return s.elements.serves(index); });
}

const Rect* ScreenLogic::declaredCatchArea(std::string_view control, Index index) const {
    for (const Catch& c : catches_) {
        if (c.control == control && c.index == index) return &c.area;
    }
    return nullptr;
}

void ScreenLogic::raiseLoad(Ctx& ctx) const {
    for (const auto& h : load_) h(ctx);
}

bool ScreenLogic::raiseMouseMove(Ctx& ctx, std::string_view control, Index index) const {
    return raise(moves_, control, index, ctx);
}

bool ScreenLogic::raiseClick(Ctx& ctx, std::string_view control, Index index) const {
    return raise(clicks_, control, index, ctx);
}

bool ScreenLogic::raiseDragDrop(Ctx& ctx, std::string_view control, Index index, ControlId source) const {
    return raise(drops_, control, index, ctx, source);
}

std::vector<std::string> ScreenLogic::missingIn(const ScreenDef& def) const {
    std::vector<std::string> missing;
    auto note = [&](const Address& a, std::optional<Index> index) {
        std::string line = std::string(a.event) + " " + a.control;
        if (index) line += "(" + std::to_string(*index) + ")";
        if (std::find(missing.begin(), missing.end(), line) == missing.end()) missing.push_back(std::move(line));
    };
    for (const Address& a : addresses_) {
        if (a.control == kFormName) continue;
        if (a.elements.isWhole()) {
            const bool named = std::any_of(def.controls.begin(), def.controls.end(),
                                           [&](const ControlDef& c) { return c.name == a.control; });
            if (!named) note(a, std::nullopt);
            continue;
        }
        if (a.elements.isSingle()) {
            if (!def.find(a.control, std::nullopt)) note(a, std::nullopt);
            continue;
        }
        for (Index i : a.elements.indices()) {
            if (!def.find(a.control, i)) note(a, i);
        }
    }
    return missing;
}

}  // namespace nizam
