// SPDX-License-Identifier: GPL-3.0-or-later
// Form17: activity 1 of the industrial-project methodology. The pupil numbers
// the ten stages of a product's life cycle from 1 to 10 and drops the
// functional-analysis tool of each of six steps into its box; one check
// judges both tasks. A right check uncovers the forward button for good: a
// later wrong check shows the try-again figure but leaves the way open.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

const Font kNumberFont{"Verdana", 9.75, true, 0};

ControlDef numberBox(const char* name, int top, int tab) {
    return textBox(name, 12360, top, 495, 450).fore(0x00008000).tab(tab).align(2).withFont(kNumberFont);
}

ControlDef toolLabel(int index, int left, int top) {
    return image("Image3", index, left, top, 2340, 330).pic(156, 22).pointer(kPointerIcon).draggable().pointerIcon();
}

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form17";
    d.caption = "Form17";
    d.controls = {
        numberBox("Text10", 7080, 9),
        numberBox("Text9", 8160, 8),
        numberBox("Text8", 5280, 7),
        numberBox("Text7", 3600, 6),
        numberBox("Text6", 7560, 5),
        numberBox("Text5", 4200, 4),
        numberBox("Text4", 6480, 3),
        numberBox("Text3", 3000, 2),
        numberBox("Text2", 5880, 1),
        numberBox("Text1", 4725, 0),
        image("Image20", 4320, 9000, 1155, 840).pic(77, 56),
        image("Image9", 0, 0, 1695, 375),
        image("Image7", 0, 8400, 5040, 915, 1350).pic(61, 90),
        image("Image7", 1, 8400, 5040, 915, 1350).pic(61, 90),
        toolLabel(5, 5280, 3120),
        toolLabel(4, 5280, 3840),
        toolLabel(3, 3960, 3480),
        toolLabel(2, 3960, 4200),
        toolLabel(1, 2760, 3120),
        image("Image4", 5, 2640, 8160, 2295, 375),
        image("Image4", 4, 2640, 7560, 2295, 375),
        image("Image4", 3, 2640, 7080, 2295, 375),
        image("Image4", 2, 2640, 6480, 2295, 375),
        image("Image4", 1, 2640, 5880, 2295, 375),
        image("Image4", 0, 2640, 5280, 2295, 375),
        toolLabel(0, 2760, 3840),
        image("Image1", 5, 2640, 8880, 975, 975).pointerIcon(),
        image("Image1", 4, 4440, 9000, 855, 735).pointerIcon(),
        image("Image1", 3, 5640, 8880, 855, 975).pointerIcon(),
        image("Image1", 2, 7200, 8880, 855, 975).pointerIcon(),
        image("Image1", 7, 8985, 8880, 855, 975).pointerIcon(),
        image("Image1", 1, 10800, 9360, 615, 615).pointerIcon(),
        image("Image1", 6, 11985, 8955, 855, 975).pointerIcon(),
        image("Image2", 7, 9105, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 5, 2760, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 4, 4440, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10920, 9480, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 3, 5760, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7320, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 6, 11985, 9075, 690, 825).pic(46, 55).pointerIcon(),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

const AnswerFeedback kFeedback{.policy = QuestionMarkPolicy::ClearOnCorrect};

// Text1 .. Text10 take the place of their stage in the life cycle, the
// numbers 1 .. 10 (judged by value, so "٣" or "03" is 3).
constexpr const char* kStageBoxes[] = {"Text1", "Text2", "Text3", "Text4", "Text5",
                                       "Text6", "Text7", "Text8", "Text9", "Text10"};

void check(Screen& s) {
    bool right = true;
    // Each step's box holds the tool label of the same index.
    for (int k = 0; k <= 5; ++k) right = holdsLabel(s, "Image4", k, "Image3", k) && right;
    for (int k = 1; k <= 10; ++k) right = typedRight(s, kStageBoxes[k - 1], std::to_string(k)) && right;
    kFeedback.check(s, right);
}

void reset(Screen& s) {
    clearTexts(s, {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10"});
    kFeedback.reset(s);
    emptyTargets(s, "Image4", 0, 5);
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 7}.attach(logic);
    kFeedback.attach(logic);
    DropLabel{"Image4"}.attach(logic);
}

}  // namespace

// The key names the tool labels by index; these are the texts their cards show.
const ScreenModule form17{
    .def = kDef,
    .bind = bind,
    .title = "دورة حياة المنتوج",
    // The menu button of this first activity leads back to the topic's introduction.
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form18"}, .back = {7, "Form14"}, .menu = {6, "Form14"}, .print = 5},
    .check = check,
    .reset = reset,
    .answers = {.labels = {
    {"Image3", 0, "بياني الحاجة"},
    {"Image3", 1, "تساؤل"},
    {"Image3", 2, "مخطط الوظائف"},
    {"Image3", 3, "أسئلة إقرار الحاجة"},
    {"Image3", 4, "معيار التقدير، المستوى، المرونة"},
    {"Image3", 5, "أداتا FAST و SADT"},
}},
};

}  // namespace nizam::screens
