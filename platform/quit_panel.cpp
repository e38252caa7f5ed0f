// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/quit_panel.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTextOption>

#include "platform/kit_drawing.h"
#include "platform/page_canvas.h"
#include "platform/page_input.h"
#include "runtime/quit_question.h"

namespace nizam::platform {

namespace {

using namespace kit;

// Beside the kit's colours, the close word's pale ground, red rim and red ink.
const QColor kCloseTop(0xff, 0xf8, 0xe6), kCloseBottom(0xf6, 0xe4, 0xb6), kCloseRim(0xc0, 0x39, 0x2b),
    kCloseInk(0xc0, 0x22, 0x1a);

void words(QPainter& p, const QRectF& r, std::string_view text, const QFont& font, const QColor& ink) {
    QTextOption o(Qt::AlignCenter);
    o.setTextDirection(Qt::RightToLeft);
    o.setWrapMode(QTextOption::WordWrap);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(r, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), o);
}

}  // namespace

QuitPanel::QuitPanel(QWidget& window, const PageCanvas& canvas, PageInput& input)
    : QWidget(&window), canvas_(canvas), input_(input) {
    setFocusPolicy(Qt::StrongFocus);
    setLayoutDirection(Qt::RightToLeft);
    setMouseTracking(true);
    hide();
}

void QuitPanel::sync(const Course* course) {
    course_ = course;
    const bool asked = course && course->quitQuestion() && canvas_.screen();
    if (!asked) {
        if (isVisible()) hide();  // the window's input forwarding puts the page's focus back
        return;
    }
    setGeometry(parentWidget()->rect());
    if (!isVisible()) {
        show();
        raise();
    }
    raise();  // over native controls and players made since
    setFocus(Qt::OtherFocusReason);
    update();
}

void QuitPanel::paintEvent(QPaintEvent*) {
    const Screen* screen = canvas_.screen();
    const QuitQuestion* q = course_ ? course_->quitQuestion() : nullptr;
    if (!screen || !q) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double s = canvas_.scale();
    // The page stays in sight, dimmed: it is there, as it was, but not in play.
    p.fillRect(rect(), QColor(kInk.red(), kInk.green(), kInk.blue(), 96));

    const Twips cw = screen->def().clientWidth, ch = screen->def().clientHeight;
    const QRectF panel = canvas_.toWindow(QuitQuestion::panel(cw, ch));
    tile(p, panel, 10 * s, kTileTop, kTileBottom, kRim, std::max(1.0, 2 * s));
    // A strip of the toolbar's colour under the question's words.
    const QRectF leaveRect = canvas_.toWindow(QuitQuestion::button(QuitButton::Leave, cw, ch));
    const QRectF text(panel.left() + 20 * s, panel.top() + 14 * s, panel.width() - 40 * s,
                      leaveRect.top() - panel.top() - 26 * s);
    p.setPen(Qt::NoPen);
    p.setBrush(kStrip);
    p.drawRoundedRect(text.adjusted(-8 * s, -4 * s, 8 * s, 4 * s), 6 * s, 6 * s);
    words(p, text, QuitQuestion::kQuestion, kufi(16 * s), kInk);

    for (QuitButton b : {QuitButton::Leave, QuitButton::Stay}) {
        const QRectF r = canvas_.toWindow(QuitQuestion::button(b, cw, ch));
        const bool leave = b == QuitButton::Leave;
        const bool focused = q->focus == b;
        const bool down = q->pressed == b;
        tile(p, r, 6 * s, down ? (leave ? kCloseBottom : kTileBottom) : (leave ? kCloseTop : kTileTop),
             leave ? kCloseBottom : kTileBottom, leave ? kCloseRim : kRim, std::max(1.0, (focused ? 3 : 1.5) * s));
        if (focused) {  // the keyboard's button: a dotted ring inside its rim
            QPen ring(leave ? kCloseRim : kInk, std::max(1.0, s), Qt::DotLine);
            p.setPen(ring);
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(r.adjusted(5 * s, 5 * s, -5 * s, -5 * s), 4 * s, 4 * s);
        }
        words(p, r, QuitQuestion::caption(b), kufi(14 * s), leave ? kCloseInk : kInk);
    }
}

void QuitPanel::mousePressEvent(QMouseEvent* e) { input_.press(*e); }
void QuitPanel::mouseDoubleClickEvent(QMouseEvent* e) { input_.doubleClick(*e); }
void QuitPanel::mouseReleaseEvent(QMouseEvent* e) { input_.release(*e, rect().contains(e->position().toPoint())); }
void QuitPanel::mouseMoveEvent(QMouseEvent* e) { input_.move(e->position()); }

void QuitPanel::keyPressEvent(QKeyEvent* e) {
    input_.key(*e);  // every key stops here: the page under the question takes none
}

}  // namespace nizam::platform
