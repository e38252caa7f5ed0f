// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop_host.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QProcess>
#include <QQuickWidget>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <QWindow>
#include <optional>

#include "platform/loupe_bubble.h"
#include "platform/native_controls.h"
#include "platform/osk_panel.h"
#include "platform/page_canvas.h"
#include "platform/page_input.h"
#include "platform/page_print.h"
#include "platform/qml_movie_player.h"
#include "platform/quit_panel.h"
#include "runtime/diagnostics.h"
#include "runtime/screen.h"

namespace nizam::platform {

namespace {

// The pointer icon's hot spot: the top of the raised fingertip.
constexpr QPoint kPointerHotSpot(13, 6);

}  // namespace

// The one window of the program: the page canvas, the native controls over
// it and the input forwarding, with its own size and full-screen state.
class PageWindow : public QWidget {
public:
    struct Hooks {
        std::function<void()> resized;           // a new size, a new scale
        std::function<void()> firstFrameShown;   // the first frame is on the display
    };

    PageWindow(SvgAssetStore& store, bool fitToScreen, Hooks hooks)
        : store_(store),
          canvas_(*this, store),
          input_(canvas_, natives_, [this] { toggleFullScreen(); }, [this] {
              if (drag_) update();
          }),
          natives_(*this, input_),
          quitPanel_(*this, canvas_, input_),
          keyboard_(*this, canvas_),
          fitToScreen_(fitToScreen),
          hooks_(std::move(hooks)) {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::NoFocus);
        setMinimumSize(320, 240);
        keyboard_.setCover(&quitPanel_);
    }

    PageCanvas& canvas() { return canvas_; }
    const PageCanvas& canvas() const { return canvas_; }
    NativeControls& natives() { return natives_; }
    const NativeControls& natives() const { return natives_; }
    PageInput& input() { return input_; }
    QuitPanel& quitPanel() { return quitPanel_; }
    OnScreenKeyboard& keyboard() { return keyboard_; }
    long frames() const { return frames_; }

    // The screen drawn, or nullptr; a new screen is not on show until showPage.
    void setScreen(const Screen* screen) {
        canvas_.setScreen(screen);
        pageShown_ = false;
        loupe_.reset();
        if (!screen) drag_.reset();
    }
    const Screen* screen() const { return canvas_.screen(); }
    void showPage() { pageShown_ = true; }
    // The screen is past its Load and on show.
    bool pageShown() const { return screen() && pageShown_; }

    // The drag outline: the source's rectangle, following the pointer from
    // where the drag started, with the source's card in it.
    void startDrag(const Rect& source, ControlId id) {
        drag_ = Drag{source, input_.pointer(), id, std::nullopt};
        update();
    }
    void endDrag() {
        drag_.reset();
        update();
    }
    // A label carried by keys is held over a drop target: the outline stands there.
    void holdDragOver(ControlId target) {
        if (!drag_) return;
        drag_->over = target;
        update();
    }
    std::optional<ControlId> dragHeldOver() const { return drag_ ? drag_->over : std::nullopt; }

    // The word label whose loupe is shown, or none.
    void setLoupe(std::optional<ControlId> label) {
        if (loupe_ == label) return;
        loupe_ = label;
        update();
    }
    std::optional<ControlId> loupe() const { return loupe_; }
    std::optional<LoupeBubble> loupeBubble() const {
        if (!loupe_) return std::nullopt;
        return layoutLoupe(canvas_, *loupe_, size(), devicePixelRatioF());
    }

    // The opening size, given once: the design canvas fitted into the
    // display's free area, or the design canvas itself.
    void sizeOnce() {
        if (sized_) return;
        sized_ = true;
        if (fitToScreen_)
            fitToDisplay();
        else
            resize(DesktopHost::fittedSize(QSize(1 << 16, 1 << 16)));
    }

    // F11: full screen, or back to the frame, size and place it had. Asked
    // before the window is on the display (a start in full screen), it waits
    // for the window's first exposure, when a window manager has taken the
    // window in and its frame is known; leaving then gives the window the
    // place a start without full screen gives it.
    void toggleFullScreen() {
        if (isFullScreen() || ourFullScreen_) {
            leaveFullScreen();
            return;
        }
        ourFullScreen_ = true;  // no refit meanwhile
        if (!windowHandle() || !windowHandle()->isExposed()) {
            fullScreenOnExposure_ = true;
            fitOnLeaving_ = true;
            if (windowHandle() && !watchingExposure_) {
                watchingExposure_ = true;
                windowHandle()->installEventFilter(this);
            }
            return;
        }
        fitOnLeaving_ = false;
        normalGeometry_ = geometry();
        enterFullScreen();
    }

