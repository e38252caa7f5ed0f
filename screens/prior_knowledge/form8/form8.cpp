// SPDX-License-Identifier: GPL-3.0-or-later
// Form8: third review page of the basic concepts. Six picture cards are
// dragged into three columns of two ovals (material product, service
// function, technical function); each column is judged on its own and
// marked, and the page is right when all three columns are.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form8";
    d.caption = "Form8";
    d.controls = {
        image("Image20", 4200, 8640, 1155, 945).pic(77, 63),
        image("Image12", 5400, 3960, 240, 195).pic(16, 13),
        image("Image11", 5160, 3960, 240, 195).pic(16, 13),
        image("Image10", 7800, 3960, 240, 195).pic(16, 13),
        image("Image8", 7560, 3960, 240, 195).pic(16, 13),
        image("Image6", 9960, 3960, 240, 195).pic(16, 13),
        image("Image5", 9720, 3960, 240, 195).pic(16, 13),
        image("Image3", 3, 8880, 2640, 1665, 1170).pic(111, 78).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image4", 5, 4560, 6720, 1335, 1575),
        image("Image4", 4, 4560, 4800, 1335, 1575),
        image("Image4", 3, 6840, 6720, 1335, 1575),
        image("Image4", 2, 6840, 4800, 1335, 1575),
        image("Image4", 1, 9120, 6600, 1335, 1575),
        image("Image4", 0, 9120, 4680, 1455, 1575),
        image("Image3", 0, 2280, 3960, 1665, 1170).pic(111, 78).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 5, 2280, 2520, 1665, 1170).pic(111, 78).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 4, 4080, 2520, 1665, 1170).pic(111, 78).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 2, 5640, 2640, 1665, 1170).pic(111, 78).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 1, 7320, 2640, 1665, 1170).pic(111, 78).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image1", 1, 10680, 9120, 615, 615).pointerIcon(),
        image("Image1", 6, 8865, 8640, 855, 975).pointerIcon(),
        image("Image1", 2, 7200, 8640, 855, 975).pointerIcon(),
        image("Image1", 3, 5640, 8640, 855, 975).pointerIcon(),
        image("Image1", 4, 4320, 8640, 855, 855).pointerIcon(),
        image("Image1", 5, 2640, 8640, 855, 975).pointerIcon(),
        image("Image9", 120, 3480, 1695, 375),
        image("Image7", 1, 2280, 6960, 1785, 1350).pic(119, 90),
        image("Image7", 0, 2280, 6960, 1785, 1350).pic(119, 90),
        image("Image2", 6, 8985, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 5, 2760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 4, 4440, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10800, 9240, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 3, 5760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7320, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();
const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way
// Material product (Image5, Image6), service function (Image10, Image8),
// technical function (Image12, Image11).
const GroupMarks kMarks = GroupMarks::standard(3);

// A column is right when its two ovals hold its two cards, in either order.
bool columnHolds(const Screen& s, const char* upper, const char* lower, const char* a, const char* b) {
    return (holdsLabel(s, upper, a) && holdsLabel(s, lower, b)) || (holdsLabel(s, upper, b) && holdsLabel(s, lower, a));
}

void check(Screen& s) {
    // the clothes iron and the soldering iron
    kMarks.show(s, 1, columnHolds(s, "Image4(0)", "Image4(1)", "Image3(3)", "Image3(4)"));
    // drawing straight lines, ironing clothes
    kMarks.show(s, 2, columnHolds(s, "Image4(2)", "Image4(3)", "Image3(2)", "Image3(5)"));
    // electricity into heat, muscular energy into mechanical energy
    kMarks.show(s, 3, columnHolds(s, "Image4(4)", "Image4(5)", "Image3(1)", "Image3(0)"));
    kFeedback.check(s, kMarks.allTicked(s));
}

void reset(Screen& s) {
    kFeedback.reset(s);
    kMarks.hideAll(s);
    emptyTargets(s, "Image4", 0, 5);
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 6}.attach(logic);
    kFeedback.attach(logic);
    kMarks.attach(logic);
    DropLabel{"Image4"}.attach(logic);
}

}  // namespace

const ScreenModule form8{
    .def = kDef,
    .bind = bind,
    .title = "الوظيفة الخدماتية والوظيفة التقنية",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form9"}, .back = {6, "Form7"}, .print = 5},
    .check = check,
    .reset = reset,
};

}  // namespace nizam::screens
