#include "platform/desktop_host.h"
#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QTranslator>
#include <QTextOption>
#include <cmath>
#include <cstdio>
#include <set>

#include "app/navigation.h"
#include "app/page_titles.h"
#include "platform/fonts.h"
#include "platform/qml_movie_player.h"
#include "platform/quiet_font_cache.h"
#include "platform/text_filter.h"
#include "runtime/screen.h"

namespace nizam::platform {

namespace {

// The pointer icon's hot spot: the top of the raised fingertip.
constexpr QPoint kPointerHotSpot(13, 6);

// The design canvas, in design pixels: the largest client area of any page.
const QSizeF kCanvas(15360.0 / kTwipsPerPixel, 11520.0 / kTwipsPerPixel);

QColor toQColor(Color c) {
    if (c & kSystemColorBit) {
        switch (c & 0xFFu) {
            case 5: return QColor(Qt::white);             // window background
            case 8: return QColor(Qt::black);             // window text
            case 15: return QColor(0xF0, 0xF0, 0xF0);     // button face
            case 18: return QColor(Qt::black);            // button text
            default: return QColor(Qt::white);
        }
    }
    return QColor(static_cast<int>(c & 0xFFu), static_cast<int>((c >> 8) & 0xFFu), static_cast<int>((c >> 16) & 0xFFu));
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
        if (hasFocus() && showFocus_) {
            p.setPen(QPen(QColor(0x2f, 0x7d, 0xc4), 1, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        }
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

private:
    const bool& showFocus_;
};

// The device pixels at which a picture shown at `shown` window pixels is
// drawn: the same sum for drawing and for rendering ahead, so what is
// rendered ahead is what is drawn.
QSize deviceSize(QSizeF shown, double dpr) {
    const long w = std::lround(shown.width()), h = std::lround(shown.height());
    return {static_cast<int>(std::lround(w * dpr)), static_cast<int>(std::lround(h * dpr))};
}

}  // namespace

// The one window of the program.
class PageWindow : public QWidget {
    friend class DesktopHost;

public:
    explicit PageWindow(DesktopHost& host) : host_(host) {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::NoFocus);
        setMinimumSize(320, 240);
    }

    Screen* screen = nullptr;
    std::vector<QPointer<QWidget>> natives;
    bool dragging = false;
    Rect dragRect;
    QPoint dragAnchor;  // twips where the drag started
    QPoint pointer;     // twips of the last pointer position
    long frames = 0;
    bool ending = false;
    bool sized = false;      // the window has been given its opening size
    bool pageShown = false;  // the screen is past its Load and on show
    bool ourFullScreen = false;  // full screen through F11
    QRect normalGeometry;        // where it was before F11
    // Focus is drawn only once the keyboard has moved it on this page: a
    // ring on a box at load would point the pupil at an answer.
    bool showFocus = false;
    QHash<QString, QCursor> cursors;

    void keyboardUsed() {
        if (showFocus) return;
        showFocus = true;
        for (auto& n : natives) {
            if (n) n->update();
        }
    }

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

    // Every page is drawn at the scale that fits the design canvas into the
    // window, so a page with a smaller client area (Form3, Form4) keeps the
    // same scale as the others, its pictures stay at whole design pixels on a
    // window of the design size, and pictures rendered ahead for it fit.
    double scale() const {
        return std::min(width() / kCanvas.width(), height() / kCanvas.height());
    }
    // The design canvas in window pixels, centred, around the page's client area.
    QRectF canvasRect() const {
        const double s = scale();
        const QSizeF c = kCanvas * s;
        return {std::floor((width() - c.width()) / 2), std::floor((height() - c.height()) / 2), c.width(), c.height()};
    }
    QPointF origin() const {
        if (!screen) return {};
        const double s = scale();
        const double cw = screen->def().clientWidth / double(kTwipsPerPixel) * s;
        const double ch = screen->def().clientHeight / double(kTwipsPerPixel) * s;
        return {std::floor((width() - cw) / 2), std::floor((height() - ch) / 2)};
    }
    QRectF toWindow(const Rect& r) const {
        const double s = scale() / kTwipsPerPixel;
        const QPointF o = origin();
        return {o.x() + r.left * s, o.y() + r.top * s, r.width * s, r.height * s};
    }
    QPoint toTwips(QPointF pos) const {
        const double s = scale();
        const QPointF o = origin();
        return {static_cast<int>(std::lround((pos.x() - o.x()) / s * kTwipsPerPixel)),
                static_cast<int>(std::lround((pos.y() - o.y()) / s * kTwipsPerPixel))};
    }
    QRect clientRect() const {
        if (!screen) return rect();
        return toWindow(Rect{0, 0, screen->def().clientWidth, screen->def().clientHeight}).toAlignedRect();
    }

    // Places the native controls over the page at the current scale.
    void layoutNatives() {
        if (!screen) return;
        const double s = scale();
        for (ControlId id = 0; id < static_cast<ControlId>(natives.size()); ++id) {
            QWidget* w = natives[static_cast<std::size_t>(id)];
            if (!w) continue;
            w->setGeometry(toWindow(screen->rect(id)).toRect());
            const ControlDef& c = screen->control(id);
            if (c.font) w->setFont(mappedFont(*c.font, s));
        }
        host_.layoutPlayers();
    }

    void updatePointer(QPointF windowPos) {
        pointer = toTwips(windowPos);
        if (host_.nav_) host_.nav_->pointerMove(pointer.x(), pointer.y());
        if (dragging) update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x2b, 0x34, 0x3d));
        if (!screen) return;
        const QRect client = clientRect();
        // Around a smaller client area the canvas shows the page's own colour.
        p.fillRect(canvasRect().toAlignedRect(), toQColor(screen->def().backColor));
        p.setClipRect(client);
        p.fillRect(client, toQColor(screen->def().backColor));
        p.setRenderHint(QPainter::Antialiasing, false);
        for (ControlId id = screen->controlCount() - 1; id >= 0; --id) {
            const ControlDef& c = screen->control(id);
            const ControlState& st = screen->state(id);
            if (!st.visible) continue;
            switch (c.kind) {
                case Kind::Image: drawImage(p, id); break;
                case Kind::Shape: drawShape(p, id, c); break;
                case Kind::Line: drawLine(p, c); break;
                case Kind::Label: drawLabel(p, id, c); break;
                default: break;  // native widgets and timers
            }
        }
        if (dragging) {
            Rect r = dragRect;
            r.left += pointer.x() - dragAnchor.x();
            r.top += pointer.y() - dragAnchor.y();
            QPen pen(QColor(0x22, 0x38, 0x4f), 2, Qt::DashLine);
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawRect(toWindow(r).adjusted(1, 1, -1, -1));
        }
        ++frames;
        // With the first frame out, the start-up work it could do without (the
        // fonts first), then the animations made ready ahead of their pages.
        if (frames == 1)
            QTimer::singleShot(0, this, [this] {
                host_.finishStartup();
                QmlMoviePlayer::prepareAhead(this, host_.folder_);
            });
    }

