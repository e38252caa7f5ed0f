// SPDX-License-Identifier: GPL-3.0-or-later
// Which pages a set of worksheets holds: the exercise pages (the pages with
// a print button), all of them or those a teacher lists by number.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/navigator.h"

namespace nizam {

// The exercise pages of a registry, in page order ("Form3", "Form5", ...).
std::vector<std::string> exercisePages(const std::vector<RegistryEntry>& registry);

// The pages a list such as "5,22-24" names, as FormN numbers, in the order
// written and each once; a range takes the exercise pages it spans. Spaces
// around the numbers are allowed. On a bad list (a garbled item or range, a
// page the course does not have, a single page or a whole range that is not
// an exercise page) returns no page and says why in `error`.
struct PageList {
    std::vector<std::string> pages;
    std::string error;
    bool ok() const { return error.empty(); }
};
PageList parsePageList(std::string_view list, const std::vector<RegistryEntry>& registry);

}  // namespace nizam
