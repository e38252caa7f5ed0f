// SPDX-License-Identifier: GPL-3.0-or-later
// Form29: the functional requirements book of the alarm device. In a notebook
// drawing of the requirements book that the customer hands to the manufacturer,
// the pupil drags one label under each of its five headings. A right check
// uncovers the menu button, the end of the functional study.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form29";
    d.caption = "Form29";
    d.controls = {
        image("Image20", 4200, 8640, 1155, 945).pic(77, 63),
        image("Image3", 0, 3720, 4080, 3510, 360).pic(234, 24).pointer(kPointerIcon).draggable().pointerIcon(),
        shape("Shape2", 5, 3960, 7320, 3495, 375).border(0x00004000).style(3),
        shape("Shape2", 4, 3960, 6480, 3495, 375).border(0x00004000).style(3),
        image("Image4", 4, 3960, 7320, 3255, 375),
        image("Image4", 3, 3960, 6480, 3255, 375),
        image("Image4", 2, 9120, 7320, 3255, 375),
        image("Image4", 1, 9120, 6600, 3255, 375),
        image("Image4", 0, 9120, 6000, 3255, 375),
        image("Image1", 5, 2640, 8640, 975, 975).pointerIcon(),
        image("Image1", 4, 4320, 8760, 855, 735).pointerIcon(),
        image("Image1", 3, 5760, 8640, 855, 975).pointerIcon(),
        image("Image1", 2, 7320, 8640, 855, 975).pointerIcon(),
        image("Image1", 6, 8880, 8640, 855, 975).pointerIcon(),
        image("Image1", 1, 10800, 9120, 615, 615).pointerIcon(),
        shape("Shape2", 0, 3480, 2520, 3975, 2535).border(0x00004000).style(3),
        image("Image3", 1, 3720, 4560, 3510, 360).pic(234, 24).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 2, 3720, 2640, 3510, 360).pic(234, 24).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 3, 3720, 3120, 3510, 360).pic(234, 24).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image3", 4, 3720, 3600, 3510, 360).pic(234, 24).pointer(kPointerIcon).draggable().pointerIcon(),
        image("Image2", 4, 4440, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7440, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 3, 5880, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10920, 9240, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 5, 2760, 8760, 690, 825).pic(46, 55).pointerIcon(),
        image("Image9", 0, 120, 1695, 375),
        image("Image7", 0, 2400, 4440, 915, 1500).pic(61, 100),
        image("Image7", 1, 2400, 4440, 915, 1500).pic(61, 100),
        image("Image2", 6, 9000, 8760, 690, 825).pic(46, 55).pointerIcon(),
        shape("Shape2", 1, 9120, 6000, 3495, 375).border(0x00004000).style(3),
        shape("Shape2", 2, 9120, 6600, 3495, 375).border(0x00004000).style(3),
        shape("Shape2", 3, 9120, 7320, 3495, 375).border(0x00004000).style(3),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();
const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way

bool headingsRight(const Screen& s) {
    for (int k = 0; k <= 4; ++k) {
        if (!holdsLabel(s, "Image4", k, "Image3", k)) return false;
    }
    return true;
}

void reset(Screen& s) {
    kFeedback.reset(s);
    emptyTargets(s, "Image4", 0, 4);
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 6}.attach(logic);
    kFeedback.attach(logic);
    DropLabel{"Image4"}.attach(logic);
}

}  // namespace

// Heading k takes label k: the project, the goal, the functional expression
// of the need, the characteristics, the ranking (read right to left, from the
// most important function).
const ScreenModule form29{
    .def = kDef,
    .bind = bind,
    .title = "دفتر الشروط الوظيفي",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .back = {6, "Form28"}, .menu = {4, "Form1"}, .print = 5},
    .check = [](Screen& s) { kFeedback.check(s, headingsRight(s)); },
    .reset = reset,
    .answers = {.labels = {
    {"Image3", 0, "إنجاز جهاز إنذار"},
    {"Image3", 1, "حماية تجهيزات قاعة التكنولوجيا من السرقة ليلا"},
    {"Image3", 2, "إعلام الحارس عند حدوث تسلل إلى قاعة التكنولوجيا"},
    {"Image3", 3, "انظر جدول خصائص الوظائف الخدماتية"},
    {"Image3", 4, "FC1 - FC4 - FC5 - FC3 - FC2 - FP"},
}},
};

}  // namespace nizam::screens
