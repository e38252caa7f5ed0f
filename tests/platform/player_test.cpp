// SPDX-License-Identifier: GPL-3.0-or-later
// The QML animation player on Qt's offscreen platform: loading, playing,
// rewinding, hiding, looping, its failures and its drawing. Time is the
// test's own: the cases advance the animation clock by hand and check exact
// frames, whatever the load of the machine; one case watches it play in
// real time.
#include <gtest/gtest.h>

#include <QAction>
#include <QAnimationDriver>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QQuickItem>
#include <QRegularExpression>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "platform/qml_movie_player.h"

namespace {

using nizam::platform::QmlMoviePlayer;

// The scratch folder holding the tests' home and cache folders.
QTemporaryDir& home() {
    static QTemporaryDir dir;
    return dir;
}

class QtEnvironment : public testing::Environment {
public:
    void SetUp() override {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        // Whatever the engine would keep on disk lands in a scratch home,
        // checked empty by NothingIsWrittenUnderHome.
        ASSERT_TRUE(home().isValid());
        qputenv("HOME", home().filePath("home").toLocal8Bit());
        qputenv("XDG_CACHE_HOME", home().filePath("cache").toLocal8Bit());
        qputenv("XDG_DATA_HOME", home().filePath("data").toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home().filePath("config").toLocal8Bit());
        QmlMoviePlayer::prepareRendering();
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[13] = "player_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] testing::Environment* const kQt = testing::AddGlobalTestEnvironment(new QtEnvironment);

// Runs the event loop for about ms milliseconds.
void spin(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

int countLines(const std::string& text) {
    int n = 0;
    for (char c : text) n += c == '\n';
    return n;
}

// A 640 x 360 scene: a red 80 x 80 square crossing from x = 0 to x = 560
// along a Timeline of `frames` frames played over `duration` milliseconds,
// on a blue ground, with a green band above the design area that must never
// show.
QByteArray movingSquare(int frames = 200, int duration = 2000) {
    return QStringLiteral(R"(import QtQuick
import QtQuick.Timeline

Item {
    width: 640
    height: 360
    property int duration: %2

    Rectangle { anchors.fill: parent; color: "#0000ff" }
    Rectangle { y: -60; width: 640; height: 60; color: "#00ff00" }  // outside the design area
    Rectangle { id: square; y: 140; width: 80; height: 80; color: "#ff0000" }

    Timeline {
        startFrame: 0
        endFrame: %1
        KeyframeGroup {
            target: square
            property: "x"
            Keyframe { frame: 0; value: 0 }
            Keyframe { frame: %1; value: 560 }
        }
    }
}
)")
        .arg(frames)
        .arg(duration)
        .toUtf8();
}

// The animation clock of the test's thread, moved on by the test alone:
// every animation (the players' clocks among them) sees the milliseconds
// advance() is given, and no time passes between two calls. Like Qt's own
// driver, its time starts from zero whenever an animation starts with none
// running before.
class ManualClock : public QAnimationDriver {
public:
    ManualClock() {
        settle();  // whatever the case before left running has stopped
        install();
    }
    ~ManualClock() override { settle(); }  // uninstalled by QAnimationDriver

    // Lets animations started since the last call register, then moves the
    // time on by ms and delivers what that time changes.
    void advance(int ms) {
        settle();
        ms_ += ms;
        QAnimationDriver::advance();
        settle();
    }
    qint64 elapsed() const override { return ms_; }

protected:
    void start() override {
        ms_ = 0;
        QAnimationDriver::start();
    }

private:
    using QAnimationDriver::advance;
    // A started or stopped animation reaches Qt's animation timer through
    // queued calls, one queuing the next: a few rounds of the event loop
    // deliver them all.
    static void settle() {
        for (int round = 0; round < 4; ++round) QCoreApplication::processEvents();
    }
    qint64 ms_ = 0;
};

class PlayerTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        page_ = std::make_unique<QWidget>();
        page_->resize(800, 600);
        page_->show();
    }

    // Writes `name`.qml and returns the path the screen logic would pass for it.
    std::string writeScene(const QString& name, const QByteArray& text) {
        QFile file(dir_.filePath(name + ".qml"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        return swfPath(name);
    }
    std::string swfPath(const QString& name) const { return dir_.filePath(name + ".swf").toStdString(); }
    QString qmlPath(const QString& name) const { return dir_.filePath(name + ".qml"); }

    std::unique_ptr<QmlMoviePlayer> makePlayer(QRect rect = QRect(40, 30, 320, 360)) {
        return std::make_unique<QmlMoviePlayer>(page_.get(), rect);
    }

    // The three steps the screen logic always takes.
    static void playMovie(QmlMoviePlayer& player, const std::string& path) {
        player.setMovie(path);
        player.rewind();
        player.play();
    }

    static QAction* action(QmlMoviePlayer& player, const char* name) {
        for (QAction* a : player.contextMenu()->actions())
            if (a->objectName() == QLatin1String(name)) return a;
        return nullptr;
    }

    QTemporaryDir dir_;
    std::unique_ptr<QWidget> page_;
    std::unique_ptr<ManualClock> clock_ = std::make_unique<ManualClock>();
};

TEST(PlayerRendering, SoftwareRendererByDefault) {
    if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND")) GTEST_SKIP() << "QT_QUICK_BACKEND chooses the renderer";
    EXPECT_EQ(QQuickWindow::sceneGraphBackend(), QStringLiteral("software"));
    QWidget page;
    page.resize(200, 200);
    QmlMoviePlayer player(&page, QRect(0, 0, 100, 100));
    page.show();
    spin(50);
    QSGRendererInterface* renderer = player.widget()->quickWindow()->rendererInterface();
    ASSERT_NE(renderer, nullptr);
    EXPECT_EQ(renderer->graphicsApi(), QSGRendererInterface::Software);
}

TEST(PlayerFiles, SceneFileKeepsFolderAndBaseName) {
    struct Case {
        std::string movie;
        QString scene;
    };
    const Case cases[] = {
        {"/opt/nizam/situa1.swf", "/opt/nizam/situa1.qml"},
        {"/opt/nizam/maison_numerique_1.swf", "/opt/nizam/maison_numerique_1.qml"},
        {"/opt/nizam\\portail.swf", "/opt/nizam/portail.qml"},
        {"/opt/nizam/demo2", "/opt/nizam/demo2.qml"},
        {"/situa1.swf", "/situa1.qml"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QmlMoviePlayer::sceneFileFor(c.movie), c.scene) << c.movie;
}

TEST_F(PlayerTest, NewPlayerIsVisibleEmptyAndRaisedAboveTheControls) {
    auto below = new QWidget(page_.get());
    below->setGeometry(0, 0, 800, 600);
    below->show();
    auto player = makePlayer();
    auto above = new QWidget(page_.get());  // a control made after the player
    above->setGeometry(0, 0, 800, 600);
    above->show();
    EXPECT_FALSE(player->hasMovie());
    EXPECT_FALSE(player->isPlaying());
    EXPECT_EQ(player->currentFrame(), 0);
    EXPECT_TRUE(player->widget()->isVisible());
    EXPECT_EQ(player->widget()->geometry(), QRect(40, 30, 320, 360));
    // Showing the player brings it back in front of every control.
    player->setVisible(true);
    EXPECT_EQ(page_->children().last(), player->widget());
    EXPECT_EQ(page_->childAt(100, 100), player->widget());
}

TEST_F(PlayerTest, PlaysRewindsAndRestarts) {
    auto player = makePlayer();
    const std::string movie = writeScene("situa1", movingSquare());
    playMovie(*player, movie);
    ASSERT_TRUE(player->hasMovie());
    EXPECT_EQ(player->sceneFile(), qmlPath("situa1"));
    EXPECT_EQ(player->frameCount(), 200);
    EXPECT_TRUE(player->isPlaying());
    EXPECT_EQ(player->currentFrame(), 0);

    clock_->advance(300);
    EXPECT_EQ(player->currentFrame(), 30);  // 100 frames a second

    // Rewinding a playing animation goes to the first frame and keeps playing.
    player->rewind();
    EXPECT_EQ(player->currentFrame(), 0);
    EXPECT_TRUE(player->isPlaying());
    clock_->advance(150);
    EXPECT_EQ(player->currentFrame(), 15);

    // Playing the same file again starts it over.
    clock_->advance(150);
    ASSERT_EQ(player->currentFrame(), 30);
    playMovie(*player, movie);
    EXPECT_TRUE(player->hasMovie());
    EXPECT_EQ(player->currentFrame(), 0);
    EXPECT_TRUE(player->isPlaying());
    clock_->advance(50);
    EXPECT_EQ(player->currentFrame(), 5);
}

// The one case on the real clock: the animation moves on by itself, and a
// pause holds it. No bound on how far it gets: the machine may be slow.
TEST_F(PlayerTest, PlaysOnTheRealClock) {
    clock_.reset();  // back to the real clock
    auto player = makePlayer();
    playMovie(*player, writeScene("situa1", movingSquare()));
    ASSERT_TRUE(player->isPlaying());
    QElapsedTimer waited;
    waited.start();
    while (player->currentFrame() < 5 && waited.elapsed() < 10000) spin(20);
    ASSERT_GE(player->currentFrame(), 5) << "no frame reached in 10 s";
    player->pause();
    const int held = player->currentFrame();
    spin(100);
    EXPECT_EQ(player->currentFrame(), held);
}

// A scene whose script never ends is stopped by the watchdog, whether the
// loop runs as the scene is made or starts from a Timer while it plays: the
// program goes on, the player is left white, one line names the file, the
// scene is not run again while its file is unchanged, and the same engine
// plays a good scene afterwards.
TEST_F(PlayerTest, RunawayScriptsAreStoppedAndTheEngineServesOn) {
    struct Case {
        const char* what;
        QByteArray text;
    };
    const QByteArray head = "import QtQuick\nimport QtQuick.Timeline\nItem { width: 64; height: 36\n"
                            "property int duration: 4000\nproperty int spins: 0\n"
                            "Timeline { endFrame: 100 }\n";
    const Case cases[] = {
        {"on creation", head + "Component.onCompleted: { while (true) { spins++ } }\n}\n"},
        {"in a binding", head + "property int stuck: { var n = 0; while (width > 0) { n++ } return n }\n}\n"},
        {"from a Timer after two seconds",
         head + "Timer { interval: 2000; running: true; onTriggered: { while (true) { spins++ } } }\n}\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString name = QStringLiteral("emballement_%1").arg(&c - cases);
        const std::string movie = writeScene(name, c.text);
        auto player = makePlayer();
        testing::internal::CaptureStderr();
        QElapsedTimer took;
        took.start();
        playMovie(*player, movie);
        // Two and a half seconds of the scene, a tenth of a second at a time.
        for (int step = 0; step < 25; ++step) clock_->advance(100);
        const qint64 elapsed = took.elapsed();
        const std::string err = testing::internal::GetCapturedStderr();

        EXPECT_LT(elapsed, 2000) << "the loop was not stopped within about a second";
        EXPECT_EQ(err, "nizam: cannot play animation " + qmlPath(name).toStdString() +
                           ": its script ran for more than half a second without end and was stopped\n");
        EXPECT_FALSE(player->hasMovie());
        EXPECT_FALSE(player->isPlaying());
        EXPECT_EQ(player->currentFrame(), 0);
        EXPECT_TRUE(player->widget()->isVisible());
        const QImage shown = player->widget()->grabFramebuffer();
        EXPECT_EQ(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(Qt::white));

        // Played again, the unchanged file is neither run nor told again.
        testing::internal::CaptureStderr();
        took.restart();
        playMovie(*player, movie);
        clock_->advance(2500);
        EXPECT_LT(took.elapsed(), 400);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_FALSE(player->hasMovie());

        // The engine is not left interrupted: a good scene plays on it.
        testing::internal::CaptureStderr();
        playMovie(*player, writeScene("sage", movingSquare()));
        clock_->advance(300);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        ASSERT_TRUE(player->hasMovie());
        EXPECT_TRUE(player->isPlaying());
        EXPECT_GT(player->currentFrame(), 0);
    }
}

TEST_F(PlayerTest, SetMovieAloneStartsPlaying) {
    auto player = makePlayer();
    player->setMovie(writeScene("portail", movingSquare()));
    EXPECT_TRUE(player->isPlaying());
    clock_->advance(200);
    EXPECT_EQ(player->currentFrame(), 20);
}

TEST_F(PlayerTest, SetMovieReadsTheFileAfresh) {
    auto player = makePlayer();
    const std::string movie = writeScene("moteur", movingSquare(200));
    playMovie(*player, movie);
    ASSERT_EQ(player->frameCount(), 200);
    writeScene("moteur", movingSquare(400));
    playMovie(*player, movie);
    EXPECT_EQ(player->frameCount(), 400);
}

// The players of a window share one engine and each scene is compiled once:
// a page made again still gets a scene of its own from the first frame, two
// players of one page run apart, and a file mended after a failed load is
// read again rather than its failure remembered.
TEST_F(PlayerTest, ScenesKeptAcrossPlayersStayApart) {
    const std::string movie = writeScene("sa_velmo", movingSquare());
    {
        auto first = makePlayer();
        playMovie(*first, movie);
        clock_->advance(300);
        ASSERT_EQ(first->currentFrame(), 30);
    }
    auto again = makePlayer();
    playMovie(*again, movie);
    ASSERT_TRUE(again->hasMovie());
    EXPECT_EQ(again->currentFrame(), 0);
    EXPECT_TRUE(again->isPlaying());

    auto beside = makePlayer(QRect(400, 30, 320, 360));
    EXPECT_EQ(beside->widget()->engine(), again->widget()->engine());
    playMovie(*beside, movie);
    clock_->advance(50);
    EXPECT_EQ(again->currentFrame(), 5);
    EXPECT_EQ(beside->currentFrame(), 5);
    again->pause();
    clock_->advance(200);
    EXPECT_EQ(again->currentFrame(), 5) << "paused";
    EXPECT_EQ(beside->currentFrame(), 25) << "the other scene runs on";

    const std::string broken = writeScene("dpi_velmo", "import QtQuick\nItem { width: \n");
    auto player = makePlayer();
    player->setMovie(broken);
    EXPECT_FALSE(player->hasMovie());
    writeScene("dpi_velmo", movingSquare(300));
    player->setMovie(broken);
    ASSERT_TRUE(player->hasMovie());
    EXPECT_EQ(player->frameCount(), 300);
}

TEST_F(PlayerTest, PauseHoldsTheFrameAndPlayResumesFromIt) {
    auto player = makePlayer();
    playMovie(*player, writeScene("rempli", movingSquare()));
    clock_->advance(200);
    player->pause();
    EXPECT_EQ(player->currentFrame(), 20);
    EXPECT_FALSE(player->isPlaying());
    clock_->advance(200);
    EXPECT_EQ(player->currentFrame(), 20);

    player->play();
    EXPECT_EQ(player->currentFrame(), 20);  // resumes where it stopped
    clock_->advance(200);
    EXPECT_EQ(player->currentFrame(), 40);

    // Rewinding a paused animation shows the first frame and stays paused.
    player->pause();
    player->rewind();
    EXPECT_EQ(player->currentFrame(), 0);
    clock_->advance(100);
    EXPECT_EQ(player->currentFrame(), 0);
    EXPECT_FALSE(player->isPlaying());
}

TEST_F(PlayerTest, HidingPausesAndShowingResumes) {
    auto player = makePlayer();
    playMovie(*player, writeScene("percage", movingSquare()));
    clock_->advance(150);
    player->setVisible(false);
    EXPECT_FALSE(player->widget()->isVisible());
    EXPECT_FALSE(player->isPlaying());
    EXPECT_EQ(player->currentFrame(), 15);
    clock_->advance(300);
    EXPECT_EQ(player->currentFrame(), 15);

    player->setVisible(true);
    EXPECT_TRUE(player->widget()->isVisible());
    EXPECT_TRUE(player->isPlaying());
    clock_->advance(200);
    EXPECT_EQ(player->currentFrame(), 35);

    // A paused animation stays paused across hiding and showing.
    player->pause();
    player->setVisible(false);
    player->setVisible(true);
    EXPECT_FALSE(player->isPlaying());
}

TEST_F(PlayerTest, MovieSetWhileHiddenWaitsToBeShown) {
    // A page that hides its player on loading and plays it on a click shows
    // it first; playing a hidden player starts once it is shown.
    auto player = makePlayer();
    player->setVisible(false);
    playMovie(*player, writeScene("maison_numerique_1", movingSquare()));
    EXPECT_TRUE(player->hasMovie());
    EXPECT_FALSE(player->isPlaying());
    clock_->advance(150);
    EXPECT_EQ(player->currentFrame(), 0);
    player->setVisible(true);
    clock_->advance(200);
    EXPECT_EQ(player->currentFrame(), 20);
}

TEST_F(PlayerTest, LoopsUnlessLoopingIsTurnedOff) {
    auto player = makePlayer();
    // 30 frames over 300 ms.
    const std::string movie = writeScene("barre_velmo", movingSquare(30, 300));
    playMovie(*player, movie);
    EXPECT_TRUE(player->looping());
    clock_->advance(700);
    EXPECT_TRUE(player->isPlaying());
    EXPECT_EQ(player->currentFrame(), 10) << "twice round and 100 ms into the third";

    // Turned off from the menu: the animation ends on its last frame.
    QAction* loop = action(*player, "loop");
    ASSERT_NE(loop, nullptr);
    ASSERT_TRUE(loop->isChecked());
    loop->trigger();
    EXPECT_FALSE(player->looping());
    EXPECT_EQ(player->currentFrame(), 10) << "turning looping off keeps the frame";
    clock_->advance(150);
    EXPECT_TRUE(player->isPlaying());
    EXPECT_EQ(player->currentFrame(), 25);
    clock_->advance(700);
    EXPECT_FALSE(player->isPlaying());
    EXPECT_EQ(player->currentFrame(), 30);

    // Playing a finished animation starts it over.
    player->play();
    EXPECT_TRUE(player->isPlaying());
    EXPECT_EQ(player->currentFrame(), 0);
    clock_->advance(100);
    EXPECT_EQ(player->currentFrame(), 10);
}

TEST_F(PlayerTest, ContextMenuOffersItsArabicActions) {
    auto player = makePlayer();
    QMenu* menu = player->contextMenu();
    ASSERT_NE(menu, nullptr);
    QStringList texts;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) texts << a->text();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("تشغيل"), QStringLiteral("إيقاف مؤقت"),
                                  QStringLiteral("إرجاع إلى البداية"), QStringLiteral("تكرار")}));
    EXPECT_EQ(player->widget()->contextMenuPolicy(), Qt::CustomContextMenu);

    // Empty, only the loop setting can be changed.
    emit menu->aboutToShow();
    EXPECT_FALSE(action(*player, "play")->isEnabled());
    EXPECT_FALSE(action(*player, "pause")->isEnabled());
    EXPECT_FALSE(action(*player, "rewind")->isEnabled());
    EXPECT_TRUE(action(*player, "loop")->isEnabled());

    playMovie(*player, writeScene("demo2", movingSquare()));
    emit menu->aboutToShow();
    EXPECT_FALSE(action(*player, "play")->isEnabled());
    ASSERT_TRUE(action(*player, "pause")->isEnabled());
    clock_->advance(150);
    action(*player, "pause")->trigger();
    EXPECT_FALSE(player->isPlaying());
    EXPECT_EQ(player->currentFrame(), 15);
    emit menu->aboutToShow();
    ASSERT_TRUE(action(*player, "play")->isEnabled());
    action(*player, "rewind")->trigger();
    EXPECT_EQ(player->currentFrame(), 0);
    action(*player, "play")->trigger();
    EXPECT_TRUE(player->isPlaying());
}

TEST_F(PlayerTest, MissingFileIsReportedOnceAndLeavesThePlayerEmpty) {
    auto player = makePlayer();
    playMovie(*player, writeScene("sa_velmo", movingSquare()));
    ASSERT_TRUE(player->hasMovie());

    testing::internal::CaptureStderr();
    playMovie(*player, swfPath("dpi_velmo"));
    player->setVisible(false);
    player->setVisible(true);
    player->pause();
    player->setLooping(false);
    player->setGeometry(QRect(0, 0, 200, 100));
    spin(100);
    const std::string err = testing::internal::GetCapturedStderr();

    EXPECT_EQ(countLines(err), 1) << err;
    EXPECT_EQ(err, "nizam: cannot play animation " + qmlPath("dpi_velmo").toStdString() + ": no such file\n");
    EXPECT_FALSE(player->hasMovie());
    EXPECT_FALSE(player->isPlaying());
    EXPECT_EQ(player->currentFrame(), 0);
    EXPECT_EQ(player->frameCount(), 0);
    EXPECT_TRUE(player->widget()->isVisible());
}

TEST_F(PlayerTest, BrokenFilesAreReportedOnceAndLeaveThePlayerEmpty) {
    struct Case {
        const char* what;
        QByteArray text;
        std::string reason;  // part of the reported line
    };
    const Case cases[] = {
        {"syntax error", "import QtQuick\nItem { width: 640; height: 360\n", "line "},
        {"unknown type", "import QtQuick\nItem { width: 10; height: 10; Rectangel {} }\n", "Rectangel"},
        {"root not an item", "import QtQml\nQtObject { property int duration: 100 }\n", "not an Item"},
        {"no design size", "import QtQuick\nimport QtQuick.Timeline\nItem { property int duration: 100\n"
                           "Timeline { endFrame: 10 } }\n", "width and height"},
        {"no duration", "import QtQuick\nimport QtQuick.Timeline\nItem { width: 10; height: 10\n"
                        "Timeline { endFrame: 10 } }\n", "duration"},
        {"zero duration", "import QtQuick\nimport QtQuick.Timeline\nItem { width: 10; height: 10\n"
                          "property int duration: 0\nTimeline { endFrame: 10 } }\n", "duration"},
        {"no timeline", "import QtQuick\nItem { width: 10; height: 10; property int duration: 100 }\n", "no Timeline"},
        {"empty timeline", "import QtQuick\nimport QtQuick.Timeline\nItem { width: 10; height: 10\n"
                           "property int duration: 100\nTimeline { startFrame: 5; endFrame: 5 } }\n", "endFrame"},
        {"two unnamed timelines", "import QtQuick\nimport QtQuick.Timeline\nItem { width: 10; height: 10\n"
                                  "property int duration: 100\nTimeline { endFrame: 5 }\nTimeline { endFrame: 9 } }\n",
         "\"timeline\""},
        {"empty file", "", "empty"},
        {"too large", "import QtQuick\n" + QByteArray(5 * 1024 * 1024, ' ') + "Item {}\n", "larger than 4 MB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto player = makePlayer();
        playMovie(*player, writeScene("good", movingSquare()));
        ASSERT_TRUE(player->hasMovie());

        const std::string movie = writeScene("traduction_velmo", c.text);
        testing::internal::CaptureStderr();
        playMovie(*player, movie);
        player->setVisible(false);
        player->setVisible(true);
        spin(20);
        const std::string err = testing::internal::GetCapturedStderr();

        const std::string prefix = "nizam: cannot play animation " + qmlPath("traduction_velmo").toStdString() + ": ";
        EXPECT_EQ(countLines(err), 1) << err;
        EXPECT_EQ(err.rfind(prefix, 0), 0u) << err;
        EXPECT_NE(err.find(c.reason, prefix.size()), std::string::npos) << err;
        EXPECT_FALSE(player->hasMovie());
        EXPECT_FALSE(player->isPlaying());
        EXPECT_EQ(player->currentFrame(), 0);

        // Played again, on this player or another, it is not told again.
        testing::internal::CaptureStderr();
        playMovie(*player, movie);
        playMovie(*makePlayer(), movie);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    }
}

// The shipped scenes are compiled into the program at build time. A scene
// file whose text is the shipped one is played from that compiled copy; an
// edited file is compiled from its own text and played as edited; edited
// back, the compiled copy is played again.
TEST_F(PlayerTest, UnchangedScenesPlayTheirCompiledCopyEditedOnesTheirOwnText) {
    QFile shipped(QStringLiteral(":/nizam/scenes/portail.qml"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly)) << "no compiled copy of portail.qml in the program";
    const QByteArray original = shipped.readAll();
    ASSERT_FALSE(original.isEmpty());

    const std::string movie = writeScene("portail", original);
    auto player = makePlayer();
    playMovie(*player, movie);
    ASSERT_TRUE(player->hasMovie());
    EXPECT_TRUE(player->playsBuiltInScene());
    const int frames = player->frameCount();
    EXPECT_GT(frames, 120);
    EXPECT_TRUE(player->isPlaying());

    struct Case {
        const char* what;
        QByteArray text;
        int frames;
    };
    const Case edits[] = {
        {"a comment added", original + "// seen by the teacher\n", frames},
        {"another scene", movingSquare(120, 1200), 120},
        {"a byte less", original.left(original.lastIndexOf('}')) + "}", frames},
    };
    for (const Case& c : edits) {
        SCOPED_TRACE(c.what);
        writeScene("portail", c.text);
        auto edited = makePlayer();
        playMovie(*edited, movie);
        ASSERT_TRUE(edited->hasMovie());
        EXPECT_FALSE(edited->playsBuiltInScene());
        EXPECT_EQ(edited->frameCount(), c.frames);
    }

    writeScene("portail", original);
    playMovie(*player, movie);
    ASSERT_TRUE(player->hasMovie());
    EXPECT_TRUE(player->playsBuiltInScene());
    EXPECT_EQ(player->frameCount(), frames);

    // Only a file of the shipped name is matched with its compiled copy.
    playMovie(*player, writeScene("elsewhere", original));
    ASSERT_TRUE(player->hasMovie());
    EXPECT_FALSE(player->playsBuiltInScene());
}

// Made ready ahead, after the window's first frame: the scenes of the
// program's folder are compiled or taken from the program once, and their
// pages' players then make nothing more. A file that cannot be played is
// left to its page, which tells it in its one line.
TEST_F(PlayerTest, ScenesPreparedAheadAreNotMadeAgainByTheirPages) {
    QFile shipped(QStringLiteral(":/nizam/scenes/portail.qml"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray portail = shipped.readAll();
    QFile shippedToo(QStringLiteral(":/nizam/scenes/moteur.qml"));
    ASSERT_TRUE(shippedToo.open(QIODevice::ReadOnly));
    const QByteArray moteur = shippedToo.readAll();
    const std::string unchanged = writeScene("portail", portail);
    const std::string edited = writeScene("moteur", moteur + "// edited\n");
    const std::string broken = writeScene("demo2", QByteArray("\x7f" "ELF\x02\x01\x01", 7) + QByteArray(200, '\0'));

    const auto before = QmlMoviePlayer::scenesMade();
    testing::internal::CaptureStderr();
    QmlMoviePlayer::prepareAhead(page_.get(), dir_.path());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    const auto ahead = QmlMoviePlayer::scenesMade();
    EXPECT_EQ(ahead.builtIn, before.builtIn + 1);
    EXPECT_EQ(ahead.fromText, before.fromText + 1);

    auto player = makePlayer();
    playMovie(*player, unchanged);
    ASSERT_TRUE(player->hasMovie());
    EXPECT_TRUE(player->playsBuiltInScene());
    EXPECT_LE(player->currentFrame(), 1);
    auto other = makePlayer(QRect(400, 30, 320, 360));
    playMovie(*other, edited);
    ASSERT_TRUE(other->hasMovie());
    EXPECT_FALSE(other->playsBuiltInScene());
    EXPECT_EQ(QmlMoviePlayer::scenesMade().builtIn, ahead.builtIn);
    EXPECT_EQ(QmlMoviePlayer::scenesMade().fromText, ahead.fromText);

    testing::internal::CaptureStderr();
    playMovie(*makePlayer(), broken);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(countLines(err), 1) << err;
    EXPECT_NE(err.find(qmlPath("demo2").toStdString()), std::string::npos) << err;
}

// A compiled scene names its pictures relative to its file: they are read
// from the folder of the file played, not looked for in the program.
TEST_F(PlayerTest, CompiledScenesReadTheirPicturesBesideTheirFile) {
    QFile shipped(QStringLiteral(":/nizam/scenes/demo2.qml"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray text = shipped.readAll();
    const QRegularExpression named(QStringLiteral(R"re(source:\s*"([^"]+\.svg)")re"));
    int pictures = 0;
    for (auto m = named.globalMatch(QString::fromUtf8(text)); m.hasNext();) {
        const QString relative = m.next().captured(1);
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QFileInfo(relative).path()));
        QFile svg(dir_.filePath(relative));
        ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
        svg.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">)"
                  R"(<rect width="10" height="10" fill="#123456"/></svg>)");
        ++pictures;
    }
    ASSERT_GT(pictures, 0);

    auto player = makePlayer();
    testing::internal::CaptureStderr();
    playMovie(*player, writeScene("demo2", text));
    ASSERT_TRUE(player->hasMovie());
    ASSERT_TRUE(player->playsBuiltInScene());
    QList<QQuickItem*> images;
    std::function<void(QQuickItem*)> collect = [&](QQuickItem* item) {
        if (item->inherits("QQuickImage")) images.append(item);
        for (QQuickItem* child : item->childItems()) collect(child);
    };
    collect(player->widget()->quickWindow()->contentItem());
    ASSERT_EQ(images.size(), pictures);
    QElapsedTimer waited;
    waited.start();
    const auto allLoaded = [&] {
        return std::all_of(images.begin(), images.end(), [](QQuickItem* i) { return i->property("status").toInt() == 1; });
    };
    while (!allLoaded() && waited.elapsed() < 5000) spin(20);
    EXPECT_TRUE(allLoaded());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(PlayerTest, TwoTimelinesPlayTheOneNamedTimeline) {
    auto player = makePlayer();
    playMovie(*player, writeScene("two", R"(import QtQuick
import QtQuick.Timeline
Item {
    width: 100; height: 100
    property int duration: 1000
    Timeline { endFrame: 10 }
    Item { Timeline { objectName: "timeline"; endFrame: 50 } }
}
)"));
    ASSERT_TRUE(player->hasMovie());
    EXPECT_EQ(player->frameCount(), 50);
}

// Drawing: the 640 x 360 scene shown at half size in a 320 x 360 player is
// letterboxed with white bands above and below, and follows the timeline.
TEST_F(PlayerTest, DrawsTheSceneScaledIntoItsRectangle) {
    auto player = makePlayer(QRect(40, 30, 320, 360));
    playMovie(*player, writeScene("situa1", movingSquare()));
    player->pause();
    player->rewind();
    spin(100);

    auto colourAt = [&](int x, int y) { return player->widget()->grabFramebuffer().pixelColor(x, y); };
    QImage image = player->widget()->grabFramebuffer();
    ASSERT_FALSE(image.isNull());
    ASSERT_GE(image.width(), 320);
    const qreal dpr = image.devicePixelRatio();
    auto at = [&](int x, int y) { return image.pixelColor(int(x * dpr), int(y * dpr)).rgb() & 0xffffff; };
    // Scene drawn from y = 90 to 270, square at (0..40, 160..200) in player pixels.
    EXPECT_EQ(at(160, 40), 0xffffffu);   // top band
    EXPECT_EQ(at(160, 75), 0xffffffu);   // where the green band would fall
    EXPECT_EQ(at(160, 320), 0xffffffu);  // bottom band
    EXPECT_EQ(at(160, 120), 0x0000ffu);  // ground
    EXPECT_EQ(at(20, 180), 0xff0000u);   // square at frame 0
    EXPECT_EQ(at(300, 180), 0x0000ffu);

    // At the last frame the square has crossed to the right edge.
    player->setLooping(false);
    player->play();
    clock_->advance(2300);
    ASSERT_EQ(player->currentFrame(), 200);
    ASSERT_FALSE(player->isPlaying()) << "ended on its last frame";
    image = player->widget()->grabFramebuffer();
    EXPECT_EQ(at(20, 180), 0x0000ffu);
    EXPECT_EQ(at(300, 180), 0xff0000u);

    // A new rectangle: the scene fills a 640 x 360 player.
    player->setGeometry(QRect(0, 0, 640, 360));
    spin(100);
    EXPECT_EQ(player->widget()->geometry(), QRect(0, 0, 640, 360));
    image = player->widget()->grabFramebuffer();
    EXPECT_EQ(at(320, 20), 0x0000ffu);
    EXPECT_EQ(at(600, 180), 0xff0000u);
    EXPECT_EQ(colourAt(10, 10).rgb() & 0xffffff, 0x0000ffu);
}

// The player takes the pointer: presses, releases and moves over it never
// reach the page underneath.
TEST_F(PlayerTest, PointerEventsStopAtThePlayer) {
    struct Page : QWidget {
        int events = 0;
        void mousePressEvent(QMouseEvent*) override { ++events; }
        void mouseReleaseEvent(QMouseEvent*) override { ++events; }
        void mouseMoveEvent(QMouseEvent*) override { ++events; }
    } page;
    page.resize(400, 400);
    page.setMouseTracking(true);
    QmlMoviePlayer player(&page, QRect(50, 50, 200, 200));
    page.show();
    spin(20);

    const QPointF local(100, 100);
    const QPointF global = player.widget()->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent move(QEvent::MouseMove, local, global, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(player.widget(), &press);
    QApplication::sendEvent(player.widget(), &move);
    QApplication::sendEvent(player.widget(), &release);
    EXPECT_EQ(page.events, 0);

    // Outside the player the page still gets them.
    QMouseEvent pagePress(QEvent::MouseButtonPress, QPointF(10, 10), page.mapToGlobal(QPointF(10, 10)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&page, &pagePress);
    EXPECT_EQ(page.events, 1);
}

TEST_F(PlayerTest, DestroyingThePageFirstLeavesThePlayerSafe) {
    auto player = makePlayer();
    playMovie(*player, writeScene("portail", movingSquare()));
    ASSERT_TRUE(player->isPlaying());
    page_.reset();
    EXPECT_EQ(player->widget(), nullptr);
    EXPECT_FALSE(player->hasMovie());
    player->setVisible(true);
    player->rewind();
    player->play();
    player->setGeometry(QRect(0, 0, 10, 10));
    spin(50);
    EXPECT_FALSE(player->isPlaying());
    testing::internal::CaptureStderr();
    player->setMovie(swfPath("portail"));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(countLines(err), 1) << err;
}

// Compiled copies and edited scenes alike, the engine keeps nothing on disk:
// the home and cache folders the tests run with are still empty (the last case
// of this program, so it covers every load before it).
TEST_F(PlayerTest, NothingIsWrittenUnderHome) {
    QFile shipped(QStringLiteral(":/nizam/scenes/situa1.qml"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray original = shipped.readAll();
    auto player = makePlayer();
    playMovie(*player, writeScene("situa1", original));
    EXPECT_TRUE(player->playsBuiltInScene());
    playMovie(*player, writeScene("situa1", original + "\n"));
    EXPECT_FALSE(player->playsBuiltInScene());
    EXPECT_TRUE(player->hasMovie());
    spin(100);

    QStringList written;
    QDirIterator it(home().path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) written << it.next();
    EXPECT_TRUE(written.isEmpty()) << written.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
