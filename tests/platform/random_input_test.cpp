// SPDX-License-Identifier: GPL-3.0-or-later
// Random input over the whole course on the real desktop window: clicks,
// double clicks, drags, moves, keys, typing and pasting, resets and page
// changes, the window resized, as Qt events on Qt's offscreen platform.
// After every event:
//   - exactly one page window is open while a screen is loaded (none after
//     the end), and the window draws that screen;
//   - the native controls and animation players in the window are exactly
//     the loaded screen's own, none left over from a page before;
//   - every native control shows its model state (shown or hidden, ticked,
//     text), keyboard focus is never on a hidden control, and no pointer
//     event has reached a hidden control;
// and every few events the window is drawn and, where a picture is not
// covered by a control in front of it, its pixels are the ones the store
// renders for the picture the model names. Every page of the course is
// shown on the way.
//
// The test command runs this under AddressSanitizer and UBSan as well. The
// seed and the number of events come from NIZAM_RANDOM_SEED and
// NIZAM_RANDOM_EVENTS; the seed is printed first, so a crash can be replayed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <cstdlib>
#include <random>
#include <set>
#include <sstream>

#include "app/registry.h"
#include "platform/desktop_host.h"
#include "platform/process.h"
#include "platform/qml_movie_player.h"
#include "platform/svg_asset_store.h"

namespace nizam::platform {
namespace {

unsigned long envNumber(const char* name, unsigned long fallback) {
    const char* v = std::getenv(name);
    if (!v || !*v) return fallback;
    char* end = nullptr;
    const unsigned long n = std::strtoul(v, &end, 10);
    return end && *end == '\0' ? n : fallback;
}

// Whether the control's drawing lies over the point (lines by their bounding
// box). A frame's border lies across its edge, half its width (which grows
// with the scale) outside it. `around`: window pixels around it too.
bool covers(const Screen& s, ControlId id, const DesktopHost& host, QPoint p, double around = 0) {
    const ControlDef& c = s.control(id);
    const double border = c.kind == Kind::Shape ? c.borderWidth.value_or(1) * host.scale() / 2 : 0;
    if (c.kind == Kind::Line) {
        const QPointF a = host.toWindow(c.x1, c.y1), b = host.toWindow(c.x2, c.y2);
        const double m = 3 + host.scale();
        return QRectF(a, b).normalized().adjusted(-m, -m, m, m).contains(p);
    }
    const Rect r = s.rect(id);
    const QRectF w(host.toWindow(r.left, r.top), host.toWindow(r.left + r.width, r.top + r.height));
    const double m = 1 + border + around;
    return w.adjusted(-m, -m, m, m).contains(p);
}

class RandomInput {
public:
    // The program folder is the build's, so the pages' animations really play.
    RandomInput(unsigned long seed, std::string assets)
        : seed_(seed), rng_(static_cast<std::mt19937::result_type>(seed)), store_(QString::fromStdString(assets)),
          host_(store_, QStringLiteral(NIZAM_PROGRAM_DIR), {.quitOnEnd = false, .recordPrograms = true, .fitToScreen = false, .afterFirstFrame = nullptr, .keyboard = true}),
          nav_(host_, screenRegistry()) {
        host_.attach(&nav_);
        nav_.observeDeliveries([this](const Screen& s, ControlId id) {
            ++reached_;
            if (!s.state(id).visible && hiddenReached_.empty()) hiddenReached_ = s.control(id).name;
        });
        for (const auto& e : screenRegistry()) built_.push_back(e.name);
    }

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    // Runs `events` events spread evenly over every built screen.
    void run(unsigned long events) {
        ASSERT_EQ(built_.size(), 41u) << "every page of the course is built";
        const unsigned long perScreen = std::max(1ul, events / built_.size());
        for (const std::string& name : built_) {
            nav_.open(name);
            QCoreApplication::processEvents();
            for (unsigned long step = 0; step < perScreen; ++step) {
                if (nav_.ended()) {
                    nav_.open(name);
                    QCoreApplication::processEvents();
                }
                event();
                QCoreApplication::processEvents();
                if (const Screen* shown = host_.shownScreen()) shown_.insert(shown->name());
                ++done_;
                if (nav_.quitQuestion()) {
                    if (underQuestion_++ == 0) ++questions_;
                    longestUnder_ = std::max(longestUnder_, underQuestion_);
                } else {
                    underQuestion_ = 0;
                }
                where_ = name + ", event " + std::to_string(step) + " (" + last_ + ")";
                checkState();
                if (::testing::Test::HasFatalFailure()) return;
                if (done_ % 40 == 0) checkPictures();
                if (::testing::Test::HasFatalFailure()) return;
            }
            if (host_.window()->isFullScreen()) host_.window()->showNormal();
        }
    }

