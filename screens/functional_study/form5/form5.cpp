// SPDX-License-Identifier: GPL-3.0-or-later
// Form5: expressing the need. Three tasks on one page: number the three
// stages of need analysis, name the analysis tool of each stage, and complete
// the need diagram of the alarm device with seven dragged labels. One check
// judges all of it and gives one verdict.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

const Font kAnswerFont{"Times New Roman", 14.25, true, 178};

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form5";
    d.caption = "Form5";
    d.controls = {
        textBox("Text6", 8280, 5520, 2535, 495).fore(0x00000080).tab(5).align(2).withFont(kAnswerFont),
        textBox("Text5", 8280, 5040, 2535, 495).fore(0x00000080).tab(4).align(2).withFont(kAnswerFont),
        textBox("Text4", 8280, 4560, 2535, 495).fore(0x00000080).tab(3).align(2).withFont(kAnswerFont),
        textBox("Text3", 5640, 3240, 495, 495).fore(0x00000080).tab(2).align(2).withFont(kAnswerFont),
        textBox("Text2", 8880, 3240, 495, 495).fore(0x00000080).tab(1).align(2).withFont(kAnswerFont),
        textBox("Text1", 12240, 3240, 495, 495).fore(0x00000080).tab(0).align(2).withFont(kAnswerFont),
        image("Image20", 4200, 8760, 1155, 945).pic(77, 63),
        shape("Shape2", 6, 2880, 7320, 1575, 375).border(0x00008000).style(3),
        shape("Shape2", 5, 6360, 4080, 1575, 375).border(0x00008000).style(3),
        shape("Shape2", 4, 2760, 4080, 1575, 375).border(0x00008000).style(3),
        shape("Shape2", 3, 3720, 7920, 3375, 615).border(0x00008000).style(3),
        shape("Shape2", 2, 4560, 6240, 1575, 735).border(0x00008000).style(3),
        shape("Shape2", 1, 6240, 4680, 1575, 615).border(0x00008000).style(3),
        shape("Shape2", 0, 2640, 4680, 1575, 615).border(0x00008000).style(3),
        image("Image10", 2, 7920, 8280, 255, 300).pic(17, 20),
        image("Image10", 1, 7920, 6000, 255, 300).pic(17, 20),
        image("Image10", 0, 3120, 3120, 255, 300).pic(17, 20),
        shape("Shape1", 2, 12240, 3240, 495, 495).borderW(3),
        shape("Shape1", 1, 8880, 3240, 495, 495).borderW(3),
        shape("Shape1", 0, 5640, 3240, 495, 495).borderW(3),
        image("Image9", 120, 6600, 1695, 375),
        image("Image8", 3, 4800, 6240, 1215, 735),
        image("Image8", 4, 6240, 4800, 1575, 495),
        image("Image8", 0, 6360, 4080, 1575, 375),
        image("Image8", 1, 2760, 4080, 1575, 375),
        image("Image8", 5, 2640, 4800, 1575, 495),
        image("Image8", 2, 2880, 7320, 1575, 375),
        image("Image8", 6, 3960, 7920, 3615, 615),
        image("Image1", 5, 2655, 8760, 855, 975).pointerIcon(),
        image("Image1", 4, 4335, 8760, 855, 855).pointerIcon(),
        image("Image1", 3, 5655, 8760, 855, 975).pointerIcon(),
        image("Image1", 2, 7215, 8760, 855, 975).pointerIcon(),
        image("Image1", 6, 8880, 8760, 855, 975).pointerIcon(),
        image("Image1", 1, 10695, 9240, 615, 615).pointerIcon(),
        image("Image6", 6, 8520, 7680, 2340, 420).pic(156, 28).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image6", 5, 9240, 7320, 1245, 240).pic(83, 16).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image6", 4, 9120, 6960, 1680, 300).pic(112, 20).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image6", 3, 11400, 8040, 1020, 240).pic(68, 16).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image6", 2, 11160, 7680, 1635, 240).pic(109, 16).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image6", 1, 11520, 7320, 1335, 270).pic(89, 18).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image6", 0, 11280, 6960, 1350, 270).pic(90, 18).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image7", 0, 2520, 5760, 1785, 1350).pic(119, 90),
        image("Image7", 1, 2400, 5760, 1785, 1350).pic(119, 90),
        image("Image2", 2, 7335, 8880, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 3, 5775, 8880, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10815, 9360, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 4, 4455, 8880, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 5, 2775, 8880, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 0, 24735, 1890, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 6, 9000, 8880, 690, 825).pic(46, 55).pointerIcon(),
        image("Image3", 3360, 2640, 9750, 1350).pic(650, 90),
        image("Image4", 8160, 4080, 4950, 2250).pic(330, 150),
        image("Image5", 8160, 6360, 4950, 2250).pic(330, 150),
        image("Imagefixe", 2160, 1800, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();
const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way

// The diagram: target k of Image8 takes label kDiagram[k] of Image6. Only
// this placement is right; the two ellipses are not interchangeable (the
// left one is the user, the right one what the product acts upon).
constexpr int kDiagram[7] = {1, 2, 0, 3, 5, 4, 6};

// The tool of the perceiving stage. The answer key prints it "تسآل" (the
// hamza on an alef with madda); a school book spells it "تساؤل" (the hamza
// on a waw). The page lists no tool names to copy from, so a pupil who
// writes the standard spelling is right as well. Any other form is refused.
constexpr std::string_view kQuestioning = "تسآل";
constexpr std::string_view kQuestioningStandard = "تساؤل";
constexpr std::string_view kValidationQuestions = "أسئلة إقرار الحاجة";
constexpr std::string_view kNeedDiagram = "بياني الحاجة";

bool diagramRight(const Screen& s) {
    for (int k = 0; k < 7; ++k) {
        if (!holdsLabel(s, "Image8", k, "Image6", kDiagram[k])) return false;
    }
    return true;
}

bool toolsRight(const Screen& s) {
    return allOf({typedRight(s, "Text6", kNeedDiagram), typedRight(s, "Text5", kValidationQuestions),
                  typedRight(s, "Text4", {kQuestioning, kQuestioningStandard})});
}

// Perceiving the need comes first, expressing it second, validating it last.
// Each box takes its rank as a number, in any digits.
bool orderRight(const Screen& s) {
    return allOf({typedRight(s, "Text3", "3"), typedRight(s, "Text2", "1"), typedRight(s, "Text1", "2")});
}

void reset(Screen& s) {
    clearTexts(s, {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"});
    emptyTargets(s, "Image8", 0, 6);
    kFeedback.reset(s);
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 6}.attach(logic);
    kFeedback.attach(logic);
    DropLabel{"Image8"}.attach(logic);
}

// Every part is judged, so that each text box meets its key.
void check(Screen& s) {
    const bool diagram = diagramRight(s), tools = toolsRight(s), order = orderRight(s);
    kFeedback.check(s, diagram && tools && order);
}

}  // namespace

// The diagram's panel names the need diagram as the pupil types it. The key
// names the diagram's labels by index; these are the texts their cards carry.
const ScreenModule form5{
    .def = kDef,
    .bind = bind,
    .title = "التعبير عن الحاجة",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form24"}, .back = {6, "Form23"}, .print = 5},
    .check = check,
    .reset = reset,
    .answers = {.shown = {kNeedDiagram}, .labels = {
    {"Image6", 0, "لأي غرض؟"},
    {"Image6", 1, "على ماذا يؤثر؟"},
    {"Image6", 2, "لمن يقدم خدمة؟"},
    {"Image6", 3, "جهاز إنذار"},
    {"Image6", 4, "المدرسة - التلاميذ"},
    {"Image6", 5, "حاسة السمع"},
    {"Image6", 6, "الإنذار بالصوت عند حدوث\nتسلل إلى القاعة"},
}},
};

}  // namespace nizam::screens
