// SPDX-License-Identifier: GPL-3.0-or-later
// Which edges a screen's buttons actually take, found by running each click
// handler on a scratch copy of the screen. The tests compare them with the
// navigation table; the benchmark clicks the button that leads to a page.
#pragma once

#include <string>
#include <vector>

#include "app/navigation.h"
#include "screens/page.h"

namespace nizam {

// One click's navigation: which control's click leads where, or quits.
struct NavigationEdge {
    ControlId control;
    NavAction action;
    std::string target;  // empty for Quit
};
std::vector<NavigationEdge> discoverEdges(const ScreenModule& module);

// The distinct screens that the Go to edges lead to.
std::vector<std::string> discoverTargets(const ScreenModule& module);

}  // namespace nizam
