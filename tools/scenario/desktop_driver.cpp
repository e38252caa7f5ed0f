// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/scenario/desktop_driver.h"

#include <QCloseEvent>

#include <QApplication>
#include <QInputMethodEvent>
#include <QList>
#include <QPainter>
#include <QPixmap>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <string>

#include "app/registry.h"
#include "platform/osk_panel.h"
#include "platform/qml_movie_player.h"

namespace nizam::scenario {

DesktopDriver::DesktopDriver(platform::SvgAssetStore& store, bool outlines, bool keyboard) : outlines_(outlines) {
    platform::installArabicTranslations();  // as the program runs: right to left
    platform::DesktopHost::Options options;
    options.quitOnEnd = false;
    options.recordPrograms = true;  // a run leaves no process behind
    options.fitToScreen = false;    // pages at the design size, whatever the display
    options.keyboard = keyboard;    // never by what the machine running the tests has
    host_ = std::make_unique<platform::DesktopHost>(store, QCoreApplication::applicationDirPath(), options);
    nav_ = std::make_unique<Navigator>(*host_, screenRegistry());
    host_->attach(nav_.get());
}

DesktopDriver::~DesktopDriver() {
    nav_.reset();
    host_.reset();
    QCoreApplication::processEvents();
}

void DesktopDriver::settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

QPoint DesktopDriver::pixel(Twips x, Twips y) const {
    const QPointF p = host_->toWindow(x, y);
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

void DesktopDriver::activate() {
    QWidget* w = host_->window();
    if (!w->isVisible()) return;
    w->activateWindow();
    QApplication::setActiveWindow(w);
    settle();
    // Qt drops a move to the position the pointer already has, and the page
    // just shown may be first moved over right where the pointer was left.
    // Park it just outside the window, where a move reaches no control.
    last_ = QPoint(-2, -2);
    QTest::mouseMove(w->windowHandle(), last_);
    settle();
}

void DesktopDriver::start() {
    nav_->start();
    activate();
}

void DesktopDriver::open(const std::string& screen) {
    nav_->open(screen);
    activate();
}

void DesktopDriver::move(Twips x, Twips y) {
    QWidget* w = host_->window();
    if (!w->isVisible()) return;
    last_ = pixel(x, y);
    QTest::mouseMove(w->windowHandle(), last_);
    settle();
}

void DesktopDriver::click(Twips x, Twips y) {
    QWidget* w = host_->window();
    if (!w->isVisible()) return;
    move(x, y);
    QTest::mousePress(w->windowHandle(), Qt::LeftButton, {}, last_);
    settle();
    if (!w->isVisible() || !w->windowHandle()) return;  // the press ended the program
    QTest::mouseRelease(w->windowHandle(), Qt::LeftButton, {}, last_);
    settle();
}

void DesktopDriver::doubleClick(Twips x, Twips y) {
    QWidget* w = host_->window();
    if (!w->isVisible()) return;
    // The press, release, double-click and release Qt delivers for a real
    // double-click; the window's own clock stamps them close together.
    move(x, y);
    QTest::mouseDClick(w->windowHandle(), Qt::LeftButton, {}, last_);
    settle();
}

void DesktopDriver::drag(Twips x1, Twips y1, Twips x2, Twips y2) {
    QWidget* w = host_->window();
    if (!w->isVisible()) return;
    move(x1, y1);
    QTest::mousePress(w->windowHandle(), Qt::LeftButton, {}, last_);
    settle();
    last_ = pixel(x2, y2);
    QTest::mouseMove(w->windowHandle(), last_);
    settle();
    QTest::mouseRelease(w->windowHandle(), Qt::LeftButton, {}, last_);
    settle();
}

void DesktopDriver::wait(int ms) {
    // The window's own timers run meanwhile, as they do for a pupil.
    QTest::qWait(ms);
    settle();
}

void DesktopDriver::focusNative(ControlId id) {
    QWidget* n = host_->nativeWidget(id);
    if (!n) return;
    n->setFocus(Qt::MouseFocusReason);
    settle();
}

void DesktopDriver::type(ControlId id, const std::string& text) {
    focusNative(id);
    QWidget* n = host_->nativeWidget(id);
    if (!n) return;
    // Input-method commits, as an input method delivers them: one per
    // character for a text of up to kMaxCommits characters. The text box lays
    // out its whole text again on every commit, so a longer text goes in
    // kMaxCommits commits of about equal length (as an input method commits a
    // phrase); the time stays linear in the text's length and the text the box
    // ends with is the same.
    constexpr std::size_t kMaxCommits = 256;
    const QList<uint> all = QString::fromStdString(text).toUcs4();
    const std::size_t count = static_cast<std::size_t>(all.size());
    const std::size_t commits = std::min(count, kMaxCommits);
    std::size_t from = 0;
    for (std::size_t k = 1; k <= commits; ++k) {
        const std::size_t to = count * k / commits;
        std::u32string piece;
        for (std::size_t i = from; i < to; ++i) piece += static_cast<char32_t>(all[static_cast<qsizetype>(i)]);
        from = to;
        QInputMethodEvent ev;
        ev.setCommitString(QString::fromUcs4(piece.data(), static_cast<qsizetype>(piece.size())));
        QCoreApplication::sendEvent(n, &ev);
    }
    settle();
}

void DesktopDriver::clear(ControlId id) {
    focusNative(id);
    QWidget* n = host_->nativeWidget(id);
    if (!n) return;
    QTest::keyClick(n, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(n, Qt::Key_Delete);
    settle();
}

void DesktopDriver::key(const std::string& name) {
    QWidget* target = QApplication::focusWidget();
    if (!target) target = host_->window();
    // Shift+Tab comes as the window system delivers it: Backtab with Shift held.
    static const std::pair<const char*, Qt::Key> kKeys[] = {
        {"Tab", Qt::Key_Tab},     {"Backtab", Qt::Key_Backtab}, {"Space", Qt::Key_Space},
        {"Enter", Qt::Key_Return}, {"Escape", Qt::Key_Escape},  {"Left", Qt::Key_Left},
        {"Right", Qt::Key_Right}, {"Up", Qt::Key_Up},          {"Down", Qt::Key_Down}};
    const auto* k = std::find_if(std::begin(kKeys), std::end(kKeys), [&](const auto& p) { return name == p.first; });
    if (k == std::end(kKeys)) return;
    QTest::keyClick(target, k->second, k->second == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    settle();
}

void DesktopDriver::close() {
    // The close event a window manager sends for the frame's button or Alt+F4.
    QWidget* w = host_->window();
    if (!w->isVisible()) return;
    QCloseEvent e;
    e.setAccepted(true);
    QCoreApplication::sendEvent(w, &e);
    settle();
}

namespace {

// One colour per kind of control, so a reviewer tells them apart at a glance.
QColor outlineColour(Kind kind) {
    switch (kind) {
        case Kind::Image: return QColor(0, 90, 230);
        case Kind::CheckBox: return QColor(0, 150, 40);
        case Kind::TextBox: return QColor(200, 0, 200);
        case Kind::Label: return QColor(230, 120, 0);
        case Kind::Shape: return QColor(0, 150, 150);
        case Kind::Line: return QColor(110, 110, 110);
        case Kind::Player: return QColor(220, 0, 0);
        case Kind::Timer: break;
    }
    return QColor(0, 0, 0);
}

}  // namespace

void DesktopDriver::drawOutlines(QPixmap& page, QPoint corner) {
    const Screen* screen = nav_->current();
    if (!screen) return;
    const QPointF client = corner;
    auto at = [&](Twips x, Twips y) { return host_->toWindow(x, y) - client; };
    QPainter p(&page);
    p.setRenderHint(QPainter::Antialiasing, false);
    QFont font("DejaVu Sans");
    font.setPixelSize(10);
    p.setFont(font);
    const QFontMetrics metrics(font);
    struct Tag {
        QRectF box;
        QString name;
        QColor colour;
        bool visible;
    };
    std::vector<Tag> tags;
    // Back to front: where two names would meet, the front-most control's
    // name is the one that moves down.
    for (ControlId id = screen->controlCount() - 1; id >= 0; --id) {
        const ControlDef& c = screen->control(id);
        if (c.kind == Kind::Timer) continue;
        const bool visible = screen->state(id).visible;
        QColor colour = outlineColour(c.kind);
        if (!visible) colour.setAlpha(150);
        QPen pen(colour, visible ? 2 : 1, visible ? Qt::SolidLine : Qt::DashLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        QPointF labelAt;
        if (c.kind == Kind::Line) {
            const QPointF a = at(c.x1, c.y1), b = at(c.x2, c.y2);
            p.drawLine(a, b);
            labelAt = QPointF(std::min(a.x(), b.x()), std::min(a.y(), b.y()));
        } else {
            const Rect r = screen->rect(id);
            const QRectF box(at(r.left, r.top), at(r.left + r.width, r.top + r.height));
            p.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
            labelAt = box.topLeft();
        }
        // The name on a light tag in the control's top-left corner; a hidden
        // control's name is marked with a leading tilde. Tags that would cover
        // one already placed move down a line or more.
        const QString name = QString::fromStdString((visible ? "" : "~") + c.displayName());
        QRectF tag(labelAt + QPointF(1, 1), QSizeF(metrics.horizontalAdvance(name) + 4, metrics.height()));
        for (int tries = 0; tries < 8; ++tries) {
            const bool covers = std::any_of(tags.begin(), tags.end(), [&](const Tag& t) { return t.box.intersects(tag); });
            if (!covers) break;
            tag.translate(0, tag.height());
        }
        tags.push_back(Tag{tag, name, colour, visible});
    }
    // The tags last, so that no outline crosses a name.
    for (const Tag& t : tags) {
        p.fillRect(t.box, QColor(255, 255, 255, t.visible ? 210 : 150));
        p.setPen(t.colour);
        p.drawText(t.box.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, t.name);
    }
}

std::string DesktopDriver::save(QPixmap page, QPoint corner, const std::string& file) {
    if (page.isNull()) return "no page to save";
    if (outlines_) drawOutlines(page, corner);
    if (!page.save(QString::fromStdString(file), "PNG")) return "a file that cannot be written";
    return {};
}

std::string DesktopDriver::shot(const std::string& file) {
    // The client area at scale 1, for the review tools, whatever scale the
    // window shows the page at; the window is given its own back after.
    QWidget* w = host_->window();
    host_->setDesignScale(true);
    settle();
    const QRect client = host_->clientRect();
    QPixmap page = w->grab(client);
    std::string why = save(page, client.topLeft(), file);
    host_->setDesignScale(false);
    settle();
    return why;
}

std::string DesktopDriver::shotWindow(const std::string& file) {
    QWidget* w = host_->window();
    return save(w->grab(), QPoint(0, 0), file);
}

bool DesktopDriver::cursorIsHand() {
    QWidget* w = host_->window();
    QWidget* under = w->childAt(last_);
    if (!under) under = w;
    const Qt::CursorShape shape = under->cursor().shape();
    return under->testAttribute(Qt::WA_SetCursor) && (shape == Qt::BitmapCursor || shape == Qt::PointingHandCursor);
}

std::optional<std::vector<std::string>> DesktopDriver::playerCalls(ControlId id) {
    const Screen* s = nav_->current();
    if (!s || id < 0 || id >= s->controlCount()) return std::nullopt;
    const auto* player = dynamic_cast<const platform::QmlMoviePlayer*>(s->state(id).player.get());
    if (!player) return std::nullopt;
    return player->receivedCalls();
}

std::vector<std::pair<std::string, int>> DesktopDriver::launches() { return host_->recordedPrograms(); }

}  // namespace nizam::scenario

namespace nizam::scenario {

void DesktopDriver::clickPixel(QPoint at) {
    QWidget* w = host_->window();
    if (!w->isVisible()) return;
    last_ = at;
    QTest::mouseMove(w->windowHandle(), last_);
    settle();
    QTest::mousePress(w->windowHandle(), Qt::LeftButton, {}, last_);
    settle();
    QTest::mouseRelease(w->windowHandle(), Qt::LeftButton, {}, last_);
    settle();
}

namespace {
const char* layerName(platform::OskLayer layer) {
    return layer == platform::OskLayer::Letters ? "letters" : "signs";
}
}  // namespace

std::string DesktopDriver::oskPress(const std::string& key) {
    platform::OnScreenKeyboard& k = host_->keyboard();
    if (!k.isVisible()) return "expected the on-screen keyboard shown to press " + excerpt(key) + " -- found it hidden";
    const auto found = platform::findKey(k.keys(), QString::fromStdString(key));
    if (!found)
        return "expected the key " + excerpt(key) + " -- found none on the " + layerName(k.layer()) + " layer";
    // A real click at the key's middle, through the window as the pointer's.
    clickPixel(k.geometry().topLeft() + found->rect.center().toPoint());
    return {};
}

std::string DesktopDriver::oskType(const std::string& text) {
    platform::OnScreenKeyboard& k = host_->keyboard();
    for (const uint c : QString::fromStdString(text).toUcs4()) {
        const char32_t ch = c;
        const QString one = ch == U' ' ? QStringLiteral("space") : QString::fromUcs4(&ch, 1);
        if (k.isVisible() && !platform::findKey(k.keys(), one)) {
            if (auto e = oskPress("layer"); !e.empty()) return e;
        }
        if (auto e = oskPress(one.toStdString()); !e.empty()) return e;
    }
    return {};
}

std::string DesktopDriver::oskToggle() {
    const QRect tab = host_->keyboard().tabRect();
    if (!host_->window()->isVisible() || tab.isEmpty()) return "expected the keyboard's tab on show -- found none";
    clickPixel(tab.center());
    return {};
}

std::optional<Driver::Keyboard> DesktopDriver::keyboard() {
    const platform::OnScreenKeyboard& k = host_->keyboard();
    return Keyboard{k.switchedOn(), k.isVisible()};
}

bool DesktopDriver::keyboardCovers(ControlId id) {
    const Screen* s = nav_->current();
    if (!s) return false;
    const QRectF control = QRectF(host_->toWindow(s->rect(id).left, s->rect(id).top),
                                  host_->toWindow(s->rect(id).left + s->rect(id).width, s->rect(id).top + s->rect(id).height));
    return QRectF(host_->keyboard().geometry()).intersects(control);
}

std::string DesktopDriver::dumpKeyboard(QSize window, const std::string& screen, const std::string& box) {
    nav_->open(screen);
    const Screen* s = nav_->current();
    if (!s) return {};
    const auto id = s->findQuiet(box, std::nullopt);
    if (!id || s->control(*id).kind != Kind::TextBox) return {};
    host_->window()->resize(window);
    activate();
    const Rect r = s->rect(*id);
    clickPixel(pixel(r.left + r.width / 2, r.top + r.height / 2));
    platform::OnScreenKeyboard& k = host_->keyboard();
    if (!k.isVisible()) return {};
    auto rect = [](const QRectF& r) {
        return "[" + std::to_string(qRound(r.x())) + ", " + std::to_string(qRound(r.y())) + ", " +
               std::to_string(qRound(r.width())) + ", " + std::to_string(qRound(r.height())) + "]";
    };
    const QRect panel = k.geometry();
    std::string out = "{\"window\": [" + std::to_string(window.width()) + ", " + std::to_string(window.height()) +
                      "], \"panel\": " + rect(panel) + ", \"tab\": " + rect(k.tabRect()) + ", \"controls\": {";
    // Where the page's controls on show lie in this window, by name.
    bool firstControl = true;
    for (ControlId c = 0; c < s->controlCount(); ++c) {
        if (!s->state(c).visible || s->control(c).kind == Kind::Timer || s->control(c).kind == Kind::Line) continue;
        const Rect at = s->rect(c);
        const QRectF shown(host_->toWindow(at.left, at.top), host_->toWindow(at.left + at.width, at.top + at.height));
        out += (firstControl ? "\"" : ", \"") + s->control(c).displayName() + "\": " + rect(shown);
        firstControl = false;
    }
    out += "}, \"layers\": {";
    for (const auto layer : {platform::OskLayer::Letters, platform::OskLayer::Signs}) {
        if (layer == platform::OskLayer::Signs) out += ", ";
        out += std::string("\"") + layerName(layer) + "\": {";
        bool first = true;
        for (const platform::OskKey& key : k.keysOf(layer).keys) {
            std::string name;
            for (const char c : key.name.toStdString()) {
                if (c == '"' || c == '\\') name += '\\';
                name += c;
            }
            out += (first ? "" : ", ") + ("\"" + name + "\": ") + rect(key.rect.translated(panel.topLeft()));
            first = false;
        }
        out += "}";
    }
    return out + "}}\n";
}

}  // namespace nizam::scenario
