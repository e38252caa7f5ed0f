// SPDX-License-Identifier: GPL-3.0-or-later
// The whole page by keys: the order Tab follows, buttons pressed and labels
// carried from target to target, as the pointer does it.
#include <gtest/gtest.h>

#include "app/navigator.h"
#include "runtime/key_order.h"
#include "screens/page.h"
#include "tools/scenario/headless_host.h"

namespace nizam {
namespace {

using Log = std::vector<std::string>;

Log& log() {
    static Log events;
    return events;
}

// Rows from the top: a button and two boxes (the boxes' TabIndex against
// their reading order), two word labels beside a hidden button and a bare
// picture, the drop targets in two rows, and the toolbar's button at the
// bottom left. One more button, a little lower than the top row but within
// its tolerance, lies right-most on it; another lies outside the page.
ScreenDef keysDef() {
    ScreenDef d;
    d.name = "Keys";
    d.caption = "Keys";
    d.controls = {
        image("Image1", 4, 14000, 700, 600, 600),
        image("Image1", 1, 12000, 600, 600, 600),
        checkBox("Check1", 8000, 600, 375, 375).tab(2),
        textBox("Text1", 3000, 600, 2000, 495).tab(1),
        image("Image3", 0, 10000, 3000, 1200, 450).pic(80, 30).draggable(),
        image("Image3", 1, 6000, 3000, 1200, 450).pic(80, 30).draggable(),
        image("Image1", 3, 2000, 3000, 600, 600).hidden(),
        image("Image7", 1000, 3000, 600, 600).pic(40, 40),
        image("Image4", 0, 11000, 6000, 1500, 600),
        image("Image4", 1, 7000, 6000, 1500, 600),
        image("Image4", 2, 3000, 8000, 1500, 600),
        image("Image1", 2, 1000, 10000, 600, 600),
        image("Image1", 5, 16000, 600, 600, 600),
    };
    return d;
}
const ScreenDef kKeys = keysDef();

void bindKeys(ScreenLogic& logic) {
    for (const char* name : {"Image1", "Form"}) {
        const std::string n = name;
        logic.onMouseMove(n, [n](Ctx& ctx, Index i) {
            (void)ctx;
            log().push_back("Move " + n + (i == kNoIndex ? "" : "(" + std::to_string(i) + ")"));
        });
    }
    logic.onClick("Image1", [](Ctx&, Index i) { log().push_back("Click Image1(" + std::to_string(i) + ")"); });
    logic.onDragDrop("Image4", [](Ctx& ctx, Index i, ControlId source) {
        log().push_back("Drop Image4(" + std::to_string(i) + ") <- " + ctx.screen.control(source).displayName());
        ctx.screen.setPicture(*ctx.screen.findQuiet("Image4", i), ctx.screen.state(source).picture);
        // The second label is used up by its drop.
        if (ctx.screen.control(source).index == 1) ctx.screen.setVisible(source, false);
    });
}
const ScreenModule kKeysModule{kKeys, bindKeys};

class Keys : public ::testing::Test {
protected:
    HeadlessHost host;
    Navigator nav{host, {{"Keys", &kKeysModule}}};
    Keys() {
        nav.open("Keys");
        log().clear();
    }
    Screen& s() { return *nav.current(); }
    ControlId id(std::string_view n, std::optional<int> i = {}) { return s().findQuiet(n, i).value(); }
    std::string focus() { return s().focus() ? s().control(*s().focus()).displayName() : "none"; }
    std::string named(std::optional<ControlId> c) { return c ? s().control(*c).displayName() : "none"; }
    std::vector<std::string> order() {
        std::vector<std::string> out;
        for (ControlId c : nav.keyOrder()) out.push_back(s().control(c).displayName());
        return out;
    }
    // Tabs forward until the named control has the focus (at most once round).
    void tabTo(const std::string& name) {
        for (int i = 0; i < 20 && focus() != name; ++i) nav.keyTab();
        ASSERT_EQ(focus(), name);
    }
    Log take() {
        Log out = log();
        log().clear();
        return out;
    }
};

TEST_F(Keys, TabFollowsReadingOrderWithTheBoxesInTheirTabIndexOrder) {
    const std::vector<std::string> expected = {"Image1(4)", "Image1(1)", "Text1", "Check1",
                                               "Image3(0)", "Image3(1)", "Image1(2)"};
    EXPECT_EQ(order(), expected) << "right to left in rows; the boxes' places filled in TabIndex order; "
                                    "the hidden button, the bare picture, the targets and the button off the page left out";
    EXPECT_EQ(focus(), "Text1") << "the lowest TabIndex has the focus as the page opens";
    std::vector<std::string> forward{focus()};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        nav.keyTab();
        forward.push_back(focus());
    }
    EXPECT_EQ(forward, (std::vector<std::string>{"Text1", "Check1", "Image3(0)", "Image3(1)", "Image1(2)",
                                                 "Image1(4)", "Image1(1)", "Text1"}))
        << "Tab wraps from the last to the first";
    std::vector<std::string> back{focus()};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        nav.keyBacktab();
        back.push_back(focus());
    }
    EXPECT_EQ(back, (std::vector<std::string>{"Text1", "Image1(1)", "Image1(4)", "Image1(2)", "Image3(1)",
                                              "Image3(0)", "Check1", "Text1"}))
        << "Shift+Tab goes back, wrapping from the first to the last";
}

