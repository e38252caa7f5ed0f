// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/osk_panel.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "platform/kit_drawing.h"
#include "platform/page_canvas.h"

namespace nizam::platform {

namespace {

using namespace kit;

// Beside the kit's colours, the keys that do rather than type (hide, layer,
// backspace) on the strip's grey.
const QColor kPressed(0xcf, 0xe3, 0xf6), kActionTop(0xf4, 0xf7, 0xfa), kActionBottom(0xdc, 0xe4, 0xec);
const QColor kOff(0x8a, 0x9a, 0xab);

// A held backspace repeats after this long, then this often (milliseconds).
constexpr int kRepeatAfter = 500, kRepeatEvery = 80;

void words(QPainter& p, const QRectF& r, const QString& text, const QFont& font, const QColor& ink) {
    QTextOption o(Qt::AlignCenter);
    o.setTextDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(r, text, o);
}

// The backspace sign: a tag pointing left, a cross in it.
void backspaceSign(QPainter& p, const QRectF& key, double unit) {
    const QPointF c = key.center();
    const double w = unit * 1.1, h = unit * 0.62;
    QPainterPath tag;
    tag.moveTo(c.x() - w / 2, c.y());
    tag.lineTo(c.x() - w / 2 + h / 2, c.y() - h / 2);
    tag.lineTo(c.x() + w / 2, c.y() - h / 2);
    tag.lineTo(c.x() + w / 2, c.y() + h / 2);
    tag.lineTo(c.x() - w / 2 + h / 2, c.y() + h / 2);
    tag.closeSubpath();
    p.setPen(QPen(kInk, std::max(1.5, unit / 14), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tag);
    const QPointF x(c.x() + h / 4, c.y());
    const double d = h * 0.22;
    p.drawLine(x + QPointF(-d, -d), x + QPointF(d, d));
    p.drawLine(x + QPointF(-d, d), x + QPointF(d, -d));
}

// A chevron pointing down, the sign of hiding the panel.
void downSign(QPainter& p, QPointF c, double unit) {
    p.setPen(QPen(kInk, std::max(1.5, unit / 12), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const double w = unit * 0.26, h = unit * 0.14;
    p.drawPolyline(QPolygonF({c + QPointF(-w, -h), c + QPointF(0, h), c + QPointF(w, -h)}));
}

// The space bar's sign: a wide open bracket.
void spaceSign(QPainter& p, const QRectF& key, double unit) {
    p.setPen(QPen(kInk, std::max(1.5, unit / 14), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF c = key.center();
    const double w = std::min(key.width() * 0.3, unit * 2.2), h = unit * 0.16;
    p.drawPolyline(QPolygonF({c + QPointF(-w, -h), c + QPointF(-w, h), c + QPointF(w, h), c + QPointF(w, -h)}));
}

// A small keyboard: a rounded frame with two rows of keys and a space bar.
void keyboardIcon(QPainter& p, const QRectF& r, const QColor& ink) {
    p.setPen(QPen(ink, std::max(1.0, r.height() / 9)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, r.height() / 6, r.height() / 6);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const double k = r.height() / 7;
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 5; ++col)
            p.drawRect(QRectF(r.left() + k * (1.2 + col * 1.9), r.top() + k * (1.4 + row * 1.7), k, k));
    p.drawRect(QRectF(r.left() + k * 3, r.top() + k * 4.8, r.width() - k * 6, k));
}

}  // namespace

// The tab at the window's bottom left corner: a small keyboard and
// «لوحة المفاتيح», lit while the keyboard is switched on.
class OnScreenKeyboard::Tab : public QWidget {
public:
    Tab(QWidget& window, OnScreenKeyboard& keyboard) : QWidget(&window), keyboard_(keyboard) {
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_Hover);
        setCursor(Qt::PointingHandCursor);
        setToolTip(QStringLiteral("إظهار لوحة المفاتيح على الشاشة أو إخفاؤها"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const bool on = keyboard_.switchedOn();
        const bool hot = underMouse();
        const double h = height();
        const double rim = std::max(1.0, h / 16);
        // Rounded at the top only: it stands on the window's bottom edge.
        QPainterPath shape;
        const QRectF r = QRectF(rect()).adjusted(rim / 2, rim / 2, -rim / 2, h / 3);
        shape.addRoundedRect(r, h / 3, h / 3);
        QLinearGradient g(r.topLeft(), QPointF(r.left(), height()));
        g.setColorAt(0, on ? kTileTop : kActionTop);
        g.setColorAt(1, on ? kTileBottom : kActionBottom);
        p.setPen(QPen(on || hot ? kRim : kOff, hot ? rim * 2 : rim));
        p.setBrush(g);
        p.drawPath(shape);
        const QColor ink = on ? kInk : QColor(0x4a, 0x5a, 0x6a);
        const double iconH = h * 0.42;
        const QRectF icon(width() - h * 0.35 - iconH * 1.6, (h - iconH) / 2, iconH * 1.6, iconH);
        keyboardIcon(p, icon, ink);
        words(p, QRectF(h * 0.3, 0, icon.left() - h * 0.45, h), QStringLiteral("لوحة المفاتيح"), kufi(h * 0.42), ink);
    }
    void mousePressEvent(QMouseEvent* e) override { e->accept(); }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) keyboard_.toggle();
    }
    void enterEvent(QEnterEvent*) override { update(); }
    void leaveEvent(QEvent*) override { update(); }

private:
    OnScreenKeyboard& keyboard_;
};

OnScreenKeyboard::OnScreenKeyboard(QWidget& window, const PageCanvas& canvas)
    : QWidget(&window), window_(window), canvas_(canvas), tab_(new Tab(window, *this)) {
    // Pressing a key never moves the focus: it stays in the box typed into.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setLayoutDirection(Qt::RightToLeft);
    setMouseTracking(true);
    hide();
    tab_->hide();  // until a page with a text box
    repeat_.setSingleShot(false);
    QObject::connect(&repeat_, &QTimer::timeout, this, [this] {
        if (!down_ || !isVisible() || layout_.keys[*down_].action != OskAction::Backspace) {
            repeat_.stop();
            return;
        }
        repeat_.setInterval(kRepeatEvery);
        repeated_ = true;
        press(layout_.keys[*down_]);
    });
    QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusMoved(now); });
    relayout();
}

OnScreenKeyboard::~OnScreenKeyboard() = default;

void OnScreenKeyboard::setSwitchedOn(bool on) {
    on_ = on;
    if (!on_) {
        hidePanel();
        restore_ = false;
    }
    tab_->update();
}

void OnScreenKeyboard::toggle() {
    setSwitchedOn(!on_);
    // Switched on with a text box in use: the panel comes now, not at the next touch.
    if (on_) {
        if (QWidget* box = target()) showFor(box);
    }
}

bool OnScreenKeyboard::isBox(const QObject* o) const {
    return o && std::any_of(boxes_.begin(), boxes_.end(), [o](const QPointer<QWidget>& b) { return b == o; });
}

QWidget* OnScreenKeyboard::target() const {
    QWidget* focused = window_.focusWidget();
    return isBox(focused) && focused->isVisible() ? focused : nullptr;
}

void OnScreenKeyboard::pageChanged(const std::vector<QWidget*>& textBoxes) {
    hidePanel();
    restore_ = false;
    for (auto& b : boxes_)
        if (b) b->removeEventFilter(this);
    boxes_.assign(textBoxes.begin(), textBoxes.end());
    for (auto& b : boxes_) b->installEventFilter(this);
    // The tab only where there is something to type into, at this page's scale.
    tab_->setVisible(!boxes_.empty());
    relayout();
    stackOverPage();
}

void OnScreenKeyboard::stackOverPage() {
    tab_->raise();
    if (isVisible()) raise();
    if (cover_ && cover_->isVisible()) cover_->raise();
}

QRect OnScreenKeyboard::tabRect() const { return tab_->geometry(); }

void OnScreenKeyboard::relayout() {
    // The tab at the page's scale, never smaller than a finger's press.
    const double s = std::clamp(canvas_.scale(), 0.5, 4.0);
    const int h = std::max(28, qRound(22 * s));
    const int w = qRound(h * 5.4);
    tab_->setGeometry(std::max(0, qRound(6 * s)), window_.height() - h, w, h);
    tab_->update();
    layout_ = layoutKeyboard(window_.size(), layer_, clearLeft());
    if (isVisible()) {
        if (QWidget* box = target())
            showFor(box);
        else
            hidePanel();
    }
}

double OnScreenKeyboard::clearLeft() const { return tab_->geometry().right() + 1 + tab_->height() / 4.0; }

OskLayout OnScreenKeyboard::keysOf(OskLayer layer) const { return layoutKeyboard(window_.size(), layer, clearLeft()); }

void OnScreenKeyboard::showFor(QWidget* box) {
    layout_ = layoutKeyboard(window_.size(), layer_, clearLeft());
    const QRectF place = placeKeyboard(window_.size(), layout_.panel, QRectF(box->geometry()), clearLeft());
    setGeometry(QRect(QPoint(qFloor(place.x()), qFloor(place.y())),
                      QSize(qCeil(place.width()), qCeil(place.height()))));
    down_.reset();
    hover_.reset();
    if (!isVisible()) show();
    stackOverPage();  // the quit question stays on top
    update();
}

void OnScreenKeyboard::hidePanel() {
    repeat_.stop();
    down_.reset();
    hover_.reset();
    // It comes up again on the letters, as it first did.
    if (layer_ != OskLayer::Letters) {
        layer_ = OskLayer::Letters;
        layout_ = layoutKeyboard(window_.size(), layer_, clearLeft());
    }
    if (isVisible()) hide();
}

void OnScreenKeyboard::focusMoved(QWidget* now) {
    // The focus went to something else than a box (a check box): the panel
    // that was up does not come back when a box is focused again by Tab. The
    // quit question hands the focus back to the box it took it from.
    if (now && !isBox(now) && now != cover_) restore_ = false;
}

bool OnScreenKeyboard::eventFilter(QObject* watched, QEvent* e) {
    if (!isBox(watched)) return false;
    auto* box = static_cast<QWidget*>(watched);
    switch (e->type()) {
        case QEvent::FocusIn: {
            // The pointer, a touch or Tab brings it; the focus a page gives
            // its first box as it loads does not, unless the panel was up
            // when the focus left a box a moment ago (the quit question).
            const Qt::FocusReason why = static_cast<QFocusEvent*>(e)->reason();
            const bool asked = why == Qt::MouseFocusReason || why == Qt::TabFocusReason || why == Qt::BacktabFocusReason;
            if (on_ && (asked || restore_)) showFor(box);
            restore_ = false;
            break;
        }
        case QEvent::FocusOut: {
            const Qt::FocusReason why = static_cast<QFocusEvent*>(e)->reason();
            // Another window in front (the calculator) or the box's own menu: the panel stays.
            if (why == Qt::ActiveWindowFocusReason || why == Qt::PopupFocusReason) break;
            restore_ = isVisible();
            hidePanel();
            break;
        }
        case QEvent::MouseButtonPress:
            // A touch on the box that has the focus brings back a panel hidden by its key.
            if (on_ && box->hasFocus() && !isVisible()) showFor(box);
            break;
        default:
            break;
    }
    return false;
}

std::optional<std::size_t> OnScreenKeyboard::keyAt(QPointF pos) const {
    for (std::size_t i = 0; i < layout_.keys.size(); ++i)
        if (layout_.keys[i].rect.contains(pos)) return i;
    return std::nullopt;
}

void OnScreenKeyboard::mousePressEvent(QMouseEvent* e) {
    e->accept();  // the page under the panel gets nothing
    if (e->button() != Qt::LeftButton) return;
    down_ = keyAt(e->position());
    repeated_ = false;
    if (down_ && layout_.keys[*down_].action == OskAction::Backspace) repeat_.start(kRepeatAfter);
    update();
}

void OnScreenKeyboard::mouseMoveEvent(QMouseEvent* e) {
    const auto at = keyAt(e->position());
    if (down_ && at != down_) repeat_.stop();  // slid off the held key
    if (at != hover_) {
        hover_ = at;
        update();
    }
}

void OnScreenKeyboard::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    if (e->button() != Qt::LeftButton) return;
    const auto at = keyAt(e->position());
    const auto was = down_;
    down_.reset();
    repeat_.stop();
    update();
    if (at && at == was && !repeated_) press(layout_.keys[*at]);
}

void OnScreenKeyboard::leaveEvent(QEvent*) {
    hover_.reset();
    update();
}

void OnScreenKeyboard::press(const OskKey& key) {
    switch (key.action) {
        case OskAction::Hide:
            hidePanel();
            return;
        case OskAction::Layer:
            layer_ = layer_ == OskLayer::Letters ? OskLayer::Signs : OskLayer::Letters;
            layout_ = layoutKeyboard(window_.size(), layer_, clearLeft());
            update();
            return;
        case OskAction::Backspace: {
            QWidget* box = target();
            if (!box) return;
            // The key itself, as the physical keyboard sends it: the box deletes
            // the character before its caret (or what is selected).
            QKeyEvent down(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
            QCoreApplication::sendEvent(box, &down);
            QKeyEvent up(QEvent::KeyRelease, Qt::Key_Backspace, Qt::NoModifier);
            QCoreApplication::sendEvent(box, &up);
            return;
        }
        case OskAction::Type: {
            QWidget* box = target();
            if (!box) return;
            // An input method's commit, as an Arabic layout's input method
            // delivers a letter: the box cleans it and the course judges it
            // exactly as typed text.
            QInputMethodEvent commit;
            commit.setCommitString(key.text);
            QCoreApplication::sendEvent(box, &commit);
            return;
        }
    }
}

void OnScreenKeyboard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double unit = layout_.keyHeight;
    const double rim = std::max(1.0, unit / 30);
    // The panel: the toolbar strip's grey in the highlight's blue rim.
    tile(p, QRectF(rect()), unit * 0.22, kStrip, kStrip.darker(104), kRim, std::max(1.5, unit / 22));
    const QFont letters = kufi(unit * 0.46);
    const QFont caption = kufi(unit * 0.3);
    for (std::size_t i = 0; i < layout_.keys.size(); ++i) {
        const OskKey& k = layout_.keys[i];
        const bool typing = k.action == OskAction::Type;
        const bool down = down_ == i, hot = hover_ == i;
        tile(p, k.rect, unit * 0.16, down ? kPressed : (typing ? kTileTop : kActionTop),
             down ? kPressed : (typing ? kTileBottom : kActionBottom), hot || down ? kRim : kRim.lighter(135),
             hot || down ? rim * 2 : rim);
        switch (k.action) {
            case OskAction::Type:
                if (k.name == QLatin1String("space"))
                    spaceSign(p, k.rect, unit);
                else
                    words(p, k.rect, k.caption, letters, kInk);
                break;
            case OskAction::Backspace: backspaceSign(p, k.rect, unit); break;
            case OskAction::Layer: words(p, k.rect, k.caption, caption, kInk); break;
            case OskAction::Hide: {
                // «إخفاء» with the chevron beside it, at its left.
                const QRectF text = k.rect.adjusted(k.rect.width() * 0.32, 0, 0, 0);
                words(p, text, k.caption, caption, kInk);
                downSign(p, QPointF(k.rect.left() + k.rect.width() * 0.24, k.rect.center().y()), unit);
                break;
            }
        }
    }
}

}  // namespace nizam::platform
