// SPDX-License-Identifier: GPL-3.0-or-later
// Form19: activity 3 of the industrial-project methodology, the functions
// diagram of a ballpoint pen. Beside each of five service functions the pupil
// types the code the diagram gives it (FP, FC1 .. FC4), wholly in capitals or
// wholly in lower case.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

const Font kCodeFont{"Verdana", 9.75, true, 0};

ControlDef codeBox(const char* name, int top, int tab) {
    return textBox(name, 12480, top, 495, 450).fore(0x00008000).tab(tab).align(2).withFont(kCodeFont);
}

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form19";
    d.caption = "Form19";
    d.controls = {
        codeBox("Text1", 6480, 4),
        codeBox("Text2", 6960, 3),
        codeBox("Text3", 6000, 2),
        codeBox("Text4", 5040, 1),
        codeBox("Text5", 5520, 0),
        image("Image20", 4200, 9000, 1155, 840).pic(77, 56),
        image("Image1", 5, 2640, 8880, 975, 975).pointerIcon(),
        image("Image1", 4, 4440, 9000, 855, 735).pointerIcon(),
        image("Image1", 3, 5640, 8880, 855, 975).pointerIcon(),
        image("Image1", 2, 7200, 8880, 855, 975).pointerIcon(),
        image("Image1", 7, 8985, 8880, 855, 975).pointerIcon(),
        image("Image1", 1, 10800, 9360, 615, 615).pointerIcon(),
        image("Image1", 6, 11985, 8955, 855, 975).pointerIcon(),
        image("Image2", 6, 11985, 9075, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7320, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 3, 5760, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10920, 9480, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 4, 4440, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 5, 2760, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 7, 9105, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image7", 1, 9000, 7320, 915, 1350).pic(61, 90),
        image("Image7", 0, 9000, 7320, 915, 1350).pic(61, 90),
        // Image9 holds no picture and takes no part; Shape1(2) lies outside the client area.
        image("Image9", 2640, 1080, 1695, 375),
        shape("Shape1", 2, 15720, 2040, 495, 495).borderW(3),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way

// Each box takes its function's code in capitals or in lower case; the boxes
// may mix the two forms, but a code in mixed case is wrong.
struct Code {
    const char* box;
    const char* upper;
    const char* lower;
};
constexpr Code kCodes[] = {
    {"Text1", "FP", "fp"},   {"Text2", "FC1", "fc1"}, {"Text3", "FC2", "fc2"},
    {"Text4", "FC3", "fc3"}, {"Text5", "FC4", "fc4"},
};

void check(Screen& s) {
    bool right = true;
    for (const Code& c : kCodes) right = typedRight(s, c.box, {c.upper, c.lower}) && right;
    kFeedback.check(s, right);
}

void reset(Screen& s) {
    clearTexts(s, {"Text1", "Text2", "Text3", "Text4", "Text5"});
    kFeedback.reset(s);
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 7}.attach(logic);
    kFeedback.attach(logic);
}

}  // namespace

// The pupil copies the codes from the diagram.
const ScreenModule form19{
    .def = kDef,
    .bind = bind,
    .title = "مخطط وظائف القلم الجاف",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form20"}, .back = {7, "Form18"}, .menu = {6, "Form1"}, .print = 5},
    .check = check,
    .reset = reset,
    .answers = {.shown = {"FP", "FC1", "FC2", "FC3", "FC4"}},
};

}  // namespace nizam::screens
