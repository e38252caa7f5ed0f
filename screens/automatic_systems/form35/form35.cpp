// SPDX-License-Identifier: GPL-3.0-or-later
// Form35: activity 5, the automatic bottle-filling station. An animation
// shows the station at work above a grid: fourteen of its elements in
// columns, three rows (actuators, sensors, effectors). The pupil ticks, in
// each column, the row the element belongs to. Each row gets its tick or
// cross, and the forward button opens only when all three rows are right.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/automatic_systems/grid.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form35";
    d.caption = "Form35";
    d.controls = {
        checkBox("Check3", 14, 2400, 8400, 375, 375).back(kWhite).tab(42),
        checkBox("Check3", 1, 5880, 8400, 375, 375).back(kWhite).tab(41),
        checkBox("Check3", 2, 8520, 8400, 375, 375).back(kWhite).tab(40),
        checkBox("Check3", 3, 7680, 8400, 375, 375).back(kWhite).tab(39),
        checkBox("Check3", 4, 7080, 8400, 375, 375).back(kWhite).tab(38),
        checkBox("Check3", 5, 6720, 8400, 375, 375).back(kWhite).tab(37),
        checkBox("Check3", 6, 6240, 8400, 375, 375).back(kWhite).tab(36),
        checkBox("Check3", 7, 9720, 8400, 375, 375).back(kWhite).tab(35),
        checkBox("Check3", 8, 5400, 8400, 375, 375).back(kWhite).tab(34),
        checkBox("Check3", 9, 4800, 8400, 375, 375).back(kWhite).tab(33),
        checkBox("Check3", 10, 4320, 8400, 375, 375).back(kWhite).tab(32),
        checkBox("Check3", 11, 3840, 8400, 375, 375).back(kWhite).tab(31),
        checkBox("Check3", 12, 3360, 8400, 375, 375).back(kWhite).tab(30),
        checkBox("Check3", 13, 2880, 8400, 375, 375).back(kWhite).tab(29),
        checkBox("Check2", 13, 2880, 8040, 375, 375).back(kWhite).tab(28),
        checkBox("Check2", 12, 3360, 8040, 375, 375).back(kWhite).tab(27),
        checkBox("Check2", 11, 3840, 8040, 375, 375).back(kWhite).tab(26),
        checkBox("Check2", 10, 4320, 8040, 375, 375).back(kWhite).tab(25),
        checkBox("Check2", 9, 4800, 8040, 375, 375).back(kWhite).tab(24),
        checkBox("Check2", 8, 5400, 8040, 375, 375).back(kWhite).tab(23),
        checkBox("Check2", 7, 5880, 8040, 375, 375).back(kWhite).tab(22),
        checkBox("Check2", 6, 6240, 8040, 375, 375).back(kWhite).tab(21),
        checkBox("Check2", 5, 6720, 8040, 375, 375).back(kWhite).tab(20),
        checkBox("Check2", 4, 7080, 8040, 375, 375).back(kWhite).tab(19),
        checkBox("Check2", 3, 7680, 8040, 375, 375).back(kWhite).tab(18),
        checkBox("Check2", 2, 8520, 8040, 375, 375).back(kWhite).tab(17),
        checkBox("Check2", 1, 9720, 8040, 375, 375).back(kWhite).tab(16),
        checkBox("Check2", 14, 2400, 8040, 375, 375).back(kWhite).tab(15),
        checkBox("Check1", 13, 2400, 7680, 375, 375).back(kWhite).tab(13),
        checkBox("Check1", 12, 2880, 7680, 375, 375).back(kWhite).tab(12),
        checkBox("Check1", 11, 3360, 7680, 375, 375).back(kWhite).tab(11),
        checkBox("Check1", 10, 3840, 7680, 375, 375).back(kWhite).tab(10),
        checkBox("Check1", 9, 4320, 7680, 375, 375).back(kWhite).tab(9),
        checkBox("Check1", 8, 4800, 7680, 375, 375).back(kWhite).tab(8),
        checkBox("Check1", 14, 7680, 7680, 375, 375).back(kWhite).tab(7),
        checkBox("Check1", 2, 5400, 7680, 375, 375).back(kWhite).tab(6),
        checkBox("Check1", 4, 6720, 7680, 375, 375).back(kWhite).tab(5),
        checkBox("Check1", 5, 6240, 7680, 375, 375).back(kWhite).tab(4),
        checkBox("Check1", 7, 8520, 7680, 375, 375).back(kWhite).tab(3),
        checkBox("Check1", 3, 7080, 7680, 375, 375).back(kWhite).tab(2),
        checkBox("Check1", 1, 9720, 7680, 375, 375).back(kWhite).tab(1),
        checkBox("Check1", 6, 5880, 7680, 375, 375).back(kWhite).tab(0),
        player("flash3", 2280, 2520, 8295, 4815),
        image("Image20", 4200, 9000, 1155, 840).pic(77, 56),
        shape("Shape1", 2280, 7560, 9375, 1335).border(0x00004000).style(3),
        image("Image1", 1, 10800, 9375, 615, 480).pointerIcon(),
        image("Image1", 6, 8880, 8880, 855, 975).pointerIcon(),
        image("Image1", 2, 7200, 8895, 855, 975).pointerIcon(),
        image("Image1", 3, 5640, 8895, 855, 975).pointerIcon(),
        image("Image1", 4, 4320, 9015, 855, 720).pointerIcon(),
        image("Image1", 5, 2640, 8895, 855, 975).pointerIcon(),
        image("Image2", 6, 9000, 9000, 690, 825).pic(46, 55).pointerIcon(),
        // Outside the client area: never seen, never reached.
        image("Image2", 0, 27960, 2040, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 5, 2760, 9015, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 4, 4440, 9015, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10920, 9375, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 3, 5760, 9015, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7320, 9015, 690, 825).pic(46, 55).pointerIcon(),
        image("Image7", 1, 12000, 7320, 915, 1500).pic(61, 100),
        image("Image7", 0, 12000, 7320, 915, 1500).pic(61, 100),
        image("Image12", 11640, 8520, 240, 195).pic(16, 13),
        image("Image11", 11640, 8520, 240, 195).pic(16, 13),
        image("Image10", 11640, 8160, 240, 195).pic(16, 13),
        image("Image8", 11640, 8160, 240, 195).pic(16, 13),
        image("Image6", 11640, 7800, 240, 195).pic(16, 13),
        image("Image5", 11640, 7800, 240, 195).pic(16, 13),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

// The boxes each row wants ticked; every other box of the row stays clear.
// Actuators: the belt's motor, C, D, E and G. Sensors: the six position and
// level sensors L20 to L41. Effectors: F, the pipe and the conveyor belt.
const ElementGrid kGrid{14, {{{1, 5}, {9, 14}, {1, 3}}}};

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 6}.attach(logic);
    kGrid.attach(logic);
}

}  // namespace

const ScreenModule form35{
    .def = kDef,
    .bind = bind,
    .title = "نظام آلي لملء القارورات",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form36"}, .back = {6, "Form34"}, .print = 5},
    .animations = {{"flash3", "rempli"}},
    .check = [](Screen& s) { kGrid.check(s); },
    .reset = [](Screen& s) { kGrid.reset(s); },
};

}  // namespace nizam::screens
