// SPDX-License-Identifier: GPL-3.0-or-later
// Form13: the help page, "how do I answer the questions?". An animation shows
// each kind of question being answered; the menu button leads back.
#include "media/programs.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form13";
    d.caption = "Form13";
    d.controls = {
        player("flash1", 2280, 2520, 10815, 6495),
        image("Image1", 2, 7035, 9090, 855, 615).pointerIcon(),
        image("Image1", 1, 10875, 9330, 615, 615).pointerIcon(),
        image("Image2", 2, 7080, 9120, 690, 825).pic(46, 55).pointerIcon(),
        // Image2(6), Image2(0) and Image1(6) lie outside the client area: never seen, never reached.
        image("Image2", 6, 15660, 10485, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 0, 34650, 5475, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10995, 9450, 405, 345).pic(27, 23).pointerIcon(),
        image("Image1", 6, 15660, 10365, 855, 975).pointerIcon(),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 2}.attach(logic);
}

}  // namespace

// The demonstration starts as the page opens, before the highlights are hidden.
const ScreenModule form13{
    .def = kDef,
    .bind = bind,
    .title = "كيف أجيب عن الأسئلة؟",
    .toolbar = {.quit = 1, .menu = {2, "Form1"}},
    // The menu highlight reaches below its hot-spot; a click on that part leads to the menu too.
    .links = {{"Image2", 2, NavAction::GoTo, "Form1"}},
    .animations = {{"flash1", "demo2"}},
};

}  // namespace nizam::screens
