#include "app/registry.h"

#include <string>

#include "screens/screens.h"

namespace nizam {

std::vector<RegistryEntry> screenRegistry() {
    std::vector<RegistryEntry> entries;
    for (int n = 1; n <= 41; ++n) entries.push_back(RegistryEntry{"Form" + std::to_string(n), nullptr});
    auto set = [&](int n, const ScreenModule& module) { entries[static_cast<std::size_t>(n - 1)].module = &module; };
    set(1, screens::form1);
    set(2, screens::form2);
    set(3, screens::form3);
    set(4, screens::form4);
    set(22, screens::form22);
    set(23, screens::form23);
    set(37, screens::form37);
    set(38, screens::form38);
    set(39, screens::form39);
    set(40, screens::form40);
    return entries;
}

}  // namespace nizam
