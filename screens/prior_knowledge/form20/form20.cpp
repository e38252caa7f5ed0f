// SPDX-License-Identifier: GPL-3.0-or-later
// Form20: activity 4 of the industrial-project methodology. The comparison
// table of five functions (FP, FC1 .. FC4) is printed with every pairwise
// cell; the pupil types each function's total and its percentage of the
// grand total 20 (the calculator is at hand).
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

const Font kCellFont{"Verdana", 9.75, true, 0};

ControlDef cellBox(const char* name, int left, int top, int height, int tab) {
    return textBox(name, left, top, 735, height).fore(0x00008000).tab(tab).align(2).withFont(kCellFont);
}

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form20";
    d.caption = "Form20";
    d.controls = {
        cellBox("Text5", 8760, 5520, 315, 4),
        cellBox("Text6", 10080, 5520, 315, 5),
        cellBox("Text10", 10080, 6240, 315, 9),
        cellBox("Text9", 8760, 6240, 315, 8),
        cellBox("Text8", 10080, 5880, 375, 7),
        cellBox("Text7", 8760, 5880, 360, 6),
        cellBox("Text4", 10080, 5160, 375, 3),
        cellBox("Text3", 8760, 5160, 360, 2),
        cellBox("Text2", 10080, 4800, 360, 1),
        cellBox("Text1", 8760, 4800, 360, 0),
        image("Image1", 8, 3000, 6720, 1095, 975).pointerIcon(),
        image("Image2", 8, 3000, 6720, 1125, 1140).pic(75, 76).pointerIcon(),
        image("Image20", 4320, 9000, 1155, 840).pic(77, 56),
        image("Image1", 5, 2640, 8880, 975, 975).pointerIcon(),
        image("Image1", 4, 4440, 9000, 855, 735).pointerIcon(),
        image("Image1", 3, 5640, 8880, 855, 975).pointerIcon(),
        image("Image1", 2, 7200, 8880, 855, 975).pointerIcon(),
        image("Image1", 7, 8985, 8880, 855, 975).pointerIcon(),
        image("Image1", 1, 10800, 9360, 615, 615).pointerIcon(),
        image("Image1", 6, 11985, 8955, 855, 975).pointerIcon(),
        // Image9 holds no picture and takes no part.
        image("Image9", 2640, 1080, 1695, 375),
        image("Image7", 0, 6120, 7080, 915, 1350).pic(61, 90),
        image("Image7", 1, 6120, 7080, 915, 1350).pic(61, 90),
        image("Image2", 7, 9120, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 5, 2760, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 4, 4440, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10920, 9480, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 3, 5760, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7320, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 6, 11985, 9075, 690, 825).pic(46, 55).pointerIcon(),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way

// The totals of the printed table and their share of the grand total 20, in
// percent: FP 9 (45), FC1 1 (5), FC2 5 (25), FC3 5 (25), FC4 0 (0).
struct Cell {
    const char* box;
    const char* text;
};
constexpr Cell kCells[] = {
    {"Text1", "9"}, {"Text2", "45"}, {"Text3", "1"}, {"Text4", "5"},  {"Text5", "5"},
    {"Text6", "25"}, {"Text7", "5"}, {"Text8", "25"}, {"Text9", "0"}, {"Text10", "0"},
};

void check(Screen& s) {
    bool right = true;
    for (const Cell& c : kCells) right = typedRight(s, c.box, c.text) && right;
    kFeedback.check(s, right);
}

void reset(Screen& s) {
    clearTexts(s, {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10"});
    kFeedback.reset(s);
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 8}.attach(logic);
    kFeedback.attach(logic);
}

}  // namespace

const ScreenModule form20{
    .def = kDef,
    .bind = bind,
    .title = "جدول المقارنة",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form21"}, .back = {7, "Form19"}, .menu = {6, "Form1"}, .print = 5, .calculator = 8},
    .check = check,
    .reset = reset,
};

}  // namespace nizam::screens
