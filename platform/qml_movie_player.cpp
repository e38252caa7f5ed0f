// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qml_movie_player.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMenu>
#include <QMouseEvent>
#include <QNetworkAccessManager>
#include <QPainter>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QQmlAbstractUrlInterceptor>
#include <QQmlNetworkAccessManagerFactory>
#include <QQmlComponent>
#include <QUrl>
#include <QQmlEngine>
#include <QQmlError>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QVariantAnimation>
#include <QWheelEvent>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <ctime>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#if defined(__unix__)
#include <pthread.h>
#endif

#include "runtime/diagnostics.h"

namespace nizam::platform {

namespace {

// The Quick widget of a player. Pointer input over the player belongs to the
// player: whatever the scene does not take is swallowed here, so it never
// reaches the page underneath (a click would otherwise hit a control hidden
// behind the animation, and a move would clear the page's hover highlight).
class PlayerView : public QQuickWidget {
public:
    // A null engine gives the widget one of its own.
    PlayerView(QQmlEngine* engine, QWidget* parent) : QQuickWidget(engine, parent) {
        QObject::connect(quickWindow(), &QQuickWindow::afterRendering, this, [this] { blank = false; }, Qt::DirectConnection);
    }
    std::function<void()> onResize;
    // Drawn white until the scene is next drawn: a view kept for another
    // player must not show the last frame of the one before.
    bool blank = false;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override {
        if (!blank) {
            QQuickWidget::paintEvent(e);
            return;
        }
        QPainter(this).fillRect(rect(), Qt::white);
    }
    void resizeEvent(QResizeEvent* e) override {
        QQuickWidget::resizeEvent(e);
        if (onResize) onResize();
    }
    void mousePressEvent(QMouseEvent* e) override {
        QQuickWidget::mousePressEvent(e);
        e->accept();
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        QQuickWidget::mouseReleaseEvent(e);
        e->accept();
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        QQuickWidget::mouseDoubleClickEvent(e);
        e->accept();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        QQuickWidget::mouseMoveEvent(e);
        e->accept();
    }
    void wheelEvent(QWheelEvent* e) override {
        QQuickWidget::wheelEvent(e);
        e->accept();
    }
};

// Where the compiled copies of the scenes lie in the program's resources.
const QString kCompiledScenes = QStringLiteral(":/nizam/scenes/");
const QString kCompiledScenesUrl = QStringLiteral("qrc:/nizam/scenes/");

// The folder of the scene files whose compiled copies are played: a picture
// a compiled scene names relative to itself ("assets/kit/pointer.svg") is
// the one beside its file, not one in the resources.
QString& compiledScenesFolder() {
    static QString folder;
    return folder;
}

// The scenes may use only files: any other address (http, ftp, ...) in an
// import, a picture source or a request is turned into an empty one, which
// fails to load, so the animations never reach the network.
class LocalFilesOnly : public QQmlAbstractUrlInterceptor {
public:
    QUrl intercept(const QUrl& url, DataType type) override {
        if (url.scheme() == QLatin1String("qrc")) {
            // A file named by a compiled scene, other than QML types, is
            // looked up beside the scene files it was compiled from.
            const QString path = QStringLiteral("qrc:") + url.path();
            if ((type == UrlString || type == JavaScriptFile) && path.startsWith(kCompiledScenesUrl) &&
                !compiledScenesFolder().isEmpty()) {
                QUrl local = QUrl::fromLocalFile(compiledScenesFolder() + QLatin1Char('/') +
                                                 path.mid(kCompiledScenesUrl.size()));
                local.setQuery(url.query());
                local.setFragment(url.fragment());
                return local;
            }
            return url;
        }
        if (url.isEmpty() || url.isLocalFile() || url.isRelative()) return url;
        return QUrl(QStringLiteral("file:///nonexistent-outside-address"));
    }
};

// Behind the URL check, the engine's network access itself: every request
// that is not for a local file fails at once, before any socket is opened
// (a scene's XMLHttpRequest and pictures go through here).
class LocalOnlyNetwork : public QNetworkAccessManager {
public:
    using QNetworkAccessManager::QNetworkAccessManager;

protected:
    QNetworkReply* createRequest(Operation op, const QNetworkRequest& request, QIODevice* data) override {
        const QUrl url = request.url();
        if (url.isLocalFile() || url.scheme() == QLatin1String("qrc"))
            return QNetworkAccessManager::createRequest(op, request, data);
        // An address without a scheme fails with "protocol unknown", at once.
        return QNetworkAccessManager::createRequest(op, QNetworkRequest(QUrl(QStringLiteral("refused:"))), nullptr);
    }
};

class LocalOnlyNetworkFactory : public QQmlNetworkAccessManagerFactory {
public:
    QNetworkAccessManager* create(QObject* parent) override { return new LocalOnlyNetwork(parent); }
};


// The watchdog of the scenes' scripts. A scene's JavaScript runs on the
// window's thread: an endless loop in it (on creation, in a binding, in a
// Timer's handler) would freeze the whole program. While any scene is loaded,
// the window's thread reports that it is alive ("beats") each time it comes
// back to the event loop, on each tick of a player's clock and before the
// player runs scene code. A thread of its own waits for the beats: when none
// has come for kLimit while the window's thread kept a core busy, the scripts
// of the watched engines are interrupted (QJSEngine::setInterrupted is safe
// from another thread), and the players whose scene ran away stop it once the
// interrupted code has unwound.
//
// Nothing wakes while the program rests: with no scene loaded the thread
// sleeps on its condition variable without a timeout, and when the window's
// thread has been idle (blocked in the event loop, using no processor) for
// kLimit, the thread sleeps again until the next beat.
class SceneWatchdog {
public:
    static constexpr std::chrono::milliseconds kLimit{500};