    // The picture an image control of the page shows: its key, where it is
    // drawn and at what size in device pixels; nothing for a control without
    // a picture or parked outside the page, which is never seen.
    struct ShownPicture {
        std::string key;
        QRect target;
        QSize device;
    };
    std::optional<ShownPicture> shownPicture(ControlId id) const {
        const ControlDef& c = screen->control(id);
        const ControlState& st = screen->state(id);
        if (c.kind != Kind::Image || st.picture.empty()) return std::nullopt;
        const QRectF r = toWindow(screen->rect(id));
        if (!r.intersects(clientRect())) return std::nullopt;
        QSizeF shown = c.stretch ? r.size()
                                 : QSizeF(st.picture->size.width, st.picture->size.height) * scale();
        const QRect target(QPoint(static_cast<int>(std::lround(r.x())), static_cast<int>(std::lround(r.y()))),
                           QSize(static_cast<int>(std::lround(shown.width())), static_cast<int>(std::lround(shown.height()))));
        return ShownPicture{st.picture->key, target, deviceSize(shown, devicePixelRatioF())};
    }

    void drawImage(QPainter& p, ControlId id) {
        const auto shown = shownPicture(id);
        if (!shown) return;
        const QImage img = host_.store_.image(shown->key, shown->device);
        if (!img.isNull()) p.drawImage(shown->target, img);
    }

