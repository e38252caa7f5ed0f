// SPDX-License-Identifier: GPL-3.0-or-later
// Form11: sixth and last review page of the basic concepts. For five
// components (resistor, battery cell, light-emitting diode, capacitor,
// transistor) the pupil drags the picture of the real component and its
// circuit symbol into the row's two boxes. The forward button leads back to
// the main menu.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form11";
    d.caption = "Form11";
    auto label = [](int i, Twips l, Twips t) {
        return image("Image3", i, l, t, 1230, 450).pic(82, 30).pointer(kPointerIcon).draggable().pointerIcon();
    };
    d.controls = {
        image("Image20", 4200, 8640, 1155, 945).pic(77, 63),
        image("Image1", 6, 8880, 8565, 855, 975).pointerIcon(),
        image("Image9", 0, 0, 1695, 375),
        label(9, 9720, 3000),
        label(8, 9720, 6120),
        image("Image4", 9, 2520, 6360, 1455, 495),
        image("Image4", 8, 4440, 6360, 1455, 495),
        image("Image4", 7, 2520, 5640, 1455, 495),
        image("Image4", 6, 4440, 5640, 1455, 495),
        label(7, 7920, 5280),
        label(6, 8040, 4440),
        image("Image4", 5, 2520, 4920, 1455, 495),
        image("Image4", 4, 4440, 4920, 1455, 495),
        image("Image4", 3, 2520, 4080, 1455, 495),
        image("Image4", 2, 4440, 4080, 1455, 495),
        image("Image4", 1, 2520, 3480, 1455, 495),
        image("Image4", 0, 4440, 3360, 1455, 495),
        label(4, 8040, 6120),
        label(2, 9600, 5280),
        label(1, 7920, 3720),
        label(0, 9600, 3720),
        label(3, 7920, 3000),
        label(5, 9720, 4440),
        image("Image1", 5, 2655, 8565, 855, 975).pointerIcon(),
        image("Image1", 4, 4335, 8685, 855, 855).pointerIcon(),
        image("Image1", 3, 5655, 8565, 855, 975).pointerIcon(),
        image("Image1", 2, 7215, 8565, 855, 975).pointerIcon(),
        image("Image1", 1, 10695, 9045, 615, 615).pointerIcon(),
        image("Image2", 4, 4440, 8760, 690, 825).pic(46, 55).pointerIcon(),
        // Outside the client area: never seen, never reached.
        image("Image2", 0, 27990, 2790, 690, 825).pic(46, 55).pointerIcon(),
        image("Image7", 1, 6600, 6840, 915, 1500).pic(61, 100),
        image("Image7", 0, 6600, 6840, 915, 1500).pic(61, 100),
        image("Image2", 2, 7335, 8685, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 3, 5775, 8685, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10815, 9165, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 5, 2775, 8685, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 6, 9000, 8685, 690, 825).pic(46, 55).pointerIcon(),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();
// Once a right check has uncovered the forward button, a wrong one leaves it open.
const AnswerFeedback kFeedback{.policy = QuestionMarkPolicy::ClearOnCorrect};

// Row r has the real component's picture (Image3(2r)) in its right box
// Image4(2r) and its symbol (Image3(2r+1)) in its left box Image4(2r+1).
bool answersRight(const Screen& s) {
    bool right = true;
    for (int k = 0; k < 10; ++k) right = right && holdsLabel(s, "Image4", k, "Image3", k);
    return right;
}

void reset(Screen& s) {
    kFeedback.reset(s);
    emptyTargets(s, "Image4", 0, 9);
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 6}.attach(logic);
    kFeedback.attach(logic);
    DropLabel{"Image4"}.attach(logic);
}

}  // namespace

const ScreenModule form11{
    .def = kDef,
    .bind = bind,
    .title = "بعض المركبات الإلكترونية",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .back = {6, "Form10"}, .menu = {4, "Form1"}, .print = 5},
    .check = [](Screen& s) { kFeedback.check(s, answersRight(s)); },
    .reset = reset,
};

}  // namespace nizam::screens
