// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/native_controls.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

#include "platform/fonts.h"
#include "platform/page_canvas.h"
#include "platform/text_filter.h"

namespace nizam::platform {

namespace {

// The focus ring of a native control: inside its own rectangle, 2 to 3
// pixels wide as the page is scaled, in the course's blue.
void paintRing(QWidget& w) {
    QPainter p(&w);
    p.setRenderHint(QPainter::Antialiasing);
    const double width = std::clamp(w.height() / 12.0, 2.0, 3.0);
    p.setPen(QPen(kFocusBlue, width));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(w.rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2), width, width);
}


// A check box whose whole rectangle toggles it, as a pupil expects (Qt's own
// box reacts only on its small indicator).
class AnswerCheck : public QCheckBox {
public:
    AnswerCheck(QWidget* parent, const bool& showFocus) : QCheckBox(parent), showFocus_(showFocus) {}
    QColor back = Qt::white;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

    // A clear square in the middle of the control's own background, with a
    // bold tick when checked, drawn at the page's scale.
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), back);
        const double side = std::max(9.0, std::min(width(), height()) * 0.66);
        const QRectF box((width() - side) / 2.0, (height() - side) / 2.0, side, side);
        const bool hot = underMouse() || isDown();
        p.setPen(QPen(hot ? QColor(0x2f, 0x7d, 0xc4) : QColor(0x4a, 0x5a, 0x6a), std::max(1.0, side / 12.0)));
        p.setBrush(isDown() ? QColor(0xe6, 0xf0, 0xfa) : QColor(Qt::white));
        p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), side / 8.0, side / 8.0);
        if (isChecked()) {
            QPen tick(QColor(0x1d, 0x35, 0x50), std::max(1.5, side / 7.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            p.setPen(tick);
            QPainterPath path;
            path.moveTo(box.left() + side * 0.22, box.top() + side * 0.52);
            path.lineTo(box.left() + side * 0.42, box.top() + side * 0.74);
            path.lineTo(box.left() + side * 0.80, box.top() + side * 0.28);
            p.drawPath(path);
        }
        p.end();
        if (hasFocus() && showFocus_) paintRing(*this);
    }

private:
    const bool& showFocus_;  // the page's keyboard has been used: focus is drawn
};

// A single-line answer box. Its reading direction follows what it holds:
// right to left for an Arabic word, left to right for a number or a formula
// (=(B2*100)/(B2+B3) must not be mirrored), whatever the box's font.
class AnswerBox : public QLineEdit {
public:
    AnswerBox(QWidget* parent, const bool& showFocus) : QLineEdit(parent), showFocus_(showFocus) {
        QObject::connect(this, &QLineEdit::textChanged, this, [this](const QString& t) { followText(t); });
    }
    void followText(const QString& t) {
        const Qt::LayoutDirection d = t.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
        if (layoutDirection() != d) setLayoutDirection(d);
    }

protected:
    // The platform's own menu (undo, cut, copy, paste...), in the language
    // of the installed translations and right to left whatever the text in
    // the box reads (a number turns the box itself left to right).
    void contextMenuEvent(QContextMenuEvent* e) override {
        QMenu* menu = createStandardContextMenu();
        if (!menu) return;
        menu->setLayoutDirection(Qt::RightToLeft);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(e->globalPos());
    }

    // The caret shows where typing goes; the highlighted frame of focus only
    // once the keyboard has been used on the page, as for the check boxes.
    void initStyleOption(QStyleOptionFrame* option) const override {
        QLineEdit::initStyleOption(option);
        if (!showFocus_) option->state &= ~QStyle::State_HasFocus;
    }
    void paintEvent(QPaintEvent* e) override {
        QLineEdit::paintEvent(e);
        if (hasFocus() && showFocus_) paintRing(*this);
    }

private:
    const bool& showFocus_;
};

}  // namespace

