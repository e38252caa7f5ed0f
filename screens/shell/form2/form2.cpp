// SPDX-License-Identifier: GPL-3.0-or-later
// Form2: the title screen, shown at start. The enter button leads to the
// main menu; the close mark ends the program.
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form2";
    d.caption = "";
    d.hasIcon = true;
    d.controls = {
        timer("Timer1").every(500),
        image("Image1", 1, 10680, 8520, 615, 615).pointerIcon(),
        image("Image1", 2, 7200, 8280, 735, 735).pointerIcon(),
        image("Image2", 2, 7200, 8280, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10800, 8640, 405, 345).pic(27, 23).pointerIcon(),
        image("Imagefixe", 3908, 2385, 7545, 6750).pic(503, 450),
    };
    return d;
}

const ScreenDef kDef = makeDef();

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 2}.attach(logic);
}

}  // namespace

const ScreenModule form2{
    .def = kDef,
    .bind = bind,
    .title = "دراسة وإنجاز نظام آلي",
    .toolbar = {.quit = 1, .next = {2, "Form1"}},
};

}  // namespace nizam::screens