    // Hides the window as the course ends    // Hides the window as the course ends, without telling the course it was closed.
    void hideAtEnd() {
        ending_ = true;
        hide();
        ending_ = false;
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        std::optional<Rect> outline;
        QPoint moved;  // twips the carried label has come from where it lies
        if (drag_) {
            moved = input_.pointer() - drag_->anchor;
            if (drag_->over && screen()) {
                // Carried by keys: centred on the target it is held over.
                const Rect t = screen()->rect(*drag_->over);
                const Rect& from = drag_->source;
                moved = QPoint(t.left + t.width / 2 - (from.left + from.width / 2),
                               t.top + t.height / 2 - (from.top + from.height / 2));
            }
            outline = drag_->source;
            outline->left += moved.x();
            outline->top += moved.y();
        }
        canvas_.paint(p, outline);
        paintFocusRing(p);
        if (drag_) {
            const double s = canvas_.scale() / kTwipsPerPixel;
            paintCarriedLabel(p, canvas_, drag_->id, QPointF(moved.x() * s, moved.y() * s), store_);
        }
        if (const auto bubble = loupeBubble()) paintLoupe(p, *bubble, store_);
        ++frames_;
    }

    // The ring round a drawn control with the keyboard focus, once the keys
    // have been used on the page; the native controls ring themselves.
    void paintFocusRing(QPainter& p) const {
        const Screen* s = screen();
        if (!s || !pageShown_ || !natives_.focusShown()) return;
        const auto f = s->focus();
        if (!f || natives_.widget(*f) || !s->state(*f).visible) return;
        const double width = std::clamp(canvas_.scale() * 2.5, 2.0, 4.0);
        const QRectF r = canvas_.toWindow(s->rect(*f)).adjusted(-width / 2 - 1, -width / 2 - 1, width / 2 + 1, width / 2 + 1);
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kFocusBlue, width));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r, width * 1.5, width * 1.5);
        p.restore();
    }

    void moveEvent(QMoveEvent*) override {
        if (settlingAfterFullScreen_) restoreNormal();  // the frame came back
        // A window manager frames the window some time after it is mapped,
        // which moves it: fit it once more then, when the frame first shows.
        if (!fitToScreen_ || !fittedShown_ || frameSettled_ || frameGeometry() == geometry()) return;
        frameSettled_ = true;
        refitIfFramed();
    }

    void resizeEvent(QResizeEvent*) override {
        if (quitPanel_.isVisible()) quitPanel_.setGeometry(rect());
        keyboard_.relayout();
        if (hooks_.resized) hooks_.resized();
    }

    void showEvent(QShowEvent*) override {
        // The first exposure of the window draws its first frame; the work
        // that waits for that frame is scheduled once it is out.
        if (!watchingExposure_ && !firstFrameTold_ && windowHandle()) {
            watchingExposure_ = true;
            windowHandle()->installEventFilter(this);
        }
        if (!fitToScreen_ || fittedShown_) return;
        fittedShown_ = true;
        // A window manager adds its frame once the window is mapped, some
        // time later: fit again then if the frame pushed the page off the
        // free area, unless the window was made full screen meanwhile.
        for (int delay : {0, 300, 1000}) QTimer::singleShot(delay, this, [this] { refitIfFramed(); });
    }

    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == windowHandle() && e->type() == QEvent::Expose && windowHandle()->isExposed()) {
            watchingExposure_ = false;
            windowHandle()->removeEventFilter(this);
            // Run after the exposure is handled, which draws and puts out the frame.
            QTimer::singleShot(0, this, [this] { tellFirstFrame(); });
            if (fullScreenOnExposure_) {
                fullScreenOnExposure_ = false;
                enterFullScreen();
            }
        }
        return false;
    }

    void mousePressEvent(QMouseEvent* e) override { input_.press(*e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { input_.doubleClick(*e); }
    void mouseReleaseEvent(QMouseEvent* e) override { input_.release(*e, rect().contains(e->position().toPoint())); }
    void mouseMoveEvent(QMouseEvent* e) override { input_.move(e->position()); }

    // The keys reach the course before Qt's own handling, which would move
    // the focus along its widget chain on Tab.
    bool event(QEvent* e) override {
        if (e->type() == QEvent::KeyPress && input_.key(*static_cast<QKeyEvent*>(e))) return true;
        return QWidget::event(e);
    }

    void closeEvent(QCloseEvent* e) override {
        // The frame's close button and Alt+F4 act as the quit button: on a
        // page with the pupil's answers the course asks first, and the
        // window stays until it is answered.
        if (!ending_ && !input_.closed()) {
            e->ignore();
            return;
        }
        e->accept();
    }

private:
    struct Drag {
        Rect source;
        QPoint anchor;  // twips where the drag started
        ControlId id = 0;
        std::optional<ControlId> over;  // carried by keys: the target it is held over
    };

    // The opening size: the design canvas fitted into the display's free
    // area, frame included, and centred there.
    void fitToDisplay() {
        QScreen* display = QWidget::screen() ? QWidget::screen() : QGuiApplication::primaryScreen();
        if (!display) return;
        const QRect free = display->availableGeometry();
        const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(0, 0);
        const QSize s = DesktopHost::fittedSize(free.size() - frame);
        resize(s);
        move(free.left() + (free.width() - s.width() - frame.width()) / 2,
             free.top() + (free.height() - s.height() - frame.height()) / 2);
    }

    void enterFullScreen() {
        // A window manager frames the windows it manages, and makes a window
        // full screen itself: moving it as well would take the window out of
        // the manager's full-screen state with its frame lost. Without one,
        // nobody else gives the window the display.
        const bool managed = frameGeometry() != geometry();
        setWindowState(windowState() | Qt::WindowFullScreen);
        if (!managed)
            if (QScreen* display = QWidget::screen()) setGeometry(display->geometry());
    }

    void leaveFullScreen() {
        ourFullScreen_ = false;
        fullScreenOnExposure_ = false;
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        restoreNormal();
        // A window manager puts its frame back some time later: place the
        // window again once it has.
        settlingAfterFullScreen_ = true;
        for (int delay : {100, 400, 1000}) QTimer::singleShot(delay, this, [this] { restoreNormal(); });
        QTimer::singleShot(1000, this, [this] { settlingAfterFullScreen_ = false; });
    }

    // The window's place out of full screen: where it was before, or, after a
    // start in full screen, where a start without it puts the window.
    void restoreNormal() {
        if (ourFullScreen_ || isFullScreen()) return;
        if (fitOnLeaving_)
            fitToDisplay();
        else if (normalGeometry_.isValid())
            setGeometry(normalGeometry_);
    }

    void refitIfFramed() {
        if (!isVisible() || isFullScreen() || isMaximized() || ourFullScreen_) return;
        QScreen* display = QWidget::screen();
        if (display && !display->availableGeometry().contains(frameGeometry())) fitToDisplay();
    }

    // Tells of the first frame once one has been drawn: an exposure that drew
    // nothing (the window hidden again at once) waits for a later one.
    void tellFirstFrame() {
        if (firstFrameTold_) return;
        if (frames_ == 0) {
            if (isVisible()) QTimer::singleShot(10, this, [this] { tellFirstFrame(); });
            return;
        }
        firstFrameTold_ = true;
        if (hooks_.firstFrameShown) hooks_.firstFrameShown();
    }

    SvgAssetStore& store_;
    PageCanvas canvas_;
    PageInput input_;
    NativeControls natives_;
    QuitPanel quitPanel_;
    OnScreenKeyboard keyboard_;
    bool fitToScreen_;
    Hooks hooks_;
    std::optional<Drag> drag_;
    std::optional<ControlId> loupe_;
    long frames_ = 0;
    bool pageShown_ = false;
    bool ending_ = false;
    bool sized_ = false;             // the window has been given its opening size
    bool fittedShown_ = false;       // the refits after the first show are scheduled
    bool frameSettled_ = false;      // refitted once the window manager's frame showed
    bool ourFullScreen_ = false;     // full screen through F11
    QRect normalGeometry_;           // where it was before F11
    bool fullScreenOnExposure_ = false;  // F11 asked before the window was on the display
    bool settlingAfterFullScreen_ = false;  // just out of full screen: the frame may come back later
    bool fitOnLeaving_ = false;      // no place before full screen: leaving fits the window
    bool watchingExposure_ = false;
    bool firstFrameTold_ = false;
};

DesktopHost::DesktopHost(SvgAssetStore& store, QString programFolder, Options options)
    : store_(store),
      folder_(std::move(programFolder)),
      options_(options),
      deferredStartup_(std::move(options_.afterFirstFrame)),
      window_(std::make_unique<PageWindow>(store, options.fitToScreen,
                                           PageWindow::Hooks{[this] { relayout(); }, [this] { firstFrameShown(); }})) {
    window_->keyboard().setSwitchedOn(options_.keyboard.value_or(keyboardOnByDefault()));
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wake_, &QTimer::timeout, [this] {
        if (course_) course_->timePassed(static_cast<int>(std::min<qint64>(waited_.elapsed(), 1 << 30)));
    });
}

