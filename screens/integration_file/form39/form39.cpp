// SPDX-License-Identifier: GPL-3.0-or-later
// Form39: the functions of the water-pumping installation. The pupil
// completes the functions diagram (the system in the central circle, the
// elements of its surroundings in the ovals) with five short labels and
// writes four of the six function formulations with four long labels
// (FC3 and FC4 are printed). The diagram and the formulations get their own
// verdicts; continue opens only when both are right.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form39";
    d.caption = "Form39";
    d.controls = {
        image("Image20", 4200, 8640, 1155, 945).pic(77, 63),
        image("Image1", 1, 10680, 9120, 615, 495).pointerIcon(),
        image("Image1", 6, 8865, 8595, 855, 975).pointerIcon(),
        image("Image1", 2, 7200, 8640, 855, 975).pointerIcon(),
        image("Image1", 3, 5640, 8640, 855, 975).pointerIcon(),
        image("Image1", 4, 4320, 8640, 855, 855).pointerIcon(),
        image("Image1", 5, 2640, 8640, 975, 975).pointerIcon(),
        image("Image6", 8, 8520, 6600, 4065, 300).pic(271, 20).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image8", 8, 2280, 7920, 4095, 375),
        image("Image9", 0, 2280, 1695, 375),
        image("Image7", 0, 9600, 4320, 915, 1350).pic(61, 90),
        image("Image7", 1, 9600, 4320, 915, 1350).pic(61, 90),
        image("Image2", 5, 2760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 4, 4440, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10800, 9240, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 3, 5760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7320, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 6, 9000, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image6", 0, 11040, 3360, 1200, 300).pic(80, 20).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image6", 3, 9600, 3360, 1200, 300).pic(80, 20).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image6", 2, 9000, 3000, 1200, 300).pic(80, 20).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image6", 1, 11520, 3000, 1200, 300).pic(80, 20).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image8", 2, 6000, 3120, 1215, 375),
        image("Image8", 0, 3360, 5160, 1215, 375),
        image("Image8", 1, 5160, 5400, 1095, 375),
        image("Image8", 3, 3960, 3000, 1215, 375),
        image("Image8", 4, 4920, 4200, 1095, 375),
        image("Image8", 5, 2280, 6240, 4095, 375),
        image("Image8", 6, 2280, 6960, 4095, 375),
        image("Image8", 7, 2280, 6600, 4095, 375),
        image("Image6", 4, 10320, 3720, 1200, 300).pic(80, 20).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image6", 5, 8520, 7680, 4065, 300).pic(271, 20).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image6", 6, 8520, 6960, 4065, 300).pic(271, 20).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image6", 7, 8520, 7320, 4065, 300).pic(271, 20).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image7", 2, 7200, 6720, 915, 1350).pic(61, 90),
        image("Image7", 3, 7200, 6720, 915, 1350).pic(61, 90),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

// The diagram (Image7(0) right, Image7(1) wrong) and the formulations
// (Image7(3) right, Image7(2) wrong); Image20 covers continue until both are right.
const AnswerFeedback kFeedback{
    .parts = {{{"Image7", 0}, {"Image7", 1}}, {{"Image7", 3}, {"Image7", 2}}},
    .questionMark = ControlName{"Image20", std::nullopt},
    .policy = QuestionMarkPolicy::AllParts,
};
constexpr int kDiagram = 0;
constexpr int kFormulations = 1;

bool holds(const Screen& s, int target, int label) { return holdsLabel(s, "Image8", target, "Image6", label); }

void check(Screen& s) {
    // Maintenance on FC4, energy on FC3, the system in the circle; the two
    // ovals of FP take well water and the user either way round.
    const bool diagram = holds(s, 0, 0) && holds(s, 4, 4) && holds(s, 1, 1) &&
                         ((holds(s, 2, 2) && holds(s, 3, 3)) || (holds(s, 2, 3) && holds(s, 3, 2)));
    kFeedback.verdict(s, kDiagram, diagram);
    const bool formulations = holds(s, 8, 8) && holds(s, 5, 5) && holds(s, 6, 6) && holds(s, 7, 7);
    kFeedback.verdict(s, kFormulations, formulations);
}

void reset(Screen& s) {
    emptyTargets(s, "Image8", 0, 8);
    kFeedback.reset(s);
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 6}.attach(logic);
    kFeedback.attach(logic);
    DropLabel{"Image8"}.attach(logic);
}

}  // namespace

// The key names the labels by index; these are the texts their cards carry.
const ScreenModule form39{
    .def = kDef,
    .bind = bind,
    .title = "نظام ضخ الماء: مخطط الوظائف",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form40"}, .back = {6, "Form38"}, .print = 5},
    .check = check,
    .reset = reset,
    .answers = {.labels = {
    {"Image6", 0, "الصيانة"},
    {"Image6", 1, "الطاقة"},
    {"Image6", 2, "مياه البئر"},
    {"Image6", 3, "المستعمل"},
    {"Image6", 4, "نظام آلي لضخ الماء"},
    {"Image6", 5, "ضخ ماء البئر وجعله متوفرا دائما للمستعمل"},
    {"Image6", 6, "مقاومة التأثيرات المناخية"},
    {"Image6", 7, "احترام قواعد السلامة"},
    {"Image6", 8, "مراعاة القدرة الشرائية للمستعمل"},
}},
};

}  // namespace nizam::screens
