#include "tools/scenario/desktop_driver.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QList>
#include <QTest>
#include <QWindow>
#include <cmath>

#include "app/registry.h"

namespace nizam::scenario {

DesktopDriver::DesktopDriver(platform::SvgAssetStore& store) {
    platform::installArabicTranslations();  // as the program runs: right to left
    platform::DesktopHost::Options options;
    options.quitOnEnd = false;
    options.recordPrograms = true;  // a run leaves no process behind
    options.fitToScreen = false;    // pages at the design size, whatever the display
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
    // One input-method commit per character, as an input method delivers them.
    const QString all = QString::fromStdString(text);
    for (const uint u : all.toUcs4()) {
        const char32_t c = u;
        QInputMethodEvent ev;
        ev.setCommitString(QString::fromUcs4(&c, 1));
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
    QTest::keyClick(target, name == "Tab" ? Qt::Key_Tab : Qt::Key_Space);
    settle();
}

void DesktopDriver::shot(const std::string& file) {
    QWidget* w = host_->window();
    w->grab(host_->clientRect()).save(QString::fromStdString(file), "PNG");
}

bool DesktopDriver::cursorIsHand() {
    QWidget* w = host_->window();
    QWidget* under = w->childAt(last_);
    if (!under) under = w;
    const Qt::CursorShape shape = under->cursor().shape();
    return under->testAttribute(Qt::WA_SetCursor) && (shape == Qt::BitmapCursor || shape == Qt::PointingHandCursor);
}

std::vector<std::pair<std::string, int>> DesktopDriver::launches() { return host_->recordedPrograms(); }

}  // namespace nizam::scenario