    static SceneWatchdog& instance() {
        static SceneWatchdog watchdog;
        return watchdog;
    }

    // The window's thread is alive now. Cheap: called on every round of the
    // event loop.
    void beat() {
        if (watched_ == 0) return;  // read without the lock: only this thread changes it
        std::lock_guard lock(mutex_);
        lastBeat_ = Clock::now();
        ++beats_;
        if (resting_) {
            resting_ = false;
            wake_.notify_one();
        }
    }

    // One more scene (or scene creation) of `engine` to watch; each call is
    // paired with unwatch().
    void watch(QQmlEngine* engine) {
        start();
        std::lock_guard lock(mutex_);
        auto found = std::find_if(engines_.begin(), engines_.end(), [&](const auto& e) { return e.first == engine; });
        if (found == engines_.end()) {
            engines_.emplace_back(engine, 1);
            // An engine destroyed with scenes still counted is forgotten
            // (connected once per engine, not on every scene it makes).
            if (std::find(known_.begin(), known_.end(), engine) == known_.end()) {
                known_.push_back(engine);
                QObject::connect(engine, &QObject::destroyed, [this, engine] { forget(engine); });
            }
        } else {
            ++found->second;
        }
        ++watched_;
        lastBeat_ = Clock::now();
        ++beats_;
        resting_ = false;
        wake_.notify_one();
    }

    void unwatch(QQmlEngine* engine) {
        std::lock_guard lock(mutex_);
        auto found = std::find_if(engines_.begin(), engines_.end(), [&](const auto& e) { return e.first == engine; });
        if (found == engines_.end()) return;
        --watched_;
        if (--found->second == 0) engines_.erase(found);
    }

    // Called on the window's thread when an engine was interrupted: set by
    // the owner of the scenes, to stop the ones that ran away.
    std::function<void(QQmlEngine*)> onInterrupted;

    ~SceneWatchdog() {
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
            wake_.notify_one();
        }
        if (thread_.joinable()) thread_.join();
    }

private:
    using Clock = std::chrono::steady_clock;

    SceneWatchdog() = default;

