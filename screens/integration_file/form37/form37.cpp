// SPDX-License-Identifier: GPL-3.0-or-later
// Form37: the automatic water-pumping installation. The page shows the
// installation (well, pump and motor, tank, float and the two level switches)
// and the pupil fills a two-row table, water level and state of the pump, by
// dragging four word labels. The two rows may be given in either order.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form37";
    d.caption = "Form37";
    d.controls = {
        image("Image20", 4200, 8640, 1155, 945).pic(77, 63),
        image("Image4", 2, 11640, 6960, 1215, 375),
        image("Image4", 0, 11640, 6360, 1215, 375),
        image("Image4", 1, 9960, 6360, 1335, 375),
        image("Image4", 3, 9960, 6960, 1335, 375),
        image("Image3", 3, 11640, 7560, 1200, 300).pic(80, 20).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 2, 11640, 8040, 1200, 300).pic(80, 20).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 1, 10080, 7560, 1200, 300).pic(80, 20).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 0, 10080, 8040, 1200, 300).pic(80, 20).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image9", 240, 0, 1695, 375),
        image("Image7", 0, 8640, 6720, 915, 1350).pic(61, 90),
        image("Image7", 1, 8640, 6720, 915, 1350).pic(61, 90),
        image("Image1", 6, 8865, 8595, 855, 975).pointerIcon(),
        image("Image1", 1, 10800, 9120, 615, 615).pointerIcon(),
        image("Image1", 2, 7200, 8640, 855, 975).pointerIcon(),
        image("Image1", 3, 5640, 8640, 855, 975).pointerIcon(),
        image("Image1", 4, 4320, 8640, 855, 855).pointerIcon(),
        image("Image1", 5, 2640, 8640, 975, 975).pointerIcon(),
        image("Image2", 5, 2760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 4, 4440, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10920, 9240, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 3, 5760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7320, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 6, 8985, 8835, 690, 825).pic(46, 55).pointerIcon(),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way

// Targets 0 and 1 are the first row (level, pump), 2 and 3 the second.
// Labels: 0 low, 1 running, 2 high, 3 stopped.
bool rowHolds(const Screen& s, int row, int level, int pump) {
    return holdsLabel(s, "Image4", 2 * row, "Image3", level) && holdsLabel(s, "Image4", 2 * row + 1, "Image3", pump);
}

void check(Screen& s) {
    constexpr int kLow = 0, kRunning = 1, kHigh = 2, kStopped = 3;
    const bool lowFirst = rowHolds(s, 0, kLow, kRunning) && rowHolds(s, 1, kHigh, kStopped);
    const bool highFirst = rowHolds(s, 0, kHigh, kStopped) && rowHolds(s, 1, kLow, kRunning);
    kFeedback.check(s, lowFirst || highFirst);
}

void reset(Screen& s) {
    emptyTargets(s, "Image4", 0, 3);
    kFeedback.reset(s);
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 6}.attach(logic);
    kFeedback.attach(logic);
    DropLabel{"Image4"}.attach(logic);
}

}  // namespace

// The key names the labels by index; these are the words their cards carry.
const ScreenModule form37{
    .def = kDef,
    .bind = bind,
    .title = "نظام آلي لضخ الماء",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form38"}, .menu = {6, "Form1"}, .print = 5},
    .check = check,
    .reset = reset,
    .answers = {.labels = {
    {"Image3", 0, "منخفض"},
    {"Image3", 1, "تعمل"},
    {"Image3", 2, "مرتفع"},
    {"Image3", 3, "متوقفة"},
}},
};

}  // namespace nizam::screens
