// SPDX-License-Identifier: GPL-3.0-or-later
// The quit question drawn inside the window, over the page: a panel in the
// course's own style (the white tile with the blue rim of the toolbar's
// highlights, the red of the close word for the button that leaves), its
// words right to left, drawn with vectors and text at the window's scale so
// it stays sharp at every size. The course owns the question; this widget
// only draws what Course::quitQuestion says, at the places QuitQuestion
// gives, and while it is up it covers the whole window, so the page's own
// controls under it get no pointer and no key. Its pointer and key events
// go to the course through the window's input forwarding.
#pragma once

#include <QWidget>

#include "runtime/course.h"

namespace nizam::platform {

class PageCanvas;
class PageInput;

class QuitPanel : public QWidget {
public:
    QuitPanel(QWidget& window, const PageCanvas& canvas, PageInput& input);

    // Shows, redraws or hides the panel as the course's question stands, and
    // takes the keyboard while it is up.
    void sync(const Course* course);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool focusNextPrevChild(bool) override { return false; }  // Tab is the question's own

private:
    const PageCanvas& canvas_;
    PageInput& input_;
    const Course* course_ = nullptr;
};

}  // namespace nizam::platform
