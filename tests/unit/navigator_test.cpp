// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>

#include "app/registry.h"
#include "runtime/diagnostics.h"
#include "tests/unit/test_screens.h"

namespace nizam {
namespace {

using test::eventLog;

TEST(Registry, NamesAll41ScreensEachWithItsOwnModule) {
    auto r = screenRegistry();
    ASSERT_EQ(r.size(), 41u);
    std::vector<const ScreenModule*> seen;
    for (int n = 1; n <= 41; ++n) {
        const RegistryEntry& e = r[static_cast<std::size_t>(n - 1)];
        EXPECT_EQ(e.name, "Form" + std::to_string(n));
        ASSERT_NE(e.module, nullptr) << e.name << " has no module";
        EXPECT_EQ(e.module->def.name, e.name) << "the module registered as " << e.name << " draws another screen";
        EXPECT_EQ(std::count(seen.begin(), seen.end(), e.module), 0) << e.name << " shares its module";
        seen.push_back(e.module);
    }
}

TEST(Registry, EveryScreenLoadsAndShowsThroughTheNavigator) {
    HeadlessHost host;
    Navigator nav(host, screenRegistry());
    for (const auto& e : screenRegistry()) {
        nav.open(e.name);
        ASSERT_FALSE(nav.ended()) << e.name;
        ASSERT_NE(nav.current(), nullptr) << e.name;
        EXPECT_EQ(nav.current()->name(), e.name);
        // The page before it has gone: its window is the only one open, and
        // the players alive are this page's own, one for each player control.
        EXPECT_EQ(host.openWindows, std::vector<std::string>{e.name});
        const auto& controls = e.module->def.controls;
        EXPECT_EQ(host.playersAlive, std::count_if(controls.begin(), controls.end(),
                                                   [](const ControlDef& c) { return c.kind == Kind::Player; }))
            << e.name;
    }
}

TEST(Registry, ANavigatorRefusesAnEntryWithoutModuleOrARepeatedName) {
    HeadlessHost host;
    auto missing = test::testRegistry();
    missing.push_back(RegistryEntry{"Empty", nullptr});
    EXPECT_THROW(Navigator(host, missing), std::invalid_argument);
    auto twice = test::testRegistry();
    twice.push_back(twice.front());
    EXPECT_THROW(Navigator(host, twice), std::invalid_argument);
}

TEST(Registry, EveryBindingAddressesControlsAndElementsOfItsScreen) {
    for (const auto& e : screenRegistry()) {
        ScreenLogic logic;
        attachPage(*e.module, logic);
        EXPECT_FALSE(logic.addresses().empty()) << e.name << " binds nothing";
        EXPECT_EQ(logic.missingIn(e.module->def), std::vector<std::string>{})
            << e.name << " binds controls or elements its design does not have";
    }
}

TEST(Registry, ControlsAreUniqueAndPicturesMatchTheirImages) {
    for (const auto& e : screenRegistry()) {
        const ScreenDef& d = e.module->def;
        for (std::size_t i = 0; i < d.controls.size(); ++i) {
            const ControlDef& c = d.controls[i];
            EXPECT_EQ(d.find(c.name, c.index), static_cast<int>(i)) << e.name << " repeats " << c.displayName();
            // An unstretched image is designed at its picture's size.
            if (c.kind == Kind::Image && c.picture && !c.stretch) {
                EXPECT_EQ(c.rect.width, c.picture->width * kTwipsPerPixel) << e.name << " " << c.displayName();
                EXPECT_EQ(c.rect.height, c.picture->height * kTwipsPerPixel) << e.name << " " << c.displayName();
            }
        }
    }
}

TEST(Navigator, StartsOnTheTitleScreen) {
    HeadlessHost host;
    Navigator nav(host, screenRegistry());
    EXPECT_EQ(nav.current(), nullptr) << "nothing is loaded before start";
    nav.pointerMove(10, 10);
    EXPECT_FALSE(nav.ended()) << "input before start does not end the application";
    nav.start();
    ASSERT_NE(nav.current(), nullptr);
    EXPECT_EQ(nav.current()->name(), "Form2");
    EXPECT_EQ(host.windows, (std::vector<std::string>{"create Form2", "show Form2"}));
}

TEST(Navigator, GoToUnloadsBeforeTheTargetLoads) {
    test::Lab lab;
    lab.host.windows.clear();
    lab.click("Image1", 2);  // goes to Next, then touches its own unloaded screen
    ASSERT_EQ(lab.nav.current()->name(), "Next");
    EXPECT_EQ(lab.host.windows, (std::vector<std::string>{"destroy Lab", "create Next", "show Next"}));
    EXPECT_EQ(lab.host.openWindows, std::vector<std::string>{"Next"});
    EXPECT_EQ(eventLog().back(), "Load Next");
}

TEST(Navigator, GoToAnUnknownScreenLeavesTheCurrentOne) {
    test::Lab lab;
    lab.nav.open("Next");
    diagnostics::Capture told;
    lab.click("Image1", 2);
    lab.click("Image1", 2);
    ASSERT_NE(lab.nav.current(), nullptr);
    EXPECT_EQ(lab.nav.current()->name(), "Next");
    EXPECT_FALSE(lab.nav.ended());
    EXPECT_EQ(told.lines(), std::vector<std::string>{"there is no screen named Nowhere"}) << "told once";
}

TEST(Navigator, QuitAndClosingTheWindowEndTheApplication) {
    for (const char* how : {"quit button", "window closed"}) {
        test::Lab lab;
        lab.nav.open("Next");
        if (std::string(how) == "quit button")
            lab.click("Image1", 1);
        else
            lab.nav.windowClosed();
        EXPECT_EQ(lab.nav.current(), nullptr) << how;
        EXPECT_TRUE(lab.nav.ended()) << how;
        EXPECT_EQ(lab.host.endedCalls, 1) << how;
        EXPECT_TRUE(lab.host.openWindows.empty()) << how;
        lab.nav.pointerMove(3100, 3100);  // input after the end is ignored
        lab.nav.pointerPress(3100, 3100);
        EXPECT_EQ(lab.host.endedCalls, 1) << how;
    }
}

TEST(Navigator, ADoubleClickActsOnceWhenItsFirstClickLeavesThePage) {
    // The back button of Form23 leads to Form22, whose own back button, to
    // Form3, lies at the same place.
    {
        HeadlessHost host;
        Navigator nav(host, screenRegistry());
        nav.open("Form23");
        auto [x, y] = test::centre(*nav.current(), "Image1", 6);
        nav.pointerMove(x, y);
        nav.pointerPress(x, y);
        nav.pointerRelease(x, y);
        ASSERT_EQ(nav.current()->name(), "Form22");
        nav.pointerDoubleClick(x, y);
        nav.pointerRelease(x, y);
        EXPECT_EQ(nav.current()->name(), "Form22") << "the second press must not reach Form22's back button";
        // The next press is a press again.
        nav.pointerPress(x, y);
        nav.pointerRelease(x, y);
        EXPECT_EQ(nav.current()->name(), "Form3");
        // A native control's press follows the same rule.
        nav.open("Form22");
        EXPECT_FALSE(nav.nativePress(true)) << "a double-click begun on the page before";
        EXPECT_TRUE(nav.nativePress(false));
        EXPECT_TRUE(nav.nativePress(true)) << "a double-click begun on this page";
    }
    {
        // On one page a double-click is two clicks.
        test::Lab lab;
        auto [cx, cy] = test::centre(lab.screen(), "Image1", 1);
        lab.nav.pointerPress(cx, cy);
        lab.nav.pointerRelease(cx, cy);
        lab.nav.pointerDoubleClick(cx, cy);
        lab.nav.pointerRelease(cx, cy);
        EXPECT_EQ(std::count(eventLog().begin(), eventLog().end(), "Click Image1(1)"), 2);
    }
}

// A Load that leaves its own screen, by Go to or by Quit, reached through each
// way into the Navigator. The handler goes on with the screen it left, which
// must stay alive until the event ends (AddressSanitizer sees it otherwise),
// and the screen left during its Load is never shown.
TEST(Navigator, ALoadThatLeavesItsScreenRunsToItsEndAndTheScreenIsNeverShown) {
    struct Case {
        const char* how;
        test::Title title;
        std::function<void(Navigator&)> act;
        const char* endsOn;  // nullptr: the application has ended
        std::vector<std::string> log;
    };
    auto click = [](Navigator& nav, int index) {
        auto [x, y] = test::centre(*nav.current(), "Image1", index);
        nav.pointerMove(x, y);
        nav.pointerPress(x, y);
        nav.pointerRelease(x, y);
    };
    const std::vector<Case> cases = {
        {"start on a title that goes away", test::Title::Away, [](Navigator& nav) { nav.start(); }, "Next",
         {"Load Form2", "Load Next", "after Form2"}},
        {"start on a title that quits", test::Title::Leave, [](Navigator& nav) { nav.start(); }, nullptr,
         {"Load Form2", "after Form2"}},
        {"open a screen that goes away", test::Title::Hub,
         [](Navigator& nav) {
             nav.start();
             nav.open("Away");
         },
         "Next", {"Load Form2", "Load Away", "Load Next", "after Away"}},
        {"open a screen that quits", test::Title::Hub,
         [](Navigator& nav) {
             nav.start();
             nav.open("Leave");
         },
         nullptr, {"Load Form2", "Load Leave", "after Leave"}},
        {"click to a screen that goes away", test::Title::Hub,
         [&](Navigator& nav) {
             nav.start();
             click(nav, 1);
         },
         "Next", {"Load Form2", "Load Away", "Load Next", "after Away", "after Form2"}},
        {"click to a screen that quits", test::Title::Hub,
         [&](Navigator& nav) {
             nav.start();
             click(nav, 2);
         },
         nullptr, {"Load Form2", "Load Leave", "after Leave", "after Form2"}},
        // A tool holding the Navigator as the handlers' AppActions.
        {"Go to asked outside any event", test::Title::Hub,
         [](Navigator& nav) {
             nav.start();
             static_cast<AppActions&>(nav).goTo("Away");
         },
         "Next", {"Load Form2", "Load Away", "Load Next", "after Away"}},
        {"Quit asked outside any event", test::Title::Away,
         [](Navigator& nav) {
             nav.start();
             static_cast<AppActions&>(nav).quit();
         },
         nullptr, {"Load Form2", "Load Next", "after Form2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        eventLog().clear();
        HeadlessHost host;
        Navigator nav(host, test::leavingRegistry(c.title));
        c.act(nav);
        EXPECT_EQ(eventLog(), c.log);
        for (const char* left : {"Away", "Leave"}) {
            EXPECT_EQ(std::count(host.windows.begin(), host.windows.end(), "show " + std::string(left)), 0) << left;
        }
        if (c.title != test::Title::Hub) {
            EXPECT_EQ(std::count(host.windows.begin(), host.windows.end(), "show Form2"), 0);
        }
        if (c.endsOn) {
            ASSERT_NE(nav.current(), nullptr);
            EXPECT_EQ(nav.current()->name(), c.endsOn);
            EXPECT_FALSE(nav.ended());
            EXPECT_EQ(host.openWindows, std::vector<std::string>{c.endsOn});
            EXPECT_EQ(host.windows.back(), "show " + std::string(c.endsOn));
        } else {
            EXPECT_EQ(nav.current(), nullptr);
            EXPECT_TRUE(nav.ended());
            EXPECT_EQ(host.endedCalls, 1);
            EXPECT_TRUE(host.openWindows.empty());
        }
    }
}

TEST(Navigator, TitleAndMenuNavigation) {
    HeadlessHost host;
    Navigator nav(host, screenRegistry());
    nav.start();
    auto clickAt = [&](std::string_view name, std::optional<int> index) {
        auto [x, y] = test::centre(*nav.current(), name, index);
        nav.pointerMove(x, y);
        nav.pointerPress(x, y);
        nav.pointerRelease(x, y);
    };
    clickAt("Image1", 2);
    ASSERT_EQ(nav.current()->name(), "Form1");
    EXPECT_EQ(host.openWindows, std::vector<std::string>{"Form1"}) << "the title page's window is destroyed";
    clickAt("Image3", std::nullopt);
    EXPECT_TRUE(nav.ended());
}

}  // namespace
}  // namespace nizam

#include "app/targets.h"

namespace nizam {
namespace {

TEST(Targets, FoundByRunningEachClickOnAScratchScreen) {
    const auto registry = screenRegistry();
    const ScreenModule& menu = *registry[0].module;
    std::vector<std::string> targets = discoverTargets(menu);
    std::sort(targets.begin(), targets.end());
    EXPECT_EQ(targets, (std::vector<std::string>{"Form13", "Form14", "Form15", "Form16", "Form22", "Form25",
                                                 "Form3", "Form37", "Form41"}));
    const auto edges = discoverEdges(*registry[1].module);
    ASSERT_EQ(edges.size(), 2u);
    auto name = [&](const NavigationEdge& e) {
        return registry[1].module->def.controls[static_cast<std::size_t>(e.control)].displayName();
    };
    EXPECT_EQ(name(edges[0]), "Image1(1)");
    EXPECT_EQ(edges[0].action, NavAction::Quit);
    EXPECT_EQ(name(edges[1]), "Image1(2)");
    EXPECT_EQ(edges[1].action, NavAction::GoTo);
    EXPECT_EQ(edges[1].target, "Form1");
}

// One edge written as text, so a difference names the control and the action.
std::string describe(std::string_view control, NavAction action, std::string_view target) {
    return std::string(control) + (action == NavAction::Quit ? " Quit" : " Go to " + std::string(target));
}

TEST(NavigationTable, EveryScreenTakesExactlyItsEdges) {
    int compared = 0;
    std::size_t taking = 0;
    for (const auto& e : screenRegistry()) {
        ASSERT_NE(e.module, nullptr) << e.name;
        std::vector<std::string> taken, written;
        for (const auto& edge : discoverEdges(*e.module)) {
            const ControlDef& c = e.module->def.controls[static_cast<std::size_t>(edge.control)];
            taken.push_back(describe(c.displayName(), edge.action, edge.target));
        }
        for (const NavEdge& edge : navigationFrom(e.name))
            written.push_back(describe(edge.controlName(), edge.action, edge.target));
        std::sort(taken.begin(), taken.end());
        std::sort(written.begin(), written.end());
        EXPECT_EQ(taken, written) << e.name << ": the click handlers (left) differ from the navigation table (right)";
        taking += taken.size();
        ++compared;
    }
    EXPECT_EQ(compared, 41) << "every screen's handlers are compared";
    EXPECT_EQ(taking, navigationTable().size()) << "every edge of the table is taken by a handler";
}

TEST(NavigationTable, NamesRealScreensOneQuitEachAndReachesAllButForm12) {
    const auto registry = screenRegistry();
    auto known = [&](std::string_view name) {
        return std::any_of(registry.begin(), registry.end(), [&](const RegistryEntry& r) { return r.name == name; });
    };
    for (const RegistryEntry& r : registry) {
        const auto edges = navigationFrom(r.name);
        EXPECT_EQ(std::count_if(edges.begin(), edges.end(), [](const NavEdge& e) { return e.action == NavAction::Quit; }), 1)
            << r.name << " has one close button";
    }
    for (const NavEdge& e : navigationTable()) {
        EXPECT_TRUE(known(e.screen)) << e.screen;
        if (e.action == NavAction::GoTo) EXPECT_TRUE(known(e.target)) << e.screen << " " << e.controlName() << " -> " << e.target;
        else EXPECT_TRUE(e.target.empty()) << e.screen << " " << e.controlName();
        const auto same = std::count_if(navigationTable().begin(), navigationTable().end(), [&](const NavEdge& o) {
            return o.screen == e.screen && o.control == e.control && o.index == e.index;
        });
        EXPECT_EQ(same, 1) << e.screen << " " << e.controlName() << " is written twice";
    }
    // Following every Go to from a screen: all but the title and Form12 from the
    // menu, all but Form12 from the title.
    auto reach = [](std::string from) {
        std::vector<std::string> seen{from}, todo{from};
        while (!todo.empty()) {
            const std::string s = todo.back();
            todo.pop_back();
            for (const auto& t : navigationTargets(s)) {
                if (std::find(seen.begin(), seen.end(), t) == seen.end()) {
                    seen.push_back(t);
                    todo.push_back(t);
                }
            }
        }
        return seen;
    };
    const auto fromTitle = reach("Form2");
    EXPECT_EQ(fromTitle.size(), 40u);
    EXPECT_EQ(std::count(fromTitle.begin(), fromTitle.end(), "Form12"), 0);
    const auto fromMenu = reach("Form1");
    EXPECT_EQ(fromMenu.size(), 39u);
    EXPECT_EQ(std::count(fromMenu.begin(), fromMenu.end(), "Form2"), 0);
    EXPECT_EQ(navigationTargets("Form17"), (std::vector<std::string>{"Form18", "Form14"}))
        << "two buttons leading to one page give one target";
}

}  // namespace
}  // namespace nizam