TEST_F(Keys, ControlsShownOrHiddenByThePageJoinOrLeaveTheOrder) {
    s().setVisible(id("Image1", 3), true);
    s().setVisible(id("Check1"), false);
    EXPECT_EQ(order(), (std::vector<std::string>{"Image1(4)", "Image1(1)", "Text1", "Image3(0)", "Image3(1)",
                                                 "Image1(3)", "Image1(2)"}));
    // From a control the order has lost, Tab goes on from its place.
    tabTo("Image3(0)");
    s().setVisible(id("Image3", 0), false);
    EXPECT_EQ(focus(), "none") << "a hidden control keeps no focus";
    nav.keyTab();
    EXPECT_EQ(focus(), "Image1(4)") << "with no focus, Tab starts at the first";
    nav.keyBacktab();
    nav.keyBacktab();
    EXPECT_EQ(focus(), "Image1(3)");
}

TEST_F(Keys, AFocusedButtonIsHoveredAndPressedAsByThePointer) {
    nav.keyBacktab();  // from Text1 back to the button before it
    EXPECT_EQ(focus(), "Image1(1)");
    EXPECT_EQ(take(), (Log{"Move Image1(1)"})) << "reaching a button raises its MouseMove, as the pointer would";
    nav.keyBacktab();
    EXPECT_EQ(take(), (Log{"Move Form", "Move Image1(4)"}))
        << "leaving it raises the screen's MouseMove first, which hides the highlights";
    nav.keySpace();
    nav.keyEnter();
    EXPECT_EQ(take(), (Log{"Click Image1(4)", "Click Image1(4)"}));
    nav.keyTab();
    nav.keyTab();
    EXPECT_EQ(focus(), "Text1");
    EXPECT_EQ(take(), (Log{"Move Form", "Move Image1(1)", "Move Form"}))
        << "a text box raises no MouseMove of its own";
    nav.keySpace();
    EXPECT_EQ(take(), Log{}) << "Space on a text box is typing, not a click";
}

TEST_F(Keys, SpaceAndEnterTickAFocusedCheckBox) {
    nav.keyTab();
    ASSERT_EQ(focus(), "Check1");
    nav.keySpace();
    EXPECT_EQ(s().state(id("Check1")).value, 1);
    nav.keyEnter();
    EXPECT_EQ(s().state(id("Check1")).value, 0);
}

TEST_F(Keys, ALabelIsCarriedFromTargetToTargetAndDroppedAsByThePointer) {
    tabTo("Image3(0)");
    take();
    nav.keySpace();
    EXPECT_EQ(named(nav.carried()), "Image3(0)");
    EXPECT_TRUE(host.dragOutline) << "the same drag start as a press on the label";
    EXPECT_EQ(named(nav.heldOver()), "Image4(0)") << "held over the first target at once";
    EXPECT_EQ(named(host.heldOver), "Image4(0)") << "the host shows where it would land";
    EXPECT_EQ(focus(), "Image4(0)");
    EXPECT_EQ(order(), (std::vector<std::string>{"Image4(0)", "Image4(1)", "Image4(2)"}))
        << "while carried, Tab goes over the drop targets only";

    struct Move {
        const char* key;
        const char* heldOver;
    };
    const Move moves[] = {
        {"Tab", "Image4(1)"},  {"Tab", "Image4(2)"},   {"Tab", "Image4(0)"},  {"Backtab", "Image4(2)"},
        {"Up", "Image4(1)"},   {"Right", "Image4(0)"}, {"Up", "Image4(0)"},   {"Down", "Image4(2)"},
        {"Right", "Image4(1)"}, {"Left", "Image4(2)"}, {"Left", "Image4(2)"}, {"Right", "Image4(1)"},
    };
    for (const Move& m : moves) {
        const std::string k = m.key;
        if (k == "Tab") nav.keyTab();
        if (k == "Backtab") nav.keyBacktab();
        if (k == "Up") {
            EXPECT_TRUE(nav.keyArrow(keys::Direction::Up));
        }
        if (k == "Down") {
            EXPECT_TRUE(nav.keyArrow(keys::Direction::Down));
        }
        if (k == "Left") {
            EXPECT_TRUE(nav.keyArrow(keys::Direction::Left));
        }
        if (k == "Right") {
            EXPECT_TRUE(nav.keyArrow(keys::Direction::Right));
        }
        EXPECT_EQ(named(nav.heldOver()), m.heldOver) << "after " << k;
        EXPECT_EQ(named(host.heldOver), m.heldOver) << "after " << k;
        EXPECT_EQ(focus(), m.heldOver) << "the ring goes with it";
    }
    EXPECT_EQ(take(), Log{}) << "no MouseMove while a label is carried, as during a pointer drag";

    // A pointer press and release meanwhile drop nothing.
    const Rect r = s().rect(id("Image4", 0));
    nav.pointerPress(r.left + 10, r.top + 10);
    nav.pointerRelease(r.left + 10, r.top + 10);
    EXPECT_EQ(named(nav.carried()), "Image3(0)");

    nav.keyEnter();
    EXPECT_EQ(take(), (Log{"Drop Image4(1) <- Image3(0)"}));
    EXPECT_EQ(named(nav.carried()), "none");
    EXPECT_FALSE(host.dragOutline);
    EXPECT_EQ(s().state(id("Image4", 1)).picture, s().state(id("Image3", 0)).picture);
    EXPECT_EQ(focus(), "Image3(0)") << "the focus is back on the label";
    EXPECT_FALSE(nav.keyArrow(keys::Direction::Left)) << "with nothing carried the arrows are not the course's";
}

