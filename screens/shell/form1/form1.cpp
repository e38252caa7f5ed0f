// SPDX-License-Identifier: GPL-3.0-or-later
// Form1: the main menu. Nine entries lead to the topics; the close mark ends
// the program.
#include <array>
#include <string_view>

#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form1";
    d.caption = "Form1";
    d.hasIcon = true;
    d.controls = {
        image("Image3", 12840, 2520, 375, 375).pointerIcon(),
        image("Image1", 1, 10680, 7320, 1695, 1455).pointerIcon(),
        image("Image1", 2, 2880, 5760, 1695, 1575).pointerIcon(),
        image("Image1", 0, 10680, 4080, 1695, 1575).pointerIcon(),
        image("Image2", 0, 10680, 4080, 1635, 1710).pic(109, 114).pointerIcon(),
        image("Image1", 8, 6720, 7080, 2295, 375).pointerIcon(),
        image("Image2", 8, 6000, 7080, 3075, 315).pic(205, 21).pointerIcon(),
        image("Image1", 7, 6720, 6600, 2295, 375).pointerIcon(),
        image("Image2", 7, 6000, 6600, 3075, 315).pic(205, 21).pointerIcon(),
        image("Image1", 6, 6720, 6120, 2295, 375).pointerIcon(),
        image("Image2", 6, 6000, 6120, 3075, 315).pic(205, 21).pointerIcon(),
        image("Image1", 4, 6600, 3240, 2415, 375).pointerIcon(),
        image("Image1", 3, 6600, 2760, 2415, 375).pointerIcon(),
        image("Image2", 3, 6000, 2760, 3075, 315).pic(205, 21).pointerIcon(),
        image("Image1", 5, 6600, 3720, 2415, 375).pointerIcon(),
        image("Image2", 5, 6000, 3720, 3075, 315).pic(205, 21).pointerIcon(),
        image("Image2", 4, 6000, 3240, 3075, 315).pic(205, 21).pointerIcon(),
        image("Image2", 1, 10680, 7320, 1635, 1710).pic(109, 114).stretched().pointerIcon(),
        image("Image2", 2, 2880, 5760, 1635, 1710).pic(109, 114).pointerIcon(),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

void bind(ScreenLogic& logic) {
    HoverHighlight{0, 8}.attach(logic);
    attachPointerOnly(logic, "Image3");
}

}  // namespace

// The menu's close mark is Image3; each entry Image1(i) leads to its topic.
const ScreenModule form1{
    .def = kDef,
    .bind = bind,
    .title = "القائمة الرئيسية",
    .links = {
        {"Image3", {}, NavAction::Quit},
        {"Image1", 0, NavAction::GoTo, "Form13"},  // help, how do I answer the questions
        {"Image1", 1, NavAction::GoTo, "Form37"},  // integration file
        {"Image1", 2, NavAction::GoTo, "Form41"},  // basic terms
        {"Image1", 3, NavAction::GoTo, "Form15"},  // basic concepts
        {"Image1", 4, NavAction::GoTo, "Form14"},  // industrial project methodology
        {"Image1", 5, NavAction::GoTo, "Form16"},  // automatic systems
        {"Image1", 6, NavAction::GoTo, "Form3"},   // problem situation
        {"Image1", 7, NavAction::GoTo, "Form22"},  // need analysis
        {"Image1", 8, NavAction::GoTo, "Form25"},  // feasibility study
    },
};

}  // namespace nizam::screens
