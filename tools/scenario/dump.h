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

}  // namespace nizam::scenario
