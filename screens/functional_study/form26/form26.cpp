// SPDX-License-Identifier: GPL-3.0-or-later
// Form26: validating the functions of the alarm device. A table gives, for
// each function, the reasons for its existence and for its disappearance;
// the pupil drags six reasons into its six empty cells. Rows FP, FC1, FC2 and
// FC3 each get a tick or a cross. The folder button shows a reminder of the
// six functions, which hides again as soon as the pointer moves onto the page.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form26";
    d.caption = "Form26";
    d.controls = {
        image("Image15", 2760, 8520, 9645, 1380).pic(643, 92),
        image("Image20", 4320, 8640, 1155, 945).pic(77, 63),
        image("Image1", 7, 2880, 6960, 975, 975).pointerIcon(),
        image("Image2", 7, 2880, 7080, 915, 840).pic(61, 56).pointerIcon(),
        image("Image1", 5, 2640, 8640, 855, 975).pointerIcon(),
        image("Image1", 6, 4545, 8760, 855, 735).pointerIcon(),
        image("Image1", 3, 5760, 8640, 855, 975).pointerIcon(),
        image("Image1", 2, 7320, 8640, 855, 975).pointerIcon(),
        image("Image1", 4, 8880, 8640, 855, 975).pointerIcon(),
        image("Image1", 1, 10800, 9120, 615, 615).pointerIcon(),
        image("Image14", 12720, 5760, 240, 195).pic(16, 13),
        image("Image13", 12720, 5760, 240, 195).pic(16, 13),
        image("Image2", 4, 9000, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 6, 4560, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image5", 12720, 4680, 240, 195).pic(16, 13),
        image("Image6", 12720, 4680, 240, 195).pic(16, 13),
        image("Image8", 12720, 5040, 240, 195).pic(16, 13),
        image("Image10", 12720, 5040, 240, 195).pic(16, 13),
        image("Image11", 12720, 5400, 240, 195).pic(16, 13),
        image("Image12", 12720, 5400, 240, 195).pic(16, 13),
        image("Image4", 3, 3120, 5280, 4335, 375),
        image("Image4", 2, 7440, 5280, 4215, 375),
        image("Image4", 1, 3120, 4920, 4335, 375),
        image("Image4", 0, 7440, 4560, 4215, 375),
        image("Image3", 4, 3480, 3360, 4065, 255).pic(271, 17).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image2", 5, 2760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10920, 9240, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 3, 5880, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7440, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image9", 0, 0, 1695, 375),
        image("Image3", 3, 3480, 3720, 4065, 255).pic(271, 17).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 2, 7800, 3720, 4065, 255).pic(271, 17).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 1, 7800, 3360, 4065, 255).pic(271, 17).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 0, 3480, 3000, 4065, 255).pic(271, 17).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image7", 1, 6840, 6840, 915, 1500).pic(61, 100),
        image("Image7", 0, 6840, 6840, 915, 1500).pic(61, 100),
        image("Image3", 5, 7800, 3000, 4065, 255).pic(271, 17).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image4", 4, 7440, 5640, 4215, 375),
        image("Image4", 5, 3120, 5640, 4335, 375),
        shape("Shape1", 3240, 2880, 8895, 1215).border(0x00004000).style(3),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();
const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way
const GroupMarks kMarks = GroupMarks::standard(4);  // rows FP, FC1, FC2, FC3

bool cellHolds(const Screen& s, int k) { return holdsLabel(s, "Image4", k, "Image3", k); }

void check(Screen& s) {
    kMarks.show(s, 1, cellHolds(s, 0));                     // FP: existence
    kMarks.show(s, 2, cellHolds(s, 1));                     // FC1: disappearance
    kMarks.show(s, 3, cellHolds(s, 3) && cellHolds(s, 2));  // FC2: both reasons
    kMarks.show(s, 4, cellHolds(s, 5) && cellHolds(s, 4));  // FC3: both reasons
    kFeedback.check(s, kMarks.allTicked(s));
}

void reset(Screen& s) {
    kFeedback.reset(s);
    kMarks.hideAll(s);
    emptyTargets(s, "Image4", 0, 5);
}

void hideReminder(Ctx& ctx, Index) { ctx.screen.hide("Image15"); }

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 7}.attach(logic);
    kFeedback.attach(logic);
    kMarks.attach(logic);
    logic.onLoad([](Ctx& ctx) { ctx.screen.hide("Image15"); });
    // The reminder lies over the toolbar; any move over the page outside it
    // hides it, after the highlights.
    logic.onMouseMove(std::string(kFormName), hideReminder);
    logic.onMouseMove("Imagefixe", hideReminder);
    DropLabel{"Image4"}.attach(logic);
    logic.onClick("Image1", 7, [](Ctx& ctx, Index) { ctx.screen.show("Image15"); });
}

}  // namespace

// Cell k takes label k: these are the reasons the labels carry.
const ScreenModule form26{
    .def = kDef,
    .bind = bind,
    .title = "إقرار الوظائف",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {6, "Form27"}, .back = {4, "Form25"}, .print = 5},
    .check = check,
    .reset = reset,
    .answers = {.labels = {
    {"Image3", 0, "حدوث السرقة خاصة في الليل"},
    {"Image3", 1, "عدم اهتمام المستعمل بالشكل"},
    {"Image3", 2, "تجنب التشغيل اليدوي"},
    {"Image3", 3, "اشتغال الجهاز دون أي طاقة خارجية"},
    {"Image3", 4, "ضمان إمكانية استبدال القطع التالفة"},
    {"Image3", 5, "استعمال قطع لا تتلف"},
}},
};

}  // namespace nizam::screens
