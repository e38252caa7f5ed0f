// SPDX-License-Identifier: GPL-3.0-or-later
// Form41: basic terms. An animation shows the technical terms of the course,
// each in Arabic and in French; the menu button leads back.
#include "media/programs.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form41";
    d.caption = "Form41";
    d.controls = {
        player("flash1", 2280, 2280, 10815, 6570),
        image("Image1", 1, 10845, 9270, 615, 615).pointerIcon(),
        image("Image1", 2, 7005, 9030, 855, 615).pointerIcon(),
        image("Image2", 1, 10965, 9390, 405, 345).pic(27, 23).pointerIcon(),
        // Outside the client area: never seen, never reached.
        image("Image2", 0, 31140, 6015, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7170, 8925, 690, 825).pic(46, 55).pointerIcon(),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 2}.attach(logic);
    // Only the hot-spots act: the part of the menu highlight outside its
    // hot-spot takes no click on this page.
}

}  // namespace

const ScreenModule form41{
    .def = kDef,
    .bind = bind,
    .title = "مصطلحات أساسية",
    .toolbar = {.quit = 1, .menu = {2, "Form1"}},
    .animations = {{"flash1", "traduction_velmo"}},
};

}  // namespace nizam::screens
