// SPDX-License-Identifier: GPL-3.0-or-later
// Form12: a worked example of the three kinds of question of the course: a
// box to tick, two word labels to drag onto their frames, and a missing word
// to type. The evaluation button judges all five answers at once.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

const Font kAnswerFont{"MS Sans Serif", 13.5, true, 178};

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form12";
    d.caption = "Form12";
    d.controls = {
        checkBox("Check1", 1, 7200, 3000, 255, 375).back(kWhite).tab(2),  // false
        checkBox("Check1", 0, 7200, 2520, 255, 375).back(kWhite).tab(1),  // true
        textBox("Text1", 4920, 7080, 1695, 495).fore(0x00000080).tab(0).align(2).withFont(kAnswerFont),
        image("Image1", 6, 11940, 8760, 855, 975).pointerIcon(),
        image("Image1", 1, 10755, 9045, 615, 615).pointerIcon(),
        image("Image1", 7, 8940, 8565, 855, 975).pointerIcon(),
        image("Image1", 2, 7275, 8565, 855, 975).pointerIcon(),
        image("Image1", 3, 5715, 8565, 855, 975).pointerIcon(),
        image("Image1", 4, 4395, 8565, 855, 975).pointerIcon(),
        image("Image1", 5, 2595, 8565, 855, 975).pointerIcon(),
        image("Image2", 7, 9060, 8685, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 5, 2715, 8685, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 4, 4515, 8685, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10875, 9165, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 3, 5835, 8685, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7395, 8685, 690, 825).pic(46, 55).pointerIcon(),
        image("Image7", 0, 2880, 4680, 915, 1500).pic(61, 100),
        image("Image7", 1, 2880, 4680, 915, 1500).pic(61, 100),
        // Outside the client area: never seen, never reached.
        image("Image2", 0, 30930, 3870, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 6, 11940, 8880, 690, 825).pic(46, 55).pointerIcon(),
        image("Image3", 0, 5880, 4080, 1755, 480).pic(117, 32).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 1, 7800, 4080, 1755, 480).pic(117, 32).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image4", 0, 6840, 4920, 2055, 495),
        image("Image4", 1, 6840, 5760, 2055, 495),
        image("Image9", 360, 3960, 1695, 375),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

// The page shows no question-mark figure: the forward button is always open.
const AnswerFeedback kFeedback{.questionMark = std::nullopt, .policy = QuestionMarkPolicy::None};

// The missing word of the definition, exactly as the key spells it.
constexpr std::string_view kMissingWord = "بالصناعة";

bool answersRight(const Screen& s) {
    return allOf({holdsLabel(s, "Image4(0)", "Image3(0)"),  // tekno: professions, arts, industry
                  holdsLabel(s, "Image4(1)", "Image3(1)"),  // logia: science, study, techniques
                  ticked(s, "Check1(0)"),                   // the statement is true
                  isClear(s, "Check1(1)"),                  // and not false
                  typedRight(s, "Text1", kMissingWord)});
}

void reset(Screen& s) {
    clearChecks(s, {"Check1(0)", "Check1(1)"});
    clearTexts(s, {"Text1"});
    kFeedback.reset(s);
    emptyTargets(s, "Image4", 0, 1);
}

void bind(ScreenLogic& logic) {
    // The page names an animation on opening but has no player to show it
    // in; it opens with its highlights and verdict figures hidden.
    HoverHighlight{1, 7}.attach(logic);
    kFeedback.attach(logic);
    DropLabel{"Image4"}.attach(logic);
}

}  // namespace

// The key names the two labels by index; these are the words their cards carry.
const ScreenModule form12{
    .def = kDef,
    .bind = bind,
    .title = "نموذج للإجابة عن الأسئلة",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form3"}, .back = {7, "Form10"}, .menu = {6, "Form1"},
                .print = 5, .gate = {}},
    .check = [](Screen& s) { kFeedback.check(s, answersRight(s)); },
    .reset = reset,
    .answers = {.labels = {
    {"Image3", 0, "مهن، فنون، صناعة"},
    {"Image3", 1, "علم، دراسة، تقنيات"},
}},
};

}  // namespace nizam::screens