DesktopHost::~DesktopHost() = default;

void DesktopHost::attach(Course* course) {
    course_ = course;
    window_->input().attach(course);
    window_->natives().attach(course);
}

QWidget* DesktopHost::window() const { return window_.get(); }
double DesktopHost::scale() const { return window_->canvas().scale(); }
QRect DesktopHost::clientRect() const { return window_->canvas().clientRect(); }
long DesktopHost::framesDrawn() const { return window_->frames(); }
const Screen* DesktopHost::shownScreen() const { return window_->screen(); }
QWidget* DesktopHost::nativeWidget(ControlId id) const { return window_->natives().widget(id); }
void DesktopHost::toggleFullScreen() { window_->toggleFullScreen(); }

void DesktopHost::setDesignScale(bool on) {
    if (window_->canvas().designScale() == on) return;
    window_->canvas().setDesignScale(on);
    window_->natives().layout(window_->canvas());
    layoutPlayers();
    window_->update();
}

QPointF DesktopHost::toWindow(Twips x, Twips y) const {
    return window_->canvas().toWindow(Rect{x, y, 0, 0}).topLeft();
}

QSize DesktopHost::fittedSize(QSize available) {
    const QSize canvas = kDesignCanvas.toSize();
    if (available.width() >= canvas.width() && available.height() >= canvas.height()) return canvas;
    return canvas.scaled(available.expandedTo(QSize(1, 1)), Qt::KeepAspectRatio);
}

