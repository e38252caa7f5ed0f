// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise mechanics driven through the Navigator, the way a pupil
// drives a page: the quiz screens below use AnswerFeedback, GroupMarks,
// DropLabel, the reset convention, the print and calculator buttons and an
// animation, each under one of the question-mark policies.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "media/programs.h"
#include "runtime/diagnostics.h"
#include "runtime/exercise.h"
#include "runtime/hover.h"
#include "tests/unit/test_screens.h"

namespace nizam {
namespace {

// --- The quiz screens -------------------------------------------------------------------
//
// Three answer groups: (1) Check1 ticked and Check2 clear, (2) Text1 is the
// device's name, (3) Image4(0) holds Image3(0) and Image4(1) holds Image3(1).
// Image3(2) is drawn like Image3(1) but is another label. Toolbar hot-spots:
// 1 quit, 2 check, 3 reset, 4 forward (under the question mark), 5 print,
// 6 play the animation, 7 calculator.

const std::string kDeviceName = "جهاز انذار";

enum class Variant { TwoWay, Keep, Parts, Bare, Sort };

ScreenDef quizDef(std::string name, Variant v) {
    ScreenDef d;
    d.name = std::move(name);
    d.caption = d.name;
    const bool sort = v == Variant::Sort;
    auto target = [sort](int i) {
        ControlDef c = image("Image4", i, 6000, 6000 + 1000 * i, 1500, 600);
        if (sort) c.draggable().pointer(kPointerIcon).pointerIcon();
        return c;
    };
    auto labelAt = [](int i, int w) {
        return image("Image3", i, 1000, 6000 + 700 * i, w * kTwipsPerPixel, 450)
            .pic(w, 30)
            .draggable()
            .pointer(kPointerIcon)
            .pointerIcon();
    };
    d.controls = {
        checkBox("Check1", 600, 600, 375, 375).back(kWhite).tab(1),
        checkBox("Check2", 600, 1200, 375, 375).back(kWhite).tab(2),
        textBox("Text1", 1200, 600, 2655, 495).tab(3),
        player("flash1", 8000, 500, 3000, 1500),
    };
    auto add = [&d](ControlDef c) { d.controls.push_back(std::move(c)); };
    if (v != Variant::Bare) add(image("Image20", 4320, 8400, 1155, 945).pic(77, 63));
    const int toolbar[][5] = {
        {1, 10680, 8880, 615, 615}, {2, 7920, 8400, 855, 975},  {3, 6120, 8400, 855, 975},
        {4, 4440, 8520, 855, 735},  {5, 2640, 8400, 855, 975},  {6, 11640, 3120, 855, 735},
        {7, 12600, 8400, 855, 975},
    };
    for (const auto& b : toolbar) add(image("Image1", b[0], b[1], b[2], b[3], b[4]).pointerIcon());
    for (const auto& b : toolbar) add(image("Image2", b[0], b[1], b[2], b[3], b[4]).pic(46, 55).pointerIcon());
    add(labelAt(0, 80));
    add(labelAt(1, 120));
    add(labelAt(2, 120));
    for (int i = 0; i < 3; ++i) add(target(i));
    if (sort) {
        // Another draggable array that is neither label nor target, one with a
        // picture and one without.
        add(image("Image6", 0, 1000, 9800, 900, 450).pic(60, 30).draggable());
        add(image("Image6", 1, 2200, 9800, 900, 450).draggable());
    }
    add(image("Image9", 20000, 20000, 600, 600));
    if (!sort) {
        // Ticks on top of their crosses, visible until Load hides them.
        const char* marks[][2] = {{"Image5", "Image6"}, {"Image10", "Image8"}, {"Image12", "Image11"}};
        for (int g = 0; g < 3; ++g) {
            add(image(marks[g][0], 9000, 5000 + 500 * g, 240, 195).pic(16, 13));
            add(image(marks[g][1], 9000, 5000 + 500 * g, 240, 195).pic(16, 13));
        }
        if (v == Variant::Parts) {
            add(image("Image7", 3, 3720, 5000, 1785, 1350).pic(119, 90));
            add(image("Image7", 2, 3720, 5000, 1785, 1350).pic(119, 90));
        }
        add(image("Image7", 1, 3720, 6600, 1785, 1350).pic(119, 90));
        add(image("Image7", 0, 3720, 6600, 1785, 1350).pic(119, 90));
    }
    add(image("Imagefixe", 500, 300, 14000, 10500).pic(933, 700));
    return d;
}

AnswerFeedback feedbackFor(Variant v) {
    switch (v) {
        case Variant::Keep:
            return {.policy = QuestionMarkPolicy::ClearOnCorrect};
        case Variant::Parts:
            return {.parts = {{{"Image7", 0}, {"Image7", 1}}, {{"Image7", 3}, {"Image7", 2}}},
                    .policy = QuestionMarkPolicy::AllParts};
        case Variant::Bare:
            return {.questionMark = std::nullopt, .policy = QuestionMarkPolicy::None};
        case Variant::TwoWay:
        case Variant::Sort:
            break;
    }
    return {};
}

const GroupMarks kMarks = GroupMarks::standard(3);

void checkQuiz(Screen& s, const AnswerFeedback& feedback) {
    kMarks.show(s, 1, ticked(s, "Check1") && isClear(s, "Check2"));
    kMarks.show(s, 2, typedRight(s, "Text1", kDeviceName));
    kMarks.show(s, 3, holdsLabel(s, "Image4(0)", "Image3(0)") && holdsLabel(s, "Image4", 1, "Image3", 1));
    if (feedback.parts.size() == 2) {
        feedback.verdict(s, 0, kMarks.ticked(s, 1) && kMarks.ticked(s, 2));
        feedback.verdict(s, 1, kMarks.ticked(s, 3));
    } else {
        feedback.check(s, kMarks.allTicked(s));
    }
}

void resetQuiz(Screen& s, const AnswerFeedback& feedback) {
    clearChecks(s, {"Check1", "Check2"});
    feedback.reset(s);
    clearTexts(s, {"Text1"});
    emptyTargets(s, "Image4", 0, 2);
    kMarks.hideAll(s);
}

template <Variant V>
void bindQuiz(ScreenLogic& logic) {
    static const AnswerFeedback feedback = feedbackFor(V);
    HoverHighlight{1, 7}.attach(logic);
    feedback.attach(logic);
    kMarks.attach(logic);
    DropLabel{"Image4"}.attach(logic);
    attachPrintButton(logic, 5);
    attachCalculatorButton(logic, 7);
    logic.onClick("Image1", [](Ctx& ctx, Index i) {
        switch (i) {
            case 1: ctx.app.quit(); break;
            case 2: checkQuiz(ctx.screen, feedback); break;
            case 3: resetQuiz(ctx.screen, feedback); break;
            case 4: ctx.app.goTo("QuizNext"); break;
            case 6: playAnimation(ctx.screen, ctx.app, "flash1", "situa1.swf"); break;
            default: break;
        }
    });
}

void bindSort(ScreenLogic& logic) {
    HoverHighlight{1, 7}.attach(logic);
    DropLabel{"Image4"}.attach(logic);
    logic.onClick("Image1", [](Ctx& ctx, Index i) {
        if (i == 3) emptyTargets(ctx.screen, "Image4", 0, 2);
    });
}

void bindNext(ScreenLogic&) {}

const ScreenDef kQuiz = quizDef("Quiz", Variant::TwoWay);
const ScreenDef kQuizKeep = quizDef("QuizKeep", Variant::Keep);
const ScreenDef kQuizParts = quizDef("QuizParts", Variant::Parts);
const ScreenDef kQuizBare = quizDef("QuizBare", Variant::Bare);
const ScreenDef kQuizSort = quizDef("QuizSort", Variant::Sort);
const ScreenDef kQuizNext = [] {
    ScreenDef d;
    d.name = "QuizNext";
    d.controls = {image("Imagefixe", 500, 300, 14000, 10500).pic(933, 700)};
    return d;
}();

const ScreenModule kQuizModule{kQuiz, bindQuiz<Variant::TwoWay>};
const ScreenModule kQuizKeepModule{kQuizKeep, bindQuiz<Variant::Keep>};
const ScreenModule kQuizPartsModule{kQuizParts, bindQuiz<Variant::Parts>};
const ScreenModule kQuizBareModule{kQuizBare, bindQuiz<Variant::Bare>};
const ScreenModule kQuizSortModule{kQuizSort, bindSort};
const ScreenModule kQuizNextModule{kQuizNext, bindNext};

std::vector<RegistryEntry> quizRegistry() {
    return {{"Quiz", &kQuizModule},           {"QuizKeep", &kQuizKeepModule}, {"QuizParts", &kQuizPartsModule},
            {"QuizBare", &kQuizBareModule},   {"QuizSort", &kQuizSortModule}, {"QuizNext", &kQuizNextModule}};
}

// --- Driving a quiz ------------------------------------------------------------------------

class Quiz : public ::testing::Test {
public:
    HeadlessHost host;
    Navigator nav{host, quizRegistry()};

