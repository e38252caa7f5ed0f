// SPDX-License-Identifier: GPL-3.0-or-later
// A small screen built for the core's tests: overlapping, hidden and
// off-canvas controls, a shape over the background, drag labels and drop
// targets, check boxes and text boxes. Its handlers write what they receive
// into an event log.
#pragma once

#include <string>
#include <vector>

#include "app/navigator.h"
#include "tools/scenario/headless_host.h"

namespace nizam::test {

// Events seen by the test screens' handlers: "Load", "Move Image1(1)", "Click Image1(2)",
// "Drop Image4(0) <- Image3(1)", "Move Form".
std::vector<std::string>& eventLog();

// "Lab" (the test screen) and "Next" (a second screen to navigate to, whose
// Image1(2) goes to "Nowhere", a name outside the registry).
std::vector<RegistryEntry> testRegistry();

// Screens whose Load leaves them at once, each then touching the screen it
// left (which must still be alive) and logging "Load <name>" and "after <name>":
// "Away" goes to "Next", "Leave" quits. "Hub" has two buttons, Image1(1) to
// Away and Image1(2) to Leave. The title screen "Form2", which start() shows,
// is a Hub, an Away or a Leave as `title` says.
enum class Title { Hub, Away, Leave };
std::vector<RegistryEntry> leavingRegistry(Title title);

// Centre of a control of the current screen, in twips.
std::pair<Twips, Twips> centre(const Screen& screen, std::string_view name, std::optional<int> index = {});

struct Lab {
    HeadlessHost host;
    Navigator nav{host, testRegistry()};
    Lab() {
        nav.open("Lab");
        eventLog().clear();
    }
    Screen& screen() { return *nav.current(); }
    void move(std::string_view name, std::optional<int> index = {}) {
        auto [x, y] = centre(screen(), name, index);
        nav.pointerMove(x, y);
    }
    void click(std::string_view name, std::optional<int> index = {}) {
        auto [x, y] = centre(screen(), name, index);
        nav.pointerMove(x, y);
        nav.pointerPress(x, y);
        nav.pointerRelease(x, y);
    }
};

}  // namespace nizam::test
