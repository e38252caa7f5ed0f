// SPDX-License-Identifier: GPL-3.0-or-later
// Form24: validating the need. The pupil answers the three need-validation
// questions by dragging answer labels under them (one label belongs nowhere)
// and ticks the stage that follows. Each of the three groups gets its tick
// or cross, and the menu button opens only when all three are right. The
// reset clears the answers but leaves the marks of the last check on show,
// so the pupil still sees which groups were wrong while answering again.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form24";
    d.caption = "Form24";
    d.controls = {
        checkBox("Check6", 9240, 7575, 375, 375).back(kWhite).tab(5),
        checkBox("Check5", 9240, 7095, 375, 375).back(kWhite).tab(4),
        checkBox("Check4", 9240, 6600, 375, 375).back(kWhite).tab(3),
        checkBox("Check3", 12000, 7080, 375, 375).back(kWhite).tab(2),
        checkBox("Check2", 12000, 6600, 375, 375).back(kWhite).tab(1),
        checkBox("Check1", 12000, 7560, 375, 375).back(kWhite).tab(0),
        image("Image20", 4320, 8640, 1155, 945).pic(77, 63),
        image("Image5", 12840, 5400, 240, 195).pic(16, 13),
        image("Image6", 12840, 5400, 240, 195).pic(16, 13),
        image("Image8", 12840, 3720, 240, 195).pic(16, 13),
        image("Image10", 12840, 3720, 240, 195).pic(16, 13),
        image("Image11", 12840, 7200, 240, 195).pic(16, 13),
        image("Image12", 12840, 7200, 240, 195).pic(16, 13),
        image("Image1", 5, 2640, 8640, 855, 975).pointerIcon(),
        image("Image1", 4, 4440, 8760, 855, 735).pointerIcon(),
        image("Image1", 3, 5760, 8640, 855, 975).pointerIcon(),
        image("Image1", 2, 7320, 8640, 855, 975).pointerIcon(),
        image("Image1", 6, 8985, 8640, 855, 975).pointerIcon(),
        image("Image1", 1, 10800, 9120, 615, 615).pointerIcon(),
        image("Image4", 3, 8880, 5520, 3615, 495),
        image("Image4", 2, 8880, 5040, 3615, 495),
        image("Image4", 1, 8880, 4080, 3615, 495),
        shape("Shape1", 2, 8880, 5040, 3615, 975).border(0x00004000).style(3),
        shape("Shape1", 1, 8880, 4080, 3615, 495).border(0x00004000).style(3),
        shape("Shape1", 0, 8880, 3240, 3615, 495).border(0x00004000).style(3),
        image("Image4", 0, 8880, 3240, 3615, 495),
        image("Image3", 4, 2400, 3720, 3645, 480).pic(243, 32).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image2", 4, 4560, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 6, 9105, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 5, 2760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10920, 9240, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 3, 5880, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7440, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image9", 0, 0, 1695, 375),
        image("Image3", 3, 3720, 4320, 3645, 480).pic(243, 32).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 2, 2400, 2520, 3645, 480).pic(243, 32).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 1, 3720, 3120, 3645, 480).pic(243, 32).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 0, 2400, 4920, 3645, 480).pic(243, 32).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image7", 1, 2760, 6480, 915, 1500).pic(61, 100),
        image("Image7", 0, 2760, 6480, 915, 1500).pic(61, 100),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();
const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way
// Groups in the order they are judged: question 3, questions 1 and 2, the next stage.
const GroupMarks kMarks{{{{"Image5", std::nullopt}, {"Image6", std::nullopt}},
                         {{"Image10", std::nullopt}, {"Image8", std::nullopt}},
                         {{"Image12", std::nullopt}, {"Image11", std::nullopt}}}};

bool holds(const Screen& s, int target, int label) { return holdsLabel(s, "Image4", target, "Image3", label); }

void check(Screen& s) {
    // What could make the need disappear: both answers, in either order.
    kMarks.show(s, 1, (holds(s, 3, 2) && holds(s, 2, 3)) || (holds(s, 3, 3) && holds(s, 2, 2)));
    // Its reasons and its purpose.
    kMarks.show(s, 2, holds(s, 1, 1) && holds(s, 0, 0));
    // After the validation comes the feasibility study, alone.
    kMarks.show(s, 3, ticked(s, "Check1") && isClear(s, "Check2") && isClear(s, "Check3") &&
                          isClear(s, "Check4") && isClear(s, "Check5") && isClear(s, "Check6"));
    kFeedback.check(s, kMarks.allTicked(s));
}

// The marks stay as the last check left them.
void reset(Screen& s) {
    kFeedback.reset(s);
    clearChecks(s, {"Check1", "Check2", "Check3", "Check4", "Check5", "Check6"});
    emptyTargets(s, "Image4", 0, 3);
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 6}.attach(logic);
    kFeedback.attach(logic);
    kMarks.attach(logic);
    DropLabel{"Image4"}.attach(logic);
}

}  // namespace

// The key names the answer labels by index; these are the texts their cards carry.
const ScreenModule form24{
    .def = kDef,
    .bind = bind,
    .title = "إقرار الحاجة",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .back = {6, "Form5"}, .menu = {4, "Form1"}, .print = 5},
    .check = check,
    .reset = reset,
    .answers = {.labels = {
    {"Image3", 0, "حدوث السرقة خاصة في الليل"},
    {"Image3", 1, "الحفاظ على التجهيزات التعليمية\nالموجودة في القاعة"},
    {"Image3", 2, "توقف السرقة وهذا مستبعد"},
    {"Image3", 3, "إفراغ القاعة من كل تجهيزاتها\nوهذا غير ممكن"},
    {"Image3", 4, "القبض على السارق"},
}},
};

}  // namespace nizam::screens
