// SPDX-License-Identifier: GPL-3.0-or-later
// Form32: activity 3 of the automatic systems, the overall function. A worked
// example (a drill: an intact piece of wood goes in, a drilled piece of wood
// comes out, the overall function is drilling it) stands over the same table
// for a motor, a computer memory and a truck: the pupil drags twelve labels
// into its twelve cells; each row gets its own tick or cross. A video button
// shows an electric motor turning over the upper part of the page, with a
// small close mark to hide it again.
#include "media/programs.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "screens/screens.h"

namespace nizam::screens {
namespace {

ControlDef label(int index, Twips left, Twips top) {
    return image("Image3", index, left, top, 1500, 270).pic(100, 18).pointer(kPointerIcon).draggable().pointerIcon();
}

ControlDef cell(int index, Twips left, Twips top) { return image("Image4", index, left, top, 1335, 375); }

// The table's cells, in design pixels of the client area, as the page picture
// draws them: the columns from the left (overall function, output, kind,
// input) and the rows from the top (motor, computer memory, truck). Cell k
// holds target k: the column 3 - k % 4 of row k / 4. The whole cell catches
// its label, not only the strip the label lands on.
constexpr int kColumnEdges[] = {297, 409, 521, 633, 753};
constexpr int kRowEdges[] = {369, 432, 513, 577};

std::vector<CatchArea> cellAreas() {
    std::vector<CatchArea> areas;
    for (int k = 0; k < 12; ++k) {
        const int column = 3 - k % 4, row = k / 4;
        const int left = kColumnEdges[column], top = kRowEdges[row];
        areas.push_back({"Image4", k,
                         Rect{left * kTwipsPerPixel, top * kTwipsPerPixel,
                              (kColumnEdges[column + 1] - left) * kTwipsPerPixel,
                              (kRowEdges[row + 1] - top) * kTwipsPerPixel}});
    }
    return areas;
}

ControlDef frame(int index, Twips left, Twips top, Twips width, Twips height, Color colour) {
    return shape("Shape2", index, left, top, width, height).border(colour).style(3);
}

ControlDef mark(const char* name, Twips top) { return image(name, 4080, top, 240, 195).pic(16, 13); }

constexpr Color kGreen = 0x00008000;
constexpr Color kBlack = 0x00000000;

ScreenDef makeDef() {
    ScreenDef d;
    d.name = "Form32";
    d.caption = "Form32";
    d.controls = {
        player("flash2", 8040, 1320, 6015, 3855),
        image("Image20", 4200, 9000, 1155, 840).pic(77, 56),
        image("Image13", 13320, 5160, 240, 195).pic(16, 13).pointerIcon(),
        image("Image1", 7, 11880, 8880, 855, 975).pointerIcon(),
        image("Image2", 7, 12000, 9120, 690, 825).pic(46, 55).pointerIcon(),
        cell(3, 4560, 5760),
        cell(7, 4560, 6840),
        cell(11, 4560, 8040),
        cell(10, 6240, 8040),
        cell(6, 6240, 6840),
        cell(2, 6240, 5760),
        cell(1, 7920, 5760),
        cell(5, 7920, 6840),
        cell(9, 7920, 8040),
        cell(8, 9720, 8040),
        cell(4, 9720, 6840),
        cell(0, 9720, 5760),
        image("Image1", 5, 2640, 8880, 975, 975).pointerIcon(),
        image("Image1", 4, 4320, 9000, 855, 735).pointerIcon(),
        image("Image1", 3, 5640, 8880, 855, 975).pointerIcon(),
        image("Image1", 2, 7200, 8880, 855, 975).pointerIcon(),
        image("Image1", 6, 9000, 8880, 855, 975).pointerIcon(),
        image("Image1", 1, 10800, 9480, 615, 375).pointerIcon(),
        label(11, 2400, 1920),
        label(10, 2400, 6600),
        label(9, 2400, 5040),
        frame(10, 9480, 4920, 1815, 3735, kGreen),
        frame(9, 7800, 4920, 1695, 3735, kGreen),
        frame(7, 4440, 4920, 1695, 3735, kGreen),
        frame(6, 6720, 3000, 1695, 1575, kBlack),
        frame(5, 9600, 3000, 1695, 1575, kBlack),
        frame(4, 4440, 7680, 8535, 975, kGreen),
        frame(3, 4440, 6480, 8535, 1215, kGreen),
        frame(2, 4440, 5520, 8535, 975, kGreen),
        frame(8, 4440, 4920, 8535, 615, kGreen),
        label(6, 2400, 4680),
        frame(1, 4440, 3000, 8535, 615, kBlack),
        frame(0, 4440, 3600, 8535, 975, kBlack),
        image("Image2", 2, 7320, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 3, 5760, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 1, 10920, 9480, 405, 345).pic(27, 23).pointerIcon(),
        image("Image2", 4, 4440, 9000, 690, 825).pic(46, 55).pointerIcon(),
        image("Image2", 5, 2760, 9000, 690, 825).pic(46, 55).pointerIcon(),
        label(0, 2400, 6240),
        label(1, 2400, 4200),
        label(2, 2400, 2880),
        label(3, 2280, 2400),
        label(4, 2400, 3720),
        label(5, 2400, 3240),
        image("Image7", 1, 2760, 7320, 915, 1350).pic(61, 90),
        image("Image7", 0, 2760, 7320, 915, 1350).pic(61, 90),
        image("Image9", 0, 0, 1695, 375),
        image("Image2", 6, 9120, 9000, 690, 825).pic(46, 55).pointerIcon(),
        label(7, 2400, 5400),
        label(8, 2400, 5880),
        mark("Image12", 8040),
        mark("Image11", 8040),
        mark("Image10", 6960),
        mark("Image8", 6960),
        mark("Image6", 5880),
        mark("Image5", 5880),
        image("Imagefixe", 2160, 1635, 11040, 8250).pic(736, 550),
    };
    return d;
}

const ScreenDef kDef = makeDef();

const AnswerFeedback kFeedback{};  // Image7(0)/Image7(1), Image20, two-way
const GroupMarks kMarks = GroupMarks::standard(3);  // motor, computer memory, truck

// Row r (0 motor, 1 computer memory, 2 truck) is right when its four cells,
// input, kind, output and overall function, hold the labels of their own index.
bool rowRight(const Screen& s, int row) {
    for (int k = 4 * row; k < 4 * row + 4; ++k)
        if (!holdsLabel(s, "Image4", k, "Image3", k)) return false;
    return true;
}

void check(Screen& s) {
    for (int row = 0; row < 3; ++row) kMarks.show(s, row + 1, rowRight(s, row));
    kFeedback.check(s, kMarks.allTicked(s));
}

// The video is left as it is: a shown player stays shown and plays on.
void reset(Screen& s) {
    emptyTargets(s, "Image4", 0, 11);
    kFeedback.reset(s);
    kMarks.hideAll(s);
}

void hideVideo(Screen& s) {
    s.hide("flash2");
    s.hide("Image13");
}

// The motor's video, played when the pupil asks for it.
constexpr Animation kVideo{"flash2", "moteur", false};

void bind(ScreenLogic& logic) {
    HoverHighlight{1, 7}.attach(logic);
    kFeedback.attach(logic);
    kMarks.attach(logic);
    // No movie is loaded until the pupil asks for the video.
    logic.onLoad([](Ctx& ctx) { hideVideo(ctx.screen); });
    attachPointerOnly(logic, "Image13");
    DropLabel{"Image4"}.attach(logic);
    logic.onClick("Image1", 7, [](Ctx& ctx, Index) {
        ctx.screen.show("flash2");
        ctx.screen.show("Image13");
        playAnimation(ctx.screen, ctx.app, kVideo);
    });
    logic.onClick("Image13", [](Ctx& ctx, Index) { hideVideo(ctx.screen); });
}

}  // namespace

// Every cell takes the label of its own index; these are the words the labels carry.
const ScreenModule form32{
    .def = kDef,
    .bind = bind,
    .title = "الوظيفة الشاملة",
    .toolbar = {.quit = 1, .check = 2, .reset = 3, .next = {4, "Form33"}, .back = {6, "Form31"}, .print = 5},
    .animations = {kVideo},
    .check = check,
    .reset = reset,
    .answers = {.labels = {
    {"Image3", 0, "طاقة كهربائية"},
    {"Image3", 1, "طاقة"},
    {"Image3", 2, "طاقة ميكانيكية"},
    {"Image3", 3, "تحويل الطاقة"},
    {"Image3", 4, "معلومات غير مخزنة"},
    {"Image3", 5, "معلومات"},
    {"Image3", 6, "معلومات مخزنة"},
    {"Image3", 7, "تخزين المعلومات"},
    {"Image3", 8, "البضائع في المكان 1"},
    {"Image3", 9, "مادة"},
    {"Image3", 10, "البضائع في المكان 2"},
    {"Image3", 11, "نقل البضائع"},
}},
    .catchAreas = cellAreas(),
};

}  // namespace nizam::screens