    void start() {
        if (thread_.joinable()) return;
#if defined(__unix__)
        // The processor time of the window's thread tells an endless loop
        // from a thread that is only waiting (for the event loop, a disk).
        if (pthread_getcpuclockid(pthread_self(), &guiCpu_) == 0) haveCpu_ = true;
#endif
        if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
            QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [this] { beat(); });
            QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, [this] { beat(); });
        }
        thread_ = std::thread([this] { run(); });
    }

    // Processor time used by the window's thread, or -1 when unknown.
    std::chrono::nanoseconds guiCpu() const {
#if defined(__unix__)
        timespec ts{};
        if (haveCpu_ && clock_gettime(guiCpu_, &ts) == 0)
            return std::chrono::seconds(ts.tv_sec) + std::chrono::nanoseconds(ts.tv_nsec);
#endif
        return std::chrono::nanoseconds(-1);
    }

    void forget(QQmlEngine* engine) {
        known_.erase(std::remove(known_.begin(), known_.end(), engine), known_.end());
        std::lock_guard lock(mutex_);
        auto found = std::find_if(engines_.begin(), engines_.end(), [&](const auto& e) { return e.first == engine; });
        if (found == engines_.end()) return;
        watched_ -= found->second;
        engines_.erase(found);
    }

    void run() {
        std::unique_lock lock(mutex_);
        unsigned long long seen = beats_ - 1;
        Clock::time_point from;
        std::chrono::nanoseconds cpuFrom{};
        while (!quit_) {
            if (watched_ == 0 || resting_) {
                wake_.wait(lock);  // no timeout: woken by the next beat or scene
                continue;
            }
            if (beats_ != seen) {
                seen = beats_;
                from = Clock::now();
                cpuFrom = guiCpu();
            }
            const Clock::time_point deadline = std::max(lastBeat_ + kLimit, Clock::now() + kLimit / 4);
            wake_.wait_until(lock, deadline, [&] { return quit_ || beats_ != seen || watched_ == 0; });
            if (quit_ || beats_ != seen || watched_ == 0) continue;
            const auto cpuNow = guiCpu();
            const auto cpu = cpuNow - cpuFrom;
            const auto wall = Clock::now() - from;
            // Without a processor clock, no beat for the limit is taken as a
            // runaway. With one, a runaway has computed for half the limit
            // since (on a machine shared with other work it gets less than
            // the whole wall time); a thread that used next to nothing is
            // resting; in between, look again.
            const bool known = cpuFrom.count() >= 0 && cpuNow.count() >= 0;
            if (known && cpu < kLimit / 2) {
                if (cpu * 10 < wall) resting_ = true;
                continue;
            }
            resting_ = true;  // waits for the next beat before firing again
            for (const auto& [engine, count] : engines_) {
                engine->setInterrupted(true);
                QPointer<QQmlEngine> guarded(engine);
                // Run when control is back in the event loop, the loop unwound.
                QMetaObject::invokeMethod(
                    engine,
                    [this, guarded] {
                        if (guarded && onInterrupted) onInterrupted(guarded.data());
                    },
                    Qt::QueuedConnection);
            }
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::thread thread_;
    std::vector<std::pair<QQmlEngine*, int>> engines_;
    std::vector<QQmlEngine*> known_;  // engines whose end is watched; the window's thread only
    std::atomic<int> watched_{0};
    Clock::time_point lastBeat_{};
    unsigned long long beats_ = 0;
    bool resting_ = false;
    bool quit_ = false;
#if defined(__unix__)
    clockid_t guiCpu_{};
    bool haveCpu_ = false;
#endif
};

// Watches the scene code run while it lives (creating a scene, moving its
// timeline), for scenes not yet counted as loaded.
class WatchedRun {
public:
    explicit WatchedRun(QQmlEngine* engine) : engine_(engine) {
        // No scene code runs at this point: an interruption still set came
        // while the thread was stalled elsewhere, and must not stop the
        // scene about to be made.
        if (engine->isInterrupted()) engine->setInterrupted(false);
        SceneWatchdog::instance().watch(engine);
    }
    ~WatchedRun() { SceneWatchdog::instance().unwatch(engine_); }
    WatchedRun(const WatchedRun&) = delete;
    WatchedRun& operator=(const WatchedRun&) = delete;

private:
    QQmlEngine* engine_;
};

const QString kRunaway = QStringLiteral("its script ran for more than half a second without end and was stopped");

// One line describing why a scene could not be loaded. The file is named by
// the caller, so a QML error is reduced to its line and description.
QString describe(const QList<QQmlError>& errors) {
    if (errors.isEmpty()) return QStringLiteral("the scene could not be created");
    const QQmlError& first = errors.first();
    QString text = first.description().simplified();
    if (first.line() > 0) text = QStringLiteral("line %1: %2").arg(first.line()).arg(text);
    if (errors.size() > 1) text += QStringLiteral(" (and %1 more errors)").arg(errors.size() - 1);
    return text;
}

// The timeline to play: the only Timeline of the scene, or the one named
// "timeline" when there are several.
QObject* findTimeline(QQuickItem* root, QString& reason) {
    QList<QObject*> found;
    if (root->inherits("QQuickTimeline")) found.append(root);
    const auto children = root->findChildren<QObject*>();
    for (QObject* o : children)
        if (o->inherits("QQuickTimeline")) found.append(o);
    if (found.isEmpty()) {
        reason = QStringLiteral("the scene has no Timeline");
        return nullptr;
    }
    if (found.size() == 1) return found.first();
    for (QObject* o : found)
        if (o->objectName() == QLatin1String("timeline")) return o;
    reason = QStringLiteral("the scene has %1 Timelines and none is named \"timeline\"").arg(found.size());
    return nullptr;
}

// Sets up an engine for the scenes: local files only, no network, and the
// scenes' run-time warnings kept from stderr.
void guardEngine(QQmlEngine* engine) {
    static LocalFilesOnly localFilesOnly;
    engine->addUrlInterceptor(&localFilesOnly);
    static LocalOnlyNetworkFactory localOnlyNetwork;
    engine->setNetworkAccessManagerFactory(&localOnlyNetwork);
    // A scene's own run-time warnings are not the pupil's business: a
    // scene that cannot be played is told in one line by setMovie.
    engine->setOutputWarningsToStandardError(false);
}

// One QML engine for every player of a window: an engine costs megabytes
// and milliseconds to make, and a page with an animation is made afresh on
// every visit. The engine is a child of the top-level window, so it goes
// with the window, while the application is still running (an engine left
// to the application's own end would wait for its image loader forever).
QQmlEngine* sharedEngine(QWidget* parent) {
    static const QString kName = QStringLiteral("nizam-animation-engine");
    QWidget* top = parent ? parent->window() : nullptr;
    if (!top) return nullptr;
    if (auto* engine = top->findChild<QQmlEngine*>(kName, Qt::FindDirectChildrenOnly)) return engine;
    auto* engine = new QQmlEngine(top);
    engine->setObjectName(kName);
    guardEngine(engine);
    return engine;
}

// A scene file larger than this is refused unread: the shipped scenes are
// tens of kilobytes, and a damaged or foreign file must not be read into
// memory whole.
constexpr qint64 kLargestScene = 4 * 1024 * 1024;

// The scenes made ready, one per file, kept for the life of the engine so a
// later visit of a page does not read and compile its scene again. Each is
// kept with a digest of the text it was made from: a file whose text has
// changed since is made afresh.
struct CompiledScene {
    QByteArray digest;
    QPointer<QQmlComponent> component;
    bool builtIn = false;
    // Its script ran away once: it is not run again while the file is
    // unchanged (each try would freeze the program for the watchdog's limit).
    bool runaway = false;
};
QHash<QString, CompiledScene>& compiledScenes() {
    static QHash<QString, CompiledScene> scenes;
    return scenes;
}

QmlMoviePlayer::SceneCounts& madeCounts() {
    static QmlMoviePlayer::SceneCounts counts;
    return counts;
}

// The text compiled into the program for a scene file of that name, or an
// empty array when the program has none.
QByteArray builtInText(const QString& fileName) {
    QFile resource(kCompiledScenes + fileName);
    if (!resource.open(QIODevice::ReadOnly)) return {};
    return resource.readAll();
}

// The scene made from `path`, or null with `reason` set. `builtIn` tells
// whether it is the copy compiled into the program.
QQmlComponent* compiledScene(QQmlEngine* engine, const QString& path, QString& reason, bool& builtIn) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = QStringLiteral("not a readable file");
        return nullptr;
    }
    if (file.size() > kLargestScene) {
        reason = QStringLiteral("the file is larger than %1 MB").arg(kLargestScene / (1024 * 1024));
        return nullptr;
    }
    const QByteArray text = file.read(kLargestScene + 1);
    file.close();
    if (text.size() > kLargestScene) {
        reason = QStringLiteral("the file is larger than %1 MB").arg(kLargestScene / (1024 * 1024));
        return nullptr;
    }
    const QByteArray digest = QCryptographicHash::hash(text, QCryptographicHash::Sha1);

    auto& scenes = compiledScenes();
    auto found = scenes.find(path);
    if (found != scenes.end() && found->component && found->component->engine() == engine &&
        found->digest == digest) {
        if (found->runaway) {
            reason = kRunaway;
            return nullptr;
        }
        builtIn = found->builtIn;
        return found->component.data();
    }
    if (found != scenes.end()) {
        delete found->component.data();
        scenes.erase(found);
    }

    auto component = std::make_unique<QQmlComponent>(engine);
    const QFileInfo info(path);
    const QString name = info.fileName();
    builtIn = !text.isEmpty() && builtInText(name) == text;
    if (builtIn) {
        // The file is the one shipped: its copy compiled at build time is
        // played, and the engine compiles nothing. Pictures it names are
        // still read beside the file.
        compiledScenesFolder() = info.absolutePath();
        component->loadUrl(QUrl(kCompiledScenesUrl + name), QQmlComponent::PreferSynchronous);
    } else {
        // Edited or foreign: compiled from the text just read, not from the
        // URL, as the engine would otherwise hand back what it compiled from
        // that URL before, a changed file or a failed one included. The URL
        // still places the scene in its folder for its imports.
        component->setData(text, QUrl::fromLocalFile(path));
    }
    if (component->isError()) {
        reason = describe(component->errors());
        return nullptr;
    }
    if (!component->isReady()) {
        reason = QStringLiteral("the scene did not finish loading");
        return nullptr;
    }
    component->setParent(engine);
    ++(builtIn ? madeCounts().builtIn : madeCounts().fromText);
    QQmlComponent* ready = component.release();
    scenes.insert(path, CompiledScene{digest, ready, builtIn});
    return ready;
}

