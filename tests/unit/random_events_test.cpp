// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of random pointer and keyboard events over every screen of the
// course. After each one: exactly the loaded screen's window is open (none
// after the end), the players alive are the loaded screen's own, no event
// has reached a hidden control, the quit question comes and is got past,
// and nothing crashes (the test command also
// runs this under AddressSanitizer and UBSan). Every screen of the registry
// is really shown on the way.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "app/registry.h"
#include "tools/scenario/headless_host.h"

namespace nizam {
namespace {

int playerControls(const Screen& s) {
    int n = 0;
    for (ControlId id = 0; id < s.controlCount(); ++id) n += s.control(id).kind == Kind::Player;
    return n;
}

TEST(RandomEvents, OneWindowOnePagesPlayersAndNoCrash) {
    std::mt19937 rng(20261210);
    const auto registry = screenRegistry();
    std::vector<std::string> names;
    for (const auto& e : registry) names.push_back(e.name);
    ASSERT_FALSE(names.empty());

    HeadlessHost host;
    Navigator nav(host, registry);
    int reached = 0;
    std::string hiddenReached;
    nav.observeDeliveries([&](const Screen& s, ControlId id) {
        ++reached;
        if (!s.state(id).visible && hiddenReached.empty()) hiddenReached = s.name() + "." + s.control(id).name;
    });
    std::uniform_int_distribution<int> action(0, 99);
    std::uniform_int_distribution<Twips> coordX(-600, 16000);
    std::uniform_int_distribution<Twips> coordY(-600, 12100);
    std::set<std::string> leftByInput;  // pages a click or key led to
    // The quit question, which the close mark asks once answers are entered:
    // how often it came, and the longest run of events it stood through.
    int questions = 0, underQuestion = 0, longestUnder = 0;
    for (const auto& name : names) {
        nav.open(name);
        for (int step = 0; step < 3000; ++step) {
            if (nav.ended()) {
                ASSERT_EQ(nav.current(), nullptr);
                nav.open(name);
            }
            const std::string before = nav.current() ? nav.current()->name() : "";
            // Aim at controls half of the time, so buttons really get clicked.
            Twips x = coordX(rng), y = coordY(rng);
            if (nav.current() && action(rng) < 50) {
                const Screen& s = *nav.current();
                ControlId id = std::uniform_int_distribution<int>(0, s.controlCount() - 1)(rng);
                Rect r = s.rect(id);
                x = r.left + r.width / 2;
                y = r.top + r.height / 2;
            }
            const int a = action(rng);
            if (a < 45) {
                nav.pointerMove(x, y);
            } else if (a < 70) {
                nav.pointerMove(x, y);
                nav.pointerPress(x, y);
                nav.pointerRelease(x, y);
            } else if (a < 80) {
                nav.pointerPress(x, y);
                nav.pointerMove(coordX(rng), coordY(rng));
                if (action(rng) < 10)
                    nav.pointerReleaseOutside();
                else
                    nav.pointerRelease(coordX(rng), coordY(rng));
            } else if (a < 85) {
                nav.keyTab();
            } else if (a < 88) {
                nav.keySpace();
            } else if (a < 89) {
                nav.keyEnter();
            } else if (a < 90) {
                nav.keyEscape();
            } else if (a < 95 && nav.current()) {
                nav.userSetText(std::uniform_int_distribution<int>(-2, nav.current()->controlCount() + 2)(rng),
                                "جهاز");
            } else if (a < 97) {
                nav.open(names[std::uniform_int_distribution<std::size_t>(0, names.size() - 1)(rng)]);
            } else {
                nav.pointerPress(x, y);  // a press without release, then another event
            }
            SCOPED_TRACE(name + ", step " + std::to_string(step));
            ASSERT_EQ(nav.ended(), nav.current() == nullptr);
            if (const Screen* s = nav.current()) {
                ASSERT_EQ(host.openWindows, std::vector<std::string>{s->name()}) << "exactly the loaded page's window";
                ASSERT_EQ(host.playersAlive, playerControls(*s)) << "a player per player control of the page, no other";
                if (a < 90 && s->name() != before) leftByInput.insert(s->name());
            } else {
                ASSERT_EQ(host.openWindows, std::vector<std::string>{}) << "no window after the end";
                ASSERT_EQ(host.playersAlive, 0) << "no player after the end";
            }
            ASSERT_EQ(hiddenReached, "") << "an event reached a hidden control";
            if (nav.quitQuestion()) {
                ASSERT_NE(nav.current(), nullptr) << "a question with no page under it";
                if (underQuestion++ == 0) ++questions;
                longestUnder = std::max(longestUnder, underQuestion);
            } else {
                underQuestion = 0;
            }
        }
    }
    // The random input met the question and got past it, by its buttons or keys.
    EXPECT_GT(questions, 0) << "the quit question never came";
    EXPECT_LT(longestUnder, 500) << "the input stayed stuck behind the quit question";
    // Every screen of the registry was really shown, each by its own name.
    std::set<std::string> shown;
    for (const std::string& w : host.windows)
        if (w.rfind("show ", 0) == 0) shown.insert(w.substr(5));
    std::string missing;
    for (const std::string& name : names)
        if (!shown.count(name)) missing += " " + name;
    EXPECT_EQ(missing, "") << "never shown";
    EXPECT_FALSE(leftByInput.empty()) << "no click or key ever led to another page";
    EXPECT_GT(reached, 0);
}

}  // namespace
}  // namespace nizam
