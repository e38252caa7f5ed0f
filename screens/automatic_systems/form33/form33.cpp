// SPDX-License-Identifier: GPL-3.0-or-later
// Form33: activity 4 of the automatic systems. A model of the functional
// representation of a system (the overall function in a box, the work
// material entering at the right and leaving at the left, control data from
// above, the system's name below) stands over two empty diagrams of the same
// shape, a washing machine and an automatic barrier. The pupil drags orange
// labels into the five places of each diagram; each diagram gets its own tick
// or cross. A video button shows the barrier's animation in a frame over the
// model; its small close mark hides it again.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ControlDef label(int index, Twips left, Twips top) {
    return image("Image3", index, left, top, 1050, 600).pic(70, 40).pointer(kPointerIcon).draggable().pointerIcon();
}

ControlDef mark(const char* name, Twips left, Twips top) { return image(name, left, top, 240, 195).pic(16, 13); }

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form33";
    d.caption = "Form33";
    d.controls = {
        player("flash2", 1200, 2160, 6015, 3855),
        image("Image20", 4200, 9000, 1155, 840).pic(77, 56),
        image("Image4", 9, 2760, 7080, 1050, 600),
        image("Image4", 8, 4920, 7560, 1215, 615),
        image("Image4", 7, 4320, 6240, 1050, 600),
        image("Image4", 6, 5760, 6240, 975, 615),
        image("Image4", 5, 7080, 7080, 1095, 615),
        image("Image4", 3, 7800, 6000, 1095, 615),
        image("Image4", 4, 10080, 6480, 1335, 615),
        image("Image4", 2, 9480, 5160, 975, 615),
        image("Image4", 1, 10920, 5160, 1050, 600),
        image("Image4", 0, 12240, 6000, 975, 615),
        label(6, 10920, 8280),
        label(7, 9840, 8280),
        label(8, 8760, 8280),
        // A second picture of the dirty-clothes label, off the page: never dragged.
        label(20, 27120, -3720),
        label(5, 12000, 7680),
        label(4, 7680, 8040),
        label(3, 8760, 7680),
        label(1, 10920, 7680),
        label(0, 12000, 8280),
        shape("Shape2", 4, 1080, 2040, 6255, 4095).border(0x00000000).style(6).borderW(3),
        image("Image11", 1080, 6120, 240, 195).pic(16, 13).pointerIcon(),
        image("Image1", 5, 2640, 8880, 975, 975).pointerIcon(),
        image("Image1", 4, 4320, 9000, 855, 735).pointerIcon(),
        image("Image1", 3, 5640, 8880, 855, 975).pointerIcon(),
        image("Image1", 2, 7200, 8880, 855, 975).pointerIcon(),
        image("Image1", 6, 9000, 8880, 855, 975).pointerIcon(),
        image("Image1", 1, 10800, 9480, 615, 375).pointerIcon(),
        image("Image1", 7, 2400, 8040, 855, 735).pointerIcon(),
        mark("Image5", 11880, 7200),
        mark("Image6", 11880, 7200),
        mark("Image8", 3960, 8280),
        mark("Image10", 3960, 8280),
        image("Image2", 6, 9120, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image9", 0, 0, 1695, 375),
        image("Image7", 0, 4080, 4440, 915, 1350).pic(61, 90),
        image("Image7", 1, 4080, 4440, 915, 1350).pic(61, 90),
        label(2, 9840, 7680),
        image("Image2", 5, 2760, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 4, 4440, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10920, 9480, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 3, 5760, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 2, 7320, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 7, 2520, 8040, 690, 825).pic(46, 55).pointerIcon(),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way
const GroupMarks kMarks = GroupMarks::standard(2);  // washing machine, barrier

// Labels: 0 dirty clothes, 1 energy, 2 water and powder with the settings,
// 3 clean clothes, 4 cleaning the clothes, 5 the boom closed, 6 control
// instructions, 7 opening and closing the barrier, 8 the boom raised and
// brought back closed.
bool holds(const Screen& s, int target, int label) { return holdsLabel(s, "Image4", target, "Image3", label); }

// The two control-data places of a diagram take their two labels in either order.
bool controlData(const Screen& s, int left, int right, int a, int b) {
    return (holds(s, left, a) && holds(s, right, b)) || (holds(s, left, b) && holds(s, right, a));
}

void check(Screen& s) {
    kMarks.show(s, 1, holds(s, 0, 0) && holds(s, 3, 3) && holds(s, 4, 4) && controlData(s, 1, 2, 1, 2));
    kMarks.show(s, 2, holds(s, 5, 5) && holds(s, 8, 7) && holds(s, 9, 8) && controlData(s, 6, 7, 6, 1));
    kFeedback.check(s, kMarks.allTicked(s));
}

// The animation overlay is left as it is: a shown player stays shown and plays on.
void reset(Screen& s) {
    emptyTargets(s, "Image4", 0, 9);
    kFeedback.reset(s);
    kMarks.hideAll(s);
}

// The barrier's video, played when the pupil asks for it.
constexpr Animation kVideo{"flash2", "barre_velmo", false};

void showVideo(Ctx& ctx) {
    ctx.screen.show("Shape2", 4);
    ctx.screen.show("flash2");
    ctx.screen.show("Image11");
    playAnimation(ctx.screen, ctx.app, kVideo);
}

void hideVideo(Screen& s) {
    s.hide("Shape2", 4);
    s.hide("flash2");
    s.hide("Image11");
}

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 7}.attach(logic);
    kFeedback.attach(logic);
    kMarks.attach(logic);
    // No movie is loaded until the pupil asks for the video.
    logic.onLoad([](Ctx& ctx) { hideVideo(ctx.screen); });
    attachPointerOnly(logic, "Image11");
    DropLabel{"Image4"}.attach(logic);
    logic.onClick("Image1", 7, [](Ctx& ctx, Index) { showVideo(ctx); });
    logic.onClick("Image11", [](Ctx& ctx, Index) { hideVideo(ctx.screen); });
}

}  // namespace

// The key names the labels by index; these are the words their cards carry.
const ScreenModule form33{
    .def = kDef,
    .bind = bind,
    .title = "التمثيل الوظيفي للنظام",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form34"}, .back = {6, "Form32"}, .print = 5},
    .animations = {kVideo},
    .check = check,
    .reset = reset,
    .answers = {.labels = {
    {"Image3", 0, "ملابس\nمتسخة"},
    {"Image3", 1, "طاقة"},
    {"Image3", 2, "ماء ومسحوق\nضبط المدة\nوالحرارة"},
    {"Image3", 3, "ملابس\nنظيفة"},
    {"Image3", 4, "تنظيف\nالملابس"},
    {"Image3", 5, "الذراع في\nوضع الغلق"},
    {"Image3", 6, "تعليمات\nالتحكم"},
    {"Image3", 7, "فتح وغلق\nالحاجز"},
    {"Image3", 8, "الذراع مرفوعة\nثم مغلقة"},
}},
};

}  // namespace nizam::screens
