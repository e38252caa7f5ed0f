// SPDX-License-Identifier: GPL-3.0-or-later
// Form36: activity 6, the automatic drilling station. Built like activity 5:
// an animation of the station above a grid of twelve elements in columns
// and three rows. The piece being drilled is the work material and belongs
// to no row. The rows' marks lie beyond the right edge of the page, so the
// pupil sees only the page verdict; the menu button opens when it is right.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/automatic_systems/grid.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form36";
    d.caption = "Form36";
    d.controls = {
        checkBox("Check1", 6, 9360, 7680, 375, 375).back(kWhite).tab(36),
        checkBox("Check1", 1, 6000, 7680, 375, 375).back(kWhite).tab(35),
        checkBox("Check1", 3, 7800, 7680, 375, 375).back(kWhite).tab(34),
        checkBox("Check1", 7, 8640, 7680, 375, 375).back(kWhite).tab(33),
        checkBox("Check1", 5, 6720, 7680, 375, 375).back(kWhite).tab(32),
        checkBox("Check1", 4, 7320, 7680, 375, 375).back(kWhite).tab(31),
        checkBox("Check1", 2, 5520, 7680, 375, 375).back(kWhite).tab(30),
        checkBox("Check1", 8, 4920, 7680, 375, 375).back(kWhite).tab(29),
        checkBox("Check1", 9, 4320, 7680, 375, 375).back(kWhite).tab(28),
        checkBox("Check1", 10, 3840, 7680, 375, 375).back(kWhite).tab(27),
        checkBox("Check1", 11, 3360, 7680, 375, 375).back(kWhite).tab(26),
        checkBox("Check1", 12, 2880, 7680, 375, 375).back(kWhite).tab(25),
        checkBox("Check2", 1, 9360, 8040, 375, 375).back(kWhite).tab(24),
        checkBox("Check2", 2, 8640, 8040, 375, 375).back(kWhite).tab(23),
        checkBox("Check2", 3, 7800, 8040, 375, 375).back(kWhite).tab(22),
        checkBox("Check2", 4, 7320, 8040, 375, 375).back(kWhite).tab(21),
        checkBox("Check2", 5, 6720, 8040, 375, 375).back(kWhite).tab(20),
        checkBox("Check2", 6, 6000, 8040, 375, 375).back(kWhite).tab(19),
        checkBox("Check2", 7, 5520, 8040, 375, 375).back(kWhite).tab(18),
        checkBox("Check2", 8, 4920, 8040, 375, 375).back(kWhite).tab(17),
        checkBox("Check2", 9, 4320, 8040, 375, 375).back(kWhite).tab(16),
        checkBox("Check2", 10, 3840, 8040, 375, 375).back(kWhite).tab(15),
        checkBox("Check2", 11, 3360, 8040, 375, 375).back(kWhite).tab(14),
        checkBox("Check2", 12, 2880, 8040, 375, 375).back(kWhite).tab(13),
        checkBox("Check3", 12, 2880, 8400, 375, 375).back(kWhite).tab(12),
        checkBox("Check3", 11, 3360, 8400, 375, 375).back(kWhite).tab(11),
        checkBox("Check3", 10, 3840, 8400, 375, 375).back(kWhite).tab(10),
        checkBox("Check3", 9, 4320, 8400, 375, 375).back(kWhite).tab(9),
        checkBox("Check3", 8, 4920, 8400, 375, 375).back(kWhite).tab(8),
        checkBox("Check3", 7, 9360, 8400, 375, 375).back(kWhite).tab(7),
        checkBox("Check3", 6, 6000, 8400, 375, 375).back(kWhite).tab(6),
        checkBox("Check3", 5, 6720, 8400, 375, 375).back(kWhite).tab(5),
        checkBox("Check3", 4, 7320, 8400, 375, 375).back(kWhite).tab(4),
        checkBox("Check3", 3, 7800, 8400, 375, 375).back(kWhite).tab(3),
        checkBox("Check3", 2, 8640, 8400, 375, 375).back(kWhite).tab(2),
        checkBox("Check3", 1, 5520, 8400, 375, 375).back(kWhite).tab(1),
        player("flash3", 2280, 2520, 8295, 4815),
        image("Image20", 4320, 9000, 1155, 840).pic(77, 56),
        image("Image1", 4, 4440, 9000, 855, 735).pointerIcon(),
        image("Image2", 4, 4560, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image1", 1, 10755, 9255, 615, 480).pointerIcon(),
        image("Image1", 6, 8835, 9000, 855, 735).pointerIcon(),
        image("Image1", 2, 7155, 9015, 855, 720).pointerIcon(),
        image("Image1", 3, 5595, 9015, 855, 720).pointerIcon(),
        image("Image1", 5, 2595, 9015, 855, 855).pointerIcon(),
        // The row marks lie beyond the page's right edge: never seen, yet
        // they decide the verdict.
        image("Image5", 16515, 6360, 240, 195).pic(16, 13),
        image("Image6", 16515, 6360, 240, 195).pic(16, 13),
        image("Image8", 16515, 7920, 240, 195).pic(16, 13),
        image("Image10", 16515, 7920, 240, 195).pic(16, 13),
        image("Image11", 16515, 8880, 240, 195).pic(16, 13),
        image("Image12", 16515, 8880, 240, 195).pic(16, 13),
        image("Image7", 0, 12000, 7320, 915, 1500).pic(61, 100),
        image("Image7", 1, 12000, 7320, 915, 1500).pic(61, 100),
        image("Image2", 2, 7275, 9015, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 3, 5715, 9015, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10875, 9375, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 5, 2715, 9015, 690, 825).pic(46, 55).pointerIcon(),
        // Outside the client area: never seen, never reached.
        image("Image2", 0, 29715, 3360, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 6, 8955, 9000, 690, 825).pic(46, 55).pointerIcon(),
        shape("Shape1", 2235, 7560, 9375, 1335).border(0x00004000).style(3),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

// The boxes each row wants ticked; every other box of the row stays clear.
// Actuators: M1, M2, M, C1 and C2. Sensors: L20, L21, L10, L11 and s.
// Effectors: the drill alone. No box of the piece's column is ticked.
const ElementGrid kGrid{12, {{{1, 5}, {8, 12}, {2, 2}}}};

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 6}.attach(logic);
    kGrid.attach(logic);
}

}  // namespace

const ScreenModule form36{
    .def = kDef,
    .bind = bind,
    .title = "نظام آلي للثقب",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .back = {6, "Form35"}, .menu = {4, "Form1"}, .print = 5},
    .animations = {{"flash3", "percage"}},
    .check = [](Screen& s) { kGrid.check(s); },
    .reset = [](Screen& s) { kGrid.reset(s); },
};

}  // namespace nizam::screens
