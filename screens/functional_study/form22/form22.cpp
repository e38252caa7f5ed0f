// SPDX-License-Identifier: GPL-3.0-or-later
// Form22: perceiving the need. The pupil builds a questionnaire about the
// alarm device by dragging sentence labels onto the slots of a card: a short
// letter and five questions. The letter and the questions each get a verdict;
// the continue button opens only when both are right.
#include <array>

#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form22";
    d.caption = "Form22";
    d.controls = {
        image("Image10", 4200, 8640, 1155, 945).pic(77, 63),
        image("Image20", 2280, 5760, 1020, 675).pic(68, 45),
        image("Image4", 17, 8400, 6720, 4335, 255),
        image("Image8", 1, 2400, 6840, 915, 1500).pic(61, 100),
        image("Image8", 0, 2400, 6840, 915, 1500).pic(61, 100),
        line("Line1", 3120, 6120, 5880, 6120).border(0x00000080),
        image("Image4", 10, 10200, 4080, 2655, 255),
        image("Image1", 5, 2640, 8640, 855, 975).pointerIcon(),
        image("Image1", 4, 4320, 8640, 855, 855).pointerIcon(),
        image("Image1", 3, 5640, 8640, 855, 975).pointerIcon(),
        image("Image1", 2, 7200, 8640, 855, 975).pointerIcon(),
        image("Image1", 6, 8865, 8640, 855, 975).pointerIcon(),
        image("Image1", 1, 10680, 9120, 615, 615).pointerIcon(),
        image("Image1", 7, 11865, 8640, 855, 975).pointerIcon(),
        shape("Shape1", 17, 8400, 6720, 4335, 255).border(0x00808000).style(3).opaque(),
        image("Image4", 16, 8400, 5280, 4335, 255),
        image("Image4", 15, 8400, 4560, 4335, 255),
        image("Image4", 14, 8400, 7560, 4335, 255),
        image("Image4", 13, 8400, 6000, 4335, 255),
        image("Image4", 11, 6840, 4080, 3375, 255),
        image("Image4", 9, 6840, 3840, 3375, 255),
        image("Image4", 8, 10200, 3840, 2655, 255),
        image("Image4", 7, 6840, 3600, 3375, 255),
        image("Image4", 6, 10200, 3600, 2655, 255),
        image("Image4", 5, 6840, 3360, 3375, 255),
        image("Image4", 4, 10200, 3360, 2655, 255),
        image("Image4", 3, 7680, 3000, 3255, 255),
        image("Image4", 2, 6840, 2520, 2175, 255),
        label("Label1", 4, 12720, 7560, 255, 255).text(" -5").back(kWindowBackground).fore(0x00808000).tab(4).align(2).withFont({"MS Sans Serif", 8.25, true, 178}),
        label("Label1", 3, 12720, 6720, 255, 255).text(" -4").back(kWindowBackground).fore(0x00808000).tab(3).align(2).withFont({"MS Sans Serif", 8.25, true, 178}),
        label("Label1", 2, 12720, 6000, 255, 255).text(" -3").back(kWindowBackground).fore(0x00808000).tab(2).align(2).withFont({"MS Sans Serif", 8.25, true, 178}),
        label("Label1", 1, 12720, 5280, 255, 255).text(" -2").back(kWindowBackground).fore(0x00808000).tab(1).align(2).withFont({"MS Sans Serif", 8.25, true, 178}),
        label("Label1", 0, 12720, 4560, 255, 255).text(" -1").back(kWindowBackground).fore(0x00808000).tab(0).align(2).withFont({"MS Sans Serif", 8.25, true, 178}),
        image("Image4", 12, 6840, 8280, 1695, 255),
        image("Image3", 15, 2280, 6960, 4305, 210).pic(287, 14).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 17, 2280, 7680, 4305, 210).pic(287, 14).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 16, 2280, 7320, 4305, 210).pic(287, 14).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 18, 2280, 8040, 4305, 210).pic(287, 14).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 14, 2280, 6600, 4305, 210).pic(287, 14).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 13, 2280, 6240, 4305, 210).pic(287, 14).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 12, 4800, 3600, 1605, 210).pic(107, 14).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 11, 3120, 3120, 3315, 240).pic(221, 16).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 10, 4560, 3360, 1860, 240).pic(124, 16).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 9, 4080, 4080, 2385, 210).pic(159, 14).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 8, 4320, 4800, 2145, 210).pic(143, 14).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 7, 4680, 5040, 1815, 210).pic(121, 14).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 6, 4920, 5280, 1530, 210).pic(102, 14).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 4, 4200, 5760, 2325, 270).pic(155, 18).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 2, 4440, 4560, 1980, 225).pic(132, 15).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 1, 4920, 4320, 1500, 210).pic(100, 14).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 0, 4080, 5520, 2325, 225).pic(155, 15).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 3, 3240, 2880, 3315, 240).pic(221, 16).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 5, 4200, 3840, 2280, 210).pic(152, 14).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image4", 1, 10080, 2760, 1935, 255),
        image("Image4", 0, 9840, 2520, 2415, 255),
        image("Image7", 1, 2400, 3960, 915, 1500).pic(61, 100),
        image("Image7", 0, 2400, 3960, 915, 1500).pic(61, 100),
        image("Image9", 120, 120, 1695, 375),
        image("Image2", 7, 11985, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 6, 8985, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 5, 2760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 4, 4440, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10800, 9240, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 3, 5760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7320, 8760, 690, 825).pic(46, 55).pointerIcon(),
        shape("Shape1", 9, 6840, 3840, 3375, 255).border(0x00808000).style(3).opaque(),
        shape("Shape1", 8, 10200, 3840, 2655, 255).border(0x00808000).style(3).opaque(),
        shape("Shape1", 7, 6840, 3600, 3375, 255).border(0x00808000).style(3).opaque(),
        shape("Shape1", 6, 10200, 3600, 2655, 255).border(0x00808000).style(3).opaque(),
        shape("Shape1", 5, 6840, 3360, 3375, 255).border(0x00808000).style(3).opaque(),
        shape("Shape1", 4, 10200, 3360, 2655, 255).border(0x00808000).style(3).opaque(),
        shape("Shape1", 3, 7680, 3000, 3255, 255).border(0x00808000).style(3).opaque(),
        shape("Shape1", 2, 6840, 2520, 2175, 255).border(0x00808000).style(3).opaque(),
        shape("Shape1", 16, 8400, 5280, 4335, 255).border(0x00808000).style(3).opaque(),
        shape("Shape1", 15, 8400, 4560, 4335, 255).border(0x00808000).style(3).opaque(),
        shape("Shape1", 14, 8400, 7560, 4335, 255).border(0x00808000).style(3).opaque(),
        shape("Shape1", 13, 8400, 6000, 4335, 255).border(0x00808000).style(3).opaque(),
        shape("Shape1", 11, 6840, 4080, 3375, 255).border(0x00808000).style(3).opaque(),
        shape("Shape1", 10, 10200, 4080, 2655, 255).border(0x00808000).style(3).back(0x00808000).opaque(),
        shape("Shape1", 1, 10080, 2760, 1935, 255).border(0x00404000).style(3).opaque(),
        shape("Shape1", 0, 9840, 2520, 2415, 255).border(0x00404000).style(3).opaque(),
        shape("Shape1", 12, 6840, 8280, 1695, 255).border(0x00808000).style(3).opaque(),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
        image("Image5", 12840, 7560, 240, 195).pic(16, 13),
        image("Image6", 12840, 7560, 240, 195).pic(16, 13),
        image("Image11", 12840, 8280, 240, 195).pic(16, 13),
        image("Image12", 12840, 8280, 240, 195).pic(16, 13),

    };
    return d;
}

