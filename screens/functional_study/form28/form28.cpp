// SPDX-License-Identifier: GPL-3.0-or-later
// Form28: ranking the functions of the alarm device. A pairwise comparison
// table weighs each pair of functions; the pupil completes three pair cells
// with weighted labels, three totals and four percentages, then writes the
// six codes on a staircase from the most to the least important. The table
// and the staircase each get a tick or a cross. A calculator button helps
// with the percentages; the folder button shows the reminder of the six
// functions, which hides again only when the pointer reaches the window's
// margin outside the page.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form28";
    d.caption = "Form28";
    d.controls = {
        textBox("Text13", 6360, 7560, 495, 345).fore(0x00004000).tab(12).align(2).withFont({"Verdana", 9.75, true, 0}),
        textBox("Text12", 6720, 7320, 495, 345).fore(0x00004000).tab(11).align(2).withFont({"Verdana", 9.75, true, 0}),
        textBox("Text11", 7080, 7080, 495, 345).fore(0x00004000).tab(10).align(2).withFont({"Verdana", 9.75, true, 0}),
        textBox("Text10", 7440, 6840, 495, 345).fore(0x00004000).tab(9).align(2).withFont({"Verdana", 9.75, true, 0}),
        textBox("Text9", 7800, 6600, 495, 345).fore(0x00004000).tab(8).align(2).withFont({"Verdana", 9.75, true, 0}),
        textBox("Text8", 8160, 6360, 495, 345).fore(0x00004000).tab(7).align(2).withFont({"Verdana", 9.75, true, 0}),
        textBox("Text5", 9720, 4560, 735, 375).fore(0x00000080).tab(6).align(2).withFont({"Verdana", 9.75, true, 0}),
        textBox("Text6", 8640, 4920, 735, 375).fore(0x00000080).tab(5).align(2).withFont({"Verdana", 9.75, true, 0}),
        textBox("Text7", 9720, 4920, 735, 345).fore(0x00000080).tab(4).align(2).withFont({"Verdana", 9.75, true, 0}),
        textBox("Text4", 8640, 4320, 735, 375).fore(0x00000080).tab(3).align(2).withFont({"Verdana", 9.75, true, 0}),
        textBox("Text3", 9720, 3960, 735, 345).fore(0x00000080).tab(2).align(2).withFont({"Verdana", 9.75, true, 0}),
        textBox("Text2", 8640, 3960, 735, 345).fore(0x00000080).tab(1).align(2).withFont({"Verdana", 9.75, true, 0}),
        textBox("Text1", 9720, 3600, 735, 345).fore(0x00000080).tab(0).align(2).withFont({"Verdana", 9.75, true, 0}),
        image("Image15", 2760, 8520, 9645, 1380).pic(643, 92),
        image("Image20", 4440, 8640, 1155, 945).pic(77, 63),
        image("Image1", 4, 4560, 8760, 855, 735).pointerIcon(),
        image("Image2", 4, 4680, 8760, 690, 825).pic(46, 55).pointerIcon(),
        shape("Shape2", 3, 7680, 4920, 615, 375).border(0x00004000).style(3),
        shape("Shape2", 2, 6600, 4560, 615, 375).border(0x00004000).style(3),
        shape("Shape2", 1, 7680, 3600, 615, 375).border(0x00004000).style(3),
        image("Image1", 5, 2640, 8640, 975, 975).pointerIcon(),
        image("Image1", 3, 5760, 8640, 855, 975).pointerIcon(),
        image("Image1", 2, 7320, 8640, 855, 975).pointerIcon(),
        image("Image1", 1, 10800, 9120, 615, 615).pointerIcon(),
        image("Image1", 6, 8880, 8640, 855, 975).pointerIcon(),
        image("Image1", 8, 2640, 4920, 855, 975).pointerIcon(),
        image("Image2", 8, 2520, 4800, 1125, 1140).pic(75, 76).pointerIcon(),
        image("Image1", 7, 2880, 6960, 975, 975).pointerIcon(),
        image("Image2", 7, 2880, 7080, 915, 840).pic(61, 56).pointerIcon(),
        image("Image2", 6, 9000, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image10", 9120, 7560, 240, 195).pic(16, 13),
        image("Image8", 9120, 7560, 240, 195).pic(16, 13),
        image("Image5", 6720, 5640, 240, 195).pic(16, 13),
        image("Image6", 6720, 5640, 240, 195).pic(16, 13),
        image("Image7", 1, 4680, 6600, 915, 1500).pic(61, 100),
        image("Image7", 0, 4680, 6600, 915, 1500).pic(61, 100),
        image("Image3", 8, 11760, 5160, 585, 270).pic(39, 18).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 7, 12240, 5640, 585, 270).pic(39, 18).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 6, 11760, 4680, 585, 270).pic(39, 18).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 5, 12240, 4200, 585, 270).pic(39, 18).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image9", 0, 0, 1695, 375),
        image("Image2", 5, 2760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10920, 9240, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 3, 5880, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7440, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image3", 4, 11280, 3240, 585, 270).pic(39, 18).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 3, 11760, 3720, 585, 270).pic(39, 18).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 2, 11280, 4200, 585, 270).pic(39, 18).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 1, 12240, 3240, 585, 270).pic(39, 18).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 0, 11280, 5640, 585, 270).pic(39, 18).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image4", 2, 7680, 4920, 615, 375),
        image("Image4", 1, 6600, 4560, 615, 375),
        shape("Shape2", 0, 11040, 3120, 1935, 3015).border(0x00004000).style(3),
        image("Image4", 0, 7680, 3600, 615, 375),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();