// Input reaching a player's scene is scene code about to run.
bool PlayerView::event(QEvent* e) {
    SceneWatchdog::instance().beat();
    return QQuickWidget::event(e);
}

// The players alive, to stop the scenes of an interrupted engine.
std::vector<QmlMoviePlayer*>& livePlayers() {
    static std::vector<QmlMoviePlayer*> players;
    return players;
}

// Views of players gone with their pages, kept hidden and blank for the
// next player of the same window. Making a view and its first picture costs
// the most of a page that opens on an animation, and mostly in the memory
// of its picture, newly mapped and first written: a view taken back at the
// same size keeps that memory. At most two are kept (Form30 has two players).
constexpr std::size_t kSpareViews = 2;

std::vector<QPointer<PlayerView>>& spareViews() {
    static std::vector<QPointer<PlayerView>> views;
    return views;
}

// A spare view of `parent` of that size, or nullptr. (One of another size
// would be made anew at this size all the same, and be missing for its own.)
PlayerView* takeSpareView(QWidget* parent, const QSize& size) {
    auto& views = spareViews();
    views.erase(std::remove_if(views.begin(), views.end(), [](const QPointer<PlayerView>& v) { return v.isNull(); }),
                views.end());
    auto pick = std::find_if(views.begin(), views.end(), [&](const QPointer<PlayerView>& v) {
        return v->parentWidget() == parent && v->size() == size;
    });
    if (pick == views.end()) return nullptr;
    PlayerView* view = pick->data();
    views.erase(pick);
    return view;
}

