// SPDX-License-Identifier: GPL-3.0-or-later
// Input forwarding: the window's pointer and keyboard events, and those that
// reach its native controls, turned into the course's input entry points at
// twips of the page. The keys the window itself answers (F11, Tab and
// Shift+Tab, Space and Enter on a drawn control, Escape and the arrows while
// a label is carried, and every key while the course asks whether to quit)
// are handled here once, wherever the focus is.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <functional>

#include "runtime/course.h"

class QKeyEvent;
class QMouseEvent;

namespace nizam::platform {

class NativeControls;
class PageCanvas;

class PageInput : public QObject {
public:
    // `toggleFullScreen` answers F11; `pointerMoved` is told after each move
    // (the drag outline follows the pointer).
    PageInput(const PageCanvas& canvas, NativeControls& natives, std::function<void()> toggleFullScreen,
              std::function<void()> pointerMoved);

    void attach(Course* course) { course_ = course; }
    Course* course() const { return course_; }
    // Twips of the last pointer position on the page.
    QPoint pointer() const { return pointer_; }

    // The window's own events. `inside`: the release happened over the window.
    void press(const QMouseEvent& e);
    void doubleClick(const QMouseEvent& e);
    void release(const QMouseEvent& e, bool inside);
    void move(QPointF windowPos);
    // A key pressed in the window or one of its controls. Returns true when
    // it was answered here and goes no further.
    bool key(const QKeyEvent& e);
    // The window was closed by the platform's own means (not by the course
    // ending). Returns false when the window must stay open: the course asks
    // before losing the pupil's answers.
    bool closed();

protected:
    // The native controls' events: pointer moves still reach the course (the
    // pointer shape and hover follow them), presses may be refused, keys go
    // through key(), and focus moves are told.
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    const PageCanvas& canvas_;
    NativeControls& natives_;
    std::function<void()> toggleFullScreen_;
    std::function<void()> pointerMoved_;
    Course* course_ = nullptr;
    QPoint pointer_;
};

}  // namespace nizam::platform
