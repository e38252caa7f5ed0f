// SPDX-License-Identifier: GPL-3.0-or-later
// Form25: identifying the functions of the alarm device. Beside the function
// diagram, the pupil ticks the name of the figure and the kind of the
// functions it shows, and writes out the six functions by dragging their
// formulations onto the lines FP to FC5. Each of the three items gets a tick
// or a cross; continue opens only when all three are right.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form25";
    d.caption = "Form25";
    d.controls = {
        checkBox("Check1", 12720, 3480, 375, 375).back(kWhite).tab(5),
        checkBox("Check2", 10560, 4440, 375, 375).back(kWhite).tab(4),
        checkBox("Check3", 12720, 3960, 375, 375).back(kWhite).tab(3),
        checkBox("Check4", 12720, 3000, 375, 375).back(kWhite).tab(2),
        checkBox("Check5", 10560, 4920, 375, 375).back(kWhite).tab(1),
        checkBox("Check6", 10560, 5400, 375, 375).back(kWhite).tab(0),
        image("Image20", 4440, 8640, 1155, 945).pic(77, 63),
        image("Image1", 6, 4545, 8640, 855, 855).pointerIcon(),
        image("Image2", 6, 4560, 8760, 690, 825).pic(46, 55).pointerIcon(),
        shape("Shape1", 2520, 6120, 4335, 2295).border(0x00004000).style(3),
        image("Image4", 5, 8280, 8040, 4095, 255),
        image("Image4", 4, 8280, 7680, 4095, 255),
        image("Image3", 5, 2640, 6240, 4065, 300).pic(271, 20).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image1", 1, 10800, 9120, 615, 615).pointerIcon(),
        image("Image1", 2, 7320, 8640, 855, 975).pointerIcon(),
        image("Image1", 3, 5760, 8640, 855, 975).pointerIcon(),
        image("Image1", 4, 8880, 8640, 855, 975).pointerIcon(),
        image("Image1", 5, 2640, 8640, 855, 975).pointerIcon(),
        image("Image7", 0, 7080, 6600, 915, 1500).pic(61, 100),
        image("Image7", 1, 7080, 6600, 915, 1500).pic(61, 100),
        image("Image3", 0, 2640, 6960, 4065, 300).pic(271, 20).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 1, 2640, 8040, 4065, 300).pic(271, 20).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 2, 2640, 7680, 4065, 300).pic(271, 20).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 3, 2640, 6600, 4065, 300).pic(271, 20).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image9", 0, 0, 1695, 375),
        image("Image2", 2, 7440, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 3, 5880, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10920, 9240, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 5, 2760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 4, 9000, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image3", 4, 2640, 7320, 4065, 300).pic(271, 20).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image4", 0, 8280, 6240, 4095, 255),
        image("Image4", 1, 8280, 6600, 4095, 255),
        image("Image4", 2, 8280, 6960, 4095, 255),
        image("Image4", 3, 8280, 7320, 4095, 255),
        image("Image12", 13200, 3600, 240, 195).pic(16, 13),
        image("Image11", 13200, 3600, 240, 195).pic(16, 13),
        image("Image10", 13200, 7200, 240, 195).pic(16, 13),
        image("Image8", 13200, 7200, 240, 195).pic(16, 13),
        image("Image6", 13200, 5040, 240, 195).pic(16, 13),
        image("Image5", 13200, 5040, 240, 195).pic(16, 13),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();
const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way
// Item 3, the six functions; item 1, the name of the figure; item 2, the kind of functions.
const GroupMarks kMarks{{{{"Image10", std::nullopt}, {"Image8", std::nullopt}},
                         {{"Image12", std::nullopt}, {"Image11", std::nullopt}},
                         {{"Image5", std::nullopt}, {"Image6", std::nullopt}}}};
constexpr int kFunctions = 1;
constexpr int kFigureName = 2;
constexpr int kFunctionKind = 3;

bool linesHoldTheirLabels(const Screen& s) {
    for (int k = 0; k <= 5; ++k) {
        if (!holdsLabel(s, "Image4", k, "Image3", k)) return false;
    }
    return true;
}

void check(Screen& s) {
    kMarks.show(s, kFunctions, linesHoldTheirLabels(s));
    // Check4, Check1, Check3: need diagram, function diagram, comparison table.
    kMarks.show(s, kFigureName, ticked(s, "Check1") && isClear(s, "Check3") && isClear(s, "Check4"));
    // Check2, Check5, Check6: service functions, technical functions, both.
    kMarks.show(s, kFunctionKind, ticked(s, "Check2") && isClear(s, "Check5") && isClear(s, "Check6"));
    kFeedback.check(s, kMarks.allTicked(s));
}

void reset(Screen& s) {
    kFeedback.reset(s);
    kMarks.hideAll(s);
    clearChecks(s, {"Check1", "Check2", "Check3", "Check4", "Check5", "Check6"});
    emptyTargets(s, "Image4", 0, 5);
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 6}.attach(logic);
    kFeedback.attach(logic);
    kMarks.attach(logic);
    DropLabel{"Image4"}.attach(logic);
}

}  // namespace

// Line k takes label k: these are the formulations the labels carry.
const ScreenModule form25{
    .def = kDef,
    .bind = bind,
    .title = "تحديد الوظائف",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {6, "Form26"}, .menu = {4, "Form1"}, .print = 5},
    .check = check,
    .reset = reset,
    .answers = {.labels = {
    {"Image3", 0, "إعلام الحارس عند حدوث تسلل إلى المحيط"},
    {"Image3", 1, "أن يكون الجهاز جميل الشكل"},
    {"Image3", 2, "تزويد الجهاز بالطاقة اللازمة لتشغيله"},
    {"Image3", 3, "سهولة الصيانة"},
    {"Image3", 4, "التقليل من حجم الجهاز"},
    {"Image3", 5, "أن تكون التكلفة مناسبة"},
}},
};

}  // namespace nizam::screens