    unsigned long done() const { return done_; }
    // The pages the window drew after an event, by name.
    const std::set<std::string>& shown() const { return shown_; }
    std::set<std::string> registered() const { return {built_.begin(), built_.end()}; }
    int pagesLeft() const { return pagesLeft_; }
    int ends() const { return ends_; }
    int picturesCompared() const { return compared_; }
    // The quit question: how often it came, and the longest run of events it stood through.
    int questions() const { return questions_; }
    int longestUnderQuestion() const { return longestUnder_; }
    long controlsReached() const { return reached_; }
    std::string context() const {
        std::ostringstream o;
        o << "seed " << seed_ << ", " << where_;
        return o.str();
    }

private:
    QPoint randomPoint() {
        QWidget* w = host_.window();
        QPoint p(pick(-20, w->width() + 20), pick(-20, w->height() + 20));
        if (const Screen* s = nav_.current(); s && pick(0, 2) != 0) {  // aim at a control two times in three
            const Rect r = s->rect(pick(0, s->controlCount() - 1));
            p = host_.toWindow(r.left + pick(0, std::max(0, r.width - 1)), r.top + pick(0, std::max(0, r.height - 1)))
                    .toPoint();
        }
        return p;
    }

    void event() {
        QWindow* win = host_.window()->windowHandle();
        ASSERT_NE(win, nullptr);
        const QPoint p = randomPoint();
        const std::string before = nav_.current() ? nav_.current()->name() : std::string();
        static const Qt::Key keys[] = {Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Backspace,
                                       Qt::Key_Return, Qt::Key_Escape,  Qt::Key_Left,  Qt::Key_Delete,
                                       Qt::Key_Home,   Qt::Key_End,     Qt::Key_F11};
        static const char* const words[] = {"جهاز انذار", "=(B2*100)/(B2+B3)", "45.5", "مقاومة", "ملتقط ضوئي",
                                            "\xE2\x80\x8F" "20", "x\tyz\n", ""};
        const int a = pick(0, 99);
        if (a < 30) {
            last_ = "move";
            QTest::mouseMove(win, p);
        } else if (a < 55) {
            last_ = "click";
            QTest::mouseMove(win, p);
            QTest::mouseClick(win, Qt::LeftButton, {}, p);
        } else if (a < 62) {
            last_ = "drag";
            QTest::mouseMove(win, p);
            QTest::mousePress(win, Qt::LeftButton, {}, p);
            for (int i = pick(1, 4); i > 0; --i) QTest::mouseMove(win, randomPoint());
            if (pick(0, 9) == 0) {
                last_ = "drag cancelled by Escape";
                QTest::keyClick(win, Qt::Key_Escape);
            }
            QTest::mouseRelease(win, Qt::LeftButton, {}, randomPoint());
        } else if (a < 65) {
            last_ = "double click";
            QTest::mouseDClick(win, Qt::LeftButton, {}, p);
        } else if (a < 67) {
            last_ = "right click";
            QTest::mouseClick(win, Qt::RightButton, {}, p);
            // A context menu a right click opens is closed again, as a pupil would.
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        } else if (a < 77) {
            last_ = "key";
            QWidget* target = QApplication::focusWidget();
            const Qt::Key k = keys[pick(0, std::size(keys) - 1)];
            if (target)
                QTest::keyClick(target, k);
            else
                QTest::keyClick(win, k);
        } else if (a < 87) {
            last_ = "typing";
            if (QWidget* f = QApplication::focusWidget()) {
                if (pick(0, 1)) {
                    QInputMethodEvent ev;
                    ev.setCommitString(QString::fromUtf8(words[pick(0, std::size(words) - 1)]));
                    QCoreApplication::sendEvent(f, &ev);
                } else {
                    QTest::keyClicks(f, QStringLiteral("a1=."));
                }
            }
        } else if (a < 89) {
            last_ = "paste";
            if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
                QApplication::clipboard()->setText(QString::fromUtf8(words[pick(0, std::size(words) - 1)]).repeated(pick(1, 50)));
                edit->paste();
            }
        } else if (a < 94) {
            last_ = "reset: the page opened again";
            if (!before.empty()) nav_.open(before);
        } else if (a < 96) {
            last_ = "page change";
            nav_.open(built_[static_cast<std::size_t>(pick(0, static_cast<int>(built_.size()) - 1))]);
        } else if (a < 98) {
            // The pupil resizes the window: the page is drawn at another scale.
            QWidget* w = host_.window();
            if (w->isFullScreen()) w->showNormal();
            const QSize size(pick(320, 1700), pick(240, 1300));
            last_ = "window resized to " + std::to_string(size.width()) + "x" + std::to_string(size.height());
            w->resize(size);
        } else {
            last_ = "press, then a page change while the button is down";
            QTest::mousePress(win, Qt::LeftButton, {}, p);
            nav_.open(built_[static_cast<std::size_t>(pick(0, static_cast<int>(built_.size()) - 1))]);
            QTest::mouseRelease(win, Qt::LeftButton, {}, randomPoint());
        }
        // Pointer and key input alone (a < 77) that led to another page.
        if (a < 77 && nav_.current() && !before.empty() && nav_.current()->name() != before) ++pagesLeft_;
        if (nav_.ended()) ++ends_;
    }

