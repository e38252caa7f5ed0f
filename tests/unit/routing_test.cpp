// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "tests/unit/test_screens.h"

namespace nizam {
namespace {

using test::eventLog;
using Log = std::vector<std::string>;

class Routing : public ::testing::Test {
protected:
    test::Lab lab;
    Navigator& nav = lab.nav;
    Screen& s() { return lab.screen(); }
    ControlId id(std::string_view n, std::optional<int> i = {}) { return s().findQuiet(n, i).value(); }
    Log take() {
        Log out = eventLog();
        eventLog().clear();
        return out;
    }
};

TEST_F(Routing, MovesGoToTheFrontMostVisibleControl) {
    struct Case {
        Twips x, y;
        const char* expected;  // nullptr: no event at all
    };
    const Case cases[] = {
        {3100, 3100, "Move Image1(1)"},   // only Image1(1)
        {4200, 3500, "Move Image1(1)"},   // overlap: Image1(1) is in front
        {5200, 3500, "Move Image1(2)"},   // only Image1(2)
        {6500, 3500, "Move Imagefixe"},   // hidden Image5 lets the pointer through
        {9000, 2000, "Move Imagefixe"},   // Shape1 does not take the pointer
        {100, 100, "Move Form"},          // bare window surface
        {15000, 11000, "Move Form"},
        {16200, 200, nullptr},            // outside the client area: off-canvas Image6 is never hit
        {-10, 50, nullptr},
    };
    for (const Case& c : cases) {
        eventLog().clear();
        nav.pointerMove(c.x, c.y);
        Log expected = c.expected ? Log{c.expected} : Log{};
        EXPECT_EQ(take(), expected) << c.x << "," << c.y;
    }
}

TEST_F(Routing, HidingTheControlUnderThePointerSendsTheNextMoveBehindIt) {
    nav.pointerMove(3100, 3100);
    take();
    s().setVisible(id("Image1", 1), false);
    nav.pointerMove(3110, 3110);
    EXPECT_EQ(take(), (Log{"Move Image2(1)"})) << "the highlight behind the hot-spot is visible there";
}

TEST_F(Routing, ClickIsPressAndReleaseOnTheSameControl) {
    nav.pointerPress(3100, 3100);
    nav.pointerRelease(3200, 3200);
    EXPECT_EQ(take(), (Log{"Click Image1(1)"}));

    nav.pointerPress(3100, 3100);
    nav.pointerMove(5200, 3500);  // captured: still goes to the pressed control
    nav.pointerRelease(5200, 3500);
    EXPECT_EQ(take(), (Log{"Move Image1(1)"})) << "released over another control: no click";

    nav.pointerPress(100, 100);  // bare screen: nothing is pressed
    nav.pointerRelease(100, 100);
    EXPECT_EQ(take(), Log{});
}

TEST_F(Routing, APressedControlHiddenByThePageTakesNoMoreEvents) {
    std::vector<ControlId> reached;
    nav.observeDeliveries([&](const Screen&, ControlId c) { reached.push_back(c); });
    nav.pointerPress(3100, 3100);
    s().setVisible(id("Image1", 1), false);
    nav.pointerMove(3110, 3110);  // no longer captured: the move goes to what is shown there
    nav.pointerMove(5200, 3500);
    nav.pointerRelease(3100, 3100);
    EXPECT_EQ(take(), (Log{"Move Imagefixe", "Move Image1(2)"})) << "no click on the hidden control either";
    EXPECT_EQ(reached, (std::vector<ControlId>{id("Imagefixe"), id("Image1", 2)}));
}

TEST_F(Routing, CheckBoxesToggleAndTextBoxesTakeFocus) {
    lab.click("Check1");
    EXPECT_EQ(s().state(id("Check1")).value, 1);
    EXPECT_EQ(s().focus(), id("Check1"));
    lab.click("Check1");
    EXPECT_EQ(s().state(id("Check1")).value, 0);
    lab.click("Text1");
    EXPECT_EQ(s().focus(), id("Text1"));
    // The boxes come first on the page, in their TabIndex order Check2, Check1, Text1.
    nav.keyBacktab();
    nav.keyBacktab();
    EXPECT_EQ(s().focus(), id("Check2"));
    nav.keySpace();
    EXPECT_EQ(s().state(id("Check2")).value, 1);
}

TEST_F(Routing, DragDropsOnWhateverIsUnderTheRelease) {
    auto [lx, ly] = test::centre(s(), "Image3", 1);
    auto [tx, ty] = test::centre(s(), "Image4", 0);
    nav.pointerMove(lx, ly);
    take();

    nav.pointerPress(lx, ly);
    EXPECT_TRUE(lab.host.dragOutline);
    nav.pointerMove(3100, 3100);  // over a hot-spot: no MouseMove during the drag
    EXPECT_EQ(lab.host.pointerShape, "Lab_Image3_1_MouseIcon") << "the pointer shape stays during the drag";
    nav.pointerRelease(tx, ty);
    EXPECT_FALSE(lab.host.dragOutline);
    EXPECT_EQ(take(), (Log{"Drop Image4(0) <- Image3(1)"}));
    EXPECT_FALSE(s().visible("Image2", 1)) << "highlights do not change during a drag";
    EXPECT_EQ(s().picture("Image4", 0), s().picture("Image3", 1));
    EXPECT_EQ(s().rect(id("Image3", 1)), (Rect{1000, 7000, 1800, 450})) << "the source never moves";

    // Onto the source itself.
    nav.pointerPress(lx, ly);
    nav.pointerRelease(lx + 10, ly);
    EXPECT_EQ(take(), (Log{"Drop Image3(1) <- Image3(1)"}));

    // Onto the bare screen, and outside the window: nothing.
    nav.pointerPress(lx, ly);
    nav.pointerRelease(100, 100);
    nav.pointerPress(lx, ly);
    nav.pointerReleaseOutside();
    EXPECT_EQ(take(), Log{});

    // A drag label never raises Click.
    nav.pointerPress(lx, ly);
    nav.pointerRelease(lx, ly);
    EXPECT_EQ(take(), (Log{"Drop Image3(1) <- Image3(1)"}));
}

TEST_F(Routing, DropOnAFilledTargetReplacesItsLabel) {
    auto drag = [&](std::string_view from, int fi, std::string_view to, int ti) {
        auto [x1, y1] = test::centre(s(), from, fi);
        nav.pointerPress(x1, y1);
        auto [x2, y2] = test::centre(s(), to, ti);
        nav.pointerRelease(x2, y2);
    };
    drag("Image3", 0, "Image4", 1);
    EXPECT_EQ(s().rect(id("Image4", 1)).width, 1200);
    drag("Image3", 1, "Image4", 1);
    EXPECT_EQ(s().picture("Image4", 1), s().picture("Image3", 1));
    EXPECT_EQ(s().rect(id("Image4", 1)).width, 1800);
    drag("Image3", 1, "Image4", 0);
    EXPECT_EQ(s().picture("Image4", 0), s().picture("Image4", 1)) << "one label on two targets";
}

TEST_F(Routing, HoverHighlightSequence) {
    EXPECT_FALSE(s().visible("Image2", 1));
    EXPECT_FALSE(s().visible("Image2", 2));
    EXPECT_EQ(s().state(id("Image1", 1)).mousePointer, 0);
    EXPECT_EQ(nav.pointerShape(), "");

    lab.move("Image1", 1);
    EXPECT_TRUE(s().visible("Image2", 1));
    EXPECT_EQ(s().state(id("Image1", 1)).mousePointer, kPointerIcon);
    EXPECT_EQ(nav.pointerShape(), "Lab_Image1_1_MouseIcon");

    nav.pointerMove(5200, 3500);  // straight on to the next hot-spot
    EXPECT_TRUE(s().visible("Image2", 1)) << "crossing no background keeps both highlights";
    EXPECT_TRUE(s().visible("Image2", 2));

    lab.move("Check1");  // a control without MouseMove handler of the hover: nothing changes
    EXPECT_TRUE(s().visible("Image2", 1));
    EXPECT_EQ(nav.pointerShape(), "") << "the arrow over a check box";

    nav.pointerMove(9000, 9000);  // the background
    EXPECT_FALSE(s().visible("Image2", 1));
    EXPECT_FALSE(s().visible("Image2", 2));
    EXPECT_EQ(s().state(id("Image1", 1)).mousePointer, kPointerIcon) << "the hand stays set until unloading";

    lab.move("Image1", 2);
    nav.pointerMove(100, 100);  // the bare window surface hides them too
    EXPECT_FALSE(s().visible("Image2", 2));
}

TEST_F(Routing, ReloadingShowsTheDesignStateAgain) {
    lab.click("Check1");
    lab.move("Image1", 1);
    s().setText(id("Text1"), "abc");
    s().setPicture(id("Image4", 0), s().picture("Image3", 0));
    nav.open("Next");
    nav.open("Lab");
    EXPECT_EQ(s().state(id("Check1")).value, 0);
    EXPECT_EQ(s().state(id("Text1")).text, "");
    EXPECT_TRUE(s().picture("Image4", 0).empty());
    EXPECT_EQ(s().rect(id("Image4", 0)), (Rect{6000, 6000, 1500, 600}));
    EXPECT_FALSE(s().visible("Image2", 1));
    EXPECT_EQ(s().state(id("Image1", 1)).mousePointer, 0);
}

}  // namespace
}  // namespace nizam
