// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/exercise.h"

#include <array>
#include <string>

#include "runtime/diagnostics.h"

namespace nizam {

namespace {

// A control named as a page's code names it: "Check1" or "Image4(2)". A
// malformed name is a mistake in the page's code: it is reported and reads
// as a control the screen does not have.
std::optional<ControlId> lookup(const Screen& screen, std::string_view displayName) {
    auto parsed = parseControlName(displayName);
    if (!parsed) {
        diagnostics::tellOnce({}, screen.name() + ": malformed control name \"" + std::string(displayName) + "\"");
        return std::nullopt;
    }
    return screen.find(parsed->name, parsed->index);
}

void setShown(Screen& screen, const ControlName& c, bool shown) {
    if (auto id = screen.find(c.name, c.index)) screen.setVisible(*id, shown);
}

bool isShown(const Screen& screen, const ControlName& c) { return screen.visible(c.name, c.index); }

}  // namespace

// --- AnswerFeedback ---------------------------------------------------------------

void AnswerFeedback::attach(ScreenLogic& logic) const {
    const AnswerFeedback feedback = *this;
    logic.onLoad([feedback](Ctx& ctx) { feedback.hideVerdicts(ctx.screen); });
    for (const VerdictPair& p : parts) {
        logic.uses(p.excellent);
        logic.uses(p.tryAgain);
    }
    if (hasQuestionMark()) logic.uses(*questionMark);
}

void AnswerFeedback::hideVerdicts(Screen& screen) const {
    for (const VerdictPair& p : parts) {
        setShown(screen, p.excellent, false);
        setShown(screen, p.tryAgain, false);
    }
}

void AnswerFeedback::verdict(Screen& screen, int part, bool correct) const {
    if (part < 0 || part >= static_cast<int>(parts.size())) {
        diagnostics::tellOnce({}, screen.name() + ": no verdict part " + std::to_string(part));
        return;
    }
    const VerdictPair& p = parts[static_cast<std::size_t>(part)];
    setShown(screen, p.excellent, correct);
    setShown(screen, p.tryAgain, !correct);

    if (!hasQuestionMark()) return;
    switch (policy) {
        case QuestionMarkPolicy::TwoWay:
            setShown(screen, *questionMark, !correct);
            break;
        case QuestionMarkPolicy::ClearOnCorrect:
            if (correct) setShown(screen, *questionMark, false);
            break;
        case QuestionMarkPolicy::AllParts:
            setShown(screen, *questionMark, !allExcellent(screen));
            break;
        case QuestionMarkPolicy::None:
            break;
    }
}

void AnswerFeedback::reset(Screen& screen) const {
    // The question mark first, then the figures: the order of the pages' own resets.
    if (hasQuestionMark()) setShown(screen, *questionMark, true);
    hideVerdicts(screen);
}

bool AnswerFeedback::allExcellent(const Screen& screen) const {
    for (const VerdictPair& p : parts) {
        if (!isShown(screen, p.excellent)) return false;
    }
    return !parts.empty();
}

bool AnswerFeedback::questionMarkShown(const Screen& screen) const {
    return hasQuestionMark() && isShown(screen, *questionMark);
}

// --- GroupMarks ---------------------------------------------------------------------

GroupMarks GroupMarks::standard(int groups) {
    static const std::array<MarkPair, 5> kPairs = {{
        {{"Image5", std::nullopt}, {"Image6", std::nullopt}},
        {{"Image10", std::nullopt}, {"Image8", std::nullopt}},
        {{"Image12", std::nullopt}, {"Image11", std::nullopt}},
        {{"Image13", std::nullopt}, {"Image14", std::nullopt}},
        {{"Image17", std::nullopt}, {"Image16", std::nullopt}},
    }};
    if (groups < 0 || groups > static_cast<int>(kPairs.size())) {
        diagnostics::tellOnce({}, "the standard mark pairs cover groups 1 to " + std::to_string(kPairs.size()) +
                                      ", not " + std::to_string(groups));
        groups = groups < 0 ? 0 : static_cast<int>(kPairs.size());
    }
    GroupMarks marks;
    marks.pairs.assign(kPairs.begin(), kPairs.begin() + groups);
    return marks;
}

void GroupMarks::attach(ScreenLogic& logic) const {
    const GroupMarks marks = *this;
    logic.onLoad([marks](Ctx& ctx) { marks.hideAll(ctx.screen); });
    for (const MarkPair& p : pairs) {
        logic.uses(p.tick);
        logic.uses(p.cross);
    }
}

void GroupMarks::hideAll(Screen& screen) const {
    for (const MarkPair& p : pairs) {
        setShown(screen, p.tick, false);
        setShown(screen, p.cross, false);
    }
}

const MarkPair* GroupMarks::pair(const Screen& screen, int group) const {
    if (group < 1 || group > groups()) {
        diagnostics::tellOnce({}, screen.name() + ": no mark group " + std::to_string(group));
        return nullptr;
    }
    return &pairs[static_cast<std::size_t>(group - 1)];
}

void GroupMarks::show(Screen& screen, int group, bool holds) const {
    const MarkPair* p = pair(screen, group);
    if (!p) return;
    setShown(screen, p->tick, holds);
    setShown(screen, p->cross, !holds);
}

bool GroupMarks::ticked(const Screen& screen, int group) const {
    const MarkPair* p = pair(screen, group);
    return p && isShown(screen, p->tick);
}

bool GroupMarks::allTicked(const Screen& screen) const {
    for (const MarkPair& p : pairs) {
        if (!isShown(screen, p.tick)) return false;
    }
    return !pairs.empty();
}

// --- DropLabel -----------------------------------------------------------------------

void DropLabel::attach(ScreenLogic& logic) const {
    const DropLabel drops = *this;
    // Every element of the target array takes a label.
    logic.onDragDrop(targets, Elements::whole(), [drops](Ctx& ctx, Index index, ControlId source) {
        drops.drop(ctx.screen, index, source);
    });
}

void DropLabel::drop(Screen& screen, Index index, ControlId source) const {
    if (source < 0 || source >= screen.controlCount()) return;
    const ControlDef& from = screen.control(source);
    // Only an image with DragMode 1 can be dragged; anything else has no label to give.
    if (from.kind != Kind::Image || from.dragMode != 1) return;
    auto target = screen.findQuiet(targets, index == kNoIndex ? std::nullopt : std::optional<int>(index));
    if (!target || screen.control(*target).kind != Kind::Image) return;
    // Copy before assigning: the source may be the target itself.
    const PictureRef label = screen.state(source).picture;
    screen.setPicture(*target, label);
}

// --- The reset convention -------------------------------------------------------------

void clearChecks(Screen& screen, std::initializer_list<std::string_view> checkBoxes) {
    for (std::string_view name : checkBoxes) {
        if (auto id = lookup(screen, name)) screen.setValue(*id, 0);
    }
}

void clearChecks(Screen& screen, std::string_view array, int first, int last) {
    for (int i = first; i <= last; ++i) screen.clearValue(array, i);
}

void clearTexts(Screen& screen, std::initializer_list<std::string_view> textBoxes) {
    for (std::string_view name : textBoxes) {
        if (auto id = lookup(screen, name)) screen.setText(*id, std::string());
    }
}

void emptyTargets(Screen& screen, std::string_view targets, int first, int last, std::string_view blank) {
    const PictureRef empty = screen.picture(blank);
    for (int i = first; i <= last; ++i) screen.setPicture(targets, i, empty);
}

// --- Comparing answers -------------------------------------------------------------------

bool ticked(const Screen& screen, std::string_view checkBox) {
    auto id = lookup(screen, checkBox);
    return id && screen.state(*id).value == 1;
}

bool isClear(const Screen& screen, std::string_view checkBox) {
    auto id = lookup(screen, checkBox);
    return id && screen.state(*id).value == 0;
}

namespace {
TypedObserver& typedObserver() {
    static TypedObserver observer;
    return observer;
}
}  // namespace

void observeTyped(TypedObserver observer) { typedObserver() = std::move(observer); }

bool typedRight(const Screen& screen, std::string_view textBox, const TypedKey& key) {
    auto id = lookup(screen, textBox);
    if (!id || screen.control(*id).kind != Kind::TextBox) return false;
    if (typedObserver()) typedObserver()(screen, textBox, key);
    return judgeTyped(screen.state(*id).text, key);
}

namespace {
bool holds(const Screen& screen, std::optional<ControlId> target, std::optional<ControlId> label) {
    if (!target || !label) return false;
    const PictureRef& held = screen.state(*target).picture;
    return !held.empty() && held == screen.state(*label).picture;
}
}  // namespace

bool holdsLabel(const Screen& screen, std::string_view target, std::string_view label) {
    return holds(screen, lookup(screen, target), lookup(screen, label));
}

bool holdsLabel(const Screen& screen, std::string_view targets, int target, std::string_view labels, int label) {
    return holds(screen, screen.find(targets, target), screen.find(labels, label));
}

bool sameLabel(const Screen& screen, std::string_view targetA, std::string_view targetB) {
    auto a = lookup(screen, targetA);
    auto b = lookup(screen, targetB);
    return a && b && screen.state(*a).picture == screen.state(*b).picture;
}

}  // namespace nizam
