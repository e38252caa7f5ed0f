// SPDX-License-Identifier: GPL-3.0-or-later
// Form23: unpacking the questionnaire. The pupil computes two percentages
// with the calculator, names the spreadsheet program and its icon, the
// symbol that starts a formula and a formula for the first percentage. Each
// item gets a tick or a cross, and the page is right when all five are.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form23";
    d.caption = "Form23";
    d.controls = {
        textBox("Text3", 8040, 6480, 1095, 435).fore(0x00000080).tab(9).align(2).withFont({"Times New Roman", 14.25, true, 178}),
        textBox("Text4", 8040, 7680, 3615, 480).fore(0x00000080).tab(10).align(2).withFont({"Times New Roman", 14.25, true, 178}),
        textBox("Text2", 4200, 3840, 1575, 405).fore(0x00000080).tab(8).align(2).withFont({"Times New Roman", 14.25, true, 178}),
        textBox("Text1", 4200, 3360, 1575, 495).fore(0x00000080).tab(0).align(2).withFont({"Times New Roman", 14.25, true, 178}),
        checkBox("Check7", 4680, 5760, 375, 375).back(kWhite).tab(7),
        checkBox("Check1", 6840, 4800, 375, 375).back(kWhite).tab(6),
        checkBox("Check2", 11160, 5760, 375, 375).back(kWhite).tab(5),
        checkBox("Check3", 8880, 4800, 375, 375).back(kWhite).tab(4),
        checkBox("Check4", 11160, 4800, 375, 375).back(kWhite).tab(3),
        checkBox("Check5", 8880, 5775, 375, 375).back(kWhite).tab(2),
        checkBox("Check6", 6840, 5775, 375, 375).back(kWhite).tab(1),
        image("Image20", 4320, 8640, 1155, 945).pic(77, 63),
        image("Image14", 12720, 6840, 240, 195).pic(16, 13),
        image("Image13", 12720, 6840, 240, 195).pic(16, 13),
        image("Image5", 12720, 3360, 240, 195).pic(16, 13),
        image("Image6", 12720, 3360, 240, 195).pic(16, 13),
        image("Image8", 12720, 4920, 240, 195).pic(16, 13),
        image("Image10", 12720, 4920, 240, 195).pic(16, 13),
        image("Image11", 12720, 5880, 240, 195).pic(16, 13),
        image("Image12", 12720, 5880, 240, 195).pic(16, 13),
        image("Image16", 12720, 7800, 240, 195).pic(16, 13),
        image("Image17", 12720, 7800, 240, 195).pic(16, 13),
        image("Image7", 0, 2880, 6600, 915, 1500).pic(61, 100),
        image("Image7", 1, 2880, 6600, 915, 1500).pic(61, 100),
        image("Image1", 7, 2520, 3000, 855, 975).pointerIcon(),
        image("Image2", 7, 2400, 2880, 1125, 1140).pic(75, 76).pointerIcon(),
        image("Image1", 6, 8880, 8640, 855, 975).pointerIcon(),
        image("Image1", 5, 2640, 8655, 855, 975).pointerIcon(),
        image("Image1", 4, 4440, 8700, 855, 795).pointerIcon(),
        image("Image1", 3, 5880, 8655, 855, 975).pointerIcon(),
        image("Image1", 1, 10680, 9135, 615, 615).pointerIcon(),
        image("Image1", 2, 7320, 8655, 855, 975).pointerIcon(),
        image("Image2", 2, 7440, 8775, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 3, 6000, 8775, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10800, 9255, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 4, 4560, 8775, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 5, 2760, 8775, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 0, 25920, 360, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 6, 9000, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),

    };
    return d;
}

const ScreenDef kDef = makeDef();
const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way
const GroupMarks kMarks = GroupMarks::standard(5);

// The formula of cell A2: the share of yes, 31 out of 31 + 3 answers, in
// percent. Any formula of B2 and B3 that computes it is right, for the
// sheet's values and for two other pairs, so that one right by chance is not
// taken. Written as =(B2*100)/B2+B3 it would compute 100 + 3 = 103: wrong.
double yesShare(double b2, double b3) { return b2 * 100 / (b2 + b3); }
const TypedKey kFormula{FormulaKey{yesShare, {{{31, 3}, {7, 5}, {12, 13}}}}};

void check(Screen& s) {
    kMarks.show(s, 1, allOf({typedRight(s, "Text1", "91.18"), typedRight(s, "Text2", "8.82")}));
    kMarks.show(s, 2, ticked(s, "Check1") && isClear(s, "Check3") && isClear(s, "Check4"));
    kMarks.show(s, 3, ticked(s, "Check2") && isClear(s, "Check5") && isClear(s, "Check6") && isClear(s, "Check7"));
    kMarks.show(s, 4, typedRight(s, "Text3", "="));
    kMarks.show(s, 5, typedRight(s, "Text4", kFormula));
    kFeedback.check(s, kMarks.allTicked(s));
}

void reset(Screen& s) {
    clearChecks(s, {"Check1", "Check2", "Check3", "Check4", "Check5", "Check6", "Check7"});
    kFeedback.reset(s);
    kMarks.hideAll(s);
    clearTexts(s, {"Text1", "Text2", "Text3", "Text4"});
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 7}.attach(logic);
    kFeedback.attach(logic);
    kMarks.attach(logic);
}

}  // namespace

const ScreenModule form23{
    .def = kDef,
    .bind = bind,
    .title = "تفريغ الاستبيان",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form5"}, .back = {6, "Form22"}, .print = 5, .calculator = 7},
    .check = check,
    .reset = reset,
};

}  // namespace nizam::screens
