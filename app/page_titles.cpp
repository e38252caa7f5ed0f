// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/page_titles.h"

#include <vector>

#include "app/registry.h"

namespace nizam {

std::string_view pageTitle(std::string_view screen) {
    static const std::vector<RegistryEntry> registry = screenRegistry();
    for (const RegistryEntry& e : registry)
        if (e.name == screen) return e.module->title;
    return {};
}

std::string windowTitle(std::string_view screen) {
    std::string title(kProgramName);
    if (const std::string_view page = pageTitle(screen); !page.empty()) {
        title += " — ";
        title += page;
    }
    return title;
}

}  // namespace nizam
