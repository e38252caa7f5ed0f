// SPDX-License-Identifier: GPL-3.0-or-later
// Form6: first review page of the basic concepts. Six things are shown in
// rows (sleep, notebook, computer, nutrition, sardine tin, doing sport); the
// pupil ticks, in each row, the box of the column need or of the column
// material product, and the evaluation button judges the twelve boxes.
#include <array>
#include <string>

#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

constexpr Color kDarkRed = 0x00000080;

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form6";
    d.caption = "Form6";
    d.controls = {
        checkBox("Check1", 11, 5160, 7440, 375, 375).back(kWhite).tab(11),
        checkBox("Check1", 10, 7080, 7440, 375, 375).back(kWhite).tab(10),
        checkBox("Check1", 9, 5160, 6720, 375, 375).back(kWhite).tab(9),
        checkBox("Check1", 8, 7080, 6720, 375, 375).back(kWhite).tab(8),
        checkBox("Check1", 7, 5160, 6000, 375, 375).back(kWhite).tab(7),
        checkBox("Check1", 6, 7080, 6000, 375, 375).back(kWhite).tab(6),
        checkBox("Check1", 5, 5160, 5280, 375, 375).back(kWhite).tab(5),
        checkBox("Check1", 4, 7080, 5280, 375, 375).back(kWhite).tab(4),
        checkBox("Check1", 3, 5160, 4560, 375, 375).back(kWhite).tab(3),
        checkBox("Check1", 2, 7080, 4560, 375, 375).back(kWhite).tab(2),
        checkBox("Check1", 1, 5160, 3840, 375, 375).back(kWhite).tab(1),
        checkBox("Check1", 0, 7080, 3840, 375, 375).back(kWhite).tab(0),
        image("Image20", 4200, 8640, 1155, 945).pic(77, 63),
        // The frames of the material-product column (the boxes at Left 7080).
        shape("Shape1", 11, 6480, 7320, 1455, 735).border(0x00000000).borderW(2).back(kDarkRed),
        shape("Shape1", 10, 6480, 6600, 1455, 735).border(0x00000000).borderW(2).back(kDarkRed),
        shape("Shape1", 9, 6480, 5880, 1455, 735).border(0x00000000).borderW(2).back(kDarkRed),
        shape("Shape1", 8, 6480, 5160, 1455, 735).border(0x00000000).borderW(2).back(kDarkRed),
        shape("Shape1", 7, 6480, 4440, 1455, 735).border(0x00000000).borderW(2).back(kDarkRed),
        shape("Shape1", 6, 6480, 3720, 1455, 735).border(0x00000000).borderW(2).back(kDarkRed),
        // The frames of the need column (the boxes at Left 5160).
        shape("Shape1", 5, 4560, 6600, 1455, 735).border(0x00000000).borderW(2),
        shape("Shape1", 4, 4560, 7320, 1455, 735).border(0x00000000).borderW(2),
        shape("Shape1", 3, 4560, 5880, 1455, 735).border(0x00000000).borderW(2),
        shape("Shape1", 2, 4560, 5160, 1455, 735).border(0x00000000).borderW(2),
        shape("Shape1", 1, 4560, 4440, 1455, 735).border(0x00000000).borderW(2),
        shape("Shape1", 0, 4560, 3720, 1455, 735).border(0x00000000).borderW(2).back(kDarkRed),
        image("Image7", 1, 2400, 5160, 1785, 1350).pic(119, 90),
        image("Image7", 0, 2400, 5160, 1785, 1350).pic(119, 90),
        image("Image1", 1, 10680, 9120, 615, 615).pointerIcon(),
        image("Image1", 6, 8865, 8640, 855, 975).pointerIcon(),
        image("Image1", 2, 7200, 8640, 855, 975).pointerIcon(),
        image("Image1", 3, 5640, 8640, 855, 975).pointerIcon(),
        image("Image1", 4, 4320, 8640, 855, 855).pointerIcon(),
        image("Image1", 5, 2640, 8640, 855, 975).pointerIcon(),
        image("Image2", 6, 8985, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 5, 2760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 4, 4440, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10800, 9240, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 3, 5760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7320, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();
const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way

// Row r (sleep, notebook, computer, nutrition, sardine tin, doing sport) has
// its material-product box at index 2r and its need box at index 2r + 1.
// Sleep, nutrition and sport are needs; notebook, computer and sardine tin
// are material products.
constexpr std::array<bool, 6> kIsNeed = {true, false, false, true, false, true};

std::string box(int i) { return "Check1(" + std::to_string(i) + ")"; }

bool answersRight(const Screen& s) {
    bool right = true;
    for (int r = 0; r < 6; ++r) {
        const std::string product = box(2 * r);
        const std::string need = box(2 * r + 1);
        const bool rowRight = kIsNeed[static_cast<std::size_t>(r)] ? ticked(s, need) && isClear(s, product)
                                                                   : ticked(s, product) && isClear(s, need);
        right = right && rowRight;
    }
    return right;
}

void reset(Screen& s) {
    kFeedback.reset(s);
    clearChecks(s, "Check1", 0, 11);
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 6}.attach(logic);
    kFeedback.attach(logic);
}

}  // namespace

const ScreenModule form6{
    .def = kDef,
    .bind = bind,
    .title = "الحاجة والمنتوج المادي",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form7"}, .back = {6, "Form15"}, .print = 5},
    // The continue highlight reaches below its hot-spot; a click there goes on too.
    .links = {{"Image2", 4, NavAction::GoTo, "Form7"}},
    .check = [](Screen& s) { kFeedback.check(s, answersRight(s)); },
    .reset = reset,
};

}  // namespace nizam::screens
