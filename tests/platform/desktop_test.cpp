// The desktop platform on Qt's offscreen platform: the real window with the
// core's test screen, real input events, pictures, scaling and text entry.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <random>

#include "app/registry.h"
#include "platform/desktop_host.h"
#include "platform/qml_movie_player.h"
#include "platform/svg_asset_store.h"
#include "platform/text_filter.h"
#include "tests/unit/test_screens.h"

namespace nizam::platform {
namespace {

QString assetsFolder() { return QStringLiteral(NIZAM_ASSETS_DIR); }

TEST(TextFilter, ReportsLettersNotPresentationForms) {
    struct Case {
        const char16_t* typed;
        const char16_t* reported;
    };
    const Case cases[] = {
        {u"جهاز انذار", u"جهاز انذار"},              // unchanged
        {u"\uFEFB", u"\u0644\u0627"},               // lam-alef key: lam, alef
        {u"\uFEF7\u0645", u"\u0644\u0623\u0645"},   // lam with alef-hamza ligature
        {u"\u0627\u0654", u"\u0623"},               // alef + combining hamza above: alef with hamza
        {u"\uFE8D\uFE91", u"\u0627\u0628"},         // isolated alef, initial beh
        {u"=(B2*100)/(B2+B3)", u"=(B2*100)/(B2+B3)"},
        {u" 45.5 ", u" 45.5 "},                     // no trimming, no conversion
        {u"\uFEFF", u"\uFEFF"},                     // the byte-order mark is not a letter form
    };
    for (const Case& c : cases) {
        EXPECT_EQ(normalizeTyped(QString::fromUtf16(c.typed)), QString::fromUtf16(c.reported))
            << QString::fromUtf16(c.typed).toStdString();
    }
}

TEST(SvgAssetStore, EveryPictureOfABuiltScreenHasASourceOfItsSize) {
    SvgAssetStore store(assetsFolder());
    for (const auto& e : screenRegistry()) {
        if (!e.module) continue;
        const ScreenDef& d = e.module->def;
        if (d.hasIcon) {
            EXPECT_TRUE(store.has(d.iconKey())) << d.iconKey();
            EXPECT_FALSE(store.iconImages(d.iconKey()).empty()) << d.iconKey();
        }
        for (const ControlDef& c : d.controls) {
            for (auto [property, declared] : {std::pair{"Picture", c.picture}, std::pair{"MouseIcon", c.mouseIcon}}) {
                if (!declared) continue;
                const std::string key = assetKey(d, c, property);
                auto size = store.pictureSize(key);
                ASSERT_TRUE(size.has_value()) << key << " has no readable source";
                EXPECT_EQ(*size, *declared) << key << " differs from its inventory size";
            }
        }
    }
}

TEST(SvgAssetStore, AMissingSourceIsReportedOnceAndDrawsNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkpath("manifest");
    QFile manifest(dir.filePath("manifest/t.tsv"));
    ASSERT_TRUE(manifest.open(QIODevice::WriteOnly));
    manifest.write("# test\nGood_Key\tgood.svg\nGone_Key\tgone.svg\nBad_Key\tbad.svg\n");
    manifest.close();
    QFile good(dir.filePath("good.svg"));
    ASSERT_TRUE(good.open(QIODevice::WriteOnly));
    good.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="4" height="3" viewBox="0 0 4 3"><rect width="4" height="3" fill="#f00"/></svg>)");
    good.close();
    QFile bad(dir.filePath("bad.svg"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not an svg");
    bad.close();

    SvgAssetStore store(dir.path());
    EXPECT_EQ(store.pictureSize("Good_Key"), (PixelSize{4, 3}));
    const QImage img = store.image("Good_Key", QSize(8, 6));
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(8, 6));
    EXPECT_EQ(QColor(img.pixel(4, 3)), QColor(Qt::red));

    testing::internal::CaptureStderr();
    EXPECT_TRUE(store.image("Gone_Key", QSize(4, 3)).isNull());
    EXPECT_TRUE(store.image("Gone_Key", QSize(8, 6)).isNull());
    EXPECT_TRUE(store.image("Bad_Key", QSize(4, 3)).isNull());
    EXPECT_TRUE(store.image("Unlisted_Key", QSize(4, 3)).isNull());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Gone_Key"), std::string::npos) << err;
    EXPECT_NE(err.find("gone.svg"), std::string::npos) << err;
    EXPECT_NE(err.find("bad.svg"), std::string::npos) << err;
    EXPECT_NE(err.find("Unlisted_Key"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 3) << "one line per key and file:\n" << err;
    EXPECT_FALSE(store.pictureSize("Gone_Key").has_value());
}

// The core's test screen in the real window.
class Desktop : public ::testing::Test {
protected:
    Desktop() : store(assetsFolder()), host(store, QDir::tempPath(), options()), nav(host, test::testRegistry()) {
        host.attach(&nav);
        nav.open("Lab");
        host.window()->activateWindow();
        QApplication::setActiveWindow(host.window());
        QCoreApplication::processEvents();
    }
    static DesktopHost::Options options() {
        DesktopHost::Options o;
        o.quitOnEnd = false;
        o.recordPrograms = true;
        o.fitToScreen = false;
        return o;
    }
    QWindow* win() { return host.window()->windowHandle(); }
    Screen& screen() { return *nav.current(); }
    ControlId id(std::string_view n, std::optional<int> i = {}) { return screen().findQuiet(n, i).value(); }
    QPoint at(Twips x, Twips y) { return host.toWindow(x, y).toPoint(); }
    QPoint centre(std::string_view n, std::optional<int> i = {}) {
        auto [x, y] = test::centre(screen(), n, i);
        return at(x, y);
    }
    void settle() { QCoreApplication::processEvents(); }

    SvgAssetStore store;
    DesktopHost host;
    Navigator nav;
};

TEST_F(Desktop, TheWholeCheckBoxRectangleTogglesIt) {
    const Rect r = screen().rect(id("Check1"));
    // The right end of the box, far from Qt's small indicator.
    const QPoint p = at(r.left + r.width - 30, r.top + r.height / 2);
    QTest::mouseClick(win(), Qt::LeftButton, {}, p);
    settle();
    EXPECT_EQ(screen().state(id("Check1")).value, 1);
    EXPECT_EQ(screen().focus(), id("Check1"));
    QTest::keyClick(host.nativeWidget(id("Check1")), Qt::Key_Space);
    EXPECT_EQ(screen().state(id("Check1")).value, 0);
    // A reset from the logic reaches the native box.
    QTest::mouseClick(win(), Qt::LeftButton, {}, p);
    screen().setValue(id("Check1"), 0);
    EXPECT_FALSE(static_cast<QCheckBox*>(host.nativeWidget(id("Check1")))->isChecked());
}

TEST_F(Desktop, TypedTextIsReportedNormalised) {
    auto* edit = static_cast<QLineEdit*>(host.nativeWidget(id("Text1")));
    edit->setFocus();
    for (const QString& ch : {QString(u'\u062C'), QString(u'\uFEFB')}) {
        QInputMethodEvent ev;
        ev.setCommitString(ch);
        QCoreApplication::sendEvent(edit, &ev);
    }
    settle();
    EXPECT_EQ(screen().state(id("Text1")).text, "\u062C\u0644\u0627");
    EXPECT_EQ(edit->text(), QString::fromUtf16(u"\u062C\u0644\u0627"));
    EXPECT_EQ(edit->layoutDirection(), Qt::RightToLeft);
    screen().setText(id("Text1"), "");
    EXPECT_TRUE(edit->text().isEmpty());
    // A formula reads left to right, even in a box meant for Arabic words.
    for (const char* formula : {"=(B2*100)/(B2+B3)", "91.18", "(31*100)/34"}) {
        edit->selectAll();
        QInputMethodEvent ev;
        ev.setCommitString(QString::fromUtf8(formula));
        QCoreApplication::sendEvent(edit, &ev);
        EXPECT_EQ(screen().state(id("Text1")).text, formula);
        EXPECT_EQ(edit->layoutDirection(), Qt::LeftToRight) << formula;
    }
}

TEST_F(Desktop, DragWithRealEventsDropsUnderTheReleaseOnly) {
    const QPoint label = centre("Image3", 1);
    QTest::mouseMove(win(), label);
    QTest::mousePress(win(), Qt::LeftButton, {}, label);
    settle();
    EXPECT_TRUE(nav.dragging());
    QTest::mouseMove(win(), centre("Image4", 0));
    QTest::mouseRelease(win(), Qt::LeftButton, {}, centre("Image4", 0));
    settle();
    EXPECT_EQ(screen().state(id("Image4", 0)).picture, screen().state(id("Image3", 1)).picture);
    EXPECT_EQ(screen().rect(id("Image3", 1)), (Rect{1000, 7000, 1800, 450})) << "the source never moves";

    // Released outside the window: nothing is dropped.
    QTest::mouseMove(win(), label);
    QTest::mousePress(win(), Qt::LeftButton, {}, label);
    const QPoint outside(host.window()->width() + 40, 10);
    QTest::mouseMove(win(), outside);
    QTest::mouseRelease(win(), Qt::LeftButton, {}, outside);
    settle();
    EXPECT_FALSE(nav.dragging());
    EXPECT_TRUE(screen().state(id("Image4", 1)).picture.empty());
}

TEST_F(Desktop, AScaledWindowMapsThePointerBackToTwips) {
    host.window()->resize(2048, 1400);  // wider than the page's proportions
    settle();
    EXPECT_NEAR(host.scale(), 1400.0 / 768.0, 1e-9);
    const QRect client = host.clientRect();
    EXPECT_EQ(client.height(), 1400);
    EXPECT_NEAR(client.left(), (2048 - 1024 * 1400.0 / 768.0) / 2, 1.0) << "the page stays centred";
    for (Twips x : {0, 15, 3000, 4499, 15345}) {
        const QPointF p = host.toWindow(x, 4000);
        EXPECT_NEAR(p.x(), client.left() + x / 15.0 * host.scale(), 0.5);
    }
    QTest::mouseMove(win(), centre("Image1", 2));
    settle();
    EXPECT_TRUE(screen().state(id("Image2", 2)).visible);
    QTest::mouseMove(win(), at(9000, 9000));
    settle();
    EXPECT_FALSE(screen().state(id("Image2", 2)).visible);
    // The native boxes follow the page.
    EXPECT_EQ(host.nativeWidget(id("Check1"))->geometry(),
              QRectF(host.toWindow(600, 600), host.toWindow(975, 975)).toRect());
}

TEST(DesktopPrograms, TheCalculatorStartsDetachedFromTheProgramFolder) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // A stand-in calculator that tells where it was started and then keeps
    // running for a while, as a calculator does.
    QFile calc(folder.filePath("calc"));
    ASSERT_TRUE(calc.open(QIODevice::WriteOnly));
    calc.write("#!/bin/sh\npwd > started.txt\nsleep 2\n");
    calc.close();
    calc.setPermissions(calc.permissions() | QFileDevice::ExeOwner);

    SvgAssetStore store(assetsFolder());
    DesktopHost host(store, folder.path(), {.quitOnEnd = false, .recordPrograms = false});
    Navigator nav(host, screenRegistry());
    host.attach(&nav);
    const QString elsewhere = QDir::currentPath();
    QDir::setCurrent(QDir::rootPath());  // the working directory must not matter
    nav.startProgram("calc");
    nav.startProgram("calc");  // every click starts another one
    QDir::setCurrent(elsewhere);
    QFile started(folder.filePath("started.txt"));
    for (int i = 0; i < 100 && !started.exists(); ++i) QTest::qWait(50);
    ASSERT_TRUE(started.open(QIODevice::ReadOnly)) << "the calculator did not start";
    EXPECT_EQ(QDir(QString::fromUtf8(started.readAll().trimmed())).canonicalPath(), QDir(folder.path()).canonicalPath());

    // No calculator: one line on stderr, and the program goes on.
    QTemporaryDir empty;
    DesktopHost bare(store, empty.path(), {.quitOnEnd = false, .recordPrograms = false});
    testing::internal::CaptureStderr();
    bare.startProgram(empty.filePath("calc").toStdString(), kMaximizedFocus);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("calc"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

TEST_F(Desktop, AFrameShapeIsDrawnOverTheBackColour) {
    // The test screen's pictures have no sources, so only the back colour,
    // the frame Shape1 (3 px, solid black) and the native controls show.
    QCoreApplication::processEvents();
    const QImage page = host.window()->grab(host.clientRect()).toImage();
    ASSERT_EQ(page.size(), QSize(1024, 768));
    auto at = [&](int x, int y) { return QColor(page.pixel(x, y)); };
    const int left = 8000 / 15, top = 1000 / 15, right = (8000 + 2000) / 15 - 1;
    EXPECT_EQ(at(left, top + 50), QColor(Qt::black)) << "the frame's left edge";
    EXPECT_EQ(at(left + 1, top + 50), QColor(Qt::black)) << "3 px wide";
    EXPECT_EQ(at(right, top + 50), QColor(Qt::black)) << "the frame's right edge";
    EXPECT_EQ(at(left + 20, top + 50), QColor(Qt::white)) << "a transparent shape shows what lies behind";
    EXPECT_EQ(at(20, 20), QColor(Qt::white)) << "the back colour";
}

// Random pointer and keyboard input, as real Qt events on the real window,
// over every built screen: never more than one screen, never a crash.
TEST(DesktopRandomInput, EveryBuiltScreenSurvivesAChild) {
    SvgAssetStore store(assetsFolder());
    DesktopHost host(store, QDir::tempPath(), {.quitOnEnd = false, .recordPrograms = true});
    Navigator nav(host, screenRegistry());
    host.attach(&nav);
    std::mt19937 rng(1210);
    int elsewhere = 0, ends = 0;
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const Qt::Key keys[] = {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Escape, Qt::Key_F11};
    for (const auto& e : screenRegistry()) {
        if (!e.module) continue;
        nav.open(e.name);
        for (int step = 0; step < 600; ++step) {
            if (nav.ended()) nav.open(e.name);
            QWindow* win = host.window()->windowHandle();
            ASSERT_NE(win, nullptr);
            QPoint p(pick(-20, host.window()->width() + 20), pick(-20, host.window()->height() + 20));
            if (const Screen* s = nav.current(); s && pick(0, 1)) {  // aim at a control half of the time
                const Rect r = s->rect(pick(0, s->controlCount() - 1));
                p = host.toWindow(r.left + r.width / 2, r.top + r.height / 2).toPoint();
            }
            switch (pick(0, 9)) {
                case 0: case 1: case 2: QTest::mouseMove(win, p); break;
                case 3: case 4: QTest::mouseClick(win, Qt::LeftButton, {}, p); break;
                case 5:
                    QTest::mousePress(win, Qt::LeftButton, {}, p);
                    QTest::mouseMove(win, QPoint(pick(0, 1023), pick(0, 767)));
                    QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(pick(-30, 1050), pick(-30, 800)));
                    break;
                case 6: QTest::mouseClick(win, Qt::RightButton, {}, p); break;
                case 7: QTest::keyClick(win, keys[pick(0, 5)]); break;
                case 8:
                    if (QWidget* f = QApplication::focusWidget()) {
                        QInputMethodEvent ev;
                        ev.setCommitString(pick(0, 1) ? QString::fromUtf8("جهاز انذار") : QStringLiteral("=(B2*100)"));
                        QCoreApplication::sendEvent(f, &ev);
                    }
                    break;
                default: QTest::mouseDClick(win, Qt::LeftButton, {}, p); break;
            }
            QCoreApplication::processEvents();
            ASSERT_LE(nav.loadedCount(), 1) << e.name << " step " << step;
            if (nav.current() && nav.current()->name() != e.name) ++elsewhere;
            if (nav.ended()) ++ends;
        }
        if (host.window()->isFullScreen()) host.window()->showNormal();
    }
    // The input really reached the pages: buttons led elsewhere and closed the program.
    EXPECT_GT(elsewhere, 0);
    EXPECT_GT(ends, 0);
}

TEST_F(Desktop, ClosingTheWindowActsAsQuit) {
    host.window()->close();
    settle();
    EXPECT_TRUE(nav.ended());
    EXPECT_EQ(nav.current(), nullptr);
}

}  // namespace
}  // namespace nizam::platform

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    nizam::platform::QmlMoviePlayer::prepareRendering();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
