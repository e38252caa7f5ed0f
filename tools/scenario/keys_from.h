// SPDX-License-Identifier: GPL-3.0-or-later
// A scenario's pointer steps turned into the keys a pupil without a pointer
// presses: each click becomes the Tabs (or Shift+Tabs, whichever are fewer)
// that bring the focus to the control clicked, then Space; each drag picks
// the label up with Space, brings it by Tab to the target it would drop on,
// and drops it with Space; each typed text is typed where the keys brought
// the focus. The file is run on a headless course as it is turned, so each
// key sequence is the one that works on the page as it then stands, and the
// steps that check the course are kept as they are.
#pragma once

#include <string>

#include "tools/scenario/scenario.h"

namespace nizam::scenario {

// The scenario `path` by keys alone, written to `out`. Returns 0, or 1 with
// the reason in `why` (naming the file and line) when a step cannot be done
// by keys or fails, or 2 when the file cannot be read or parsed.
int keysFrom(const std::string& path, const DriverFactory& makeDriver, const Vocabulary& vocabulary,
             std::string& out, std::string& why);

}  // namespace nizam::scenario