    void checkState() {
        SCOPED_TRACE(context());
        ASSERT_EQ(nav_.ended(), nav_.current() == nullptr);
        ASSERT_EQ(host_.shownScreen(), nav_.current()) << "the window draws the loaded screen";
        ASSERT_EQ(host_.pagesOpen(), nav_.current() ? 1 : 0) << "page windows created and not destroyed";
        ASSERT_EQ(host_.quitQuestionShown(), nav_.quitQuestion() != nullptr)
            << "the quit question drawn exactly while the course asks it";
        ASSERT_EQ(hiddenReached_, "") << "a pointer event reached a hidden control";
        checkChildren();
        if (::testing::Test::HasFatalFailure()) return;
        const Screen* s = nav_.current();
        if (!s) return;
        QWidget* focused = QApplication::focusWidget();
        if (auto f = s->focus()) {
            ASSERT_TRUE(s->state(*f).visible) << "focus on hidden " << s->control(*f).name;
        }
        for (ControlId id = 0; id < s->controlCount(); ++id) {
            QWidget* n = host_.nativeWidget(id);
            if (!n) continue;
            const ControlState& st = s->state(id);
            const std::string name = s->control(id).name;
            ASSERT_EQ(n->isVisibleTo(host_.window()), st.visible) << name;
            if (!st.visible) {
                ASSERT_NE(focused, n) << "a hidden " << name << " has the keyboard";
            }
            if (auto* box = qobject_cast<QCheckBox*>(n)) {
                ASSERT_EQ(box->isChecked(), st.value == 1) << name;
            }
            if (auto* edit = qobject_cast<QLineEdit*>(n)) {
                ASSERT_EQ(edit->text().toStdString(), st.text) << name;
            }
        }
    }