    void drawShape(QPainter& p, ControlId id, const ControlDef& c) {
        QRectF r = toWindow(screen->rect(id));
        const double s = scale();
        if (c.backStyle.value_or(0) == 1) p.fillRect(r, toQColor(c.backColor.value_or(kWindowBackground)));
        const int style = c.borderStyle.value_or(kBorderSolid);
        const double w = style == kBorderDotted ? 1.0 : std::max(1.0, c.borderWidth.value_or(1) * s);
        QPen pen(toQColor(c.borderColor.value_or(kBlack)), w);
        pen.setJoinStyle(Qt::MiterJoin);
        if (style == kBorderDotted) pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        // Solid borders wider than a pixel lie across the edge; style 6 lies inside it.
        const double inset = style == kBorderInsideSolid ? w / 2 : 0.5;
        p.drawRect(r.adjusted(inset, inset, -inset, -inset));
    }

    void drawLine(QPainter& p, const ControlDef& c) {
        p.setPen(QPen(toQColor(c.borderColor.value_or(kBlack)), std::max(1.0, scale())));
        const QRectF a = toWindow(Rect{c.x1, c.y1, 0, 0});
        const QRectF b = toWindow(Rect{c.x2, c.y2, 0, 0});
        p.drawLine(a.topLeft(), b.topLeft());
    }

    void drawLabel(QPainter& p, ControlId id, const ControlDef& c) {
        const QRectF r = toWindow(screen->rect(id));
        p.fillRect(r, toQColor(c.backColor.value_or(kButtonFace)));
        if (!c.caption) return;
        p.setPen(toQColor(c.foreColor.value_or(kWindowText)));
        if (c.font) p.setFont(mappedFont(*c.font, scale()));
        const int align = c.alignment.value_or(0);
        QTextOption option(align == 2 ? Qt::AlignHCenter : align == 1 ? Qt::AlignRight : Qt::AlignLeft);
        option.setWrapMode(QTextOption::WordWrap);
        // A label in the Arabic character set reads right to left when it holds
        // Arabic words; a bare list number such as " -1" is shown as written,
        // its digit at the right, as an Arabic book prints it.
        const QString caption = QString::fromStdString(*c.caption);
        const bool arabic = std::any_of(caption.begin(), caption.end(), [](QChar ch) {
            return ch.direction() == QChar::DirR || ch.direction() == QChar::DirAL;
        });
        option.setTextDirection(c.font && c.font->charset == 178 && arabic ? Qt::RightToLeft : Qt::LeftToRight);
        p.drawText(r, caption, option);
    }

    // A new size is a new scale: the page and the pages it leads to are
    // rendered ahead again at it (resizing, maximising, full screen).
    void resizeEvent(QResizeEvent*) override {
        layoutNatives();
        if (screen && pageShown && isVisible()) host_.prerenderAround(*screen);
    }

    void showEvent(QShowEvent*) override {
        if (!host_.options_.fitToScreen || fittedShown_) return;
        fittedShown_ = true;
        // A window manager adds its frame once the window is mapped, some
        // time later: fit again then if the frame pushed the page off the
        // free area, unless the window was made full screen meanwhile.
        for (int delay : {0, 300, 1000}) QTimer::singleShot(delay, this, [this] { refitIfFramed(); });
    }

