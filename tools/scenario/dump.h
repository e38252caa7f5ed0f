// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "app/navigator.h"
#include "runtime/asset_store.h"

namespace nizam::scenario {

// Every built screen's definition as one JSON object. Picture sizes come from
// the store when one is given, else from the sizes the inventories declare.
std::string dumpDefinitions(const std::vector<RegistryEntry>& registry, const AssetStore* store);

// Every built screen's content band, the part of the design canvas its window
// shows (runtime/layout.h), as one JSON object: {"Form1": [left, top, width,
// height], ...} in twips. End-to-end drivers use it to find a page's points
// in the real window.
std::string dumpBands(const std::vector<RegistryEntry>& registry);

}  // namespace nizam::scenario
