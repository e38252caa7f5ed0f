// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/registry.h"

#include <array>
#include <string>

#include "screens/screens.h"

namespace nizam {

std::vector<RegistryEntry> screenRegistry() {
    const std::array<const ScreenModule*, 41> modules = {
        &screens::form1,  &screens::form2,  &screens::form3,  &screens::form4,  &screens::form5,  &screens::form6,
        &screens::form7,  &screens::form8,  &screens::form9,  &screens::form10, &screens::form11, &screens::form12,
        &screens::form13, &screens::form14, &screens::form15, &screens::form16, &screens::form17, &screens::form18,
        &screens::form19, &screens::form20, &screens::form21, &screens::form22, &screens::form23, &screens::form24,
        &screens::form25, &screens::form26, &screens::form27, &screens::form28, &screens::form29, &screens::form30,
        &screens::form31, &screens::form32, &screens::form33, &screens::form34, &screens::form35, &screens::form36,
        &screens::form37, &screens::form38, &screens::form39, &screens::form40, &screens::form41,
    };
    std::vector<RegistryEntry> entries;
    entries.reserve(modules.size());
    for (std::size_t i = 0; i < modules.size(); ++i)
        entries.push_back(RegistryEntry{"Form" + std::to_string(i + 1), modules[i]});
    return entries;
}

}  // namespace nizam