    void refitIfFramed() {
        if (!isVisible() || isFullScreen() || isMaximized() || ourFullScreen) return;
        QScreen* display = QWidget::screen();
        if (display && !display->availableGeometry().contains(frameGeometry())) fitToDisplay();
    }

    void mouseDoubleClickEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton || !host_.nav_) return;
        pointer = toTwips(e->position());
        host_.nav_->pointerDoubleClick(pointer.x(), pointer.y());
    }

    void mouseMoveEvent(QMouseEvent* e) override { updatePointer(e->position()); }

    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton || !host_.nav_) return;
        pointer = toTwips(e->position());
        host_.nav_->pointerPress(pointer.x(), pointer.y());
    }

    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton || !host_.nav_) return;
        pointer = toTwips(e->position());
        if (!rect().contains(e->position().toPoint()))
            host_.nav_->pointerReleaseOutside();  // a release outside the window drops nothing
        else
            host_.nav_->pointerRelease(pointer.x(), pointer.y());
    }

    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_F11) {
            host_.toggleFullScreen();
            return;
        }
        if (e->key() == Qt::Key_Escape && host_.nav_ && host_.nav_->dragging()) {
            host_.nav_->cancelDrag();
            return;
        }
        if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) keyboardUsed();
        QWidget::keyPressEvent(e);
    }

    void closeEvent(QCloseEvent* e) override {
        if (!ending && host_.nav_ && host_.nav_->current()) {
            host_.nav_->windowClosed();  // closing the window acts as Quit
        }
        e->accept();
    }

    bool eventFilter(QObject* watched, QEvent* e) override {
        // The pointer moving over a native control still reaches the logic,
        // so the pointer shape and hover state follow it.
        if (e->type() == QEvent::MouseMove) {
            auto* w = static_cast<QWidget*>(watched);
            auto* me = static_cast<QMouseEvent*>(e);
            updatePointer(w->mapTo(this, me->position()));
        } else if ((e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) &&
                   static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton && host_.nav_) {
            // The second press of a double-click whose first click led to this
            // page must not tick the box or select in the text box under it.
            if (!host_.nav_->nativePress(e->type() == QEvent::MouseButtonDblClick)) return true;
        } else if (e->type() == QEvent::KeyPress && host_.nav_) {
            const int key = static_cast<QKeyEvent*>(e)->key();
            if (key == Qt::Key_Escape && host_.nav_->dragging()) {
                host_.nav_->cancelDrag();
                return true;
            }
            if (key == Qt::Key_F11) {
                host_.toggleFullScreen();
                return true;
            }
            if (key == Qt::Key_Tab || key == Qt::Key_Backtab) keyboardUsed();
        } else if (e->type() == QEvent::FocusIn && host_.nav_ && screen) {
            for (ControlId id = 0; id < static_cast<ControlId>(natives.size()); ++id) {
                if (natives[static_cast<std::size_t>(id)] == watched) host_.nav_->userSetFocus(id);
            }
        }
        return false;
    }

private:
    DesktopHost& host_;
    bool fittedShown_ = false;
};

DesktopHost::DesktopHost(SvgAssetStore& store, QString programFolder, Options options)
    : store_(store),
      folder_(std::move(programFolder)),
      options_(options),
      deferredStartup_(std::move(options_.afterFirstFrame)),
      window_(std::make_unique<PageWindow>(*this)) {
    // The text boxes and check boxes lie over pictures drawn for one look:
    // every machine draws them with Qt's Fusion style, whatever style its
    // desktop or QT_STYLE_OVERRIDE asks for.
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStringLiteral("Fusion"));
    // No font-cache trimming from a timer while the pupil reads a page.
    QuietFontCache::install();
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
    if (window_->screen) setIcon(*window_->screen);
    // Rendering ahead waited for it (the fonts above all).
    if (window_->screen && window_->pageShown) prerenderAround(*window_->screen);
}

