// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/automatic_systems/grid.h"

#include <string>

namespace nizam::screens {
namespace {

const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way
const GroupMarks kMarks = GroupMarks::standard(3);
constexpr std::array<const char*, 3> kRows = {"Check1", "Check2", "Check3"};

}  // namespace

void ElementGrid::attach(ScreenLogic& logic) const {
    kFeedback.attach(logic);
    kMarks.attach(logic);
}

bool ElementGrid::rowRight(const Screen& screen, int row) const {
    const auto [first, last] = ticks[static_cast<std::size_t>(row)];
    for (int i = 1; i <= columns; ++i) {
        const int want = (i >= first && i <= last) ? 1 : 0;
        if (screen.value(kRows[static_cast<std::size_t>(row)], i) != want) return false;
    }
    return true;
}

void ElementGrid::check(Screen& screen) const {
    for (int row = 0; row < 3; ++row) kMarks.show(screen, row + 1, rowRight(screen, row));
    kFeedback.check(screen, kMarks.allTicked(screen));
}

void ElementGrid::reset(Screen& screen) const {
    for (int i = 1; i <= columns; ++i) {
        for (const char* row : kRows) screen.clearValue(row, i);
    }
    kFeedback.reset(screen);
    kMarks.hideAll(screen);
}

}  // namespace nizam::screens
