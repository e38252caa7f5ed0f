// SPDX-License-Identifier: GPL-3.0-or-later
// The element grids of the two station activities: three rows of check
// boxes (Check1 actuators, Check2 sensors, Check3 effectors), one box per
// element in each row. A row is right when exactly its run of boxes is
// ticked; each row shows its own tick or cross, and the page verdict is read
// back from the three ticks.
#pragma once

#include <array>

#include "runtime/exercise.h"

namespace nizam::screens {

struct ElementGrid {
    // The boxes of each row are numbered 1..columns.
    int columns = 0;
    // For each row, the first and last box that must be ticked.
    std::array<std::pair<int, int>, 3> ticks{};

    // Load: verdict figures and marks hidden, the question mark left on show.
    void attach(ScreenLogic& logic) const;
    // The evaluation: the rows' marks in order, then the verdict. No box changes.
    void check(Screen& screen) const;
    // Every box cleared, column by column; the question mark shown, the
    // verdicts and marks hidden. A playing movie is left alone.
    void reset(Screen& screen) const;

    bool rowRight(const Screen& screen, int row) const;
};

}  // namespace nizam::screens