const ScreenDef kDef = makeDef();

// Two parts: the letter (Image7) and the questions (Image8). The question
// mark of this page is Image10; its Image20 is a decoration.
const AnswerFeedback kFeedback{
    .parts = {{{"Image7", 0}, {"Image7", 1}}, {{"Image8", 0}, {"Image8", 1}}},
    .questionMark = ControlName{"Image10", std::nullopt},
    .policy = QuestionMarkPolicy::AllParts,
};
// The questions are judged in two groups whose marks lie behind the page:
// slots 12 to 15, and slots 16 and 17. Rows 15, 16 and 17 of the
// questionnaire all take a yes/no question, and nothing on the page orders
// the three yes/no questions (labels 15, 16 and 17): they may stand in those
// rows in any order, each once. Label 18 is the distractor.
const GroupMarks kMarks{{{{"Image5", std::nullopt}, {"Image6", std::nullopt}},
                         {{"Image11", std::nullopt}, {"Image12", std::nullopt}}}};
constexpr int kLetter = 0;
constexpr int kQuestions = 1;
constexpr std::array<int, 3> kYesNoLabels = {15, 16, 17};

bool slotHolds(const Screen& s, int slot, int label) { return holdsLabel(s, "Image4", slot, "Image3", label); }

bool slotsHoldTheirLabels(const Screen& s, int first, int last) {
    bool right = true;
    for (int k = first; k <= last; ++k) right = slotHolds(s, k, k) && right;
    return right;
}

