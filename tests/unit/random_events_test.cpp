// Thousands of random pointer and keyboard events over every built screen:
// after each one at most one screen is loaded, no event has reached a hidden
// control, and nothing crashes (the test command also runs this under
// AddressSanitizer and UBSan).
#include <gtest/gtest.h>

#include <random>

#include "app/registry.h"
#include "tools/scenario/headless_host.h"

namespace nizam {
namespace {

TEST(RandomEvents, NeverMoreThanOneScreenAndNoCrash) {
    std::mt19937 rng(20261210);
    const auto registry = screenRegistry();
    std::vector<std::string> built;
    for (const auto& e : registry)
        if (e.module) built.push_back(e.name);
    ASSERT_FALSE(built.empty());

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
    int visitedScreens = 0;
    for (const auto& name : built) {
        nav.open(name);
        for (int step = 0; step < 3000; ++step) {
            if (nav.ended()) {
                ASSERT_EQ(nav.current(), nullptr);
                nav.open(name);
            }
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
            } else if (a < 90) {
                nav.keySpace();
            } else if (a < 95 && nav.current()) {
                nav.userSetText(std::uniform_int_distribution<int>(-2, nav.current()->controlCount() + 2)(rng),
                                "جهاز");
            } else if (a < 97) {
                nav.open(built[std::uniform_int_distribution<std::size_t>(0, built.size() - 1)(rng)]);
            } else {
                nav.pointerPress(x, y);  // a press without release, then another event
            }
            ASSERT_LE(nav.loadedCount(), 1);
            ASSERT_EQ(host.openWindows.size(), static_cast<std::size_t>(nav.loadedCount()));
            ASSERT_EQ(nav.ended(), nav.current() == nullptr);
            ASSERT_EQ(hiddenReached, "") << "an event reached a hidden control";
        }
        ++visitedScreens;
    }
    EXPECT_EQ(visitedScreens, static_cast<int>(built.size()));
    EXPECT_GT(reached, 0);
}

}  // namespace
}  // namespace nizam
