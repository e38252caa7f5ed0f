// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar every exercise page shares, checked once over all of them:
// highlights hidden on opening, the question mark over the button that goes
// on, that button dead until a right check, every other button highlighted
// under the pointer and put out again when the pointer leaves it for the
// background picture or the bare window surface, the check showing one
// verdict, the reset taking it away, and the back, menu and close buttons
// doing what the descriptor says.
// Each page's own scenario files check what is its own: its key, its reset,
// its pop-ups.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/registry.h"
#include "tools/scenario/headless_host.h"

namespace nizam {
namespace {

std::optional<Rect> rectOf(const ScreenDef& def, std::string_view name, std::optional<int> index) {
    for (const ControlDef& c : def.controls)
        if (c.name == name && c.index == index) return c.rect;
    return std::nullopt;
}

struct Page {
    const ScreenModule* module;
    std::string name;
};

std::vector<Page> exercisePages() {
    std::vector<Page> pages;
    for (const RegistryEntry& e : screenRegistry())
        if (e.module->toolbar.check) pages.push_back({e.module, e.name});
    return pages;
}

class ExercisePageToolbar : public testing::TestWithParam<Page> {
protected:
    void open() {
        nav_.open(GetParam().name);
        ASSERT_EQ(nav_.current()->name(), GetParam().name);
    }
    void moveTo(int hotSpot) {
        const Rect r = *rectOf(def(), "Image1", hotSpot);
        nav_.pointerMove(r.left + r.width / 2, r.top + r.height / 2);
    }
    void click(int hotSpot) {
        const Rect r = *rectOf(def(), "Image1", hotSpot);
        const Twips x = r.left + r.width / 2, y = r.top + r.height / 2;
        nav_.pointerMove(x, y);
        nav_.pointerPress(x, y);
        nav_.pointerRelease(x, y);
    }
    const ScreenDef& def() const { return GetParam().module->def; }
    const Toolbar& bar() const { return GetParam().module->toolbar; }
    bool has(std::string_view name, std::optional<int> index = std::nullopt) const {
        return rectOf(def(), name, index).has_value();
    }
    bool shown(std::string_view name, std::optional<int> index = std::nullopt) const {
        return nav_.current()->visible(name, index);
    }
    // The button the question mark covers: the one that goes on.
    std::optional<Toolbar::To> gated() const {
        if (bar().gate.empty()) return std::nullopt;
        if (bar().next) return bar().next;
        if (bar().menu) return bar().menu;
        return std::nullopt;
    }
    std::vector<int> buttons() const {
        std::vector<int> out;
        for (const auto& i : {bar().quit, bar().check, bar().reset, bar().print, bar().calculator})
            if (i) out.push_back(*i);
        for (const Toolbar::To& to : {bar().next, bar().back, bar().menu})
            if (to) out.push_back(to.index);
        return out;
    }

    // Where the pointer goes off the buttons: the first place, scanning the
    // client area, where nothing takes the pointer (the bare window surface),
    // and the first where the background picture is the front-most.
    std::vector<std::pair<Twips, Twips>> offPlaces() const {
        const Screen& s = *nav_.current();
        std::optional<std::pair<Twips, Twips>> bare, background;
        for (Twips y = 30; y < def().clientHeight; y += 60) {
            for (Twips x = 30; x < def().clientWidth; x += 60) {
                const auto hit = s.hitTest(x, y);
                if (!hit && !bare) bare = {x, y};
                if (hit && s.control(*hit).name == "Imagefixe" && !background) background = {x, y};
            }
        }
        std::vector<std::pair<Twips, Twips>> out;
        for (const auto& place : {bare, background})
            if (place) out.push_back(*place);
        return out;
    }

    HeadlessHost host_;
    Navigator nav_{host_, screenRegistry()};
};

TEST_P(ExercisePageToolbar, OpensWithTheForwardButtonCoveredAndNoHighlight) {
    open();
    const auto forward = gated();
    if (!forward) GTEST_SKIP() << "a page never gated";
    EXPECT_TRUE(shown(bar().gate)) << "the question mark " << bar().gate;
    for (int i : buttons()) {
        if (!has("Image2", i)) continue;
        EXPECT_FALSE(shown("Image2", i)) << "Image2(" << i << ")";
    }
    for (int v : {0, 1}) {
        if (!has("Image7", v)) continue;
        EXPECT_FALSE(shown("Image7", v)) << "verdict Image7(" << v << ")";
    }
    // Under the question mark: no highlight, and a click goes nowhere.
    moveTo(forward->index);
    if (has("Image2", forward->index)) {
        EXPECT_FALSE(shown("Image2", forward->index));
    }
    click(forward->index);
    EXPECT_EQ(nav_.current()->name(), GetParam().name);
}

TEST_P(ExercisePageToolbar, EveryOtherButtonIsHighlightedUnderThePointer) {
    open();
    const auto forward = gated();
    for (int i : buttons()) {
        if (forward && forward->index == i) continue;
        if (!has("Image2", i)) continue;
        moveTo(i);
        EXPECT_TRUE(shown("Image2", i)) << "Image2(" << i << ") under the pointer";
    }
}

TEST_P(ExercisePageToolbar, AHighlightGoesOutWhenThePointerLeavesItsButton) {
    open();
    const auto places = offPlaces();
    ASSERT_FALSE(places.empty()) << "no place off the buttons";
    const auto forward = gated();
    for (int i : buttons()) {
        if (forward && forward->index == i) continue;
        if (!has("Image2", i)) continue;
        for (const auto& [x, y] : places) {
            moveTo(i);
            ASSERT_TRUE(shown("Image2", i)) << "Image2(" << i << ") under the pointer";
            nav_.pointerMove(x, y);
            EXPECT_FALSE(shown("Image2", i)) << "Image2(" << i << ") with the pointer at " << x << "," << y;
        }
    }
}

TEST_P(ExercisePageToolbar, CheckShowsOneVerdictAndResetTakesItAway) {
    open();
    click(*bar().check);
    ASSERT_TRUE(has("Image7", 0) && has("Image7", 1));
    EXPECT_NE(shown("Image7", 0), shown("Image7", 1)) << "exactly one verdict after a check";
    if (!bar().reset) return;
    click(*bar().reset);
    EXPECT_FALSE(shown("Image7", 0));
    EXPECT_FALSE(shown("Image7", 1));
    if (!bar().gate.empty()) {
        EXPECT_TRUE(shown(bar().gate)) << "the reset covers the forward button again";
    }
}

TEST_P(ExercisePageToolbar, BackMenuAndCloseDoWhatTheDescriptorSays) {
    const auto forward = gated();
    for (const Toolbar::To& to : {bar().back, bar().menu}) {
        if (!to || (forward && forward->index == to.index)) continue;
        open();
        click(to.index);
        EXPECT_EQ(nav_.current()->name(), to.target) << "Image1(" << to.index << ")";
    }
    open();
    ASSERT_TRUE(bar().quit);
    click(*bar().quit);
    EXPECT_TRUE(nav_.ended());
}

INSTANTIATE_TEST_SUITE_P(EveryExercisePage, ExercisePageToolbar, testing::ValuesIn(exercisePages()),
                         [](const testing::TestParamInfo<Page>& info) { return info.param.name; });

}  // namespace
}  // namespace nizam