    // The check boxes, text boxes and players living in the window are those
    // of the loaded screen, one for each of its controls of that kind: a
    // page unloaded leaves none behind, and none is made twice.
    void checkChildren() {
        QWidget* w = host_.window();
        std::multiset<const QWidget*> natives, players;
        for (QCheckBox* box : w->findChildren<QCheckBox*>()) natives.insert(box);
        for (QLineEdit* edit : w->findChildren<QLineEdit*>()) natives.insert(edit);
        for (QQuickWidget* view : w->findChildren<QQuickWidget*>()) players.insert(view);
        std::multiset<const QWidget*> wantNatives, wantPlayers;
        if (const Screen* s = nav_.current()) {
            for (ControlId id = 0; id < s->controlCount(); ++id) {
                const Kind kind = s->control(id).kind;
                if (kind == Kind::CheckBox || kind == Kind::TextBox) {
                    ASSERT_NE(host_.nativeWidget(id), nullptr) << s->control(id).name << " has no native control";
                    wantNatives.insert(host_.nativeWidget(id));
                } else if (kind == Kind::Player) {
                    const auto* player = dynamic_cast<const QmlMoviePlayer*>(s->state(id).player.get());
                    ASSERT_NE(player, nullptr) << s->control(id).name << " has no player";
                    wantPlayers.insert(player->widget());
                }
            }
        }
        ASSERT_EQ(natives, wantNatives) << "native controls in the window: " << natives.size() << ", of the page: "
                                        << wantNatives.size();
        // Besides the page's players, the window keeps at most two widgets of
        // players gone with their pages, hidden and without a scene.
        std::multiset<const QWidget*> spare;
        std::set_difference(players.begin(), players.end(), wantPlayers.begin(), wantPlayers.end(),
                            std::inserter(spare, spare.end()));
        ASSERT_EQ(players.size(), wantPlayers.size() + spare.size())
            << "players in the window: " << players.size() << ", of the page: " << wantPlayers.size();
        ASSERT_LE(spare.size(), 2u) << "widgets of players gone kept in the window";
        for (const QWidget* w : spare) {
            const auto* view = static_cast<const QQuickWidget*>(w);
            ASSERT_FALSE(view->isVisible()) << "a widget of a player gone is shown";
            ASSERT_TRUE(view->quickWindow()->contentItem()->childItems().isEmpty()) << "a scene of a page left stays";
        }
    }

