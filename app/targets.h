// Which screens a screen's buttons lead to, found by running each click
// handler on a scratch copy of the screen. The desktop renders those pages'
// pictures ahead of need, so a page change shows at once.
#pragma once

#include <string>
#include <vector>

#include "runtime/logic.h"

namespace nizam {

std::vector<std::string> discoverTargets(const ScreenModule& module);

// The same, per control: which control's click leads where.
struct NavigationEdge {
    ControlId control;
    std::string target;
};
std::vector<NavigationEdge> discoverEdges(const ScreenModule& module);

}  // namespace nizam
