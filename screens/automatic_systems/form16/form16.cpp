// SPDX-License-Identifier: GPL-3.0-or-later
// Form16: the automatic-systems introduction. An animation about what an
// automatic system is plays in the middle of the page as soon as it opens;
// the toolbar leads to the activities, to the menu, or quits.
#include "media/programs.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form16";
    d.caption = "Form16";
    d.controls = {
        player("flash1", 2280, 2280, 10815, 6615),
        image("Image1", 1, 10845, 9300, 615, 615).pointerIcon(),
        image("Image1", 2, 7125, 9060, 855, 615).pointerIcon(),
        image("Image1", 3, 4200, 9000, 855, 615).pointerIcon(),
        image("Image2", 3, 4320, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7170, 8970, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10965, 9420, 405, 345).pic(27, 23).pointerIcon(),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
        // Off the page and behind the background: never seen, never reached.
        image("Image2", 0, 30540, 4845, 690, 825).pic(46, 55).pointerIcon(),
    };
    return d;
}

const ScreenDef kDef = makeDef();

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 3}.attach(logic);
}

}  // namespace

const ScreenModule form16{
    .def = kDef,
    .bind = bind,
    .title = "الأنظمة الآلية",
    .toolbar = {.quit = 1, .next = {3, "Form30"}, .menu = {2, "Form1"}},
    .animations = {{"flash1", "sa_velmo"}},
};

}  // namespace nizam::screens