void DesktopHost::firstFrameShown() {
    // With the first frame out, the start-up work it could do without (the
    // fonts first), then the animations made ready ahead of their pages.
    finishStartup();
    QmlMoviePlayer::prepareAhead(window_.get(), folder_);
}

void DesktopHost::relayout() {
    window_->natives().layout(window_->canvas());
    layoutPlayers();
    if (window_->pageShown() && window_->isVisible()) prerenderAround(*window_->screen());
}

void DesktopHost::setIcon(const Screen& screen) {
    if (!screen.def().hasIcon) {
        window_->setWindowIcon(QIcon());
        return;
    }
    // Rendered once for each icon, not on every visit of its pages.
    const std::string key = screen.def().iconKey();
    auto it = icons_.find(key);
    if (it == icons_.end()) {
        QIcon icon;
        for (const QImage& img : store_.iconImages(key)) icon.addPixmap(QPixmap::fromImage(img));
        it = icons_.emplace(key, icon).first;
    }
    window_->setWindowIcon(it->second);
}

void DesktopHost::finishStartup() {
    if (!deferredStartup_) return;
    const auto work = std::move(deferredStartup_);
    deferredStartup_ = nullptr;
    work();
    if (const Screen* screen = window_->screen()) setIcon(*screen);
    // Rendering ahead waited for it (the fonts above all).
    if (window_->pageShown()) prerenderAround(*window_->screen());
}

bool DesktopHost::drawableWithoutStartup(const Screen& screen) const {
    for (ControlId id = 0; id < screen.controlCount(); ++id) {
        if (!screen.state(id).visible) continue;
        switch (screen.control(id).kind) {
            case Kind::Image:
                if (const auto shown = window_->canvas().shownPicture(id);
                    shown && !store_.takePrerendered(shown->key, shown->device))
                    return false;
                break;
            case Kind::Shape:
            case Kind::Line:
            case Kind::Timer:  // draws nothing
                break;
            default:
                return false;  // text, native controls and players need the fonts
        }
    }
    return true;
}

SvgAssetStore::Wanted DesktopHost::picturesOnShow() const {
    SvgAssetStore::Wanted out;
    const Screen* screen = window_->screen();
    if (!screen) return out;
    for (ControlId id = 0; id < screen->controlCount(); ++id)
        if (const auto shown = window_->canvas().shownPicture(id)) out.emplace_back(shown->key, shown->device);
    return out;
}

