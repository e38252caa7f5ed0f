// SPDX-License-Identifier: GPL-3.0-or-later
// Bindings name the elements they serve: a handler runs only for those, and
// every control and element a screen's logic addresses is checked against
// its design.
#include <gtest/gtest.h>

#include <functional>

#include "media/programs.h"
#include "runtime/diagnostics.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "tests/unit/test_screens.h"

namespace nizam {
namespace {

using Lines = std::vector<std::string>;

const ScreenDef& labDef() {
    static const std::vector<RegistryEntry> registry = test::testRegistry();
    return registry[0].module->def;
}

// Handlers here never navigate.
struct NoApp : AppActions {
    void quit() override {}
    void goTo(std::string_view) override {}
    void startProgram(const std::string&) override {}
    std::string applicationFile(const std::string& fileName) const override { return fileName; }
};

TEST(Bindings, AHandlerRunsOnlyForTheElementsItServesInTheOrderBound) {
    ScreenLogic logic;
    Lines ran;
    auto log = [&ran](std::string what) { return [&ran, what](Ctx&, Index i) { ran.push_back(what + " " + std::to_string(i)); }; };
    logic.onClick("Image1", {1, 4}, log("some"));
    logic.onClick("Image1", log("whole"));
    logic.onClick("Image1", 2, log("two"));
    logic.onClick("Check1", Elements::single(), log("single"));
    logic.onMouseMove("Image1", Elements::range(3, 5), log("move"));
    logic.onDragDrop("Image4", {0}, [&ran](Ctx&, Index i, ControlId source) {
        ran.push_back("drop " + std::to_string(i) + " <- " + std::to_string(source));
    });

    HeadlessHost host;
    Screen screen(labDef(), host);
    NoApp app;
    Ctx ctx{screen, app};
    struct Case {
        std::function<bool()> raise;
        bool served;
        Lines ran;
    };
    const Case cases[] = {
        {[&] { return logic.raiseClick(ctx, "Image1", 1); }, true, {"some 1", "whole 1"}},
        {[&] { return logic.raiseClick(ctx, "Image1", 2); }, true, {"whole 2", "two 2"}},
        {[&] { return logic.raiseClick(ctx, "Image1", 3); }, true, {"whole 3"}},
        {[&] { return logic.raiseClick(ctx, "Check1", kNoIndex); }, true, {"single -1"}},
        {[&] { return logic.raiseClick(ctx, "Check1", 0); }, false, {}},  // an element of an array named Check1
        {[&] { return logic.raiseClick(ctx, "Text1", kNoIndex); }, false, {}},
        {[&] { return logic.raiseMouseMove(ctx, "Image1", 2); }, false, {}},
        {[&] { return logic.raiseMouseMove(ctx, "Image1", 5); }, true, {"move 5"}},
        {[&] { return logic.raiseDragDrop(ctx, "Image4", 0, 9); }, true, {"drop 0 <- 9"}},
        {[&] { return logic.raiseDragDrop(ctx, "Image4", 1, 9); }, false, {}},
    };
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        ran.clear();
        EXPECT_EQ(cases[n].raise(), cases[n].served) << "case " << n;
        EXPECT_EQ(ran, cases[n].ran) << "case " << n;
    }
}

// Each binding against the test screen, whose Image1 and Image2 are arrays of
// elements 1 and 2, Image3 and Image4 arrays of 0 and 1, and Image5, Image8,
// Check1 single controls.
TEST(Bindings, EveryAddressedControlAndElementIsCheckedAgainstTheDesign) {
    struct Case {
        const char* binding;
        std::function<void(ScreenLogic&)> bind;
        Lines missing;
    };
    const auto none = [](Ctx&, Index) {};
    const Case cases[] = {
        {"hover over the hot-spots it has", [](ScreenLogic& l) { HoverHighlight{1, 2}.attach(l); }, {}},
        {"hover over four hot-spots", [](ScreenLogic& l) { HoverHighlight{1, 4}.attach(l); },
         {"MouseMove Image1(3)", "MouseMove Image1(4)", "Uses Image2(3)", "Uses Image2(4)"}},
        {"hover over another background", [](ScreenLogic& l) { HoverHighlight{1, 2, "Image8"}.attach(l); }, {}},
        {"click on listed elements", [&](ScreenLogic& l) { l.onClick("Image1", {1, 2, 4, 6}, none); },
         {"Click Image1(4)", "Click Image1(6)"}},
        {"click on a whole array", [&](ScreenLogic& l) { l.onClick("Image3", none); }, {}},
        {"click on a control the design lacks", [&](ScreenLogic& l) { l.onClick("Image7", none); }, {"Click Image7"}},
        {"an element of a single control", [&](ScreenLogic& l) { l.onClick("Check1", 0, none); }, {"Click Check1(0)"}},
        {"an array taken for a single control", [&](ScreenLogic& l) { l.onClick("Image1", Elements::single(), none); },
         {"Click Image1"}},
        {"the screen itself", [&](ScreenLogic& l) { l.onMouseMove(std::string(kFormName), none); }, {}},
        {"drop targets", [](ScreenLogic& l) { DropLabel{"Image4"}.attach(l); }, {}},
        {"drop targets the design lacks", [](ScreenLogic& l) { DropLabel{"Image44"}.attach(l); }, {"DragDrop Image44"}},
        {"a pointer-only hot-spot", [](ScreenLogic& l) { attachPointerOnly(l, "Image8"); }, {}},
        {"a pointer-only element", [](ScreenLogic& l) { attachPointerOnly(l, "Image3", 2); }, {"MouseMove Image3(2)"}},
        {"the standard verdict figures", [](ScreenLogic& l) { AnswerFeedback{}.attach(l); },
         {"Uses Image7(0)", "Uses Image7(1)", "Uses Image20"}},
        {"verdict figures without question mark",
         [](ScreenLogic& l) {
             AnswerFeedback{.parts = {{{"Image2", 1}, {"Image2", 2}}}, .questionMark = ControlName{"Image20", {}},
                            .policy = QuestionMarkPolicy::None}
                 .attach(l);
         },
         {}},
        {"one group of marks", [](ScreenLogic& l) { GroupMarks{{{{"Image5", {}}, {"Image8", {}}}}}.attach(l); }, {}},
        {"the standard marks", [](ScreenLogic& l) { GroupMarks::standard(2).attach(l); },
         {"Uses Image10"}},
        {"calculator and printer", [](ScreenLogic& l) {
             attachCalculatorButton(l, 7);
             attachPrintButton(l, 2);
             attachPrintButton(l, 1, "Image3");
         },
         {"Click Image1(7)"}},
    };
    for (const Case& c : cases) {
        ScreenLogic logic;
        c.bind(logic);
        EXPECT_FALSE(logic.addresses().empty()) << c.binding;
        EXPECT_EQ(logic.missingIn(labDef()), c.missing) << c.binding;
    }
}

// The Navigator tells a screen's faulty bindings once, when it first loads it.
void bindFaulty(ScreenLogic& logic) {
    HoverHighlight{1, 3}.attach(logic);
    logic.onClick("Image1", {2, 9}, [](Ctx&, Index) {});
}

TEST(Bindings, AFaultyBindingIsToldOnceWhenItsScreenFirstLoads) {
    const ScreenModule faulty{labDef(), bindFaulty};
    HeadlessHost host;
    Navigator nav(host, {{"Form2", &faulty}, {"Lab", test::testRegistry()[0].module}});
    diagnostics::Capture told;
    nav.start();
    nav.open("Lab");
    nav.open("Form2");
    EXPECT_EQ(told.lines(), (Lines{"Form2: the binding MouseMove Image1(3) names a control its design does not have",
                                   "Form2: the binding Uses Image2(3) names a control its design does not have",
                                   "Form2: the binding Click Image1(9) names a control its design does not have"}));
    ASSERT_NE(nav.current(), nullptr);
    EXPECT_EQ(nav.current()->name(), "Lab") << "the screen still loads: its sound bindings work";
}

}  // namespace
}  // namespace nizam
