// SPDX-License-Identifier: GPL-3.0-or-later
// Form30: activity 1 of the automatic systems. Two small animations, an
// automatic barrier and a gate, play side by side beside a drawing of a
// cyclist; the pupil fills a table of nine cells (operator, operating energy
// and type of system for an ordinary bicycle, a main gate and an automatic
// barrier) by dragging word labels. The user and electrical are each dropped
// twice.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ControlDef label(int index, Twips left, Twips top) {
    return image("Image3", index, left, top, 2025, 330).pic(135, 22).pointer(kPointerIcon).draggable().pointerIcon();
}

ControlDef frame(int index, Twips left, Twips top, Twips width, Twips height) {
    return shape("Shape2", index, left, top, width, height).border(0x00008000).style(3);
}

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form30";
    d.caption = "Form30";
    d.controls = {
        player("flash1", 8880, 2880, 4095, 3015),
        player("flash2", 4440, 2880, 4095, 3015),
        image("Image20", 4320, 9000, 1155, 840).pic(77, 56),
        frame(8, 2280, 2760, 1935, 3255),
        image("Image4", 4, 6960, 7920, 2055, 375),
        image("Image4", 3, 9240, 7920, 2055, 375),
        image("Image4", 1, 6960, 7440, 2055, 375),
        image("Image4", 0, 9240, 7440, 2055, 375),
        image("Image1", 5, 2640, 8880, 975, 975).pointerIcon(),
        image("Image1", 4, 4440, 9000, 855, 735).pointerIcon(),
        image("Image1", 3, 5640, 8880, 855, 975).pointerIcon(),
        image("Image1", 1, 10800, 9360, 615, 615).pointerIcon(),
        image("Image1", 2, 7200, 8880, 855, 975).pointerIcon(),
        image("Image1", 6, 11865, 8955, 855, 975).pointerIcon(),
        label(6, 2400, 7080),
        image("Image4", 8, 4800, 8400, 2055, 375),
        image("Image4", 7, 6960, 8400, 2055, 375),
        image("Image4", 6, 9240, 8400, 2055, 375),
        frame(7, 6960, 6840, 2175, 1935),
        frame(6, 11280, 6840, 1695, 1935),
        frame(5, 4800, 8280, 8175, 495),
        frame(4, 4800, 7800, 8175, 495),
        frame(3, 4800, 7320, 8175, 495),
        frame(2, 4800, 6840, 8175, 495),
        frame(1, 8760, 2760, 4335, 3255),
        frame(0, 4320, 2760, 4335, 3255),
        image("Image2", 6, 11985, 9075, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7320, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 3, 5760, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10920, 9480, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 4, 4440, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 5, 2760, 9000, 690, 825).pic(46, 55).pointerIcon(),
        label(0, 6720, 6360),
        image("Image4", 2, 4800, 7440, 2055, 375),
        image("Image4", 5, 4800, 7920, 2055, 375),
        label(1, 2400, 6360),
        label(2, 2400, 6720),
        label(3, 11040, 6360),
        label(4, 4560, 6360),
        label(5, 8880, 6360),
        image("Image7", 1, 3120, 7440, 915, 1350).pic(61, 90),
        image("Image7", 0, 3120, 7440, 915, 1350).pic(61, 90),
        image("Image9", 0, 0, 1695, 375),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way

// The label each cell must hold, cell k being Image4(k): row by row (ordinary
// bicycle, main gate, automatic barrier), operator, energy, type.
// Labels: 0 the user, 1 muscular, 2 primitive, 3 electrical, 4 mechanised,
// 5 none (dashes), 6 automatic.
constexpr int kKey[9] = {0, 1, 2, 0, 3, 4, 5, 3, 6};

void check(Screen& s) {
    bool right = true;
    for (int k = 0; k < 9; ++k) right = holdsLabel(s, "Image4", k, "Image3", kKey[k]) && right;
    kFeedback.check(s, right);
}

// The players are left alone: both movies go on.
void reset(Screen& s) {
    emptyTargets(s, "Image4", 0, 8);
    kFeedback.reset(s);
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 6}.attach(logic);
    kFeedback.attach(logic);
    DropLabel{"Image4"}.attach(logic);
}

}  // namespace

// The key names the labels by index; these are the words their cards carry.
const ScreenModule form30{
    .def = kDef,
    .bind = bind,
    .title = "ملاحظة بعض الأنظمة",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form31"}, .menu = {6, "Form1"}, .print = 5},
    .animations = {{"flash1", "portail"}, {"flash2", "barre_velmo"}},
    .check = check,
    .reset = reset,
    .answers = {.labels = {
    {"Image3", 0, "المستعمل"},
    {"Image3", 1, "عضلية"},
    {"Image3", 2, "بدائي"},
    {"Image3", 3, "كهربائية"},
    {"Image3", 4, "ممكنن"},
    {"Image3", 5, "-----"},
    {"Image3", 6, "آلي"},
}},
};

}  // namespace nizam::screens
