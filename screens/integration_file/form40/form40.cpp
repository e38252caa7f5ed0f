// SPDX-License-Identifier: GPL-3.0-or-later
// Form40: the comparison table of the six functions of the water-pumping
// installation. Each cell of the upper triangle holds the function that wins
// the comparison of its row and column, with a weight from 1 to 3. The pupil
// drops three weighted labels into their cells and types nine totals and
// percentages (the calculator is at hand); the forward button of this last
// page of the file leads back to the menu.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

const Font kCellFont{"Verdana", 9.75, true, 0};

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form40";
    d.caption = "Form40";
    d.controls = {
        textBox("Text9", 10320, 5400, 735, 345).fore(0x00000080).tab(8).align(2).withFont(kCellFont),
        textBox("Text8", 9360, 5400, 735, 345).fore(0x00000080).tab(7).align(2).withFont(kCellFont),
        textBox("Text1", 10320, 3720, 735, 345).fore(0x00000080).tab(6).align(2).withFont(kCellFont),
        textBox("Text2", 9360, 4080, 735, 345).fore(0x00000080).tab(5).align(2).withFont(kCellFont),
        textBox("Text3", 10320, 4080, 735, 345).fore(0x00000080).tab(4).align(2).withFont(kCellFont),
        textBox("Text4", 9360, 4440, 735, 360).fore(0x00000080).tab(3).align(2).withFont(kCellFont),
        textBox("Text7", 9360, 5040, 735, 345).fore(0x00000080).tab(2).align(2).withFont(kCellFont),
        textBox("Text6", 10320, 4800, 735, 345).fore(0x00000080).tab(1).align(2).withFont(kCellFont),
        textBox("Text5", 10320, 4440, 735, 360).fore(0x00000080).tab(0).align(2).withFont(kCellFont),
        image("Image20", 4200, 8640, 1155, 945).pic(77, 63),
        image("Image1", 4, 4320, 8640, 855, 855).pointerIcon(),
        image("Image2", 4, 4440, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image1", 5, 2640, 8640, 975, 975).pointerIcon(),
        image("Image1", 3, 5640, 8640, 855, 975).pointerIcon(),
        image("Image1", 2, 7200, 8640, 855, 975).pointerIcon(),
        image("Image1", 6, 8880, 8640, 855, 975).pointerIcon(),
        image("Image1", 1, 10800, 9120, 615, 615).pointerIcon(),
        image("Image1", 7, 3360, 4920, 855, 975).pointerIcon(),
        image("Image4", 0, 8280, 3720, 615, 255),
        shape("Shape2", 0, 9120, 6360, 2655, 2055).border(0x00004000).style(3),
        image("Image4", 1, 7320, 4800, 615, 255),
        image("Image4", 2, 8280, 5040, 615, 255),
        image("Image3", 7, 10200, 7800, 585, 270).pic(39, 18).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 4, 10200, 7200, 585, 270).pic(39, 18).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 2, 9480, 6600, 585, 270).pic(39, 18).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 3, 10920, 7200, 585, 270).pic(39, 18).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 1, 10200, 6600, 585, 270).pic(39, 18).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image2", 2, 7320, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 3, 5760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10920, 9240, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 5, 2760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image9", 0, 0, 1695, 375),
        image("Image3", 5, 9480, 7200, 585, 270).pic(39, 18).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 6, 10920, 7800, 585, 270).pic(39, 18).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 0, 10920, 6600, 585, 270).pic(39, 18).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 8, 9480, 7800, 585, 270).pic(39, 18).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image7", 0, 6960, 6600, 915, 1500).pic(61, 100),
        image("Image7", 1, 6960, 6600, 915, 1500).pic(61, 100),
        image("Image2", 6, 9000, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 7, 3240, 4800, 1125, 1140).pic(75, 76).pointerIcon(),
        shape("Shape2", 1, 8280, 3720, 615, 255).border(0x00004000).style(3),
        shape("Shape2", 2, 7320, 4800, 615, 255).border(0x00004000).style(3),
        shape("Shape2", 3, 8280, 5040, 615, 255).border(0x00004000).style(3),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way

// The totals and percentages of the table; a percentage is the total over
// the grand total 40, times 100.
struct Cell {
    const char* box;
    const char* text;
};
constexpr Cell kCells[] = {
    {"Text1", "30"}, {"Text2", "10"}, {"Text3", "25"}, {"Text4", "6"},  {"Text5", "15"},
    {"Text6", "7.5"}, {"Text7", "3"}, {"Text8", "6"}, {"Text9", "15"},
};

void check(Screen& s) {
    // FP 1 against FC5, FC3 3 against FC4, FC4 3 against FC5.
    bool right = holdsLabel(s, "Image4(0)", "Image3(0)") && holdsLabel(s, "Image4(1)", "Image3(1)") &&
                 holdsLabel(s, "Image4(2)", "Image3(2)");
    for (const Cell& c : kCells) right = typedRight(s, c.box, c.text) && right;
    kFeedback.check(s, right);
}

void reset(Screen& s) {
    clearTexts(s, {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9"});
    kFeedback.reset(s);
    emptyTargets(s, "Image4", 0, 2);
}

void bind(ScreenLogic& logic) {
    kFeedback.attach(logic);  // Load: the verdict figures first, then the highlights
    HoverHighlight{1, 7}.attach(logic);
    DropLabel{"Image4"}.attach(logic);
}

}  // namespace

// The key names the labels by index; these are the texts their cards show:
// a function's code and, in red, its weight.
const ScreenModule form40{
    .def = kDef,
    .bind = bind,
    .title = "نظام ضخ الماء: جدول المقارنة",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .back = {6, "Form39"}, .menu = {4, "Form1"}, .print = 5, .calculator = 7},
    .check = check,
    .reset = reset,
    .answers = {.labels = {
    {"Image3", 0, "FP 1"},
    {"Image3", 1, "FC3 3"},
    {"Image3", 2, "FC4 3"},
}},
};

}  // namespace nizam::screens