    void open(std::string_view name) { nav.open(name); }
    Screen& s() { return *nav.current(); }
    ControlId id(std::string_view n, std::optional<int> i = {}) { return s().findQuiet(n, i).value(); }
    // Visible, and false for a control the screen does not have.
    bool shown(std::string_view n, std::optional<int> i = {}) {
        auto c = s().findQuiet(n, i);
        return c && s().state(*c).visible;
    }
    PictureRef pic(std::string_view n, std::optional<int> i = {}) { return s().state(id(n, i)).picture; }
    Rect rect(std::string_view n, std::optional<int> i = {}) { return s().rect(id(n, i)); }

    void click(std::string_view n, std::optional<int> i = {}) {
        auto [x, y] = test::centre(s(), n, i);
        nav.pointerMove(x, y);
        nav.pointerPress(x, y);
        nav.pointerRelease(x, y);
    }
    void button(int i) { click("Image1", i); }
    void drag(std::string_view from, int fi, std::string_view to, int ti) {
        auto [x1, y1] = test::centre(s(), from, fi);
        nav.pointerMove(x1, y1);
        nav.pointerPress(x1, y1);
        auto [x2, y2] = test::centre(s(), to, ti);
        nav.pointerMove(x2, y2);
        nav.pointerRelease(x2, y2);
    }
    void dragTo(std::string_view from, int fi, Twips x, Twips y) {
        auto [x1, y1] = test::centre(s(), from, fi);
        nav.pointerPress(x1, y1);
        nav.pointerMove(x, y);
        nav.pointerRelease(x, y);
    }
    void type(std::string text) { nav.userSetText(id("Text1"), std::move(text)); }
    void tick(std::string_view check, bool on) { nav.userSetValue(id(check), on ? 1 : 0); }