// Keeps a view whose scene is gone, hidden and drawn blank, or deletes it
// when enough are kept.
void giveSpareView(PlayerView* view) {
    view->hide();
    view->blank = true;
    auto& views = spareViews();
    views.erase(std::remove_if(views.begin(), views.end(), [](const QPointer<PlayerView>& v) { return v.isNull(); }),
                views.end());
    views.insert(views.begin(), view);
    while (views.size() > kSpareViews) {
        delete views.back().data();
        views.pop_back();
    }
}

}  // namespace

void QmlMoviePlayer::stopRunaways(QQmlEngine* engine) {
    // Already handled where the scene was being made.
    if (!engine->isInterrupted()) return;
    // The interrupted code has unwound: the engine serves other scenes again.
    engine->setInterrupted(false);
    const std::vector<QmlMoviePlayer*> players = livePlayers();
    for (QmlMoviePlayer* player : players)
        if (player->watching_ == engine && player->scene_) player->stopRunaway();
}

void QmlMoviePlayer::stopRunaway() {
    auto& scenes = compiledScenes();
    auto found = scenes.find(QFileInfo(sceneFile_).absoluteFilePath());
    if (found != scenes.end()) found->runaway = true;
    unload();
    tellFault(kRunaway);
}

void QmlMoviePlayer::tellFault(const QString& reason) const {
    // Once per file and fault: played again it says nothing more; a file
    // changed on disk with another fault is told again.
    diagnostics::tellOnce("animation:" + sceneFile_.toStdString() + '\n' + reason.toStdString(),
                          "cannot play animation " + sceneFile_.toStdString() + ": " + reason.toStdString());
}