    // Draws the window without its child widgets and compares, for a few
    // points of every picture on show that nothing in front covers, the
    // drawn pixel with the pixel of that picture as the store renders it.
    void checkPictures() {
        SCOPED_TRACE(context());
        const Screen* s = nav_.current();
        // A label carried by keys is drawn over the target it is held over.
        if (!s || nav_.carried()) return;
        // The keyboard's ring round a drawn control lies over what is around it.
        auto ringed = [&](QPoint p) {
            const auto f = s->focus();
            return f && !host_.nativeWidget(*f) && covers(*s, *f, host_, p, 4 + 2 * host_.scale());
        };
        QWidget* w = host_.window();
        QImage drawn(w->size(), QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::black);
        w->render(&drawn, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        const QRect client = host_.clientRect();
        const double scale = host_.scale();
        for (ControlId id = 0; id < s->controlCount(); ++id) {
            const ControlDef& c = s->control(id);
            const ControlState& st = s->state(id);
            if (c.kind != Kind::Image || !st.visible || st.picture.empty()) continue;
            const Rect r = s->rect(id);
            const QPointF tl = host_.toWindow(r.left, r.top), br = host_.toWindow(r.left + r.width, r.top + r.height);
            const QSizeF shown = c.stretch ? QSizeF(br.x() - tl.x(), br.y() - tl.y())
                                           : QSizeF(st.picture->size.width, st.picture->size.height) * scale;
            const QRect target(QPoint(int(std::lround(tl.x())), int(std::lround(tl.y()))),
                               QSize(int(std::lround(shown.width())), int(std::lround(shown.height()))));
            const QRect seen = target & client & drawn.rect();
            if (seen.isEmpty()) continue;
            const QImage source = store_.image(st.picture->key, target.size());
            if (source.isNull()) continue;  // a missing picture draws nothing; the store reports it
            for (int tries = 0; tries < 6; ++tries) {
                const QPoint p(pick(seen.left(), seen.right()), pick(seen.top(), seen.bottom()));
                bool hidden = ringed(p);
                for (ControlId front = 0; front < id && !hidden; ++front)
                    hidden = s->state(front).visible && covers(*s, front, host_, p);
                if (hidden) continue;
                const QRgb want = source.pixel(p - target.topLeft());
                if (qAlpha(want) != 255) continue;
                ASSERT_EQ(drawn.pixel(p), want) << c.name << " at " << p.x() << "," << p.y() << " should show "
                                                 << st.picture->key;
                ++compared_;
            }
        }
    }

    unsigned long seed_;
    std::mt19937 rng_;
    SvgAssetStore store_;
    DesktopHost host_;
    Navigator nav_;
    std::vector<std::string> built_;
    std::set<std::string> shown_;
    unsigned long done_ = 0;
    int pagesLeft_ = 0, ends_ = 0, compared_ = 0;
    int questions_ = 0, underQuestion_ = 0, longestUnder_ = 0;
    long reached_ = 0;            // pointer events that reached a control
    std::string hiddenReached_;   // the first hidden control one reached
    std::string where_ = "before the first event", last_;
};

TEST(RandomInputOverTheCourse, InvariantsHoldAfterEveryEvent) {
    const unsigned long seed = envNumber("NIZAM_RANDOM_SEED", 20261210);
    const unsigned long events = envNumber("NIZAM_RANDOM_EVENTS", 20000);
    std::fprintf(stderr, "random input: seed %lu, %lu events (NIZAM_RANDOM_SEED=%lu NIZAM_RANDOM_EVENTS=%lu replays it)\n",
                 seed, events, seed, events);
    RandomInput input(seed, NIZAM_ASSETS_DIR);
    input.run(events);
    if (HasFatalFailure()) return;
    SCOPED_TRACE(input.context());
    std::fprintf(stderr, "random input: %lu events, %d pages left by a click or key, %d ends, %d quit questions, %d pixels compared\n",
                 input.done(), input.pagesLeft(), input.ends(), input.questions(), input.picturesCompared());
    EXPECT_GE(input.done(), events - events % 41);
    // The input really reached the pages: buttons led elsewhere, the quit
    // button ended the program, and pictures were compared.
    EXPECT_GT(input.pagesLeft(), 0);
    EXPECT_GT(input.ends(), 0);
    EXPECT_GT(input.picturesCompared(), 0);
    EXPECT_GT(input.controlsReached(), 0);
    // The close mark on a page with answers asks: the input met the question
    // and got past it, by its buttons or keys.
    EXPECT_GT(input.questions(), 0);
    EXPECT_LT(input.longestUnderQuestion(), 300) << "the input stayed stuck behind the quit question";
    std::string missing;
    for (const std::string& name : input.registered())
        if (!input.shown().count(name)) missing += " " + name;
    EXPECT_EQ(missing, "") << "pages never drawn";
}

}  // namespace
}  // namespace nizam::platform

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Presses and releases outside the window are part of the input; QTest
    // warns about each one, which would bury a real message.
    static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message.contains(QLatin1String("occurs outside target window"))) return;
        previous(type, context, message);
    });
    QApplication app(argc, argv);
    nizam::platform::setUpProcess();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
