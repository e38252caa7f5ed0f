// SPDX-License-Identifier: GPL-3.0-or-later
// Form14: the introduction to the methodology of the industrial project. The
// topic's animation plays as the page opens; the activities button leads to
// the first activity, the menu button back to the main menu.
#include "media/programs.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form14";
    d.caption = "Form14";
    d.controls = {
        player("flash1", 2280, 2280, 10815, 6495),
        image("Image1", 3, 4200, 9000, 855, 615).pointerIcon(),
        image("Image2", 3, 4320, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image1", 1, 10875, 9255, 615, 615).pointerIcon(),
        image("Image1", 2, 7035, 9015, 855, 615).pointerIcon(),
        image("Image2", 1, 10995, 9495, 405, 345).pic(27, 23).pointerIcon(),
        // Image2(0) lies outside the client area and is never shown.
        image("Image2", 0, 32490, 3840, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7200, 8925, 690, 825).pic(46, 55).pointerIcon(),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 3}.attach(logic);
}

}  // namespace

const ScreenModule form14{
    .def = kDef,
    .bind = bind,
    .title = "منهجية المشروع الصناعي",
    .toolbar = {.quit = 1, .next = {3, "Form17"}, .menu = {2, "Form1"}},
    .animations = {{"flash1", "dpi_velmo"}},
};

}  // namespace nizam::screens