bool DesktopHost::drawableWithoutStartup(const Screen& screen) const {
    for (ControlId id = 0; id < screen.controlCount(); ++id) {
        if (!screen.state(id).visible) continue;
        switch (screen.control(id).kind) {
            case Kind::Image:
                if (const auto shown = window_->shownPicture(id); shown && !store_.takePrerendered(shown->key, shown->device))
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
    if (!window_->screen) return out;
    for (ControlId id = 0; id < window_->screen->controlCount(); ++id)
        if (const auto shown = window_->shownPicture(id)) out.emplace_back(shown->key, shown->device);
    return out;
}

DesktopHost::~DesktopHost() = default;

void DesktopHost::attach(Navigator* navigator) { nav_ = navigator; }
QWidget* DesktopHost::window() const { return window_.get(); }
double DesktopHost::scale() const { return window_->scale(); }
QRect DesktopHost::clientRect() const { return window_->clientRect(); }
long DesktopHost::framesDrawn() const { return window_->frames; }

const Screen* DesktopHost::shownScreen() const { return window_->screen; }

QWidget* DesktopHost::nativeWidget(ControlId id) const {
    if (id < 0 || id >= static_cast<ControlId>(window_->natives.size())) return nullptr;
    return window_->natives[static_cast<std::size_t>(id)];
}

QSize DesktopHost::fittedSize(QSize available) {
    const QSize canvas(15360 / kTwipsPerPixel, 11520 / kTwipsPerPixel);
    if (available.width() >= canvas.width() && available.height() >= canvas.height()) return canvas;
    return canvas.scaled(available.expandedTo(QSize(1, 1)), Qt::KeepAspectRatio);
}

void DesktopHost::toggleFullScreen() {
    PageWindow& w = *window_;
    if (w.isFullScreen() || w.ourFullScreen) {
        w.ourFullScreen = false;
        w.setWindowState(w.windowState() & ~Qt::WindowFullScreen);
        if (w.normalGeometry.isValid()) w.setGeometry(w.normalGeometry);
        return;
    }
    w.normalGeometry = w.geometry();
    w.ourFullScreen = true;
    w.setWindowState(w.windowState() | Qt::WindowFullScreen);
    // A window manager does this itself; without one, nobody else will.
    if (QScreen* display = w.QWidget::screen()) w.setGeometry(display->geometry());
}

bool installArabicTranslations() {
    auto* app = QCoreApplication::instance();
    if (!app) return false;
    static QPointer<QTranslator> installed;
    if (installed) return true;
    auto* translator = new QTranslator(app);
    if (!translator->load(QLocale(QLocale::Arabic), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        std::fprintf(stderr, "nizam: Qt's Arabic translations (qtbase_ar.qm) are not installed\n");
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

QPointF DesktopHost::toWindow(Twips x, Twips y) const { return window_->toWindow(Rect{x, y, 0, 0}).topLeft(); }

void DesktopHost::createWindow(Screen& screen) {
    PageWindow& w = *window_;
    openPages_.push_back(&screen);
    w.screen = &screen;
    w.pageShown = false;  // showWindow renders ahead, once the page is as Load left it
    w.natives.assign(static_cast<std::size_t>(screen.controlCount()), nullptr);
    w.showFocus = false;  // a new page: no focus shown until the keyboard is used
    // The program's name and the page's own title, never the screen's inner name.
    w.setWindowTitle(QString::fromStdString(windowTitle(screen.name())));
    // The icon waits with the rest of the start-up work: the first frame does not show it.
    if (!deferredStartup_) setIcon(screen);

    // Native controls, in tab order.
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (ControlId id = 0; id < screen.controlCount(); ++id) {
        const ControlDef& c = screen.control(id);
        QWidget* native = nullptr;
        if (c.kind == Kind::CheckBox) {
            auto* box = new AnswerCheck(&w, w.showFocus);
            box->back = toQColor(c.backColor.value_or(kButtonFace));
            box->setAttribute(Qt::WA_Hover);
            box->setFocusPolicy(Qt::StrongFocus);
            QObject::connect(box, &QCheckBox::toggled, box, [this, id](bool on) {
                if (nav_) nav_->userSetValue(id, on ? 1 : 0);
            });
            native = box;
        } else if (c.kind == Kind::TextBox) {
            auto* edit = new AnswerBox(&w, w.showFocus);
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
                if (nav_) nav_->userSetText(id, clean.toStdString());
            });
            native = edit;
        }
        if (!native) continue;
        native->installEventFilter(&w);
        native->setMouseTracking(true);
        native->setVisible(screen.state(id).visible);
        w.natives[static_cast<std::size_t>(id)] = native;
        tabOrder.emplace_back(c.tabIndex.value_or(1 << 20), native);
    }
    std::stable_sort(tabOrder.begin(), tabOrder.end(), [](auto& a, auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i) QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);

    // The window is sized once, for the design canvas; every page, whatever
    // its own client size, then scales inside the same window.
    if (!w.sized) {
        w.sized = true;
        if (options_.fitToScreen)
            w.fitToDisplay();
        else
            w.resize(fittedSize(QSize(1 << 16, 1 << 16)));
    }
    w.layoutNatives();
}

void DesktopHost::showWindow(Screen& screen) {
    PageWindow& w = *window_;
    if (w.screen != &screen) return;
    // The first page waits for the start-up work only when it needs it.
    if (deferredStartup_ && !drawableWithoutStartup(screen)) finishStartup();
    w.pageShown = true;
    if (!w.isVisible()) w.show();
    if (auto f = screen.focus()) {
        if (QWidget* n = nativeWidget(*f)) n->setFocus(Qt::OtherFocusReason);
    }
    w.update();
    prerenderAround(screen);
}

void DesktopHost::destroyWindow(Screen& screen) {
    PageWindow& w = *window_;
    std::erase(openPages_, &screen);
    if (w.screen != &screen) return;
    for (auto& n : w.natives) delete n.data();
    w.natives.clear();
    w.screen = nullptr;
    w.dragging = false;
    w.update();
}

void DesktopHost::controlChanged(Screen& screen, ControlId id) {
    PageWindow& w = *window_;
    if (w.screen != &screen) return;
    const ControlState& st = screen.state(id);
    if (QWidget* n = nativeWidget(id)) {
        if (n->isVisibleTo(&w) != st.visible) n->setVisible(st.visible);
        if (auto* box = qobject_cast<QCheckBox*>(n); box && box->isChecked() != (st.value == 1)) {
            QSignalBlocker block(box);
            box->setChecked(st.value == 1);
        }
        if (auto* edit = qobject_cast<QLineEdit*>(n); edit && edit->text().toStdString() != st.text) {
            QSignalBlocker block(edit);
            edit->setText(QString::fromStdString(st.text));
        }
        if (screen.focus() == id && !n->hasFocus() && w.isVisible()) n->setFocus(Qt::OtherFocusReason);
        return;
    }
    w.update();
}

void DesktopHost::setPointerShape(const std::string& iconKey) {
    PageWindow& w = *window_;
    if (iconKey.empty()) {
        w.unsetCursor();
        return;
    }
    // Every hot-spot names the same pointer icon under its own key: one cursor per source.
    const QString key = store_.files(iconKey).join('|');
    auto it = w.cursors.find(key);
    if (it == w.cursors.end()) {
        const double dpr = w.devicePixelRatioF();
        QImage img = store_.image(iconKey, QSize(static_cast<int>(32 * dpr), static_cast<int>(32 * dpr)));
        if (img.isNull()) {
            // The icon is missing: the system's hand still tells the pupil a button is there.
            w.setCursor(Qt::PointingHandCursor);
            return;
        }
        QPixmap pm = QPixmap::fromImage(img);
        pm.setDevicePixelRatio(dpr);
        it = w.cursors.insert(key, QCursor(pm, kPointerHotSpot.x(), kPointerHotSpot.y()));
    }
    w.setCursor(*it);
}

void DesktopHost::dragStarted(Screen& screen, ControlId source) {
    PageWindow& w = *window_;
    w.dragging = true;
    w.dragRect = screen.rect(source);
    w.dragAnchor = w.pointer;
    w.update();
}

void DesktopHost::dragEnded() {
    window_->dragging = false;
    window_->update();
}

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
    static std::set<std::string> told;
    if (!told.insert(path).second) return;
    std::fprintf(stderr, "nizam: cannot start %s: %s\n", path.c_str(), qPrintable(process.errorString()));
    std::fflush(stderr);
}

std::unique_ptr<MoviePlayer> DesktopHost::createPlayer(Screen& screen, ControlId id) {
    PageWindow& w = *window_;
    if (w.screen != &screen) return nullptr;
    return std::make_unique<QmlMoviePlayer>(&w, w.toWindow(screen.rect(id)).toRect());
}

void DesktopHost::layoutPlayers() {
    PageWindow& w = *window_;
    if (!w.screen) return;
    for (ControlId id = 0; id < w.screen->controlCount(); ++id) {
        if (auto* p = dynamic_cast<QmlMoviePlayer*>(w.screen->state(id).player.get()))
            p->setGeometry(w.toWindow(w.screen->rect(id)).toRect());
    }
}

void DesktopHost::endApplication() {
    PageWindow& w = *window_;
    w.ending = true;
    w.hide();
    w.ending = false;
    if (options_.quitOnEnd) QCoreApplication::exit(0);
}

std::string DesktopHost::applicationFolder() const { return folder_.toStdString(); }

void DesktopHost::prerenderAround(const Screen& screen) {
    if (!nav_ || deferredStartup_) return;
    PageWindow& w = *window_;
    const double dpr = w.devicePixelRatioF();
    // The pictures of a screen as they are drawn: every picture control on the
    // page (hidden highlights and figures too), at the size it has now.
    auto pictures = [&](const ScreenDef& d, const Screen* shown) {
        SvgAssetStore::Wanted out;
        const double s = w.scale();  // every page shows at the one canvas scale
        for (std::size_t i = 0; i < d.controls.size(); ++i) {
            const ControlDef& c = d.controls[i];
            if (c.kind != Kind::Image) continue;
            const Rect r = shown ? shown->rect(static_cast<ControlId>(i)) : c.rect;
            const bool outside = r.left >= d.clientWidth || r.top >= d.clientHeight || r.left + r.width <= 0 ||
                                 r.top + r.height <= 0;
            if (outside) continue;  // parked outside the page: never seen
            const PictureRef& pic = shown ? shown->state(static_cast<ControlId>(i)).picture : PictureRef();
            std::string key;
            QSizeF picturePixels;
            if (shown && !pic.empty()) {
                key = pic->key;
                picturePixels = QSizeF(pic->size.width, pic->size.height);
            } else if (c.picture) {
                key = assetKey(d, c, "Picture");
                picturePixels = QSizeF(c.picture->width, c.picture->height);
            } else {
                continue;
            }
            const QSizeF shownSize = c.stretch ? QSizeF(r.width, r.height) * (s / kTwipsPerPixel) : picturePixels * s;
            out.emplace_back(std::move(key), deviceSize(shownSize, dpr));
        }
        return out;
    };
    const SvgAssetStore::Wanted current = pictures(screen.def(), &screen);
    SvgAssetStore::Wanted ahead;
    for (const auto& target : navigationTargets(screen.name())) {
        for (const auto& e : nav_->registry()) {
            if (e.name != target || !e.module) continue;
            auto more = pictures(e.module->def, nullptr);
            ahead.insert(ahead.end(), more.begin(), more.end());
        }
    }
    store_.prerender(current, ahead);
}

}  // namespace nizam::platform
