// SPDX-License-Identifier: GPL-3.0-or-later
// Form9: fourth review page of the basic concepts, the enterprise and the
// market. Six phrases are dragged into a row of slots to define the
// enterprise; eight statements about supply, demand and price are ticked
// true or left clear. One check judges both parts.
#include <array>
#include <string>

#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

constexpr Color kDarkGreen = 0x00004000;

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form9";
    d.caption = "Form9";
    d.controls = {
        checkBox("Check1", 0, 8160, 5160, 375, 375).back(kWhite).tab(7),
        checkBox("Check1", 1, 8160, 5520, 375, 375).back(kWhite).tab(6),
        checkBox("Check1", 2, 8160, 5880, 375, 375).back(kWhite).tab(5),
        checkBox("Check1", 3, 8160, 6360, 375, 375).back(kWhite).tab(4),
        checkBox("Check1", 4, 8160, 6720, 375, 375).back(kWhite).tab(3),
        checkBox("Check1", 5, 8160, 7080, 375, 375).back(kWhite).tab(2),
        checkBox("Check1", 6, 8160, 7440, 375, 375).back(kWhite).tab(1),
        checkBox("Check1", 7, 8160, 7800, 375, 375).back(kWhite).tab(0),
        image("Image20", 4200, 8640, 1155, 945).pic(77, 63),
        image("Image1", 5, 2640, 8640, 855, 975).pointerIcon(),
        image("Image1", 4, 4320, 8640, 855, 855).pointerIcon(),
        image("Image1", 3, 5640, 8640, 855, 975).pointerIcon(),
        image("Image1", 2, 7200, 8640, 855, 975).pointerIcon(),
        image("Image1", 6, 8865, 8640, 855, 975).pointerIcon(),
        image("Image1", 1, 10680, 9120, 615, 615).pointerIcon(),
        image("Image4", 0, 9600, 4080, 1455, 495),
        image("Image4", 1, 8160, 4080, 1455, 495),
        image("Image4", 2, 6720, 4080, 1455, 495),
        image("Image4", 3, 5280, 4080, 1455, 495),
        image("Image4", 4, 3840, 4080, 1455, 495),
        image("Image4", 5, 2400, 4080, 1455, 495),
        shape("Shape1", 2280, 3960, 8895, 735).border(kDarkGreen).borderW(3).back(kDarkGreen),
        image("Image3", 5, 4320, 3240, 1455, 480).pic(97, 32).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 3, 7200, 2880, 1455, 480).pic(97, 32).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 0, 8400, 3240, 1455, 480).pic(97, 32).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 1, 9720, 2880, 1455, 480).pic(97, 32).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 2, 5640, 2880, 1455, 480).pic(97, 32).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 4, 3000, 2880, 1455, 480).pic(97, 32).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image2", 2, 7320, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 3, 5760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10800, 9240, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 4, 4440, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 5, 2760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 6, 8985, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image7", 0, 2400, 5760, 915, 1500).pic(61, 100),
        image("Image7", 1, 2400, 5760, 915, 1500).pic(61, 100),
        image("Image9", 120, 3480, 1695, 375),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();
const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way

// The true statements: supply is less than demand (0), supply comes from the
// producer (3), demand comes from the consumer (4), the price changes with
// supply and demand (6).
constexpr std::array<bool, 8> kTrue = {true, false, false, true, true, false, true, false};

bool answersRight(const Screen& s) {
    bool right = true;
    // The definition reads from the rightmost slot: phrase k in slot k.
    for (int k = 0; k < 6; ++k) right = right && holdsLabel(s, "Image4", k, "Image3", k);
    for (int k = 0; k < 8; ++k) {
        const std::string box = "Check1(" + std::to_string(k) + ")";
        right = right && (kTrue[static_cast<std::size_t>(k)] ? ticked(s, box) : isClear(s, box));
    }
    return right;
}

void reset(Screen& s) {
    kFeedback.reset(s);
    clearChecks(s, "Check1", 0, 7);
    emptyTargets(s, "Image4", 0, 5);
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 6}.attach(logic);
    kFeedback.attach(logic);
    DropLabel{"Image4"}.attach(logic);
}

}  // namespace

// The key names the six phrases by index; these are the texts their cards carry.
const ScreenModule form9{
    .def = kDef,
    .bind = bind,
    .title = "المؤسسة والسوق",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form10"}, .back = {6, "Form8"}, .print = 5},
    .check = [](Screen& s) { kFeedback.check(s, answersRight(s)); },
    .reset = reset,
    .answers = {.labels = {
    {"Image3", 0, "المؤسسة هي"},
    {"Image3", 1, "وحدة إنتاج"},
    {"Image3", 2, "تعتمد على"},
    {"Image3", 3, "العمل ورأس المال"},
    {"Image3", 4, "من أجل إنتاج"},
    {"Image3", 5, "سلع أو خدمات"},
}},
};

}  // namespace nizam::screens
