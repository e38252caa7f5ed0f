// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/key_order.h"

#include <algorithm>
#include <cstdlib>

namespace nizam::keys {

namespace {

Index indexOf(const ControlDef& c) { return c.index.value_or(kNoIndex); }

// Whether any of the rectangle lies in the client area: a control parked
// outside it is never seen, so the keys do not go there either.
bool onPage(const Screen& screen, const Rect& r) {
    return r.left < screen.def().clientWidth && r.top < screen.def().clientHeight && r.left + r.width > 0 &&
           r.top + r.height > 0;
}

bool shown(const Screen& screen, ControlId id) {
    return screen.canHoldFocus(id) && onPage(screen, screen.rect(id));
}

// TabIndex order among check boxes and text boxes; the design order between equals.
bool tabBefore(const Screen& s, ControlId a, ControlId b) {
    const int ta = s.control(a).tabIndex.value_or(1 << 20);
    const int tb = s.control(b).tabIndex.value_or(1 << 20);
    return ta != tb ? ta < tb : a < b;
}

// Reading order of `ids`, right to left in rows from top to bottom; then the
// natives among them put back into their places in TabIndex order.
void sortForKeys(const Screen& screen, std::vector<ControlId>& ids) {
    auto middleY = [&](ControlId id) { return screen.rect(id).top + screen.rect(id).height / 2; };
    std::stable_sort(ids.begin(), ids.end(), [&](ControlId a, ControlId b) { return middleY(a) < middleY(b); });
    // Rows: each begins with the highest control not yet placed and takes
    // those that overlap it vertically by half the lower height, or whose
    // middle lies within the tolerance of its middle.
    std::vector<std::vector<ControlId>> rows;
    for (ControlId id : ids) {
        bool joins = false;
        if (!rows.empty()) {
            const Rect first = screen.rect(rows.back().front()), r = screen.rect(id);
            const Twips overlap = std::min(first.top + first.height, r.top + r.height) - std::max(first.top, r.top);
            joins = 2 * overlap >= std::min(first.height, r.height) ||
                    std::abs(middleY(id) - middleY(rows.back().front())) <= kRowTolerance;
        }
        if (!joins) rows.emplace_back();
        rows.back().push_back(id);
    }
    ids.clear();
    for (auto& row : rows) {
        std::stable_sort(row.begin(), row.end(), [&](ControlId a, ControlId b) {
            const Rect ra = screen.rect(a), rb = screen.rect(b);
            if (ra.left + ra.width != rb.left + rb.width) return ra.left + ra.width > rb.left + rb.width;
            return ra.left > rb.left;
        });
        ids.insert(ids.end(), row.begin(), row.end());
    }
    std::vector<ControlId> natives;
    for (ControlId id : ids)
        if (isNative(screen, id)) natives.push_back(id);
    std::stable_sort(natives.begin(), natives.end(), [&](ControlId a, ControlId b) { return tabBefore(screen, a, b); });
    auto next = natives.begin();
    for (ControlId& id : ids)
        if (isNative(screen, id)) id = *next++;
}

}  // namespace

bool isNative(const Screen& screen, ControlId id) {
    const Kind k = screen.control(id).kind;
    return k == Kind::CheckBox || k == Kind::TextBox;
}

bool reachable(const Screen& screen, const ScreenLogic& logic, ControlId id) {
    // A hover highlight comes and goes with its hot-spot, which the keys reach.
    if (!shown(screen, id) || screen.state(id).hoverHighlight) return false;
    const ControlDef& c = screen.control(id);
    if (isNative(screen, id)) return true;
    if (c.kind == Kind::Image && c.dragMode == 1) return true;
    return logic.takesClicks(c.name, indexOf(c));
}

bool isDropTarget(const Screen& screen, const ScreenLogic& logic, ControlId id) {
    const ControlDef& c = screen.control(id);
    return shown(screen, id) && logic.takesDrops(c.name, indexOf(c));
}

std::vector<ControlId> order(const Screen& screen, const ScreenLogic& logic, bool carrying) {
    std::vector<ControlId> ids;
    for (ControlId id = 0; id < screen.controlCount(); ++id) {
        if (carrying ? isDropTarget(screen, logic, id) : reachable(screen, logic, id)) ids.push_back(id);
    }
    sortForKeys(screen, ids);
    return ids;
}

std::optional<ControlId> step(const Screen& screen, const std::vector<ControlId>& order,
                              std::optional<ControlId> from, bool forward) {
    if (order.empty()) return std::nullopt;
    if (!from) return forward ? order.front() : order.back();
    auto at = std::find(order.begin(), order.end(), *from);
    if (at != order.end()) {
        const auto n = static_cast<std::ptrdiff_t>(order.size());
        const auto i = at - order.begin();
        return order[static_cast<std::size_t>((i + (forward ? 1 : n - 1)) % n)];
    }
    // Outside the order: put it in its reading place among the others. As a
    // drawn control it takes its own place; natives keep theirs.
    std::vector<ControlId> with = order;
    with.push_back(*from);
    sortForKeys(screen, with);
    const auto n = static_cast<std::ptrdiff_t>(with.size());
    const auto i = std::find(with.begin(), with.end(), *from) - with.begin();
    return with[static_cast<std::size_t>((i + (forward ? 1 : n - 1)) % n)];
}

std::optional<ControlId> nearest(const Screen& screen, const std::vector<ControlId>& among, ControlId from,
                                 Direction direction) {
    auto middle = [&](ControlId id) {
        const Rect r = screen.rect(id);
        return std::pair<long, long>(r.left + r.width / 2, r.top + r.height / 2);
    };
    const auto [fx, fy] = middle(from);
    std::optional<ControlId> best;
    long bestScore = 0;
    for (ControlId id : among) {
        if (id == from) continue;
        const auto [x, y] = middle(id);
        const long dx = x - fx, dy = y - fy;
        long ahead = 0, aside = 0;
        switch (direction) {
            case Direction::Left: ahead = -dx, aside = std::labs(dy); break;
            case Direction::Right: ahead = dx, aside = std::labs(dy); break;
            case Direction::Up: ahead = -dy, aside = std::labs(dx); break;
            case Direction::Down: ahead = dy, aside = std::labs(dx); break;
        }
        if (ahead <= 0) continue;
        const long score = ahead + 2 * aside;
        if (!best || score < bestScore) {
            best = id;
            bestScore = score;
        }
    }
    return best;
}

}  // namespace nizam::keys
