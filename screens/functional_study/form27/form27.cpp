// SPDX-License-Identifier: GPL-3.0-or-later
// Form27: characteristics of the functions of the alarm device. A table
// gives, for each function, its assessment criterion, level and flexibility;
// the pupil drags six characteristics into its six empty cells. Rows FP, FC1,
// FC2, FC3 and FC5 each get a tick or a cross. The folder button shows a reminder of the
// six functions, which hides again as soon as the pointer moves onto the page.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form27";
    d.caption = "Form27";
    d.controls = {
        image("Image15", 2880, 8520, 9645, 1380).pic(643, 92),
        image("Image20", 4320, 8640, 1155, 945).pic(77, 63),
        image("Image17", 12840, 6480, 240, 195).pic(16, 13),
        image("Image16", 12840, 6480, 240, 195).pic(16, 13),
        image("Image1", 1, 10800, 9120, 615, 615).pointerIcon(),
        image("Image1", 4, 8880, 8640, 855, 975).pointerIcon(),
        image("Image1", 2, 7320, 8640, 855, 975).pointerIcon(),
        image("Image1", 3, 5760, 8640, 855, 975).pointerIcon(),
        image("Image1", 6, 4545, 8760, 855, 735).pointerIcon(),
        image("Image1", 5, 2640, 8640, 855, 975).pointerIcon(),
        image("Image1", 7, 2880, 6960, 975, 975).pointerIcon(),
        shape("Shape1", 3120, 2880, 8295, 1215).border(0x00004000).style(3),
        image("Image4", 5, 9000, 6360, 3135, 375),
        image("Image4", 4, 2280, 5640, 3255, 375),
        image("Image3", 5, 3480, 3360, 3180, 255).pic(212, 17).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image7", 0, 6840, 6840, 915, 1500).pic(61, 100),
        image("Image7", 1, 6840, 6840, 915, 1500).pic(61, 100),
        image("Image3", 0, 7800, 3000, 3180, 255).pic(212, 17).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 1, 3480, 3720, 3180, 255).pic(212, 17).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 2, 7800, 3720, 3180, 255).pic(212, 17).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 3, 3480, 3000, 3180, 255).pic(212, 17).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image9", 0, 0, 1695, 375),
        image("Image2", 2, 7440, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 3, 5880, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10920, 9240, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 5, 2760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image3", 4, 7800, 3360, 3180, 255).pic(212, 17).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image4", 0, 9000, 4560, 3135, 375),
        image("Image4", 1, 9000, 4920, 3135, 375),
        image("Image4", 2, 9000, 5280, 3135, 375),
        image("Image4", 3, 5640, 5280, 3255, 375),
        image("Image12", 12840, 5400, 240, 195).pic(16, 13),
        image("Image11", 12840, 5400, 240, 195).pic(16, 13),
        image("Image10", 12840, 5040, 240, 195).pic(16, 13),
        image("Image8", 12840, 5040, 240, 195).pic(16, 13),
        image("Image6", 12840, 4680, 240, 195).pic(16, 13),
        image("Image5", 12840, 4680, 240, 195).pic(16, 13),
        image("Image2", 6, 4560, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 4, 9000, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image13", 12840, 5760, 240, 195).pic(16, 13),
        image("Image14", 12840, 5760, 240, 195).pic(16, 13),
        image("Image2", 7, 2880, 7080, 915, 840).pic(61, 56).pointerIcon(),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();
const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way
const GroupMarks kMarks = GroupMarks::standard(5);  // rows FP, FC1, FC2, FC3, FC5

bool cellHolds(const Screen& s, int k) { return holdsLabel(s, "Image4", k, "Image3", k); }

void check(Screen& s) {
    kMarks.show(s, 1, cellHolds(s, 0));                     // FP: criterion
    kMarks.show(s, 2, cellHolds(s, 1));                     // FC1: criterion
    kMarks.show(s, 3, cellHolds(s, 3) && cellHolds(s, 2));  // FC2: level and criterion
    kMarks.show(s, 4, cellHolds(s, 4));                     // FC3: flexibility
    kMarks.show(s, 5, cellHolds(s, 5));                     // FC5: criterion
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

// Cell k takes label k: these are the characteristics the labels carry.
const ScreenModule form27{
    .def = kDef,
    .bind = bind,
    .title = "خصائص الوظائف",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {6, "Form28"}, .back = {4, "Form26"}, .print = 5},
    .check = check,
    .reset = reset,
    .answers = {.labels = {
    {"Image3", 0, "سماع الصوت من بعيد"},
    {"Image3", 1, "الشكل الخارجي"},
    {"Image3", 2, "نوع الطاقة"},
    {"Image3", 3, "الطاقة الكهربائية"},
    {"Image3", 4, "إمكانية استبدال القطع"},
    {"Image3", 5, "سعر يناسب إمكانيات المؤسسة"},
}},
};

}  // namespace nizam::screens
