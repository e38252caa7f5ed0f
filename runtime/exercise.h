// SPDX-License-Identifier: GPL-3.0-or-later
// Exercise mechanics shared by every exercise page.
//
// A page is answered with check boxes, text boxes and labels dragged onto the
// frames of a diagram. Its check button judges every answer at once and shows
// a verdict figure (excellent or try again) for each part of the page, with a
// tick or a cross beside each answer group on the larger pages. A
// question-mark figure lies over the page's forward button until the answers
// are right, so the pupil can only go on after a right check. The reset
// button puts every answer area, mark and figure back as the page opened.
//
// A page names these behaviours with its own controls, as it names
// HoverHighlight, and keeps its answer key to itself:
//
//   const AnswerFeedback kFeedback{};            // Image7(0)/Image7(1), Image20, two-way
//   const GroupMarks kMarks = GroupMarks::standard(3);
//   kFeedback.attach(logic);                      // Load: verdict figures hidden
//   kMarks.attach(logic);                         // Load: ticks and crosses hidden
//   DropLabel{"Image4"}.attach(logic);            // labels dropped onto Image4(i)
//
// Names of controls are written as a page's code writes them: "Check1",
// "Image4(2)". A condition on a control the screen does not have never
// holds (so an answer that depends on it is judged wrong), writes to it are
// ignored, and the name is reported once through the diagnostics, which
// shows a mistake in a page's code at its first use. Each behaviour records
// the controls it addresses with its bindings, so the screen's design is
// checked against them before any is used.
#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/answer.h"
#include "runtime/logic.h"

namespace nizam {

// What the question-mark figure does after a check.
enum class QuestionMarkPolicy {
    TwoWay,          // a right check hides it, a wrong one shows it again
    ClearOnCorrect,  // a right check hides it, a wrong one leaves it as it is
    AllParts,        // hidden exactly while every part's excellent figure is visible
    None,            // the page has no question-mark figure
};

// One part of a page: its excellent figure and its try-again figure, which
// lie at the same place so that only one of them is ever seen.
struct VerdictPair {
    ControlName excellent;
    ControlName tryAgain;
};

// The verdict figures and the question-mark figure of a page.
struct AnswerFeedback {
    std::vector<VerdictPair> parts{{{"Image7", 0}, {"Image7", 1}}};
    std::optional<ControlName> questionMark = ControlName{"Image20", std::nullopt};
    QuestionMarkPolicy policy = QuestionMarkPolicy::TwoWay;

    // Adds the Load action: every verdict figure hidden. The question-mark
    // figure keeps its design state, visible, so the forward button is covered.
    void attach(ScreenLogic& logic) const;
    void hideVerdicts(Screen& screen) const;

    // The verdict of one part (0 for the first pair): the excellent figure if
    // `correct`, the try-again figure otherwise. Then the page's question-mark
    // policy is applied.
    void verdict(Screen& screen, int part, bool correct) const;
    // The verdict of a page with a single part.
    void check(Screen& screen, bool correct) const { verdict(screen, 0, correct); }

    // Back to the unanswered state: the question-mark figure shown, every
    // verdict figure hidden. A page without question mark only hides its figures.
    void reset(Screen& screen) const;

    // True while every part shows its excellent figure.
    bool allExcellent(const Screen& screen) const;
    // True while the question-mark figure is shown (false for a page without one).
    bool questionMarkShown(const Screen& screen) const;

private:
    bool hasQuestionMark() const { return policy != QuestionMarkPolicy::None && questionMark.has_value(); }
};

// A tick and a cross beside one answer group.
struct MarkPair {
    ControlName tick;
    ControlName cross;
};

// The tick and cross marks of a page's answer groups, group 1 first.
struct GroupMarks {
    std::vector<MarkPair> pairs;

    // Groups 1..n with the controls every page uses: (Image5, Image6),
    // (Image10, Image8), (Image12, Image11), (Image13, Image14), (Image17, Image16).
    static GroupMarks standard(int groups);

    // Adds the Load action: every tick and cross hidden.
    void attach(ScreenLogic& logic) const;
    // Hides every tick and cross (the Load state and the reset).
    void hideAll(Screen& screen) const;

    // The mark of group `group` (1-based): the tick if the group's condition
    // holds, the cross otherwise.
    void show(Screen& screen, int group, bool holds) const;

    // Reads back the marks: true when the tick of the group is visible.
    bool ticked(const Screen& screen, int group) const;
    // True when the tick of every group is visible: the page is right.
    bool allTicked(const Screen& screen) const;

    int groups() const { return static_cast<int>(pairs.size()); }

private:
    const MarkPair* pair(const Screen& screen, int group) const;
};

// Dragging a label onto a frame. The drop target array's DragDrop gives
// target i the dragged control's picture: the same picture object, so the
// answer check can tell which label lies there. Where the targets are
// draggable themselves, dragging a filled target onto another copies its
// label and dragging an empty one onto a filled one empties it: that is the
// same rule, since an empty target's picture is the empty picture.
struct DropLabel {
    std::string targets = "Image4";

    void attach(ScreenLogic& logic) const;
    // Target `index` of the array takes the picture of `source`. A source that
    // is not a draggable image (which no drag can deliver) changes nothing.
    void drop(Screen& screen, Index index, ControlId source) const;
};

// --- The reset convention ----------------------------------------------------
// A page's reset calls these in the order its design gives.

// Every check box named ("Check1", "Check3(2)") set to clear.
void clearChecks(Screen& screen, std::initializer_list<std::string_view> checkBoxes);
// Every element first..last of a check box array set to clear.
void clearChecks(Screen& screen, std::string_view array, int first, int last);
// Every text box named set to the empty string.
void clearTexts(Screen& screen, std::initializer_list<std::string_view> textBoxes);
// Copies the blank picture into targets(first) .. targets(last): each target
// is empty again (and keeps the size of the last label it held).
void emptyTargets(Screen& screen, std::string_view targets, int first, int last,
                  std::string_view blank = "Image9");

// --- Comparing answers -----------------------------------------------------------
// Each reads the answer areas as they are at the moment of the check and
// changes nothing.

// A check box is ticked when its Value is 1 and clear when it is 0.
bool ticked(const Screen& screen, std::string_view checkBox);
bool isClear(const Screen& screen, std::string_view checkBox);

// The text box's Text answers its key, judged by judgeTyped (runtime/answer.h):
// spaces around or doubled, tatweels, the digits of an Arabic keyboard and a
// decimal comma make no difference; another value or spelling does.
bool typedRight(const Screen& screen, std::string_view textBox, const TypedKey& key);

// True when every part holds. Unlike &&, every part is evaluated, so that a
// check judges each of its text boxes whatever the others hold.
inline bool allOf(std::initializer_list<bool> parts) {
    for (bool p : parts)
        if (!p) return false;
    return true;
}

// Told of every text box a page judges, with its key (the tests walk every
// page's keys with it). One observer at a time; an empty one stops.
using TypedObserver = std::function<void(const Screen& screen, std::string_view textBox, const TypedKey& key)>;
void observeTyped(TypedObserver observer);

// A target holds a label when it holds that label's very picture object;
// an empty target holds no label. Two labels that look alike are different answers.
bool holdsLabel(const Screen& screen, std::string_view target, std::string_view label);
bool holdsLabel(const Screen& screen, std::string_view targets, int target, std::string_view labels,
                int label);
// Two targets hold the same label, or are both empty.
bool sameLabel(const Screen& screen, std::string_view targetA, std::string_view targetB);

}  // namespace nizam
