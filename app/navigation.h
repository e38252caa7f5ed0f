// SPDX-License-Identifier: GPL-3.0-or-later
// Every button of the program that navigates: the screen, the control (with
// its index for an array element) and the action, Go to a screen or Quit,
// gathered from the pages' descriptors (their toolbars and links). The
// screens' click handlers must take exactly these edges (the unit tests
// compare them for every built screen), and the desktop renders ahead the
// pages that the shown page leads to from this table.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "screens/page.h"

namespace nizam {


struct NavEdge {
    std::string_view screen;
    std::string_view control;
    std::optional<int> index;  // the array index, none for a single control
    NavAction action;
    std::string_view target;  // the screen a Go to leads to; empty for Quit

    // "Image1(4)" or "Image3", as controls are written in scenario files.
    std::string controlName() const;
    bool operator==(const NavEdge&) const = default;
};

// All edges of all 41 screens, grouped by screen in registry order.
std::span<const NavEdge> navigationTable();

// The edges of one screen, in table order.
std::vector<NavEdge> navigationFrom(std::string_view screen);

// The distinct screens that one screen's Go to edges lead to, in table order.
std::vector<std::string> navigationTargets(std::string_view screen);

}  // namespace nizam
