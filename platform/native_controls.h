// SPDX-License-Identifier: GPL-3.0-or-later
// The native-controls adapter: the page's check boxes and text boxes are the
// platform's own widgets, laid over the page canvas. It makes them for a
// screen, keeps them in step with the screen's state, and passes what the
// pupil does with them to the course.
#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <optional>
#include <vector>

#include "runtime/course.h"
#include "runtime/screen.h"

namespace nizam::platform {

class PageCanvas;

// The course's blue, in which the control with the keyboard focus is ringed.
inline const QColor kFocusBlue(0x2f, 0x7d, 0xc4);

class NativeControls {
public:
    // The most characters an answer box takes, typed or pasted.
    static constexpr int kAnswerBoxMaxLength = 1000;

    // Widgets are made in `window`; each has `input` as its event filter.
    NativeControls(QWidget& window, QObject& input) : window_(window), input_(input) {}
    ~NativeControls() { clear(); }
    NativeControls(const NativeControls&) = delete;
    NativeControls& operator=(const NativeControls&) = delete;

    // Where the pupil's ticks and typing go.
    void attach(Course* course) { course_ = course; }

    // Makes the native controls of a screen, hidden ones too, in its tab
    // order; no focus is shown until the keyboard is used.
    void create(const Screen& screen);
    // Deletes them all.
    void clear();
    // Places them over the page at the canvas's scale, their fonts scaled with it.
    void layout(const PageCanvas& canvas);
    // Brings a control's widget up to the screen's state (visibility, value,
    // text, focus). Returns false when the control has no native widget.
    bool update(const Screen& screen, ControlId id);
    // Gives the keyboard focus to a control's widget, if it has one.
    void focus(ControlId id);

    // The widget of a control, or nullptr.
    QWidget* widget(ControlId id) const;
    // The control whose widget `object` is.
    std::optional<ControlId> idOf(const QObject* object) const;

    // The keyboard has moved the focus on this page: from now on it is drawn.
    // A ring on a box at load would point the pupil at an answer.
    void keyboardUsed();
    // Whether the focus is drawn on this page (the keyboard has been used).
    bool focusShown() const { return showFocus_; }

private:
    QWidget& window_;
    QObject& input_;
    Course* course_ = nullptr;
    std::vector<QPointer<QWidget>> widgets_;  // by control id; null for drawn controls
    bool showFocus_ = false;
};

}  // namespace nizam::platform