bool installArabicTranslations() {
    auto* app = QCoreApplication::instance();
    if (!app) return false;
    static QPointer<QTranslator> installed;
    if (installed) return true;
    auto* translator = new QTranslator(app);
    if (!translator->load(QLocale(QLocale::Arabic), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        diagnostics::tellOnce("qt-translations", "Qt's Arabic translations (qtbase_ar.qm) are not installed");
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    // The program reads right to left, as the translations say: menus put
    // their words at the right and their key names at the left. The pages
    // are placed by their own coordinates, and each text box and label sets
    // its own reading direction, so they are drawn as before.
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    return true;
}

void DesktopHost::createWindow(Screen& screen) {
    PageWindow& w = *window_;
    openPages_.push_back(&screen);
    w.setScreen(&screen);  // showWindow renders ahead, once the page is as Load left it
    // The program's name and the page's own title, never the screen's inner name.
    w.setWindowTitle(course_ ? QString::fromStdString(course_->windowTitle(screen.name())) : QString());
    // The icon waits with the rest of the start-up work: the first frame does not show it.
    if (!deferredStartup_) setIcon(screen);
    w.natives().create(screen);
    std::vector<QWidget*> boxes;  // the on-screen keyboard types into these
    for (ControlId id = 0; id < screen.controlCount(); ++id)
        if (screen.control(id).kind == Kind::TextBox && w.natives().widget(id)) boxes.push_back(w.natives().widget(id));
    w.keyboard().pageChanged(boxes);
    // The window is sized once, for the design canvas; every page, whatever
    // its own client size, then scales inside the same window.
    w.sizeOnce();
    w.natives().layout(w.canvas());
    layoutPlayers();
}

void DesktopHost::showWindow(Screen& screen) {
    PageWindow& w = *window_;
    if (w.screen() != &screen) return;
    // The first page waits for the start-up work only when it needs it.
    if (deferredStartup_ && !drawableWithoutStartup(screen)) finishStartup();
    w.showPage();
    w.keyboard().stackOverPage();  // over the players the page's Load made
    if (!w.isVisible()) w.show();
    if (auto f = screen.focus()) w.natives().focus(*f);
    w.update();
    prerenderAround(screen);
}

void DesktopHost::destroyWindow(Screen& screen) {
    PageWindow& w = *window_;
    std::erase(openPages_, &screen);
    if (w.screen() != &screen) return;
    w.natives().clear();
    w.keyboard().pageChanged({});
    w.setScreen(nullptr);
    w.update();
}

void DesktopHost::controlChanged(Screen& screen, ControlId id) {
    PageWindow& w = *window_;
    if (w.screen() != &screen) return;
    if (!w.natives().update(screen, id)) w.update();
}

void DesktopHost::quitQuestionChanged(Screen& screen) {
    PageWindow& w = *window_;
    if (w.screen() != &screen) return;
    const bool wasUp = w.quitPanel().isVisible();
    w.quitPanel().sync(course_);
    // Taken away with the page still there: the page's focus is as it was.
    if (wasUp && !w.quitPanel().isVisible()) {
        if (auto f = screen.focus(); f && w.natives().widget(*f)) w.natives().focus(*f);
        else w.setFocus(Qt::OtherFocusReason);
    }
}

bool DesktopHost::quitQuestionShown() const { return window_->quitPanel().isVisible(); }

OnScreenKeyboard& DesktopHost::keyboard() const { return window_->keyboard(); }

void DesktopHost::setPointerShape(const std::string& iconKey) {
    PageWindow& w = *window_;
    if (iconKey.empty()) {
        w.unsetCursor();
        return;
    }
    // Every hot-spot names the same pointer icon under its own key: one cursor per source.
    const QString key = store_.files(iconKey).join('|');
    auto it = cursors_.find(key);
    if (it == cursors_.end()) {
        const double dpr = w.devicePixelRatioF();
        QImage img = store_.image(iconKey, QSize(static_cast<int>(32 * dpr), static_cast<int>(32 * dpr)));
        if (img.isNull()) {
            // The icon is missing: the system's hand still tells the pupil a button is there.
            w.setCursor(Qt::PointingHandCursor);
            return;
        }
        QPixmap pm = QPixmap::fromImage(img);
        pm.setDevicePixelRatio(dpr);
        it = cursors_.insert(key, QCursor(pm, kPointerHotSpot.x(), kPointerHotSpot.y()));
    }
    w.setCursor(*it);
}

void DesktopHost::dragStarted(Screen& screen, ControlId source) { window_->startDrag(screen.rect(source), source); }

void DesktopHost::loupeChanged(Screen& screen, std::optional<ControlId> label) {
    if (window_->screen() != &screen) return;
    window_->setLoupe(label);
}

void DesktopHost::wakeAfter(int ms) {
    waited_.start();
    wake_.start(std::max(0, ms));
}

std::optional<ControlId> DesktopHost::loupeShown() const { return window_->loupe(); }

QRect DesktopHost::loupeRect() const {
    const auto bubble = window_->loupeBubble();
    return bubble ? bubble->bubble.toAlignedRect() : QRect();
}

void DesktopHost::dragEnded() { window_->endDrag(); }

void DesktopHost::dragHeldOver(Screen& screen, ControlId target) {
    if (window_->screen() == &screen) window_->holdDragOver(target);
}

std::optional<ControlId> DesktopHost::heldOverShown() const { return window_->dragHeldOver(); }

void DesktopHost::startProgram(const std::string& path, int windowStyle) {
    if (options_.recordPrograms) {
        programs_.emplace_back(path, windowStyle);
        return;
    }
    // Detached, from the program's own folder, its output not tied to ours.
    QProcess process;
    process.setProgram(QString::fromStdString(path));
    process.setWorkingDirectory(folder_);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setStandardInputFile(QProcess::nullDevice());
    if (process.startDetached()) return;
    // Told once: a pupil who clicks the button again gets no further line.
    diagnostics::tellOnce("start:" + path, "cannot start " + path + ": " + process.errorString().toStdString());
}

void DesktopHost::printPage(const Screen& screen) {
    if (options_.recordPrograms) {
        prints_.push_back(screen.name());
        return;
    }
    // The dialog opens once the click's event is over, so the course is not
    // in the middle of a handler while it waits; it prints the page on show
    // then, if it is still that page.
    QTimer::singleShot(0, window_.get(), [this, shown = &screen] {
        if (window_->screen() != shown || !window_->pageShown()) return;
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setDocName(window_->windowTitle());
        QPrintDialog dialog(&printer, window_.get());
        dialog.setOption(QAbstractPrintDialog::PrintToFile);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        if (dialog.exec() != QDialog::Accepted || window_->screen() != shown) return;
        if (!printShownPage(printer))
            diagnostics::tellOnce("print", "cannot print the page: the printer or the file cannot be opened");
    });
}

bool DesktopHost::printShownPage(QPrinter& printer) {
    const Screen* screen = window_->screen();
    if (!screen) return false;
    // What the animation players show now lies on the paper where they are.
    std::map<ControlId, QImage> frames;
    for (ControlId id = 0; id < screen->controlCount(); ++id) {
        if (auto* player = dynamic_cast<QmlMoviePlayer*>(screen->state(id).player.get());
            player && player->widget() && screen->state(id).visible)
            frames[id] = player->widget()->grabFramebuffer();
    }
    return nizam::platform::printPage(printer, *screen, store_, frames);
}

std::unique_ptr<MoviePlayer> DesktopHost::createPlayer(Screen& screen, ControlId id) {
    PageWindow& w = *window_;
    if (w.screen() != &screen) return nullptr;
    return std::make_unique<QmlMoviePlayer>(&w, w.canvas().toWindow(screen.rect(id)).toRect());
}

void DesktopHost::layoutPlayers() {
    const Screen* screen = window_->screen();
    if (!screen) return;
    for (ControlId id = 0; id < screen->controlCount(); ++id) {
        if (auto* p = dynamic_cast<QmlMoviePlayer*>(screen->state(id).player.get()))
            p->setGeometry(window_->canvas().toWindow(screen->rect(id)).toRect());
    }
}

void DesktopHost::endApplication() {
    window_->hideAtEnd();
    if (options_.quitOnEnd) QCoreApplication::exit(0);
}

std::string DesktopHost::applicationFolder() const { return folder_.toStdString(); }

void DesktopHost::prerenderAround(const Screen& screen) {
    if (!course_ || deferredStartup_) return;
    const PageCanvas& canvas = window_->canvas();
    store_.fitBudgetTo(window_->size() * window_->devicePixelRatio());
    const SvgAssetStore::Wanted current = canvas.picturesOf(screen.def(), &screen);
    SvgAssetStore::Wanted ahead;
    for (const ScreenDef* next : course_->pagesLedTo(screen.name())) {
        auto more = canvas.picturesOf(*next, nullptr);
        ahead.insert(ahead.end(), more.begin(), more.end());
    }
    store_.prerender(current, ahead);
}

}  // namespace nizam::platform
