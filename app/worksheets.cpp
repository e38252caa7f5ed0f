// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/worksheets.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace nizam {

namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// A page number: digits only, no sign, no leading "+", within reason.
std::optional<int> pageNumber(std::string_view s) {
    s = trimmed(s);
    if (s.empty() || s.size() > 4 || !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int n = 0;
    std::from_chars(s.data(), s.data() + s.size(), n);
    return n;
}

bool hasPrintButton(const RegistryEntry& e) { return e.module && e.module->toolbar.print.has_value(); }

}  // namespace

std::vector<std::string> exercisePages(const std::vector<RegistryEntry>& registry) {
    std::vector<std::string> pages;
    for (const RegistryEntry& e : registry)
        if (hasPrintButton(e)) pages.push_back(e.name);
    return pages;
}

PageList parsePageList(std::string_view list, const std::vector<RegistryEntry>& registry) {
    PageList out;
    auto bad = [&out](std::string why) {
        out.pages.clear();
        out.error = std::move(why);
        return out;
    };
    auto quoted = [](std::string_view s) { return "'" + std::string(trimmed(s).substr(0, 40)) + "'"; };
    if (trimmed(list).empty()) return bad("the page list is empty");
    std::size_t from = 0;
    while (from <= list.size()) {
        const std::size_t comma = std::min(list.find(',', from), list.size());
        const std::string_view item = list.substr(from, comma - from);
        from = comma + 1;
        const std::size_t dash = item.find('-');
        const auto first = pageNumber(item.substr(0, dash));
        const auto last = dash == std::string_view::npos ? first : pageNumber(item.substr(dash + 1));
        if (!first || !last) return bad("bad page list item " + quoted(item) + " (write pages as 5,22-24)");
        if (*last < *first) return bad("the range " + quoted(item) + " runs backwards");
        auto find = [&registry](int n) {
            const std::string name = "Form" + std::to_string(n);
            return std::find_if(registry.begin(), registry.end(), [&name](const RegistryEntry& e) { return e.name == name; });
        };
        for (int end : {*first, *last})
            if (find(end) == registry.end()) return bad("there is no page " + std::to_string(end));
        // A single page must be an exercise page; a range takes the exercise
        // pages it spans (3-12 passes over the pages between the exercises).
        bool any = false;
        for (int n = *first; n <= *last; ++n) {
            const auto it = find(n);
            if (it == registry.end() || !hasPrintButton(*it)) continue;
            any = true;
            if (std::find(out.pages.begin(), out.pages.end(), it->name) == out.pages.end()) out.pages.push_back(it->name);
        }
        if (!any && first == last) return bad("page " + std::to_string(*first) + " is not an exercise page");
        if (!any) return bad("the range " + quoted(item) + " holds no exercise page");
    }
    return out;
}

}  // namespace nizam