    // Answers every group right, or all but the first group.
    void answer(bool right) {
        tick("Check1", true);
        tick("Check2", !right);
        type(kDeviceName);
        drag("Image3", 0, "Image4", 0);
        drag("Image3", 1, "Image4", 1);
    }

    // Whether a click on the forward button reaches its hot-spot.
    bool forwardOpen() {
        auto [x, y] = test::centre(s(), "Image1", 4);
        return s().hitTest(x, y) == id("Image1", 4);
    }

    // Every run-time property of every control, for "nothing changed" checks.
    std::string snapshot() {
        std::ostringstream out;
        for (ControlId c = 0; c < s().controlCount(); ++c) {
            const ControlState& st = s().state(c);
            out << s().control(c).displayName() << " v" << st.visible << " p" << st.mousePointer << " pic"
                << static_cast<const void*>(st.picture.get()) << " " << s().rect(c).width << "x"
                << s().rect(c).height << " val" << st.value << " [" << st.text << "] movie[" << st.movie << "]\n";
        }
        out << "focus " << s().focus().value_or(-1);
        return out.str();
    }

    std::vector<std::string> movieCalls() {
        std::vector<std::string> calls;
        for (const auto& c : host.playerCalls) {
            if (c.call.rfind("visible", 0) != 0) calls.push_back(c.player + " " + c.call);
        }
        return calls;
    }
};

// --- AnswerFeedback and the question-mark policies ------------------------------------------

struct Figures {
    bool excellent, tryAgain, question, forward;
    friend bool operator==(const Figures&, const Figures&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Figures& f) {
        return os << "excellent " << f.excellent << ", try again " << f.tryAgain << ", question mark "
                  << f.question << ", forward open " << f.forward;
    }
};

TEST_F(Quiz, EachPolicyFollowsUnansweredWrongRightWrong) {
    enum Action { Wrong, Right, Reset };
    struct Step {
        Action action;
        Figures expected;
    };
    struct Case {
        const char* screen;
        Figures unanswered;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"Quiz",
         {false, false, true, false},
         {{Wrong, {false, true, true, false}},
          {Right, {true, false, false, true}},
          {Wrong, {false, true, true, false}},
          {Wrong, {false, true, true, false}},  // checking twice gives the same figures
          {Right, {true, false, false, true}},
          {Right, {true, false, false, true}},
          {Reset, {false, false, true, false}}}},
        {"QuizKeep",
         {false, false, true, false},
         {{Wrong, {false, true, true, false}},  // before any right check the figure stays
          {Right, {true, false, false, true}},
          {Wrong, {false, true, false, true}},  // a wrong check after a right one keeps it hidden
          {Wrong, {false, true, false, true}},
          {Reset, {false, false, true, false}},
          {Wrong, {false, true, true, false}}}},
        {"QuizBare",
         {false, false, false, true},
         {{Wrong, {false, true, false, true}},
          {Right, {true, false, false, true}},
          {Wrong, {false, true, false, true}},
          {Reset, {false, false, false, true}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        open(c.screen);
        auto figures = [&] { return Figures{shown("Image7", 0), shown("Image7", 1), shown("Image20"), forwardOpen()}; };
        EXPECT_EQ(figures(), c.unanswered);
        int n = 0;
        for (const Step& step : c.steps) {
            ++n;
            if (step.action == Reset) {
                button(3);
            } else {
                answer(step.action == Right);  // overwrites every answer area
                button(2);
            }
            EXPECT_EQ(figures(), step.expected) << "step " << n;
        }
    }
}

TEST_F(Quiz, AnsweringAloneChangesNoFigureAndNoMark) {
    open("Quiz");
    answer(true);
    button(2);
    ASSERT_TRUE(shown("Image7", 0));
    // A box cleared and a wrong label dropped, without checking again.
    tick("Check1", false);
    drag("Image3", 2, "Image4", 1);
    EXPECT_TRUE(shown("Image7", 0));
    EXPECT_FALSE(shown("Image20"));
    EXPECT_TRUE(kMarks.allTicked(s()));
    EXPECT_TRUE(forwardOpen());
    button(2);
    EXPECT_TRUE(shown("Image7", 1));
    EXPECT_FALSE(kMarks.ticked(s(), 1));
    EXPECT_FALSE(kMarks.ticked(s(), 3));
    EXPECT_FALSE(forwardOpen());
}

TEST_F(Quiz, AllPartsPolicyNeedsEveryPartRight) {
    open("QuizParts");
    struct Case {
        bool partA, partB;
        bool figures[4];  // Image7(0), Image7(1), Image7(3), Image7(2)
        bool question;
    };
    const Case cases[] = {
        {true, false, {true, false, false, true}, true},
        {true, true, {true, false, true, false}, false},
        {false, true, {false, true, true, false}, true},
        {false, false, {false, true, false, true}, true},
        {true, true, {true, false, true, false}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "part A " << c.partA << ", part B " << c.partB);
        tick("Check1", true);
        tick("Check2", !c.partA);
        type(kDeviceName);
        drag("Image3", 0, "Image4", 0);
        drag("Image3", c.partB ? 1 : 2, "Image4", 1);
        button(2);
        EXPECT_EQ(shown("Image7", 0), c.figures[0]);
        EXPECT_EQ(shown("Image7", 1), c.figures[1]);
        EXPECT_EQ(shown("Image7", 3), c.figures[2]);
        EXPECT_EQ(shown("Image7", 2), c.figures[3]);
        EXPECT_EQ(shown("Image20"), c.question);
        EXPECT_EQ(forwardOpen(), !c.question);
    }
    button(3);
    EXPECT_TRUE(shown("Image20"));
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(shown("Image7", i)) << i;
}

TEST_F(Quiz, AllPartsDecidesAfterEachPartsVerdict) {
    open("QuizParts");
    const AnswerFeedback feedback = feedbackFor(Variant::Parts);
    feedback.verdict(s(), 0, true);
    EXPECT_TRUE(shown("Image20")) << "the second part has no excellent figure yet";
    feedback.verdict(s(), 1, true);
    EXPECT_FALSE(shown("Image20"));
    EXPECT_TRUE(feedback.allExcellent(s()));
    feedback.verdict(s(), 1, false);
    EXPECT_TRUE(shown("Image20"));
    feedback.verdict(s(), 7, true);  // no such part: nothing changes
    EXPECT_TRUE(shown("Image7", 2));
    EXPECT_TRUE(shown("Image20"));
}

TEST_F(Quiz, LoadHidesVerdictsAndMarksAndKeepsTheQuestionMark) {
    for (const char* name : {"Quiz", "QuizKeep", "QuizParts", "QuizBare"}) {
        SCOPED_TRACE(name);
        open(name);
        // Figures and marks are visible in the design: Load hides them.
        ASSERT_TRUE(s().def().controls.at(id("Image7", 0)).visible);
        ASSERT_TRUE(s().def().controls.at(id("Image5")).visible);
        for (int i = 0; i < 4; ++i) EXPECT_FALSE(shown("Image7", i)) << i;
        for (const char* m : {"Image5", "Image6", "Image10", "Image8", "Image12", "Image11"}) EXPECT_FALSE(shown(m)) << m;
        EXPECT_EQ(shown("Image20"), std::string_view(name) != "QuizBare");
        EXPECT_EQ(s().state(id("Check1")).value, 0);
        EXPECT_EQ(s().state(id("Text1")).text, "");
        EXPECT_TRUE(pic("Image4", 0).empty());
        // Left and reloaded: unanswered again.
        answer(true);
        button(2);
        open("QuizNext");
        open(name);
        EXPECT_FALSE(shown("Image7", 0));
        EXPECT_EQ(shown("Image20"), std::string_view(name) != "QuizBare");
        EXPECT_TRUE(pic("Image4", 1).empty());
    }
}

TEST_F(Quiz, ForwardButtonIsCoveredUntilARightCheck) {
    open("Quiz");
    auto [fx, fy] = test::centre(s(), "Image1", 4);
    nav.pointerMove(fx, fy);
    EXPECT_FALSE(shown("Image2", 4)) << "the question mark takes the pointer: no highlight";
    EXPECT_EQ(nav.pointerShape(), "") << "and no hand";
    button(4);
    ASSERT_NE(nav.current(), nullptr);
    EXPECT_EQ(s().name(), "Quiz") << "a click on the question mark does nothing";

    answer(false);
    button(2);
    button(4);
    EXPECT_EQ(s().name(), "Quiz");

    answer(true);
    button(2);
    nav.pointerMove(fx, fy);
    EXPECT_TRUE(shown("Image2", 4));
    EXPECT_EQ(nav.pointerShape(), "Quiz_Image1_4_MouseIcon");
    button(4);
    EXPECT_EQ(s().name(), "QuizNext");
}

// --- GroupMarks ------------------------------------------------------------------------------

TEST_F(Quiz, GroupMarksShowATickOrACrossPerGroup) {
    struct Case {
        const char* what;
        std::function<void(Quiz&)> answers;
        bool ticks[3];
    };
    const Case cases[] = {
        {"all right", [](Quiz& q) { q.answer(true); }, {true, true, true}},
        {"an extra box ticked", [](Quiz& q) { q.answer(false); }, {false, true, true}},
        {"nothing answered", [](Quiz&) {}, {false, false, false}},
        {"a trailing space, which the pupil cannot see",
         [](Quiz& q) {
             q.answer(true);
             q.type(kDeviceName + " ");
         },
         {true, true, true}},
        {"another alef",
         [](Quiz& q) {
             q.answer(true);
             q.type("جهاز أنذار");
         },
         {true, false, true}},
        {"labels swapped",
         [](Quiz& q) {
             q.answer(true);
             q.drag("Image3", 1, "Image4", 0);
             q.drag("Image3", 0, "Image4", 1);
         },
         {true, true, false}},
        {"a label that looks alike",
         [](Quiz& q) {
             q.answer(true);
             q.drag("Image3", 2, "Image4", 1);
         },
         {true, true, false}},
        {"right label dropped over a wrong one",
         [](Quiz& q) {
             q.answer(true);
             q.drag("Image3", 2, "Image4", 1);
             q.drag("Image3", 1, "Image4", 1);
         },
         {true, true, true}},
    };
    const char* tickNames[] = {"Image5", "Image10", "Image12"};
    const char* crossNames[] = {"Image6", "Image8", "Image11"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        open("QuizNext");
        open("Quiz");
        c.answers(*this);
        button(2);
        bool all = true;
        for (int g = 0; g < 3; ++g) {
            EXPECT_EQ(shown(tickNames[g]), c.ticks[g]) << "group " << g + 1;
            EXPECT_EQ(shown(crossNames[g]), !c.ticks[g]) << "group " << g + 1;
            EXPECT_EQ(kMarks.ticked(s(), g + 1), c.ticks[g]);
            all = all && c.ticks[g];
        }
        EXPECT_EQ(kMarks.allTicked(s()), all);
        EXPECT_EQ(shown("Image7", 0), all);
        EXPECT_EQ(shown("Image7", 1), !all);
    }
}

TEST_F(Quiz, GroupMarksTakeTheScreensOwnPairs) {
    open("Quiz");
    // Pairs given explicitly, as a page whose controls differ from the usual
    // ones gives them: here Image11 is a tick although the usual table makes it a cross.
    const GroupMarks marks{{{{"Image5", {}}, {"Image6", {}}}, {{"Image11", {}}, {"Image12", {}}}}};
    marks.show(s(), 1, true);
    marks.show(s(), 2, false);
    EXPECT_TRUE(shown("Image5"));
    EXPECT_FALSE(shown("Image6"));
    EXPECT_FALSE(shown("Image11"));
    EXPECT_TRUE(shown("Image12"));
    EXPECT_FALSE(marks.allTicked(s()));
    marks.show(s(), 2, true);
    EXPECT_TRUE(marks.allTicked(s()));
    marks.show(s(), 3, true);  // no third group: nothing changes
    EXPECT_FALSE(marks.ticked(s(), 3));
    marks.hideAll(s());
    for (const char* m : {"Image5", "Image6", "Image11", "Image12"}) EXPECT_FALSE(shown(m)) << m;
    EXPECT_FALSE(marks.allTicked(s()));
    EXPECT_FALSE(GroupMarks{}.allTicked(s())) << "a page without groups is never right by its marks";
}

// A slip in a page's code (a malformed or unknown name, a part or group the
// page does not have) is told once however often it is met, and changes nothing.
TEST_F(Quiz, MistakesInAPagesCodeAreToldOnceAndChangeNothing) {
    open("Quiz");
    const std::string before = snapshot();
    diagnostics::Capture told;
    const AnswerFeedback feedback{};
    const GroupMarks marks = GroupMarks::standard(2);
    for (int n = 0; n < 2; ++n) {
        EXPECT_FALSE(ticked(s(), "Check1("));
        EXPECT_FALSE(isClear(s(), "NoCheck"));
        feedback.verdict(s(), 4, true);
        marks.show(s(), 3, true);
        EXPECT_FALSE(marks.ticked(s(), 0));
        EXPECT_EQ(GroupMarks::standard(9).groups(), 5);
    }
    EXPECT_EQ(told.lines(), (std::vector<std::string>{
                                "Quiz: malformed control name \"Check1(\"",
                                "Quiz has no control NoCheck",
                                "Quiz: no verdict part 4",
                                "Quiz: no mark group 3",
                                "Quiz: no mark group 0",
                                "the standard mark pairs cover groups 1 to 5, not 9",
                            }));
    EXPECT_EQ(snapshot(), before);
}

// --- Comparing answers --------------------------------------------------------------------

TEST_F(Quiz, ATextBoxIsJudgedAsTheTeacherWould) {
    open("Quiz");
    type(" " + kDeviceName + "  ");
    EXPECT_TRUE(typedRight(s(), "Text1", kDeviceName)) << "spaces around the answer are not seen";
    type("جهاز إنذار");
    EXPECT_FALSE(typedRight(s(), "Text1", kDeviceName)) << "another alef is another spelling";
    EXPECT_TRUE(typedRight(s(), "Text1", {kDeviceName, "جهاز إنذار"}));
    type("45,50");
    EXPECT_TRUE(typedRight(s(), "Text1", "45.5"));
    EXPECT_FALSE(typedRight(s(), "Check1", "")) << "a check box has no text to judge";
}

TEST_F(Quiz, CheckBoxesAreTickedOrClear) {
    open("Quiz");
    EXPECT_FALSE(ticked(s(), "Check1"));
    EXPECT_TRUE(isClear(s(), "Check1"));
    click("Check1");
    EXPECT_TRUE(ticked(s(), "Check1"));
    EXPECT_FALSE(isClear(s(), "Check1"));
    // A condition on a control the page lacks never holds, in either sense.
    EXPECT_FALSE(ticked(s(), "Check9"));
    EXPECT_FALSE(isClear(s(), "Check9"));
    EXPECT_FALSE(isClear(s(), "Check1(("));
}

TEST_F(Quiz, TargetsHoldLabelsByIdentity) {
    open("Quiz");
    EXPECT_FALSE(holdsLabel(s(), "Image4(0)", "Image3(0)")) << "an empty target holds no label";
    EXPECT_TRUE(sameLabel(s(), "Image4(0)", "Image4(1)")) << "two empty targets are equal";
    EXPECT_FALSE(holdsLabel(s(), "Image4(0)", "Image9")) << "not even the blank picture";
    drag("Image3", 1, "Image4", 0);
    EXPECT_TRUE(holdsLabel(s(), "Image4(0)", "Image3(1)"));
    EXPECT_FALSE(holdsLabel(s(), "Image4(0)", "Image3(2)")) << "same look, another label";
    EXPECT_FALSE(sameLabel(s(), "Image4(0)", "Image4(1)"));
    drag("Image3", 1, "Image4", 1);
    EXPECT_TRUE(sameLabel(s(), "Image4(0)", "Image4(1)"));
}

// --- DropLabel ---------------------------------------------------------------------------

TEST_F(Quiz, DroppingLabelsOntoTargets) {
    open("Quiz");
    const Rect label0 = rect("Image3", 0);
    drag("Image3", 0, "Image4", 0);
    EXPECT_EQ(pic("Image4", 0), pic("Image3", 0));
    EXPECT_EQ(rect("Image4", 0), (Rect{6000, 6000, 1200, 450})) << "the target takes the label's size";
    EXPECT_EQ(rect("Image3", 0), label0) << "the label stays where it is";
    EXPECT_TRUE(shown("Image3", 0));

    drag("Image3", 1, "Image4", 0);  // a filled target takes the new label
    EXPECT_EQ(pic("Image4", 0), pic("Image3", 1));
    EXPECT_EQ(rect("Image4", 0).width, 1800);

    drag("Image3", 1, "Image4", 2);  // one label on two targets
    EXPECT_EQ(pic("Image4", 2), pic("Image3", 1));
    EXPECT_EQ(pic("Image4", 0), pic("Image3", 1));
    EXPECT_FALSE(pic("Image3", 1).empty());

    // Releases elsewhere drop nothing: a label, the background, outside the window.
    const std::string before = snapshot();
    drag("Image3", 0, "Image3", 2);
    dragTo("Image3", 0, 13000, 2000);
    auto [lx, ly] = test::centre(s(), "Image3", 0);
    nav.pointerPress(lx, ly);
    nav.pointerReleaseOutside();
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(shown("Image7", 0)) << "a drop shows no verdict";
    EXPECT_FALSE(shown("Image7", 1));
}

TEST_F(Quiz, DropOfAnythingButALabelChangesNothing) {
    open("Quiz");
    drag("Image3", 0, "Image4", 1);
    const std::string before = snapshot();
    DropLabel drops{"Image4"};
    for (ControlId source : {-1, 9999, id("Check1"), id("Text1"), id("flash1"), id("Image7", 0), id("Image1", 2)})
        drops.drop(s(), 1, source);
    drops.drop(s(), 7, id("Image3", 1));       // no such target
    drops.drop(s(), kNoIndex, id("Image3", 1));
    DropLabel{"Image20"}.drop(s(), 0, id("Image3", 1));  // not an array of this screen
    EXPECT_EQ(snapshot(), before);
}

TEST_F(Quiz, DraggableTargetsCopyAndEmptyEachOther) {
    open("QuizSort");
    drag("Image3", 0, "Image4", 0);
    drag("Image4", 0, "Image4", 1);  // a filled target onto an empty one copies the label
    EXPECT_TRUE(holdsLabel(s(), "Image4(1)", "Image3(0)"));
    EXPECT_TRUE(holdsLabel(s(), "Image4(0)", "Image3(0)")) << "the dragged target keeps its label";
    EXPECT_EQ(rect("Image4", 1).width, 1200);

    drag("Image3", 1, "Image4", 2);
    drag("Image4", 2, "Image4", 0);  // a filled target onto a filled one replaces its label
    EXPECT_TRUE(holdsLabel(s(), "Image4(0)", "Image3(1)"));

    button(3);  // empties every target
    drag("Image3", 0, "Image4", 1);
    drag("Image4", 0, "Image4", 1);  // an empty target onto a filled one empties it
    EXPECT_TRUE(pic("Image4", 1).empty());
    EXPECT_FALSE(holdsLabel(s(), "Image4(1)", "Image3(0)"));
    EXPECT_EQ(rect("Image4", 1).width, 1200) << "an emptied target keeps the last label's size";

    drag("Image3", 0, "Image4", 2);
    const std::string before = snapshot();
    drag("Image4", 2, "Image4", 2);   // onto itself
    dragTo("Image4", 2, 13000, 2000);  // onto the background
    EXPECT_EQ(snapshot(), before);

    // Another draggable array: its picture is taken like a label's; one without a picture empties.
    drag("Image6", 0, "Image4", 2);
    EXPECT_EQ(pic("Image4", 2), pic("Image6", 0));
    drag("Image6", 1, "Image4", 2);
    EXPECT_TRUE(pic("Image4", 2).empty());
    // And a target dropped onto a label or onto that array changes neither.
    const std::string after = snapshot();
    drag("Image4", 0, "Image3", 0);
    drag("Image4", 0, "Image6", 0);
    EXPECT_EQ(snapshot(), after);
}

// --- The reset convention ------------------------------------------------------------------

TEST_F(Quiz, ResetFromRightReturnsToUnanswered) {
    open("Quiz");
    answer(true);
    drag("Image3", 1, "Image4", 2);
    button(6);  // an animation playing
    button(2);
    ASSERT_TRUE(shown("Image7", 0));
    ASSERT_TRUE(forwardOpen());
    const std::vector<std::string> moviesBefore = movieCalls();
    const PictureRef label1 = pic("Image3", 1);

    button(3);
    EXPECT_EQ(s().state(id("Check1")).value, 0);
    EXPECT_EQ(s().state(id("Check2")).value, 0);
    EXPECT_EQ(s().state(id("Text1")).text, "");
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(pic("Image4", i).empty()) << i;
        EXPECT_TRUE(sameLabel(s(), "Image4(0)", "Image4(" + std::to_string(i) + ")"));
    }
    EXPECT_EQ(rect("Image4", 0).width, 1200) << "emptied targets keep the size of their last label";
    EXPECT_EQ(rect("Image4", 2).width, 1800);
    for (const char* m : {"Image5", "Image6", "Image10", "Image8", "Image12", "Image11"}) EXPECT_FALSE(shown(m)) << m;
    EXPECT_FALSE(shown("Image7", 0));
    EXPECT_FALSE(shown("Image7", 1));
    EXPECT_TRUE(shown("Image20"));
    EXPECT_FALSE(forwardOpen());
    // Labels and the animation are not touched.
    EXPECT_EQ(pic("Image3", 1), label1);
    EXPECT_TRUE(shown("Image3", 1));
    EXPECT_EQ(s().state(id("flash1")).movie, "/opt/nizam/situa1.swf");
    EXPECT_EQ(movieCalls(), moviesBefore);

    button(2);  // the emptied page is simply wrong
    EXPECT_TRUE(shown("Image7", 1));
    EXPECT_TRUE(shown("Image6") && shown("Image8") && shown("Image11"));
}

TEST_F(Quiz, ResetHelpersSkipNamesThePageLacks) {
    open("Quiz");
    tick("Check1", true);
    type("x");
    clearChecks(s(), {"Check1", "Check7", "Check1(3)", "bad name("});  // unknown names are skipped
    clearTexts(s(), {"Text1", "Text4"});
    EXPECT_EQ(s().state(id("Check1")).value, 0);
    EXPECT_EQ(s().state(id("Text1")).text, "");
    s().hide("Image20");
    AnswerFeedback{.questionMark = std::nullopt, .policy = QuestionMarkPolicy::TwoWay}.reset(s());
    EXPECT_FALSE(shown("Image20")) << "a feedback without question mark leaves the figure alone";
    AnswerFeedback{.policy = QuestionMarkPolicy::None}.reset(s());
    EXPECT_FALSE(shown("Image20")) << "so does the policy none";
    AnswerFeedback{}.reset(s());
    EXPECT_TRUE(shown("Image20"));
}

// --- Print, calculator and animation -------------------------------------------------------

TEST_F(Quiz, PrintButtonLeavesThePageAsItWas) {
    open("Quiz");
    answer(true);
    button(2);
    auto [px, py] = test::centre(s(), "Image1", 5);
    nav.pointerMove(px, py);
    ASSERT_TRUE(shown("Image2", 5)) << "the printer button has its highlight";
    const std::string before = snapshot();
    const long changes = host.changes;
    nav.pointerPress(px, py);
    nav.pointerRelease(px, py);
    nav.pointerPress(px, py);
    nav.pointerRelease(px, py);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(host.changes, changes) << "nothing was redrawn";
    EXPECT_TRUE(host.programs.empty());
    EXPECT_TRUE(movieCalls().empty());
    EXPECT_EQ(s().name(), "Quiz");
}

TEST_F(Quiz, CalculatorStartsOncePerClickMaximised) {
    open("Quiz");
    answer(false);
    button(2);
    auto [cx, cy] = test::centre(s(), "Image1", 7);
    nav.pointerMove(cx, cy);
    const std::string before = snapshot();
    for (int n = 1; n <= 3; ++n) {
        nav.pointerPress(cx, cy);
        nav.pointerRelease(cx, cy);
        ASSERT_EQ(host.programs.size(), static_cast<std::size_t>(n));
        EXPECT_EQ(host.programs.back().path, "/opt/nizam/calc");
        EXPECT_EQ(host.programs.back().windowStyle, 3);
    }
    EXPECT_EQ(snapshot(), before) << "the page does not change";
    button(5);
    button(6);
    EXPECT_EQ(host.programs.size(), 3u) << "no other button starts it";

    host.folder = "/srv/lessons/";
    startCalculator(nav);
    EXPECT_EQ(host.programs.back().path, "/srv/lessons/calc");
}

TEST_F(Quiz, AnimationIsSetRewoundAndPlayed) {
    open("Quiz");
    button(6);
    const std::vector<std::string> once = {"flash1 movie /opt/nizam/situa1.swf", "flash1 rewind", "flash1 play"};
    EXPECT_EQ(movieCalls(), once);
    EXPECT_EQ(s().state(id("flash1")).movie, "/opt/nizam/situa1.swf");
    button(6);  // again: the same file from its first frame
    std::vector<std::string> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(movieCalls(), twice);
    EXPECT_TRUE(shown("flash1")) << "playing does not change the player's visibility";

    // A name written with the designs' leading backslash gives the same path.
    host.playerCalls.clear();
    playAnimation(s(), nav, "flash1", "\\situa1.swf");
    EXPECT_EQ(movieCalls(), once);
    // A control that is not a player plays nothing.
    host.playerCalls.clear();
    playAnimation(s(), nav, "Image20", "situa1.swf");
    EXPECT_TRUE(movieCalls().empty());
}

}  // namespace
}  // namespace nizam
