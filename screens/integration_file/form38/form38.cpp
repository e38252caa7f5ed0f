// SPDX-License-Identifier: GPL-3.0-or-later
// Form38: the need analysis of the water-pumping installation. The pupil
// types the name of the tool that expresses the need, completes the need
// diagram with four labels and answers the three validation questions of the
// need with four longer labels (the third question takes two, either way
// round). The two parts get their own verdicts; continue opens only when both
// are right.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form38";
    d.caption = "Form38";
    d.controls = {
        textBox("Text1", 8880, 3000, 2295, 450).fore(0x00000080).tab(0).align(2).withFont({"Times New Roman", 14.25, true, 178}),
        image("Image20", 4200, 8640, 1155, 945).pic(77, 63),
        image("Image7", 3, 8400, 7080, 915, 1350).pic(61, 90),
        image("Image7", 2, 8400, 7080, 915, 1350).pic(61, 90),
        shape("Shape2", 2, 9480, 7560, 2895, 375).border(0x00008000).style(3),
        shape("Shape2", 1, 9480, 7080, 2895, 375).border(0x00008000).style(3),
        shape("Shape2", 0, 9480, 6360, 2895, 375).border(0x00008000).style(3),
        shape("Shape2", 5, 9480, 5640, 2895, 375).border(0x00008000).style(3),
        image("Image6", 7, 2280, 7440, 2925, 405).pic(195, 27).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image6", 6, 5280, 7440, 2925, 405).pic(195, 27).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image6", 5, 2280, 7800, 2925, 405).pic(195, 27).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image6", 4, 5280, 7800, 2925, 405).pic(195, 27).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image8", 7, 9480, 7560, 3135, 375),
        image("Image8", 6, 9480, 7080, 3135, 375),
        image("Image8", 5, 9480, 6360, 3135, 375),
        image("Image8", 4, 9480, 5640, 3135, 375),
        image("Image8", 3, 4680, 6480, 3135, 495),
        image("Image8", 1, 3000, 3120, 1215, 495),
        image("Image8", 0, 6720, 3120, 1215, 495),
        image("Image8", 2, 4920, 4680, 1215, 615),
        image("Image6", 1, 8040, 4560, 1020, 450).pic(68, 30).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image6", 2, 7680, 5040, 1020, 450).pic(68, 30).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image6", 3, 8520, 4080, 1140, 450).pic(76, 30).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image6", 0, 8880, 3600, 1020, 450).pic(68, 30).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image1", 5, 2640, 8640, 975, 975).pointerIcon(),
        image("Image1", 4, 4320, 8640, 855, 855).pointerIcon(),
        image("Image1", 3, 5640, 8640, 855, 975).pointerIcon(),
        image("Image1", 2, 7200, 8640, 855, 975).pointerIcon(),
        image("Image1", 1, 10800, 9120, 615, 615).pointerIcon(),
        image("Image1", 6, 8865, 8595, 855, 975).pointerIcon(),
        image("Image2", 6, 9000, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7320, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 3, 5760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10920, 9240, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 4, 4440, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 5, 2760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image7", 1, 10320, 3600, 915, 1350).pic(61, 90),
        image("Image7", 0, 10320, 3600, 915, 1350).pic(61, 90),
        image("Image9", -3000, -240, 1695, 375),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

// The need (Image7(0) right, Image7(1) wrong) and the validation answers
// (Image7(3) right, Image7(2) wrong); Image20 covers continue until both are right.
const AnswerFeedback kFeedback{
    .parts = {{{"Image7", 0}, {"Image7", 1}}, {{"Image7", 3}, {"Image7", 2}}},
    .questionMark = ControlName{"Image20", std::nullopt},
    .policy = QuestionMarkPolicy::AllParts,
};
constexpr int kNeed = 0;
constexpr int kValidation = 1;

bool holds(const Screen& s, int target, int label) { return holdsLabel(s, "Image8", target, "Image6", label); }

void check(Screen& s) {
    const bool need = typedRight(s, "Text1", "بياني الحاجة") && holds(s, 0, 0) && holds(s, 1, 1) && holds(s, 2, 2) &&
                      holds(s, 3, 3);
    kFeedback.verdict(s, kNeed, need);
    // The two lines of the third question may stand in either order.
    const bool validation = holds(s, 4, 4) && holds(s, 5, 5) &&
                            ((holds(s, 6, 6) && holds(s, 7, 7)) || (holds(s, 6, 7) && holds(s, 7, 6)));
    kFeedback.verdict(s, kValidation, validation);
}

void reset(Screen& s) {
    clearTexts(s, {"Text1"});
    emptyTargets(s, "Image8", 0, 7);
    kFeedback.reset(s);
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 6}.attach(logic);
    kFeedback.attach(logic);
    DropLabel{"Image8"}.attach(logic);
}

}  // namespace

// The key names the labels by index; these are the texts their cards carry.
const ScreenModule form38{
    .def = kDef,
    .bind = bind,
    .title = "نظام ضخ الماء: تحليل الحاجة",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form39"}, .back = {6, "Form37"}, .print = 5},
    .check = check,
    .reset = reset,
    .answers = {.labels = {
    {"Image6", 0, "مياه البئر"},
    {"Image6", 1, "المستعمل"},
    {"Image6", 2, "نظام آلي لضخ الماء"},
    {"Image6", 3, "استخراج ماء البئر وملء الخزان"},
    {"Image6", 4, "صعوبة استخراج الماء بالطريقة التقليدية"},
    {"Image6", 5, "توفير الماء للشرب ولسقي الأراضي"},
    {"Image6", 6, "وصول الماء إلى الأراضي دون ضخ بفضل أمطار كافية أو مجرى طبيعي"},
    {"Image6", 7, "الاستغناء عن سقي الأراضي الزراعية، وهذا مستحيل لحاجة السكان إلى الغذاء"},
}},
};

}  // namespace nizam::screens
