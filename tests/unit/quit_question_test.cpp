// SPDX-License-Identifier: GPL-3.0-or-later
// Quitting a page that holds the pupil's answers asks first: what counts as
// an answer, the question's buttons and keys, and the page kept exactly as it
// was under it.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/registry.h"
#include "runtime/exercise.h"
#include "tests/unit/test_screens.h"

namespace nizam {
namespace {

using test::centre;

struct Pupil {
    HeadlessHost host;
    Navigator nav{host, screenRegistry()};
    Screen& open(const std::string& name) {
        nav.open(name);
        return *nav.current();
    }
    void click(std::string_view control, std::optional<int> index = {}) {
        auto [x, y] = centre(*nav.current(), control, index);
        nav.pointerMove(x, y);
        nav.pointerPress(x, y);
        nav.pointerRelease(x, y);
    }
    void clickButton(QuitButton b) {
        const ScreenDef& d = nav.current()->def();
        const Rect r = QuitQuestion::button(b, d.clientWidth, d.clientHeight);
        nav.pointerPress(r.left + r.width / 2, r.top + r.height / 2);
        nav.pointerRelease(r.left + r.width / 2, r.top + r.height / 2);
    }
};

ControlId id(const Screen& s, std::string_view name, std::optional<int> index = {}) {
    auto found = s.findQuiet(name, index);
    EXPECT_TRUE(found) << name;
    return found.value_or(0);
}

// What the pupil did on the page, against the page as it loaded.
TEST(QuitQuestion, AnswersAreWhatDiffersFromThePageAsItLoaded) {
    struct Case {
        const char* what;
        const char* page;
        std::function<void(Screen&)> act;
        bool holds;
    };
    const DropLabel drops{"Image4"};
    const Case cases[] = {
        {"nothing", "Form3", [](Screen&) {}, false},
        {"a box ticked", "Form3", [](Screen& s) { s.toggle(id(s, "Check2")); }, true},
        {"a box ticked and cleared", "Form3",
         [](Screen& s) {
             s.toggle(id(s, "Check2"));
             s.toggle(id(s, "Check2"));
         },
         false},
        {"a text typed", "Form3", [](Screen& s) { s.setText(id(s, "Text1"), "ج"); }, true},
        {"a text typed and erased", "Form3",
         [](Screen& s) {
             s.setText(id(s, "Text1"), "ج");
             s.setText(id(s, "Text1"), "");
         },
         false},
        {"verdicts and marks shown", "Form3",
         [](Screen& s) {
             s.show("Image7", 1);
             s.hide("Image20");
         },
         false},
        {"a label placed", "Form7", [&](Screen& s) { drops.drop(s, 0, id(s, "Image3", 4)); }, true},
        {"a label placed, then the page reset", "Form7",
         [&](Screen& s) {
             drops.drop(s, 0, id(s, "Image3", 4));
             emptyTargets(s, "Image4", 0, 3);
         },
         false},
        {"a label placed, then the target emptied by a blank", "Form7",
         [&](Screen& s) {
             drops.drop(s, 2, id(s, "Image3", 0));
             s.setPicture(id(s, "Image4", 2), s.picture("Image9"));
         },
         false},
    };
    for (const Case& c : cases) {
        Pupil course;
        Screen& s = course.open(c.page);
        EXPECT_FALSE(s.holdsAnswers()) << c.what << ": as loaded";
        c.act(s);
        EXPECT_EQ(s.holdsAnswers(), c.holds) << c.what;
    }
}

// What a page's Load sets up is the page as it opens, not an answer.
TEST(QuitQuestion, WhatLoadSetsIsNoAnswer) {
    for (const auto& e : screenRegistry()) {
        Pupil course;
        course.nav.open(e.name);
        if (!course.nav.current()) continue;
        EXPECT_FALSE(course.nav.current()->holdsAnswers()) << e.name;
        course.nav.windowClosed();
        EXPECT_TRUE(course.nav.ended()) << e.name << ": closing an untouched page ends at once";
        EXPECT_EQ(course.host.questionChanges, 0) << e.name;
    }
}

// Under the question the page takes nothing: no click, no drag, no native
// change, no focus move; its state is as it was when the question came.
TEST(QuitQuestion, ThePageUnderTheQuestionTakesNoInput) {
    Pupil c;
    Screen& s = c.open("Form3");
    c.click("Check1");
    c.nav.userSetText(id(s, "Text1"), "جهاز");
    c.nav.userSetFocus(id(s, "Text1"));
    c.click("Image1", 2);  // check: a verdict
    const bool wrongShown = s.state(id(s, "Image7", 1)).visible;
    c.click("Image1", 1);
    ASSERT_NE(c.nav.quitQuestion(), nullptr);
    EXPECT_EQ(c.nav.quitQuestion()->focus, QuitButton::Stay);
    EXPECT_EQ(c.host.questionChanges, 1);

    c.click("Check2");
    c.click("Image1", 3);  // reset
    c.click("Image1", 7);  // the menu
    EXPECT_FALSE(c.nav.nativePress(false));
    c.nav.userSetValue(id(s, "Check3"), 1);
    c.nav.userSetText(id(s, "Text1"), "x");
    c.nav.userSetFocus(id(s, "Check1"));
    c.nav.windowClosed();  // closing again asks on
    ASSERT_EQ(c.nav.current(), &s);
    EXPECT_NE(c.nav.quitQuestion(), nullptr);
    EXPECT_EQ(c.host.pointerShape, "") << "the arrow over the question";

    c.nav.keyEscape();
    EXPECT_EQ(c.nav.quitQuestion(), nullptr);
    EXPECT_EQ(c.host.questionChanges, 2);
    EXPECT_EQ(s.state(id(s, "Check1")).value, 1);
    EXPECT_EQ(s.state(id(s, "Check2")).value, 0);
    EXPECT_EQ(s.state(id(s, "Check3")).value, 0);
    EXPECT_EQ(s.state(id(s, "Text1")).text, "جهاز");
    EXPECT_EQ(s.state(id(s, "Image7", 1)).visible, wrongShown);
    EXPECT_EQ(s.focus(), id(s, "Text1"));
    EXPECT_FALSE(c.nav.ended());
    EXPECT_TRUE(c.nav.nativePress(false)) << "the page takes input again";
}

// The buttons: a press and a release both on one; Tab between them, Space
// and Enter on the one with the keyboard; only "leave" ends.
TEST(QuitQuestion, ButtonsAndKeys) {
    auto asked = [](Pupil& c) {
        c.open("Form3");
        c.click("Check2");
        c.click("Image1", 1);
        return c.nav.quitQuestion() != nullptr;
    };
    {
        Pupil c;
        ASSERT_TRUE(asked(c));
        c.nav.keyEnter();  // the default is to stay
        EXPECT_EQ(c.nav.quitQuestion(), nullptr);
        EXPECT_FALSE(c.nav.ended());
    }
    {
        Pupil c;
        ASSERT_TRUE(asked(c));
        c.nav.keyTab();
        EXPECT_EQ(c.nav.quitQuestion()->focus, QuitButton::Leave);
        c.nav.keyTab();
        EXPECT_EQ(c.nav.quitQuestion()->focus, QuitButton::Stay);
        c.nav.keySpace();
        EXPECT_EQ(c.nav.quitQuestion(), nullptr);
        EXPECT_EQ(c.nav.current()->state(id(*c.nav.current(), "Check2")).value, 1);
    }
    {
        Pupil c;
        ASSERT_TRUE(asked(c));
        c.nav.keyTab();
        c.nav.keyEnter();
        EXPECT_TRUE(c.nav.ended());
        EXPECT_EQ(c.nav.quitQuestion(), nullptr);
        EXPECT_EQ(c.host.endedCalls, 1);
        EXPECT_TRUE(c.host.openWindows.empty());
    }
    {
        Pupil c;
        ASSERT_TRUE(asked(c));
        const ScreenDef& d = c.nav.current()->def();
        const Rect leave = QuitQuestion::button(QuitButton::Leave, d.clientWidth, d.clientHeight);
        const Rect stay = QuitQuestion::button(QuitButton::Stay, d.clientWidth, d.clientHeight);
        // Pressed on one, released on the other or outside: neither.
        c.nav.pointerPress(leave.left + 10, leave.top + 10);
        c.nav.pointerRelease(stay.left + 10, stay.top + 10);
        c.nav.pointerPress(leave.left + 10, leave.top + 10);
        c.nav.pointerReleaseOutside();
        c.nav.pointerRelease(leave.left + 10, leave.top + 10);
        EXPECT_NE(c.nav.quitQuestion(), nullptr);
        c.clickButton(QuitButton::Stay);
        EXPECT_EQ(c.nav.quitQuestion(), nullptr);
        c.click("Image1", 1);
        c.clickButton(QuitButton::Leave);
        EXPECT_TRUE(c.nav.ended());
    }
    {
        // Going to a page directly (the tools' way) takes the question away with its page.
        Pupil c;
        ASSERT_TRUE(asked(c));
        c.nav.open("Form4");
        EXPECT_EQ(c.nav.quitQuestion(), nullptr);
        ASSERT_NE(c.nav.current(), nullptr);
        EXPECT_EQ(c.nav.current()->name(), "Form4");
    }
}

// The question lies on every page's client area, its buttons apart inside it,
// the leave button on the right where a right-to-left reader starts.
TEST(QuitQuestion, ThePanelLiesOnEveryPage) {
    for (const auto& e : screenRegistry()) {
        const ScreenDef& d = e.module->def;
        const Rect p = QuitQuestion::panel(d.clientWidth, d.clientHeight);
        EXPECT_GE(p.left, 0) << e.name;
        EXPECT_GE(p.top, 0) << e.name;
        EXPECT_LE(p.left + p.width, d.clientWidth) << e.name;
        EXPECT_LE(p.top + p.height, d.clientHeight) << e.name;
        const Rect leave = QuitQuestion::button(QuitButton::Leave, d.clientWidth, d.clientHeight);
        const Rect stay = QuitQuestion::button(QuitButton::Stay, d.clientWidth, d.clientHeight);
        for (const Rect& b : {leave, stay}) {
            EXPECT_TRUE(p.contains(b.left, b.top) && p.contains(b.left + b.width - 1, b.top + b.height - 1)) << e.name;
        }
        EXPECT_LT(stay.left + stay.width, leave.left) << e.name;
        EXPECT_EQ(QuitQuestion::buttonAt(leave.left, leave.top, d.clientWidth, d.clientHeight), QuitButton::Leave);
        EXPECT_EQ(QuitQuestion::buttonAt(stay.left, stay.top, d.clientWidth, d.clientHeight), QuitButton::Stay);
        EXPECT_EQ(QuitQuestion::buttonAt(p.left, p.top, d.clientWidth, d.clientHeight), std::nullopt);
    }
}

}  // namespace
}  // namespace nizam
