// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/page_input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "platform/native_controls.h"
#include "platform/page_canvas.h"

namespace nizam::platform {

PageInput::PageInput(const PageCanvas& canvas, NativeControls& natives, std::function<void()> toggleFullScreen,
                     std::function<void()> pointerMoved)
    : canvas_(canvas),
      natives_(natives),
      toggleFullScreen_(std::move(toggleFullScreen)),
      pointerMoved_(std::move(pointerMoved)) {}

void PageInput::press(const QMouseEvent& e) {
    if (e.button() != Qt::LeftButton || !course_) return;
    pointer_ = canvas_.toTwips(e.position());
    course_->pointerPress(pointer_.x(), pointer_.y());
}

void PageInput::doubleClick(const QMouseEvent& e) {
    if (e.button() != Qt::LeftButton || !course_) return;
    pointer_ = canvas_.toTwips(e.position());
    course_->pointerDoubleClick(pointer_.x(), pointer_.y());
}

void PageInput::release(const QMouseEvent& e, bool inside) {
    if (e.button() != Qt::LeftButton || !course_) return;
    pointer_ = canvas_.toTwips(e.position());
    if (!inside)
        course_->pointerReleaseOutside();  // a release outside the window drops nothing
    else
        course_->pointerRelease(pointer_.x(), pointer_.y());
}

void PageInput::move(QPointF windowPos) {
    pointer_ = canvas_.toTwips(windowPos);
    if (course_) course_->pointerMove(pointer_.x(), pointer_.y());
    if (pointerMoved_) pointerMoved_();
}

bool PageInput::key(const QKeyEvent& e) {
    if (e.key() == Qt::Key_F4 && (e.modifiers() & Qt::AltModifier)) {
        // Alt+F4 where no window manager takes it: the window closed, as by its frame.
        closed();
        return true;
    }
    if (e.key() != Qt::Key_F11 && course_ && course_->quitQuestion()) {
        // The quit question takes every key: its two buttons are gone through
        // with Tab, pressed with Space or Enter, and Escape answers "stay".
        switch (e.key()) {
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
                course_->keyTab();  // two buttons: either way is the other one
                break;
            case Qt::Key_Space:
                course_->keySpace();
                break;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                course_->keyEnter();
                break;
            case Qt::Key_Escape:
                course_->keyEscape();
                break;
            default:
                break;
        }
        return true;
    }
    switch (e.key()) {
        case Qt::Key_F11:  // full screen, or back, whatever has the focus
            if (toggleFullScreen_) toggleFullScreen_();
            return true;
        case Qt::Key_Escape:  // puts a carried label back, or ends a drag where it is
            if (!course_ || !course_->dragging()) return false;
            natives_.keyboardUsed();
            course_->keyEscape();
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            // The course's own order over every control a pupil acts on,
            // drawn or native; from now on the focus is drawn.
            if (!course_ || !course_->current() || (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
                return false;
            natives_.keyboardUsed();
            if (e.key() == Qt::Key_Backtab || (e.modifiers() & Qt::ShiftModifier))
                course_->keyBacktab();
            else
                course_->keyTab();
            return true;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            if (!course_ || !course_->current() || e.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
            const bool space = e.key() == Qt::Key_Space;
            if (!course_->carried()) {
                // A text box with the focus types its space and keeps its
                // Enter; a check box ticks itself on Space, as it always has.
                if (const auto id = natives_.idOf(QApplication::focusWidget())) {
                    const Kind kind = course_->current()->control(*id).kind;
                    if (kind == Kind::TextBox) return false;
                    natives_.keyboardUsed();
                    if (space && kind == Kind::CheckBox) return false;
                }
            }
            natives_.keyboardUsed();
            if (space)
                course_->keySpace();
            else
                course_->keyEnter();
            return true;
        }
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down: {
            // They move a carried label; otherwise they are the focused
            // control's own (the caret in a text box).
            if (!course_ || !course_->carried()) return false;
            natives_.keyboardUsed();
            const keys::Direction d = e.key() == Qt::Key_Left    ? keys::Direction::Left
                                      : e.key() == Qt::Key_Right ? keys::Direction::Right
                                      : e.key() == Qt::Key_Up    ? keys::Direction::Up
                                                                 : keys::Direction::Down;
            course_->keyArrow(d);
            return true;
        }
        default:  // typing is the focused control's own
            return false;
    }
}

bool PageInput::closed() {
    if (course_ && course_->current()) course_->windowClosed();  // closing the window acts as Quit
    // The course may ask first, its page still loaded: the window stays.
    return !course_ || !course_->current();
}

bool PageInput::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
        case QEvent::MouseMove: {
            auto* w = static_cast<QWidget*>(watched);
            auto* me = static_cast<QMouseEvent*>(e);
            move(w->mapTo(w->window(), me->position()));
            return false;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            // The second press of a double-click whose first click led to this
            // page must not tick the box or select in the text box under it.
            if (static_cast<QMouseEvent*>(e)->button() != Qt::LeftButton || !course_) return false;
            return !course_->nativePress(e->type() == QEvent::MouseButtonDblClick);
        case QEvent::KeyPress:
            return course_ && key(*static_cast<QKeyEvent*>(e));
        case QEvent::InputMethod:  // typing goes nowhere while the quit question is asked
            return course_ && course_->quitQuestion();
        case QEvent::FocusIn:
            if (!course_) return false;
            if (const auto id = natives_.idOf(watched)) course_->userSetFocus(*id);
            return false;
        default:
            return false;
    }
}

}  // namespace nizam::platform
