// SPDX-License-Identifier: GPL-3.0-or-later
// Form3: the problem situation. An animation presents the situation; the
// pupil answers three questions (the kind of signal, the actuator, a name
// for the device) and the evaluation button judges all three at once.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

const Font kAnswerFont{"Times New Roman", 14.25, true, 178};

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form3";
    d.caption = "Form3";
    d.clientHeight = 11250;
    d.controls = {
        textBox("Text1", 2880, 5280, 2655, 495).fore(0x00000080).tab(7).align(2).withFont(kAnswerFont),
        checkBox("Check6", 10920, 7680, 375, 375).back(kWhite).tab(6),
        checkBox("Check5", 10920, 7320, 375, 375).back(kWhite).tab(5),
        checkBox("Check4", 10920, 6960, 375, 375).back(kWhite).tab(4),
        checkBox("Check3", 10920, 5880, 375, 375).back(kWhite).tab(3),
        checkBox("Check2", 10920, 5520, 375, 375).back(kWhite).tab(2),
        checkBox("Check1", 10920, 5160, 375, 375).back(kWhite).tab(1),
        player("flash1", 2520, 2520, 8655, 1695),
        image("Image20", 4320, 8400, 1155, 945).pic(77, 63),
        shape("Shape1", 2880, 5280, 2655, 495).borderW(3),
        image("Image1", 6, 11640, 3120, 855, 735).pointerIcon(),
        image("Image2", 6, 11760, 3120, 690, 750).pic(46, 50).pointerIcon(),
        image("Image2", 0, 25920, 100, 690, 825).pic(46, 55).pointerIcon(),
        image("Image1", 4, 4440, 8520, 855, 735).pointerIcon(),
        image("Image1", 1, 10680, 8880, 615, 615).pointerIcon(),
        image("Image1", 2, 7920, 8400, 855, 975).pointerIcon(),
        image("Image1", 3, 6120, 8400, 855, 975).pointerIcon(),
        image("Image1", 5, 2640, 8400, 855, 975).pointerIcon(),
        image("Image1", 7, 11865, 8400, 855, 975).pointerIcon(),
        image("Image2", 7, 11985, 8520, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 5, 2760, 8520, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 4, 4560, 8520, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10800, 9120, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 3, 6240, 8520, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 8040, 8520, 690, 825).pic(46, 55).pointerIcon(),
        image("Image7", 1, 3720, 6600, 1785, 1350).pic(119, 90),
        image("Image7", 0, 3720, 6600, 1785, 1350).pic(119, 90),
        image("Imagefixe", 2160, 1500, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();
const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way

// The name the pupil types: two words, the second as the page lists it
// among the candidates (a plain alef) or as a school book spells it (a hamza
// under the alef). Any other difference, a space included, is refused.
constexpr std::string_view kDeviceName = "جهاز انذار";
constexpr std::string_view kDeviceNameHamza = "جهاز إنذار";

bool answersRight(const Screen& s) {
    return typedRight(s, "Text1", {kDeviceName, kDeviceNameHamza})  // the name of the device
           && ticked(s, "Check1") && ticked(s, "Check6")  // a sound signal; the bell
           && isClear(s, "Check2") && isClear(s, "Check3") && isClear(s, "Check4") && isClear(s, "Check5");
}

// The situation plays when the pupil asks for it.
constexpr Animation kSituation{"flash1", "situa1", false};

void playSituation(Ctx& ctx) { playAnimation(ctx.screen, ctx.app, kSituation); }

void reset(Screen& s) {
    clearChecks(s, {"Check1", "Check2", "Check3", "Check4", "Check5", "Check6"});
    kFeedback.reset(s);
    clearTexts(s, {"Text1"});
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 7}.attach(logic);
    kFeedback.attach(logic);
    logic.onClick("Image1", 6, [](Ctx& ctx, Index) { playSituation(ctx); });
    // The situation highlight sticks out of its hot-spot; a click there plays too.
    logic.onClick("Image2", 6, [](Ctx& ctx, Index) { playSituation(ctx); });
}

}  // namespace

// The candidate list prints the device's name with its hamza; the pupil copies it from there.
const ScreenModule form3{
    .def = kDef,
    .bind = bind,
    .title = "وضعية مشكلة",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form4"}, .menu = {7, "Form1"}, .print = 5},
    .animations = {kSituation},
    .check = [](Screen& s) { kFeedback.check(s, answersRight(s)); },
    .reset = reset,
    .answers = {.shown = {"جهاز إنذار"}},
};

}  // namespace nizam::screens
