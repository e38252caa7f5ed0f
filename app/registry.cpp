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
    set(5, screens::form5);
    set(6, screens::form6);
    set(7, screens::form7);
    set(8, screens::form8);
    set(9, screens::form9);
    set(10, screens::form10);
    set(11, screens::form11);
    set(12, screens::form12);
    set(13, screens::form13);
    set(14, screens::form14);
    set(15, screens::form15);
    set(16, screens::form16);
    set(17, screens::form17);
    set(18, screens::form18);
    set(19, screens::form19);
    set(20, screens::form20);
    set(21, screens::form21);
    set(22, screens::form22);
    set(23, screens::form23);
    set(24, screens::form24);
    set(25, screens::form25);
    set(26, screens::form26);
    set(27, screens::form27);
    set(28, screens::form28);
    set(29, screens::form29);
    set(30, screens::form30);
    set(31, screens::form31);
    set(32, screens::form32);
    set(33, screens::form33);
    set(34, screens::form34);
    set(35, screens::form35);
    set(36, screens::form36);
    set(37, screens::form37);
    set(38, screens::form38);
    set(39, screens::form39);
    set(40, screens::form40);
    set(41, screens::form41);
    return entries;
}

}  // namespace nizam