// The yes/no question in `slot`, or -1 when it holds none of them.
int yesNoIn(const Screen& s, int slot) {
    for (int label : kYesNoLabels)
        if (slotHolds(s, slot, label)) return label;
    return -1;
}

void check(Screen& s) {
    kFeedback.verdict(s, kLetter, slotsHoldTheirLabels(s, 0, 11));
    const int row15 = yesNoIn(s, 15), row16 = yesNoIn(s, 16), row17 = yesNoIn(s, 17);
    kMarks.show(s, 1, slotsHoldTheirLabels(s, 12, 14) && row15 >= 0);
    kMarks.show(s, 2, row16 >= 0 && row17 >= 0 && row16 != row17 && row16 != row15 && row17 != row15);
    kFeedback.verdict(s, kQuestions, kMarks.allTicked(s));
}

void reset(Screen& s) {
    kMarks.hideAll(s);
    kFeedback.reset(s);
    emptyTargets(s, "Image4", 0, 17);
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 7}.attach(logic);
    kFeedback.attach(logic);
    kMarks.attach(logic);
    DropLabel{"Image4"}.attach(logic);
}

}  // namespace

// The key names the labels by index: slot k takes label k (15, 16 and 17 in
// any order). These are the texts those labels carry on their cards.
const ScreenModule form22{
    .def = kDef,
    .bind = bind,
    .title = "إدراك الحاجة",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form23"}, .back = {6, "Form3"}, .menu = {7, "Form1"}, .print = 5,
                .gate = "Image10"},
    .check = check,
    .reset = reset,
    .answers = {.labels = {
    {"Image3", 0, "مديرية التربية لولاية باتنة"},
    {"Image3", 1, "متوسطة ابن رشد - باتنة"},
    {"Image3", 2, "التاريخ: .........................."},
    {"Image3", 3, "استبيان حول إمكانية إنجاز جهاز إنذار"},
    {"Image3", 4, "في إطار الأنشطة التعليمية"},
    {"Image3", 5, "لمادة التكنولوجيا الصناعية،"},
    {"Image3", 6, "نحن تلاميذ"},
    {"Image3", 7, "السنة الثالثة قررنا دراسة وإنجاز"},
    {"Image3", 8, "جهاز إنذار يهدف"},
    {"Image3", 9, "إلى حماية قاعة التكنولوجيا."},
    {"Image3", 10, "ونظرا لأهمية آرائكم،"},
    {"Image3", 11, "نطلب منكم الإجابة عن الأسئلة التالية:"},
    {"Image3", 12, "نشكركم على تعاونكم"},
    {"Image3", 13, "كيف تفضلون تغذية الجهاز بالطاقة؟"},
    {"Image3", 14, "ما الأماكن الأخرى المفضلة لتركيب الجهاز؟"},
    {"Image3", 15, "هل تؤيدون فكرة إنجاز هذا الجهاز؟"},
    {"Image3", 16, "هل تهتمون بشكل الجهاز؟"},
    {"Image3", 17, "هل تهتمون بحماية تجهيزات المؤسسة؟"},
}},
};

}  // namespace nizam::screens
