// SPDX-License-Identifier: GPL-3.0-or-later
// Form34: a reading page. It defines the three kinds of element of an
// operative part (the actuator, the sensor, the effector), each with
// examples and pictures, before the two activities that use them. On this
// page the toolbar's indices differ from the exercise pages: 2 is back,
// 3 is continue, 4 is print.
#include "media/programs.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form34";
    d.caption = "Form34";
    d.controls = {
        image("Image1", 1, 10800, 9405, 615, 375).pointerIcon(),
        image("Image1", 2, 9000, 8925, 855, 735).pointerIcon(),
        image("Image1", 4, 2640, 8925, 975, 975).pointerIcon(),
        image("Image1", 3, 4440, 8925, 855, 855).pointerIcon(),
        image("Image2", 1, 10920, 9405, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 3, 4560, 8925, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 4, 2760, 9045, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 9120, 8925, 690, 825).pic(46, 55).pointerIcon(),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 4}.attach(logic);
}

}  // namespace

const ScreenModule form34{
    .def = kDef,
    .bind = bind,
    .title = "المنفذات والملتقطات والمنفعلات",
    .toolbar = {.quit = 1, .next = {3, "Form35"}, .back = {2, "Form33"}, .print = 4},
};

}  // namespace nizam::screens
