// SPDX-License-Identifier: GPL-3.0-or-later
// Form4: "I support my learning", a poster of the alarm devices of a house,
// with a video that plays over it.
#include "media/programs.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form4";
    d.caption = "";
    d.clientWidth = 15240;
    d.clientHeight = 11130;
    d.controls = {
        player("flash1", 2160, 1920, 10935, 6375),
        image("Image1", 4, 6720, 8400, 855, 975).pointerIcon(),
        image("Image2", 4, 6840, 8520, 690, 825).pic(46, 55).pointerIcon(),
        image("Image1", 1, 10680, 8760, 615, 615).pointerIcon(),
        image("Image1", 3, 4680, 8400, 855, 975).pointerIcon(),
        image("Image1", 2, 8760, 8400, 855, 975).pointerIcon(),
        image("Image2", 2, 8880, 8520, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10800, 9000, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 3, 4800, 8520, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 0, 23760, 0, 690, 825).pic(46, 55).pointerIcon(),
        image("Image3", 2100, 1440, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

// The video of the connected house, played when the pupil asks for it.
constexpr Animation kVideo{"flash1", "maison_numerique_1", false};

void bind(ScreenLogic& logic) {
    // The player stays hidden until the pupil asks for the video.
    logic.onLoad([](Ctx& ctx) { ctx.screen.hide("flash1"); });
    HoverHighlight{1, 4, "Image3"}.attach(logic);
    logic.onClick("Image1", 4, [](Ctx& ctx, Index) {
        ctx.screen.show("flash1");
        playAnimation(ctx.screen, ctx.app, kVideo);
    });
}

}  // namespace

const ScreenModule form4{
    .def = kDef,
    .bind = bind,
    .title = "التعرف على بعض أجهزة الإنذار",
    .toolbar = {.quit = 1, .next = {3, "Form22"}, .back = {2, "Form3"}},
    .animations = {kVideo},
};

}  // namespace nizam::screens