void NativeControls::create(const Screen& screen) {
    clear();
    widgets_.assign(static_cast<std::size_t>(screen.controlCount()), nullptr);
    showFocus_ = false;  // a new page: no focus shown until the keyboard is used
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (ControlId id = 0; id < screen.controlCount(); ++id) {
        const ControlDef& c = screen.control(id);
        QWidget* native = nullptr;
        if (c.kind == Kind::CheckBox) {
            auto* box = new AnswerCheck(&window_, showFocus_);
            box->back = toQColor(c.backColor.value_or(kButtonFace));
            box->setAttribute(Qt::WA_Hover);
            box->setFocusPolicy(Qt::StrongFocus);
            QObject::connect(box, &QCheckBox::toggled, box, [this, id](bool on) {
                if (course_) course_->userSetValue(id, on ? 1 : 0);
            });
            native = box;
        } else if (c.kind == Kind::TextBox) {
            auto* edit = new AnswerBox(&window_, showFocus_);
            edit->setAlignment(c.alignment.value_or(0) == 2 ? Qt::AlignCenter
                                                             : (c.alignment.value_or(0) == 1 ? Qt::AlignRight : Qt::AlignLeft));
            QPalette pal = edit->palette();
            pal.setColor(QPalette::Text, toQColor(c.foreColor.value_or(kWindowText)));
            pal.setColor(QPalette::Base, Qt::white);
            edit->setPalette(pal);
            edit->setFocusPolicy(Qt::StrongFocus);
            // An answer is a word, a number or a short formula: a huge paste
            // is cut to this bound, so it is never normalised, copied into
            // the page's state or laid out at its full length.
            edit->setMaxLength(kAnswerBoxMaxLength);
            QObject::connect(edit, &QLineEdit::textEdited, edit, [this, id, edit](const QString& text) {
                const QString clean = normalizeTyped(text);
                if (clean != text) {
                    const int cursor = edit->cursorPosition() - static_cast<int>(text.size() - clean.size());
                    edit->setText(clean);
                    edit->setCursorPosition(std::max(0, cursor));
                }
                if (course_) course_->userSetText(id, clean.toStdString());
            });
            native = edit;
        }
        if (!native) continue;
        native->installEventFilter(&input_);
        native->setMouseTracking(true);
        native->setVisible(screen.state(id).visible);
        widgets_[static_cast<std::size_t>(id)] = native;
        tabOrder.emplace_back(c.tabIndex.value_or(1 << 20), native);
    }
    std::stable_sort(tabOrder.begin(), tabOrder.end(), [](auto& a, auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i) QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

void NativeControls::clear() {
    for (auto& w : widgets_) delete w.data();
    widgets_.clear();
}

void NativeControls::layout(const PageCanvas& canvas) {
    const Screen* screen = canvas.screen();
    if (!screen) return;
    const double s = canvas.scale();
    for (ControlId id = 0; id < static_cast<ControlId>(widgets_.size()); ++id) {
        QWidget* w = widgets_[static_cast<std::size_t>(id)];
        if (!w) continue;
        w->setGeometry(canvas.toWindow(screen->rect(id)).toRect());
        const ControlDef& c = screen->control(id);
        if (c.font) w->setFont(mappedFont(*c.font, s));
    }
}

bool NativeControls::update(const Screen& screen, ControlId id) {
    QWidget* n = widget(id);
    if (!n) return false;
    const ControlState& st = screen.state(id);
    if (n->isVisibleTo(&window_) != st.visible) n->setVisible(st.visible);
    if (auto* box = qobject_cast<QCheckBox*>(n); box && box->isChecked() != (st.value == 1)) {
        QSignalBlocker block(box);
        box->setChecked(st.value == 1);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(n); edit && edit->text().toStdString() != st.text) {
        QSignalBlocker block(edit);
        edit->setText(QString::fromStdString(st.text));
    }
    if (screen.focus() == id && !n->hasFocus() && window_.isVisible()) n->setFocus(Qt::OtherFocusReason);
    // The keys moved the focus on to a drawn control: the window takes the
    // keys from this widget, and the canvas rings that control.
    if (const auto f = screen.focus(); f != id && f && !widget(*f) && n->hasFocus()) window_.setFocus(Qt::OtherFocusReason);
    return true;
}

void NativeControls::focus(ControlId id) {
    if (QWidget* n = widget(id)) n->setFocus(Qt::OtherFocusReason);
}

QWidget* NativeControls::widget(ControlId id) const {
    if (id < 0 || id >= static_cast<ControlId>(widgets_.size())) return nullptr;
    return widgets_[static_cast<std::size_t>(id)];
}

std::optional<ControlId> NativeControls::idOf(const QObject* object) const {
    if (!object) return std::nullopt;
    for (ControlId id = 0; id < static_cast<ControlId>(widgets_.size()); ++id) {
        if (widgets_[static_cast<std::size_t>(id)] == object) return id;
    }
    return std::nullopt;
}

void NativeControls::keyboardUsed() {
    if (showFocus_) return;
    showFocus_ = true;
    for (auto& w : widgets_) {
        if (w) w->update();
    }
}

}  // namespace nizam::platform
