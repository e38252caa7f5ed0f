// SPDX-License-Identifier: GPL-3.0-or-later
// Form31: activity 2 of the automatic systems, classification. Nine photos of
// systems lie loose on the page; the pupil drags each into one of three
// columns, primitive, mechanised and automatic, three to a column in any
// order. Each column gets its own tick or cross.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"


namespace nizam::screens {
namespace {

ControlDef photo(int index, Twips left, Twips top) {
    return image("Image3", index, left, top, 1575, 825).pic(105, 55).pointer(kPointerIcon).draggable().pointerIcon();
}

ControlDef frame(int index, Twips left, Twips width) {
    return shape("Shape2", index, left, 3000, width, 3735).border(0x00008000).style(3);
}

ControlDef mark(const char* name, Twips left) { return image(name, left, 6840, 240, 195).pic(16, 13); }

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form31";
    d.caption = "Form31";
    d.controls = {
        image("Image20", 4200, 9000, 1155, 840).pic(77, 56),
        image("Image1", 1, 10800, 9480, 615, 375).pointerIcon(),
        mark("Image5", 7200),
        mark("Image6", 7200),
        mark("Image8", 5280),
        mark("Image10", 5280),
        mark("Image11", 3240),
        mark("Image12", 3240),
        photo(8, 10680, 7560),
        photo(7, 8400, 7560),
        image("Image1", 6, 9000, 8880, 855, 975).pointerIcon(),
        image("Image2", 6, 9120, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image1", 5, 2640, 8880, 975, 975).pointerIcon(),
        image("Image1", 4, 4440, 9000, 855, 735).pointerIcon(),
        image("Image1", 3, 5640, 8880, 855, 975).pointerIcon(),
        image("Image1", 2, 7200, 8880, 855, 975).pointerIcon(),
        image("Image9", 0, 0, 1695, 375),
        image("Image7", 0, 3120, 7440, 915, 1350).pic(61, 90),
        image("Image7", 1, 3120, 7440, 915, 1350).pic(61, 90),
        photo(5, 8520, 5880),
        photo(4, 5280, 7440),
        photo(3, 8400, 4320),
        photo(2, 10800, 4320),
        photo(1, 8400, 2880),
        image("Image4", 5, 4560, 5520, 1695, 975),
        image("Image4", 2, 6480, 5520, 1575, 975),
        photo(0, 10560, 2880),
        image("Image2", 5, 2760, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 4, 4440, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10920, 9480, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 3, 5760, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7320, 9000, 690, 825).pic(46, 55).pointerIcon(),
        frame(0, 4440, 1815),
        frame(1, 6360, 1815),
        image("Image4", 6, 2520, 3360, 1575, 975),
        image("Image4", 7, 2520, 4440, 1575, 975),
        image("Image4", 8, 2520, 5520, 1575, 975),
        photo(6, 10680, 5880),
        image("Image4", 0, 6480, 3360, 1575, 975),
        image("Image4", 1, 6480, 4440, 1575, 975),
        image("Image4", 3, 4560, 3360, 1695, 975),
        image("Image4", 4, 4560, 4440, 1695, 975),
        frame(8, 2400, 1935),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way
const GroupMarks kMarks = GroupMarks::standard(3);  // primitive, mechanised, automatic

// Column c (0 primitive, 1 mechanised, 2 automatic) has the targets 3c to
// 3c + 2 and the photos 3c to 3c + 2. It is right when each of its photos
// lies in one of its targets: with three targets, that leaves no target
// empty, none holding another column's photo and no photo twice.
bool columnRight(const Screen& s, int column) {
    for (int p = 3 * column; p < 3 * column + 3; ++p) {
        bool placed = false;
        for (int t = 3 * column; t < 3 * column + 3; ++t) placed = placed || holdsLabel(s, "Image4", t, "Image3", p);
        if (!placed) return false;
    }
    return true;
}

void check(Screen& s) {
    for (int column = 0; column < 3; ++column) kMarks.show(s, column + 1, columnRight(s, column));
    kFeedback.check(s, kMarks.allTicked(s));
}

void reset(Screen& s) {
    emptyTargets(s, "Image4", 0, 8);
    kFeedback.reset(s);
    kMarks.hideAll(s);
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 6}.attach(logic);
    kFeedback.attach(logic);
    kMarks.attach(logic);
    DropLabel{"Image4"}.attach(logic);
}

}  // namespace

const ScreenModule form31{
    .def = kDef,
    .bind = bind,
    .title = "تصنيف الأنظمة",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form32"}, .back = {6, "Form30"}, .print = 5},
    .check = check,
    .reset = reset,
};

}  // namespace nizam::screens