void QmlMoviePlayer::prepareRendering() {
    // The engine keeps no compiled copy of a scene on disk, so the program
    // writes no file: its cache folder is one that cannot be made (the
    // engine makes the folder before it reads or writes there, and both
    // fail). The cache is not turned off instead, as that would also make
    // the engine pass over the scenes compiled into the program.
    qputenv("QML_DISK_CACHE_PATH", "/dev/null/nizam-no-cache");
    // An explicit choice in the environment wins, e.g. to try the OpenGL
    // renderer on a given machine.
    if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND")) return;
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

QmlMoviePlayer::SceneCounts QmlMoviePlayer::scenesMade() { return madeCounts(); }

void QmlMoviePlayer::prepareAhead(QWidget* window, const QString& folder) {
    QQmlEngine* engine = sharedEngine(window);
    if (!engine) return;
    // Every scene of the folder that has a compiled copy in the program: its
    // component made ready and kept, and one instance made and dropped at
    // once, so the first visit of its page pays neither the engine's first
    // look at the scene's types nor their first instantiation. A file that
    // cannot be played is left to its page, which tells it.
    const QStringList shipped = QDir(kCompiledScenes).entryList({QStringLiteral("*.qml")}, QDir::Files, QDir::Name);
    for (const QString& name : shipped) {
        const QFileInfo info(QDir(folder).filePath(name));
        if (!info.isFile()) continue;
        QString reason;
        bool builtIn = false;
        QQmlComponent* component = compiledScene(engine, info.absoluteFilePath(), reason, builtIn);
        // An edited scene is only compiled: what it does on creation is
        // left to its page.
        if (!component || !builtIn) continue;
        const WatchedRun watched(engine);
        delete component->create();
        if (engine->isInterrupted()) engine->setInterrupted(false);
    }
}

QString QmlMoviePlayer::sceneFileFor(const std::string& moviePath) {
    QString path = QString::fromStdString(moviePath);
    // The animations are named as on Windows ("\situa1.swf"); no file name of
    // the program contains a backslash, so it is a folder separator.
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QFileInfo info(path);
    QString folder = info.path();
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder + info.completeBaseName() + QStringLiteral(".qml");
}

QmlMoviePlayer::QmlMoviePlayer(QWidget* parent, const QRect& rect)
    : clock_(std::make_unique<QVariantAnimation>()) {
    livePlayers().push_back(this);
    SceneWatchdog::instance().onInterrupted = &QmlMoviePlayer::stopRunaways;
    PlayerView* view = takeSpareView(parent, rect.size());
    if (!view) {
        QQmlEngine* engine = sharedEngine(parent);
        view = new PlayerView(engine, parent);
        // Without a window to share an engine with, the widget has its own.
        if (!engine) guardEngine(view->engine());
        view->setClearColor(Qt::white);
        view->setAttribute(Qt::WA_OpaquePaintEvent);
        view->setFocusPolicy(Qt::NoFocus);
    }
    view_ = view;
    view->setGeometry(rect);
    view->onResize = [this] { layoutScene(); };

    // The player's own menu on the secondary button.
    auto* menu = new QMenu(view);
    menu_ = menu;
    menu->setLayoutDirection(Qt::RightToLeft);
    QAction* playAction = menu->addAction(QStringLiteral("تشغيل"));
    playAction->setObjectName(QStringLiteral("play"));
    QAction* pauseAction = menu->addAction(QStringLiteral("إيقاف مؤقت"));
    pauseAction->setObjectName(QStringLiteral("pause"));
    QAction* rewindAction = menu->addAction(QStringLiteral("إرجاع إلى البداية"));
    rewindAction->setObjectName(QStringLiteral("rewind"));
    menu->addSeparator();
    QAction* loopAction = menu->addAction(QStringLiteral("تكرار"));
    loopAction->setObjectName(QStringLiteral("loop"));
    loopAction->setCheckable(true);
    loopAction->setChecked(loop_);
    QObject::connect(playAction, &QAction::triggered, view, [this] { resume(); });
    QObject::connect(pauseAction, &QAction::triggered, view, [this] { pause(); });
    QObject::connect(rewindAction, &QAction::triggered, view, [this] { rewindToStart(); });
    QObject::connect(loopAction, &QAction::toggled, view, [this](bool on) { setLooping(on); });
    QObject::connect(menu, &QMenu::aboutToShow, view, [this] { refreshMenu(); });
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    viewConnections_.push_back(
        QObject::connect(view, &QWidget::customContextMenuRequested, view, [this](const QPoint& pos) {
            if (view_ && menu_) menu_->popup(view_->mapToGlobal(pos));
        }));

    clock_->setEasingCurve(QEasingCurve::Linear);
    QObject::connect(clock_.get(), &QVariantAnimation::valueChanged,
                     [this](const QVariant& value) {
                         SceneWatchdog::instance().beat();
                         // The scenes are drawn frame by frame at 25 frames a
                         // second; the clock ticks with the display, more
                         // often. Only a whole frame reached is shown, so a
                         // tick between two frames costs no redraw.
                         const double whole = std::floor(value.toDouble() + 1e-6);
                         if (whole != frame()) setFrame(whole);
                     });
    // Without looping the animation stops on its last frame. (The player's
    // own stops are made with the clock's signals blocked, so this is only
    // the natural end.)
    QObject::connect(clock_.get(), &QAbstractAnimation::finished, [this] { wantPlaying_ = false; });

    // If the page is destroyed before the player, its scene goes with it:
    // the clock must not run on.
    viewConnections_.push_back(QObject::connect(view, &QObject::destroyed, [this] {
        wantPlaying_ = false;
        stopClock();
    }));

    view->raise();
    view->show();
    refreshMenu();
}

QmlMoviePlayer::~QmlMoviePlayer() {
    stopClock();
    clock_.reset();
    unload();
    // The page may already have destroyed the widget with itself; else the
    // widget, its scene gone, is kept for the next player.
    for (const auto& c : viewConnections_) QObject::disconnect(c);
    delete menu_.data();
    if (auto* view = static_cast<PlayerView*>(view_.data())) {
        view->onResize = nullptr;
        if (view->parentWidget())
            giveSpareView(view);
        else
            delete view;
    }
    auto& players = livePlayers();
    players.erase(std::remove(players.begin(), players.end(), this), players.end());
}

QQuickWidget* QmlMoviePlayer::widget() const { return view_.data(); }

QMenu* QmlMoviePlayer::contextMenu() const { return menu_.data(); }

void QmlMoviePlayer::setVisible(bool visible) {
    received_.push_back(visible ? "visible 1" : "visible 0");
    visible_ = visible;
    if (view_) {
        if (visible) {
            view_->raise();
            view_->show();
        } else {
            view_->hide();
        }
    }
    updateRunning();
}

void QmlMoviePlayer::setMovie(const std::string& path) {
    received_.push_back("movie " + path);
    unload();
    if (path.empty()) {
        sceneFile_.clear();
        return;
    }
    sceneFile_ = sceneFileFor(path);
    QString reason;
    if (!view_) {
        reason = QStringLiteral("the player's window is gone");
    } else if (load(sceneFile_, reason)) {
        wantPlaying_ = true;  // an animation plays as soon as it is loaded
        updateRunning();
        refreshMenu();
        return;
    }
    tellFault(reason);
}

void QmlMoviePlayer::rewind() {
    received_.push_back("rewind");
    rewindToStart();
}

void QmlMoviePlayer::rewindToStart() {
    if (!timeline_) return;
    if (clock_->state() == QAbstractAnimation::Running)
        clock_->setCurrentTime(0);
    else
        setFrame(startFrame_);
}

void QmlMoviePlayer::play() {
    received_.push_back("play");
    resume();
}

void QmlMoviePlayer::resume() {
    if (!timeline_) return;
    wantPlaying_ = true;
    updateRunning();
}

void QmlMoviePlayer::pause() {
    wantPlaying_ = false;
    updateRunning();
}

void QmlMoviePlayer::setLooping(bool loop) {
    if (loop == loop_) return;
    loop_ = loop;
    // The clock's loop count only takes effect from a fresh start: restart
    // it from the frame it has reached.
    if (clock_->state() != QAbstractAnimation::Stopped) {
        stopClock();
        updateRunning();
    }
    refreshMenu();
}

void QmlMoviePlayer::setGeometry(const QRect& rect) {
    if (!view_) return;
    view_->setGeometry(rect);
    view_->raise();
    layoutScene();
}

bool QmlMoviePlayer::hasMovie() const { return scene_ && timeline_; }

bool QmlMoviePlayer::isPlaying() const { return clock_ && clock_->state() == QAbstractAnimation::Running; }

int QmlMoviePlayer::currentFrame() const {
    if (!timeline_) return 0;
    return static_cast<int>(std::floor(frame() + 1e-6));
}

int QmlMoviePlayer::frameCount() const {
    if (!timeline_) return 0;
    return static_cast<int>(std::lround(endFrame_ - startFrame_));
}

void QmlMoviePlayer::unload() {
    stopClock();
    wantPlaying_ = false;
    timeline_.clear();
    builtIn_ = false;
    delete scene_.data();
    scene_.clear();
    if (watching_) SceneWatchdog::instance().unwatch(watching_);
    watching_.clear();
    startFrame_ = endFrame_ = 0;
    duration_ = 0;
    refreshMenu();
}

bool QmlMoviePlayer::load(const QString& file, QString& reason) {
    const QFileInfo info(file);
    if (!info.exists()) {
        reason = QStringLiteral("no such file");
        return false;
    }
    if (!info.isFile() || !info.isReadable()) {
        reason = QStringLiteral("not a readable file");
        return false;
    }

    bool builtIn = false;
    QQmlEngine* engine = view_->engine();
    QQmlComponent* component = compiledScene(engine, info.absoluteFilePath(), reason, builtIn);
    if (!component) return false;
    // The scene's code runs from here on: creating it runs its bindings and
    // Component.onCompleted, and setting its first frame runs bindings.
    const WatchedRun watched(engine);
    std::unique_ptr<QObject> object(component->create());
    const auto ranAway = [&] {
        if (!engine->isInterrupted()) return false;
        engine->setInterrupted(false);
        object.reset();
        if (auto found = compiledScenes().find(info.absoluteFilePath()); found != compiledScenes().end())
            found->runaway = true;
        reason = kRunaway;
        return true;
    };
    if (ranAway()) return false;
    if (!object) {
        reason = describe(component->errors());
        return false;
    }
    auto* root = qobject_cast<QQuickItem*>(object.get());
    if (!root) {
        reason = QStringLiteral("the root object is not an Item");
        return false;
    }
    if (root->width() <= 0 || root->height() <= 0) {
        reason = QStringLiteral("the root item has no width and height (the design size)");
        return false;
    }
    const QVariant duration = root->property("duration");
    if (!duration.isValid()) {
        reason = QStringLiteral("the root item has no duration property");
        return false;
    }
    bool numeric = false;
    const double ms = duration.toDouble(&numeric);
    if (!numeric || !(ms >= 1) || ms > 3600000) {
        reason = QStringLiteral("the duration must be a number of milliseconds between 1 and 3600000");
        return false;
    }
    QObject* timeline = findTimeline(root, reason);
    if (!timeline) return false;
    const double start = timeline->property("startFrame").toDouble();
    const double end = timeline->property("endFrame").toDouble();
    if (!(end > start)) {
        reason = QStringLiteral("the Timeline's endFrame must be greater than its startFrame");
        return false;
    }

    // The scene belongs to the widget's window from now on, so it goes with
    // the widget (and its QML engine) if the page is destroyed first.
    QQuickItem* host = view_->quickWindow()->contentItem();
    root->setParent(host);
    root->setParentItem(host);
    object.release();
    root->setTransformOrigin(QQuickItem::TopLeft);
    root->setClip(true);  // nothing drawn outside the design area shows in the margins

    scene_ = root;
    timeline_ = timeline;
    builtIn_ = builtIn;
    startFrame_ = start;
    endFrame_ = end;
    duration_ = static_cast<int>(std::lround(ms));
    timeline->setProperty("enabled", true);
    setFrame(start);
    layoutScene();
    if (ranAway()) {
        // The scene already belongs to the window: taken back before it goes.
        timeline_.clear();
        scene_.clear();
        object.reset(root);
        startFrame_ = endFrame_ = 0;
        duration_ = 0;
        builtIn_ = false;
        return false;
    }
    // Loaded: watched for as long as it stays (its timers, animations and
    // input handlers run scene code while it plays).
    watching_ = engine;
    SceneWatchdog::instance().watch(engine);
    return true;
}

void QmlMoviePlayer::layoutScene() {
    if (!scene_ || !view_) return;
    const double w = view_->width();
    const double h = view_->height();
    const double dw = scene_->width();
    const double dh = scene_->height();
    const double scale = std::max(0.0, std::min(w / dw, h / dh));
    scene_->setScale(scale);
    scene_->setPosition(QPointF((w - dw * scale) / 2.0, (h - dh * scale) / 2.0));
}

void QmlMoviePlayer::setFrame(double frame) {
    if (timeline_) timeline_->setProperty("currentFrame", frame);
}

double QmlMoviePlayer::frame() const {
    return timeline_ ? timeline_->property("currentFrame").toDouble() : 0.0;
}

void QmlMoviePlayer::updateRunning() {
    if (!clock_) return;
    const bool run = hasMovie() && visible_ && wantPlaying_;
    if (!run) {
        stopClock();
        return;
    }
    if (clock_->state() == QAbstractAnimation::Running) return;
    // Start the clock at the time of the frame reached; from the last frame
    // (a finished, non-looping animation) play starts over.
    double position = (frame() - startFrame_) / (endFrame_ - startFrame_);
    if (!(position >= 0) || position >= 1) position = 0;
    {
        // Changing the key values recomputes the clock's value from its old
        // time; that stale value must not reach the timeline.
        const QSignalBlocker quiet(clock_.get());
        clock_->setStartValue(startFrame_);
        clock_->setEndValue(endFrame_);
        clock_->setDuration(duration_);
        clock_->setLoopCount(loop_ ? -1 : 1);
    }
    const int at = std::min(duration_ - 1, static_cast<int>(std::lround(position * duration_)));
    clock_->start();
    clock_->setCurrentTime(at);
}

void QmlMoviePlayer::stopClock() {
    if (!clock_ || clock_->state() == QAbstractAnimation::Stopped) return;
    const QSignalBlocker quiet(clock_.get());
    clock_->stop();
}

void QmlMoviePlayer::refreshMenu() {
    if (!menu_) return;
    const bool loaded = hasMovie();
    const bool running = isPlaying();
    for (QAction* action : menu_->actions()) {
        const QString name = action->objectName();
        if (name == QLatin1String("play")) {
            action->setEnabled(loaded && !wantPlaying_);
        } else if (name == QLatin1String("pause")) {
            action->setEnabled(loaded && (running || wantPlaying_));
        } else if (name == QLatin1String("rewind")) {
            action->setEnabled(loaded);
        } else if (name == QLatin1String("loop")) {
            const QSignalBlocker block(action);
            action->setChecked(loop_);
        }
    }
}

}  // namespace nizam::platform