TEST_F(Keys, EscapePutsTheLabelBackAndALabelUsedUpPassesTheFocusOn) {
    tabTo("Image3(1)");
    take();
    nav.keySpace();
    nav.keyTab();
    nav.keyEscape();
    EXPECT_EQ(named(nav.carried()), "none");
    EXPECT_FALSE(host.dragOutline);
    EXPECT_EQ(focus(), "Image3(1)");
    for (int t = 0; t < 3; ++t) EXPECT_TRUE(s().state(id("Image4", t)).picture.empty()) << "nothing dropped";

    nav.keySpace();
    nav.keySpace();  // on the first target
    EXPECT_EQ(s().state(id("Image4", 0)).picture, s().state(id("Image3", 1)).picture);
    EXPECT_FALSE(s().state(id("Image3", 1)).visible);
    EXPECT_EQ(focus(), "Image1(2)") << "the label is gone: the focus goes on to what follows its place";
    EXPECT_EQ(take(), (Log{"Drop Image4(0) <- Image3(1)", "Move Image1(2)"}));
}

TEST_F(Keys, KeysAndPointerDropTheSameWay) {
    // The same drops by a pointer drag and by keys leave the same log and the same page.
    auto byPointer = [](Navigator& n, Screen& s, ControlId label, ControlId target) {
        const Rect a = s.rect(label), b = s.rect(target);
        n.pointerMove(a.left + a.width / 2, a.top + a.height / 2);
        n.pointerPress(a.left + a.width / 2, a.top + a.height / 2);
        n.pointerMove(b.left + b.width / 2, b.top + b.height / 2);
        n.pointerRelease(b.left + b.width / 2, b.top + b.height / 2);
    };
    HeadlessHost otherHost;
    Navigator other{otherHost, {{"Keys", &kKeysModule}}};
    other.open("Keys");
    log().clear();
    byPointer(other, *other.current(), id("Image3", 0), id("Image4", 2));
    const Log pointerLog = take();

    tabTo("Image3(0)");
    take();
    nav.keySpace();
    nav.keyBacktab();
    nav.keySpace();
    const Log keysLog = take();
    EXPECT_EQ(keysLog, pointerLog);
    EXPECT_EQ(keysLog, (Log{"Drop Image4(2) <- Image3(0)"}));
    auto key = [](const PictureRef& p) { return p.empty() ? std::string("empty") : p->key; };
    for (ControlId c = 0; c < s().controlCount(); ++c) {
        EXPECT_EQ(s().state(c).visible, other.current()->state(c).visible) << s().control(c).displayName();
        EXPECT_EQ(key(s().state(c).picture), key(other.current()->state(c).picture)) << s().control(c).displayName();
    }
}

TEST_F(Keys, ArrowDirectionPicksTheNearestTargetThatWay) {
    // The order function alone, from each target: straight ahead beats aside.
    const std::vector<ControlId> targets = {id("Image4", 0), id("Image4", 1), id("Image4", 2)};
    struct Case {
        int from;
        keys::Direction d;
        const char* expected;
    };
    const Case cases[] = {
        {0, keys::Direction::Left, "Image4(1)"},  {0, keys::Direction::Down, "Image4(2)"},
        {0, keys::Direction::Right, "none"},      {0, keys::Direction::Up, "none"},
        {1, keys::Direction::Right, "Image4(0)"}, {1, keys::Direction::Left, "Image4(2)"},
        {2, keys::Direction::Up, "Image4(1)"},    {2, keys::Direction::Right, "Image4(1)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(named(keys::nearest(s(), targets, id("Image4", c.from), c.d)), c.expected)
            << "from Image4(" << c.from << ") direction " << static_cast<int>(c.d);
}

}  // namespace
}  // namespace nizam