const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way
const GroupMarks kMarks{{{{"Image5", std::nullopt}, {"Image6", std::nullopt}},     // the table
                         {{"Image10", std::nullopt}, {"Image8", std::nullopt}}}};  // the ranking

// The grand total of the weights is 30. The percentages are rounded to two
// decimals, as the page asks: FC3 wins 5 of 30 (16.666...) and FC4 wins 1 of
// 30 (3.333...), so 16.67 and 3.33 are the right figures.
bool tableRight(const Screen& s) {
    return allOf({holdsLabel(s, "Image4", 0, "Image3", 0),  // FP against FC5: FP 2
                  holdsLabel(s, "Image4", 1, "Image3", 1),  // FC3 against FC4: FC3 2
                  holdsLabel(s, "Image4", 2, "Image3", 2),  // FC4 against FC5: FC5 1
                  typedRight(s, "Text1", "40"),             // FP: 12 of 30
                  typedRight(s, "Text2", "0"), typedRight(s, "Text3", "0"),  // FC1 wins no pair
                  typedRight(s, "Text4", "9"),                               // FC2: 2 + 3 + 1 + 3
                  typedRight(s, "Text5", "16.67"),                           // FC3: 5 of 30
                  typedRight(s, "Text6", "1"), typedRight(s, "Text7", "3.33")});  // FC4: 1 of 30
}

// Step k holds its code, in capitals or in small letters; each box is judged by itself.
struct Step {
    std::string_view box;
    std::string_view upper;
    std::string_view lower;
};
constexpr Step kSteps[] = {
    {"Text8", "FP", "fp"},     {"Text9", "FC2", "fc2"},  {"Text10", "FC3", "fc3"},
    {"Text11", "FC5", "fc5"}, {"Text12", "FC4", "fc4"}, {"Text13", "FC1", "fc1"},
};

bool rankingRight(const Screen& s) {
    bool right = true;
    for (const Step& step : kSteps) right = typedRight(s, step.box, {step.upper, step.lower}) && right;
    return right;
}

void check(Screen& s) {
    kMarks.show(s, 1, tableRight(s));
    kMarks.show(s, 2, rankingRight(s));
    kFeedback.check(s, kMarks.allTicked(s));
}

void reset(Screen& s) {
    clearTexts(s, {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9",
                   "Text10", "Text11", "Text12", "Text13"});
    kFeedback.reset(s);
    kMarks.hideAll(s);
    emptyTargets(s, "Image4", 0, 2);
}

void bind(ScreenLogic& logic) {
    kFeedback.attach(logic);
    kMarks.attach(logic);
    logic.onLoad([](Ctx& ctx) { ctx.screen.hide("Image15"); });
    // Only a move over the window's margin (the form itself, outside the page
    // picture) hides the reminder; a move over the page leaves it on show.
    logic.onMouseMove(std::string(kFormName), [](Ctx& ctx, Index) { ctx.screen.hide("Image15"); });
    HoverHighlight{1, 8}.attach(logic);
    // The verdict figures are hidden once more after the highlights.
    logic.onLoad([](Ctx& ctx) { kFeedback.hideVerdicts(ctx.screen); });
    DropLabel{"Image4"}.attach(logic);
    logic.onClick("Image1", 7, [](Ctx& ctx, Index) { ctx.screen.show("Image15"); });
}

}  // namespace

// The staircase takes the six codes as the table prints them; pair cell k
// takes label k, and these are the weighted codes the labels carry (the
// last digit is the weight, set as a red subscript).
const ScreenModule form28{
    .def = kDef,
    .bind = bind,
    .title = "ترتيب الوظائف",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form29"}, .back = {6, "Form27"}, .print = 5, .calculator = 8},
    .check = check,
    .reset = reset,
    .answers = {.shown = {"FP", "FC1", "FC2", "FC3", "FC4", "FC5"}, .labels = {
    {"Image3", 0, "FP2"},
    {"Image3", 1, "FC32"},
    {"Image3", 2, "FC51"},
}},
};

}  // namespace nizam::screens
