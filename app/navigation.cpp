// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/navigation.h"

#include <algorithm>

#include "app/registry.h"

namespace nizam {

namespace {

// Every page's declared edges, toolbar first, pages in registry order.
std::vector<NavEdge> collect() {
    std::vector<NavEdge> out;
    for (const RegistryEntry& e : screenRegistry()) {
        for (const Link& link : pageEdges(*e.module))
            out.push_back(NavEdge{e.module->def.name, link.control, link.index, link.action, link.target});
    }
    return out;
}

}  // namespace

std::string NavEdge::controlName() const {
    std::string out(control);
    if (index) out += "(" + std::to_string(*index) + ")";
    return out;
}

std::span<const NavEdge> navigationTable() {
    static const std::vector<NavEdge> table = collect();
    return table;
}

std::vector<NavEdge> navigationFrom(std::string_view screen) {
    std::vector<NavEdge> out;
    for (const NavEdge& e : navigationTable()) {
        if (e.screen == screen) out.push_back(e);
    }
    return out;
}

std::vector<std::string> navigationTargets(std::string_view screen) {
    std::vector<std::string> out;
    for (const NavEdge& e : navigationTable()) {
        if (e.screen != screen || e.action != NavAction::GoTo) continue;
        if (std::find(out.begin(), out.end(), e.target) == out.end()) out.emplace_back(e.target);
    }
    return out;
}

}  // namespace nizam
