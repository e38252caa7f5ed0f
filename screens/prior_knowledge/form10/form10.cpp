// SPDX-License-Identifier: GPL-3.0-or-later
// Form10: fifth review page of the basic concepts, the resistor colour
// code. After a worked example the pupil reads the bands of two resistors
// and types their values in ohms; the colour-code disc pops up the code
// table, which the bare page hides again.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

const Font kValueFont{"Verdana", 12, true, 0};
constexpr Color kGreen = 0x00008000;

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form10";
    d.caption = "Form10";
    d.controls = {
        textBox("Text2", 3360, 7800, 1455, 495).fore(kGreen).tab(1).align(2).withFont(kValueFont),
        textBox("Text1", 3360, 4320, 1455, 495).fore(kGreen).tab(0).align(2).withFont(kValueFont),
        image("Image20", 4200, 8640, 1155, 945).pic(77, 63),
        image("Image1", 6, 7800, 6240, 1815, 1695).pointerIcon(),
        image("Image3", 5760, 5520, 5670, 4185).pic(378, 279),
        image("Image1", 2, 7200, 8640, 855, 975).pointerIcon(),
        image("Image1", 1, 10680, 9120, 615, 615).pointerIcon(),
        image("Image2", 6, 7440, 5880, 2475, 2220).pic(165, 148).pointerIcon(),
        image("Image1", 5, 2640, 8640, 855, 975).pointerIcon(),
        image("Image1", 4, 4320, 8640, 855, 855).pointerIcon(),
        image("Image1", 3, 5640, 8640, 855, 975).pointerIcon(),
        image("Image1", 7, 8865, 8640, 855, 975).pointerIcon(),
        image("Image2", 7, 8985, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 5, 2760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 4, 4440, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10800, 9240, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 3, 5760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7320, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image7", 0, 3720, 5160, 915, 1500).pic(61, 100),
        image("Image7", 1, 3720, 5160, 915, 1500).pic(61, 100),
        // Outside the client area: never seen, never reached.
        image("Image2", 0, 24495, 1545, 690, 825).pic(46, 55).pointerIcon(),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();
// Once a right check has uncovered the forward button, a wrong one leaves it open.
const AnswerFeedback kFeedback{.policy = QuestionMarkPolicy::ClearOnCorrect};

// R1: red 2, black 0, black x1 = 20 ohms; R2: orange 3, orange 3, red x100 =
// 3300 ohms. Each box takes its value as a plain number of ohms, in any digits.
bool answersRight(const Screen& s) { return allOf({typedRight(s, "Text1", "20"), typedRight(s, "Text2", "3300")}); }

void reset(Screen& s) {
    clearTexts(s, {"Text1", "Text2"});
    kFeedback.reset(s);
}

void hideTable(Ctx& ctx, Index) { ctx.screen.hide("Image3"); }

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 7}.attach(logic);
    logic.onLoad([](Ctx& ctx) { ctx.screen.hide("Image3"); });
    kFeedback.attach(logic);
    // The bare page hides the table, after the highlights; the table itself
    // has no handler, so the pointer over it keeps it on show.
    logic.onMouseMove(std::string(kFormName), hideTable);
    logic.onMouseMove("Imagefixe", hideTable);
    logic.onClick("Image1", 6, [](Ctx& ctx, Index) { ctx.screen.show("Image3"); });
}

}  // namespace

const ScreenModule form10{
    .def = kDef,
    .bind = bind,
    .title = "الترميز اللوني للمقاومات",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form11"}, .back = {7, "Form9"}, .print = 5},
    .check = [](Screen& s) { kFeedback.check(s, answersRight(s)); },
    .reset = reset,
};

}  // namespace nizam::screens
