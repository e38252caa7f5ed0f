// SPDX-License-Identifier: GPL-3.0-or-later
// Where a released label drops (the targets' catch areas), and the loupe
// that shows a word label's words after the pointer rests on it, both driven
// through the Navigator as the platform drives them.
#include <gtest/gtest.h>

#include "app/navigator.h"
#include "runtime/exercise.h"
#include "runtime/loupe.h"
#include "screens/page.h"
#include "tools/scenario/headless_host.h"

namespace nizam {
namespace {

// Two word labels; two targets 150 twips (10 design pixels) apart, so that
// their grown rectangles overlap; a third target with a declared cell larger
// than its margin; the background, where a release far from every target
// goes, as any release does.
ScreenDef catchDef() {
    ScreenDef d;
    d.name = "Catch";
    d.caption = "Catch";
    d.controls = {
        image("Image3", 0, 600, 600, 1500, 300).pic(100, 20).draggable().pointer(kPointerIcon).pointerIcon(),
        image("Image3", 1, 600, 1200, 2250, 300).pic(150, 20).draggable().pointer(kPointerIcon).pointerIcon(),
        image("Image3", 2, 600, 1800, 1500, 300).pic(100, 20).draggable().hidden(),
        image("Image4", 0, 3000, 3000, 1500, 300),
        image("Image4", 1, 3000, 3450, 1500, 300),
        image("Image4", 2, 8000, 3000, 1335, 375),
        image("Image9", 20000, 20000, 600, 600),
        image("Imagefixe", 0, 0, 15000, 11000).pic(1000, 733),
    };
    return d;
}
const ScreenDef kCatch = catchDef();

void bindCatch(ScreenLogic& logic) { DropLabel{"Image4"}.attach(logic); }

// Target 2's cell reaches 30 design pixels beyond its right edge and 20 above it.
const ScreenModule kCatchModule{
    .def = kCatch,
    .bind = bindCatch,
    .catchAreas = {{"Image4", 2, Rect{7800, 2700, 1985, 1200}}},
};

ScreenDef otherDef() {
    ScreenDef d;
    d.name = "Other";
    d.caption = "Other";
    d.controls = {image("Imagefixe", 0, 0, 15000, 11000).pic(1000, 733)};
    return d;
}
const ScreenDef kOther = otherDef();
const ScreenModule kOtherModule{.def = kOther, .bind = [](ScreenLogic&) {}};

struct Bench {
    HeadlessHost host;
    Navigator nav{host, {{"Catch", &kCatchModule}, {"Other", &kOtherModule}}};
    Bench() { nav.open("Catch"); }
    Screen& s() { return *nav.current(); }
    ControlId id(std::string_view n, int i) { return s().findQuiet(n, i).value(); }
    std::pair<Twips, Twips> centre(std::string_view n, int i) {
        const Rect r = s().rect(id(n, i));
        return {r.left + r.width / 2, r.top + r.height / 2};
    }
    // Label `label` pressed at its centre and released at the point; returns
    // the control the release reached ("none" when it reached none).
    std::string dropAt(int label, Twips x, Twips y) {
        auto [lx, ly] = centre("Image3", label);
        nav.pointerMove(lx, ly);
        nav.pointerPress(lx, ly);
        nav.pointerMove(x, y);
        std::string reached = "none";
        nav.observeDeliveries([&](const Screen& s, ControlId id) { reached = s.control(id).displayName(); });
        nav.pointerRelease(x, y);
        nav.observeDeliveries(nullptr);
        return reached;
    }
};

TEST(CatchArea, AReleaseDropsOntoTheNearestTargetWhoseCatchAreaHoldsIt) {
    constexpr Twips px = kTwipsPerPixel;
    struct Case {
        const char* what;
        Twips x, y;
        std::string expected;  // the control the release reaches
    };
    const Case cases[] = {
        {"inside the target", 3750, 3150, "Image4(0)"},
        {"10 px above it", 3750, 3000 - 10 * px, "Image4(0)"},
        {"12 px to its right", 4500 + 12 * px, 3150, "Image4(0)"},
        {"12 px off a corner on both axes", 3000 - 12 * px, 3000 - 12 * px, "Image4(0)"},
        {"13 px above it: as before", 3750, 3000 - 13 * px, "Imagefixe"},
        {"between two targets, nearer the upper", 3750, 3300 + 4 * px, "Image4(0)"},
        {"between two targets, nearer the lower", 3750, 3450 - 4 * px, "Image4(1)"},
        {"inside the lower target, within the upper's margin", 3750, 3460, "Image4(1)"},
        {"in a declared cell, beyond the margin", 9335 + 25 * px, 3000 - 15 * px, "Image4(2)"},
        {"past the declared cell", 9335 + 35 * px, 3000 - 15 * px, "Imagefixe"},
        {"far from every target: as before", 12000, 8000, "Imagefixe"},
        // The background stops at 11000 twips; the client area goes on to 11520.
        {"on the bare screen, far from every target", 14000, 11200, "none"},
    };
    for (const Case& c : cases) {
        Bench b;
        EXPECT_EQ(b.dropAt(0, c.x, c.y), c.expected) << c.what;
        // Only the target reached holds the label.
        for (int t = 0; t < 3; ++t) {
            const bool reached = c.expected == "Image4(" + std::to_string(t) + ")";
            EXPECT_EQ(holdsLabel(b.s(), "Image4", t, "Image3", 0), reached) << c.what << ", target " << t;
        }
    }
}

TEST(CatchArea, HiddenTargetsCatchNothingAndFilledTargetsCatchAroundTheirLabel) {
    constexpr Twips px = kTwipsPerPixel;
    {
        Bench b;
        b.s().setVisible(b.id("Image4", 0), false);
        EXPECT_EQ(b.dropAt(0, 3750, 3000 - 10 * px), "Imagefixe") << "a hidden target takes nothing";
    }
    {
        // A filled target takes its label's size: the wider label reaches
        // 750 twips further right, and so does its catch area. Another label
        // released there replaces it, as a drop onto the label does.
        Bench b;
        b.dropAt(1, 3750, 3150);
        ASSERT_EQ(b.s().rect(b.id("Image4", 0)).width, 2250);
        EXPECT_EQ(b.dropAt(0, 5250 + 10 * px, 3150), "Image4(0)");
        EXPECT_TRUE(holdsLabel(b.s(), "Image4(0)", "Image3(0)"));
        EXPECT_EQ(b.s().rect(b.id("Image4", 0)).width, 1500);
    }
    {
        // Released outside the window: nothing, however near the target the pointer last was.
        Bench b;
        auto [lx, ly] = b.centre("Image3", 0);
        b.nav.pointerPress(lx, ly);
        b.nav.pointerMove(3750, 3000 - 5 * px);
        b.nav.pointerReleaseOutside();
        EXPECT_TRUE(b.s().picture("Image4", 0).empty());
    }
}

TEST(CatchArea, DeclaredAreasAreCheckedAgainstTheDesign) {
    ScreenLogic logic;
    logic.catchArea("Image4", 2, Rect{0, 0, 10, 10});
    logic.catchArea("Image4", 7, Rect{0, 0, 10, 10});
    EXPECT_EQ(logic.missingIn(kCatch), std::vector<std::string>{"Catch Image4(7)"});
}

// --- The loupe ------------------------------------------------------------------------

struct LoupeBench : Bench {
    void over(std::string_view n, int i, Twips dx = 0) {
        auto [x, y] = centre(n, i);
        nav.pointerMove(x + dx, y);
    }
};

TEST(Loupe, ShowsAfterHalfASecondOnAWordLabelAndHidesWhenThePointerLeaves) {
    LoupeBench b;
    const ControlId label = b.id("Image3", 0);
    b.over("Image3", 0);
    EXPECT_EQ(b.host.wake, kLoupeRestMs) << "the host is asked to wake the course";
    b.nav.timePassed(kLoupeRestMs - 1);
    EXPECT_EQ(b.nav.loupe(), std::nullopt);
    EXPECT_EQ(b.host.loupe, std::nullopt);
    b.nav.timePassed(1);
    EXPECT_EQ(b.nav.loupe(), label);
    EXPECT_EQ(b.host.loupe, label);

    b.over("Image3", 0, 100);  // a trembling hand: still on the label
    EXPECT_EQ(b.host.loupe, label);
    b.nav.pointerMove(12000, 8000);  // onto the background
    EXPECT_EQ(b.nav.loupe(), std::nullopt);
    EXPECT_EQ(b.host.loupe, std::nullopt);

    // Back on it: a whole new rest.
    b.over("Image3", 0);
    b.nav.timePassed(300);
    EXPECT_EQ(b.host.loupe, std::nullopt);
    b.over("Image3", 0, 200);  // moving on the same label keeps the rest counted
    b.nav.timePassed(200);
    EXPECT_EQ(b.host.loupe, label);
}

TEST(Loupe, AnEarlyTimerAsksForTheRestOfTheWait) {
    LoupeBench b;
    b.over("Image3", 0);
    b.host.wake.reset();
    b.nav.timePassed(320);
    EXPECT_EQ(b.host.wake, kLoupeRestMs - 320);
    EXPECT_EQ(b.host.loupe, std::nullopt);
}

TEST(Loupe, MovingToAnotherLabelStartsItsOwnRest) {
    LoupeBench b;
    b.over("Image3", 0);
    b.nav.timePassed(kLoupeRestMs);
    b.over("Image3", 1);
    EXPECT_EQ(b.host.loupe, std::nullopt);
    b.nav.timePassed(kLoupeRestMs - 1);
    EXPECT_EQ(b.host.loupe, std::nullopt);
    b.nav.timePassed(1);
    EXPECT_EQ(b.host.loupe, b.id("Image3", 1));
}

TEST(Loupe, ADragHidesItAndNoneShowsWhileTheLabelIsCarried) {
    LoupeBench b;
    auto [x, y] = b.centre("Image3", 0);
    b.over("Image3", 0);
    b.nav.timePassed(kLoupeRestMs);
    ASSERT_EQ(b.host.loupe, b.id("Image3", 0));
    b.nav.pointerPress(x, y);
    EXPECT_TRUE(b.nav.dragging());
    EXPECT_EQ(b.host.loupe, std::nullopt) << "the drag's start hides it";
    auto [ox, oy] = b.centre("Image3", 1);
    b.nav.pointerMove(ox, oy);  // carried over the other label
    b.nav.timePassed(5 * kLoupeRestMs);
    EXPECT_EQ(b.host.loupe, std::nullopt);
    b.nav.pointerRelease(x, y);  // dropped back where it came from
    EXPECT_EQ(b.host.loupe, std::nullopt);
    b.nav.timePassed(kLoupeRestMs);
    EXPECT_EQ(b.host.loupe, b.id("Image3", 0)) << "after the drop, a rest on the label shows it again";
}

TEST(Loupe, OnlyWordLabelsOnShowHaveOne) {
    LoupeBench b;
    // A target holding nothing, the background, a hidden label's place.
    for (auto [x, y] : {b.centre("Image4", 0), std::pair<Twips, Twips>{12000, 8000}, b.centre("Image3", 2)}) {
        b.host.wake.reset();
        b.nav.pointerMove(x, y);
        b.nav.timePassed(kLoupeRestMs);
        EXPECT_EQ(b.host.wake, std::nullopt) << x << "," << y;
        EXPECT_EQ(b.host.loupe, std::nullopt) << x << "," << y;
    }
    // A label the page hides while its loupe shows loses it at the next event.
    b.over("Image3", 0);
    b.nav.timePassed(kLoupeRestMs);
    b.s().setVisible(b.id("Image3", 0), false);
    b.nav.timePassed(1);
    EXPECT_EQ(b.host.loupe, std::nullopt);
}

TEST(Loupe, LeavingThePageHidesIt) {
    LoupeBench b;
    b.over("Image3", 0);
    b.nav.timePassed(kLoupeRestMs);
    ASSERT_TRUE(b.host.loupe);
    b.nav.open("Other");
    EXPECT_EQ(b.nav.loupe(), std::nullopt);
    EXPECT_EQ(b.host.loupe, std::nullopt);
    b.nav.timePassed(kLoupeRestMs);
    EXPECT_EQ(b.host.loupe, std::nullopt);
}

TEST(Loupe, TheBubbleStandsAboveTheLabelInsideTheWindow) {
    struct Case {
        const char* what;
        LoupeBox label;
        double x, y;  // where the bubble (200 x 50) stands
        bool below;
    };
    const Case cases[] = {
        {"room above: centred, 18 px above", {400, 300, 100, 20}, 350, 300 - 18 - 50, false},
        {"near the top: below", {400, 40, 100, 20}, 350, 40 + 20 + 18, true},
        {"at the left edge: shifted right", {0, 300, 60, 20}, 4, 232, false},
        {"at the right edge: shifted left", {980, 300, 44, 20}, 1024 - 4 - 200, 232, false},
    };
    for (const Case& c : cases) {
        const LoupePlacement p = placeLoupe(c.label, 200, 50, 1024, 768);
        EXPECT_DOUBLE_EQ(p.bubble.x, c.x) << c.what;
        EXPECT_DOUBLE_EQ(p.bubble.y, c.y) << c.what;
        EXPECT_EQ(p.below, c.below) << c.what;
        EXPECT_GE(p.bubble.x, 0) << c.what;
        EXPECT_LE(p.bubble.x + p.bubble.width, 1024) << c.what;
        // Its pointer lies on the bubble, as near the label's centre as it can.
        EXPECT_GE(p.pointerX, p.bubble.x) << c.what;
        EXPECT_LE(p.pointerX, p.bubble.x + p.bubble.width) << c.what;
    }
    // A window too low for either side: kept inside it all the same.
    const LoupePlacement squeezed = placeLoupe({100, 30, 100, 20}, 200, 50, 400, 100);
    EXPECT_GE(squeezed.bubble.y, 0);
    EXPECT_LE(squeezed.bubble.y + 50, 100);
}

}  // namespace
}  // namespace nizam
