// SPDX-License-Identifier: GPL-3.0-or-later
// Form18: activity 2 of the industrial-project methodology, the need
// analysis of a satellite dish's automatic positioner. The pupil drags eight
// phrase labels into the need diagram and under the three need-validation
// questions. The check marks four groups, each with its tick or cross, and
// the page is right when all four are. A right check uncovers the forward
// button for good; a later wrong check shows try harder but leaves it open.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ControlDef mark(const char* name, int left, int top) { return image(name, left, top, 240, 195).pic(16, 13); }

ControlDef answerPlace(int index, int left, int top, int width, int height) {
    return shape("Shape2", index, left, top, width, height).border(0x00008000).style(3);
}

// The boxes can be dragged too, with the default arrow pointer.
ControlDef box(int index, int left, int top, int width, int height) {
    return image("Image4", index, left, top, width, height).draggable();
}

ControlDef shortLabel(int index, int left, int top) {
    return image("Image3", index, left, top, 1755, 480).pic(117, 32).pointer(kPointerIcon).draggable().pointerIcon();
}

ControlDef longLabel(int index, int left, int top) {
    return image("Image3", index, left, top, 3375, 375).pic(225, 25).pointer(kPointerIcon).draggable().pointerIcon();
}

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form18";
    d.caption = "Form18";
    d.controls = {
        image("Image20", 4320, 9000, 1155, 840).pic(77, 56),
        mark("Image14", 5400, 4200),
        mark("Image13", 5400, 4200),
        mark("Image5", 12840, 5040),
        mark("Image6", 12840, 5040),
        mark("Image8", 12840, 5760),
        mark("Image10", 12840, 5760),
        mark("Image11", 12840, 6600),
        mark("Image12", 12840, 6600),
        answerPlace(7, 8520, 6720, 3375, 375),
        answerPlace(6, 8520, 6360, 3375, 375),
        answerPlace(5, 8520, 5640, 3375, 375),
        answerPlace(4, 8520, 4920, 3375, 375),
        answerPlace(3, 3720, 8040, 3735, 495),
        answerPlace(2, 4560, 6240, 1695, 735),
        answerPlace(1, 2520, 4680, 2175, 735),
        answerPlace(0, 6240, 4680, 1935, 735),
        image("Image1", 5, 2640, 8880, 975, 975).pointerIcon(),
        image("Image1", 4, 4440, 9000, 855, 735).pointerIcon(),
        image("Image1", 3, 5760, 8880, 855, 975).pointerIcon(),
        image("Image1", 2, 7440, 8880, 855, 975).pointerIcon(),
        image("Image1", 7, 8985, 8880, 855, 975).pointerIcon(),
        image("Image1", 1, 10800, 9360, 615, 615).pointerIcon(),
        image("Image1", 6, 11865, 8955, 855, 975).pointerIcon(),
        image("Image2", 7, 9105, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 5, 2760, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 4, 4560, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10920, 9480, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 3, 5880, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7560, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 6, 11985, 9075, 690, 825).pic(46, 55).pointerIcon(),
        box(4, 8520, 4920, 4215, 375),
        box(5, 8520, 5640, 4215, 375),
        box(6, 8520, 6360, 4215, 375),
        box(7, 8520, 6720, 4215, 375),
        box(3, 4680, 8040, 2895, 375),
        box(2, 4560, 6360, 1455, 615),
        box(0, 6360, 4800, 1575, 615),
        box(1, 2640, 4800, 1695, 615),
        longLabel(7, 7800, 7320),
        longLabel(6, 9120, 8040),
        shortLabel(0, 2760, 2400),
        shortLabel(1, 3240, 2880),
        shortLabel(2, 3840, 3360),
        shortLabel(3, 2400, 1920),
        longLabel(4, 8520, 7680),
        longLabel(5, 9720, 8400),
        image("Image7", 1, 2640, 5880, 915, 1350).pic(61, 90),
        image("Image7", 0, 2640, 5880, 915, 1350).pic(61, 90),
        image("Image9", 120, 120, 1695, 375),
        // Shape1(2) lies outside the client area and is never seen.
        shape("Shape1", 2, 15960, 2400, 495, 495).borderW(3),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

const AnswerFeedback kFeedback{.policy = QuestionMarkPolicy::ClearOnCorrect};
// Group 1 the reasons question (Image5/Image6), 2 the purpose question
// (Image10/Image8), 3 the disappearance question (Image12/Image11), 4 the
// need diagram (Image13/Image14).
const GroupMarks kMarks = GroupMarks::standard(4);

bool holds(const Screen& s, int box, int label) { return holdsLabel(s, "Image4", box, "Image3", label); }

void check(Screen& s) {
    // The need diagram: acts on the dish, serves the user, the positioner
    // itself, and its purpose.
    kMarks.show(s, 4, holds(s, 0, 0) && holds(s, 1, 1) && holds(s, 2, 2) && holds(s, 3, 3));
    kMarks.show(s, 1, holds(s, 4, 4));
    kMarks.show(s, 2, holds(s, 5, 5));
    // The two answers to the disappearance question, in either order.
    kMarks.show(s, 3, (holds(s, 6, 6) && holds(s, 7, 7)) || (holds(s, 6, 7) && holds(s, 7, 6)));
    kFeedback.check(s, kMarks.allTicked(s));
}

void reset(Screen& s) {
    kFeedback.hideVerdicts(s);
    kMarks.hideAll(s);
    kFeedback.reset(s);
    emptyTargets(s, "Image4", 0, 7);
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 7}.attach(logic);
    kFeedback.attach(logic);
    kMarks.attach(logic);
    DropLabel{"Image4"}.attach(logic);
}

}  // namespace

// The key names the phrase labels by index; these are the texts their cards show.
const ScreenModule form18{
    .def = kDef,
    .bind = bind,
    .title = "تحليل الحاجة إلى منتوج",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form19"}, .back = {7, "Form17"}, .menu = {6, "Form1"}, .print = 5},
    .check = check,
    .reset = reset,
    .answers = {.labels = {
    {"Image3", 0, "الهوائي المقعر"},
    {"Image3", 1, "المستعمل"},
    {"Image3", 2, "موجه الهوائي المقعر"},
    {"Image3", 3, "توجيه الهوائي نحو\nالقمر الصناعي المختار"},
    {"Image3", 4, "العدد الكبير للأقمار الصناعية"},
    {"Image3", 5, "استقبال قنوات فضائية أكثر"},
    {"Image3", 6, "تثبيت الهوائي على قمر صناعي واحد"},
    {"Image3", 7, "التوجيه اليدوي من طرف المستعمل"},
}},
};

}  // namespace nizam::screens
