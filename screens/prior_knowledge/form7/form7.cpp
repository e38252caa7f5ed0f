// SPDX-License-Identifier: GPL-3.0-or-later
// Form7: second review page of the basic concepts. A diagram links a user
// and a manufacturer through a need and a product, and the product to its
// technical and service functions; the pupil completes it by dragging four
// words into four empty boxes (the word technical is printed in place).
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form7";
    d.caption = "Form7";
    d.controls = {
        image("Image20", 4200, 8640, 1155, 945).pic(77, 63),
        image("Image9", 240, 4200, 1695, 375),
        image("Image1", 1, 10680, 9120, 615, 615).pointerIcon(),
        image("Image1", 6, 8865, 8640, 855, 975).pointerIcon(),
        image("Image1", 2, 7200, 8640, 855, 975).pointerIcon(),
        image("Image1", 3, 5640, 8640, 855, 975).pointerIcon(),
        image("Image1", 4, 4320, 8640, 855, 855).pointerIcon(),
        image("Image1", 5, 2640, 8640, 855, 975).pointerIcon(),
        image("Image4", 3, 7320, 7440, 1335, 375),
        image("Image4", 2, 6120, 6600, 1335, 375),
        image("Image4", 1, 4080, 5640, 1335, 375),
        image("Image4", 0, 6120, 5640, 1335, 375),
        image("Image3", 4, 3960, 2640, 960, 255).pic(64, 17).pointer(kPointerIcon).draggable().pointerIcon(),
        // The word technical is printed in its box: it is not dragged.
        image("Image3", 3, 5040, 7440, 960, 255).pic(64, 17),
        image("Image3", 2, 5280, 2640, 960, 255).pic(64, 17).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 1, 6600, 2640, 870, 255).pic(58, 17).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 0, 7920, 2640, 870, 255).pic(58, 17).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image2", 2, 7320, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 3, 5760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10800, 9240, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 4, 4440, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 5, 2760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 6, 8985, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image7", 0, 2520, 6840, 1785, 1350).pic(119, 90),
        image("Image7", 1, 2400, 6840, 1785, 1350).pic(119, 90),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();
const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way

bool answersRight(const Screen& s) {
    return holdsLabel(s, "Image4(0)", "Image3(4)")     // the middle box: need
           && holdsLabel(s, "Image4(1)", "Image3(1)")  // the left box: product
           && holdsLabel(s, "Image4(2)", "Image3(0)")  // the central box: functions
           && holdsLabel(s, "Image4(3)", "Image3(2)");  // beside technical: service
}

void reset(Screen& s) {
    kFeedback.reset(s);
    emptyTargets(s, "Image4", 0, 3);
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 6}.attach(logic);
    kFeedback.attach(logic);
    DropLabel{"Image4"}.attach(logic);
}

}  // namespace

// The key names the four dragged words by index; these are the words their cards carry.
const ScreenModule form7{
    .def = kDef,
    .bind = bind,
    .title = "الحاجة والمنتوج ووظائفه",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form8"}, .back = {6, "Form6"}, .print = 5},
    .check = [](Screen& s) { kFeedback.check(s, answersRight(s)); },
    .reset = reset,
    .answers = {.labels = {
    {"Image3", 0, "الوظائف"},
    {"Image3", 1, "المنتوج"},
    {"Image3", 2, "خدماتية"},
    {"Image3", 4, "الحاجة"},
}},
};

}  // namespace nizam::screens
