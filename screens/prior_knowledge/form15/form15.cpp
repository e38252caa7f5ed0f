// SPDX-License-Identifier: GPL-3.0-or-later
// Form15: the introduction of the basic concepts. Its animation presents
// need, product, function, user and manufacturer with everyday examples and
// starts as the page opens; the activities button leads to the first review
// page, the menu button back to the main menu.
#include "media/programs.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form15";
    d.caption = "Form15";
    d.controls = {
        player("flash1", 2280, 2250, 10815, 6570),
        image("Image1", 3, 4200, 9000, 855, 615).pointerIcon(),
        image("Image1", 1, 10845, 9225, 615, 615).pointerIcon(),
        image("Image1", 2, 7005, 8985, 855, 615).pointerIcon(),
        image("Image2", 3, 4320, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7170, 9000, 690, 825).pic(46, 55).pointerIcon(),
        // Outside the client area: never seen, never reached.
        image("Image2", 0, 30420, 4650, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10965, 9465, 405, 345).pic(27, 23).pointerIcon(),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 3}.attach(logic);
}

}  // namespace

const ScreenModule form15{
    .def = kDef,
    .bind = bind,
    .title = "مفاهيم أساسية",
    .toolbar = {.quit = 1, .next = {3, "Form6"}, .menu = {2, "Form1"}},
    .animations = {{"flash1", "mafahim_velmo"}},
};

}  // namespace nizam::screens
