// SPDX-License-Identifier: GPL-3.0-or-later
// The course as the window sees it: the Navigator through the Course interface.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/navigation.h"
#include "app/page_titles.h"
#include "app/registry.h"
#include "tests/unit/test_screens.h"

namespace nizam {
namespace {

// Rendering ahead follows the pages a page leads to: for every screen, the
// designs of its Go to targets, each once, in the navigation table's order.
TEST(Course, EachPageLeadsToTheDesignsOfItsTargets) {
    HeadlessHost host;
    Navigator nav(host, screenRegistry());
    const Course& course = nav;
    int edges = 0;
    for (const auto& e : screenRegistry()) {
        std::vector<std::string> names;
        for (const ScreenDef* d : course.pagesLedTo(e.name)) {
            ASSERT_NE(d, nullptr) << e.name;
            names.push_back(d->name);
        }
        EXPECT_EQ(names, navigationTargets(e.name)) << e.name;
        edges += static_cast<int>(names.size());
    }
    EXPECT_GT(edges, 41) << "the menu alone leads to many pages";
    EXPECT_TRUE(course.pagesLedTo("Form99").empty());
    EXPECT_TRUE(course.pagesLedTo("").empty());
}

// The title bar shows the program and the page, never the inner name; a
// screen of no page shows none.
TEST(Course, TheWindowTitleIsThePagesOwn) {
    HeadlessHost host;
    Navigator nav(host, screenRegistry());
    const Course& course = nav;
    for (const auto& e : screenRegistry()) {
        const std::string title = course.windowTitle(e.name);
        EXPECT_EQ(title, windowTitle(e.name));
        EXPECT_NE(title.find(pageTitle(e.name)), std::string::npos) << e.name;
        EXPECT_EQ(title.find(e.name), std::string::npos) << e.name << ": " << title;
    }
}

// The state the window reads follows the navigation.
TEST(Course, TheCurrentScreenAndTheEndAreTheNavigators) {
    HeadlessHost host;
    Navigator nav(host, screenRegistry());
    const Course& course = nav;
    EXPECT_EQ(course.current(), nullptr);
    nav.start();
    ASSERT_NE(course.current(), nullptr);
    EXPECT_EQ(course.current()->name(), "Form2");
    EXPECT_FALSE(course.ended());
    EXPECT_FALSE(course.dragging());
    nav.windowClosed();
    EXPECT_TRUE(course.ended());
    EXPECT_EQ(course.current(), nullptr);
}

}  // namespace
}  // namespace nizam
