// SPDX-License-Identifier: GPL-3.0-or-later
// QmlMoviePlayer: the desktop animation player. Each animation is a Qt Quick
// scene (one QML file per animation, beside the executable) whose root item
// holds a QtQuick.Timeline; the player drives that timeline's current frame
// itself, so rewinding is frame-exact and looping is the player's business,
// not the scene's. The file format is described in docs/animations.md.
//
// The shipped scenes are also compiled into the program at build time: a
// file whose text is the shipped one is played from that compiled copy, and
// an edited file is compiled from its own text.
//
// The player is a QQuickWidget placed as a child of the page widget, raised
// above every other child, with a white background. The scene is scaled into
// the player's rectangle keeping its proportions and centred (letterboxed).
// When a player goes, its scene goes with it; its widget is kept hidden, up
// to two of them, for a later player of the same size, which then needs
// neither a new widget nor new memory for its picture (the most of the cost
// of a page that opens on an animation).
#pragma once

#include <QPointer>
#include <QRect>
#include <QString>

#include <memory>
#include <string>
#include <vector>

#include "runtime/movie_player.h"

class QMenu;
class QObject;
class QQmlEngine;
class QQuickItem;
class QQuickWidget;
class QVariantAnimation;
class QWidget;

namespace nizam::platform {

class QmlMoviePlayer : public MoviePlayer {
public:
    // Chooses Qt Quick's software renderer unless QT_QUICK_BACKEND is set.
    // Call once at start-up, before the first window (and any QQuickWidget)
    // is created; calling it later has no effect on windows already made.
    static void prepareRendering();

    // Makes ready, ahead of their pages, the scenes of `folder` (the
    // program's) that are compiled into the program, for the players of
    // `window`: a page's first visit then starts its animation as fast as a
    // later one. Takes a few hundred milliseconds: call it once, after the
    // window's first frame.
    static void prepareAhead(QWidget* window, const QString& folder);

    // How many scene components were made since the program started: from
    // the copies compiled into the program, and compiled from a file's text.
    // A scene is made once and kept while its file stays as it was.
    struct SceneCounts {
        int builtIn = 0;
        int fromText = 0;
    };
    static SceneCounts scenesMade();

    // The QML file played for an animation path: same folder and base name,
    // ".qml" in place of the extension ("/opt/nizam/situa1.swf" gives
    // "/opt/nizam/situa1.qml").
    static QString sceneFileFor(const std::string& moviePath);

    // rect is in the parent's pixels. The player starts visible and empty.
    QmlMoviePlayer(QWidget* parent, const QRect& rect);
    ~QmlMoviePlayer() override;
    QmlMoviePlayer(const QmlMoviePlayer&) = delete;
    QmlMoviePlayer& operator=(const QmlMoviePlayer&) = delete;

    // MoviePlayer
    void setVisible(bool visible) override;
    void setMovie(const std::string& path) override;
    void rewind() override;
    void play() override;

    // Also offered by the context menu.
    void pause();
    void setLooping(bool loop);
    bool looping() const { return loop_; }

    // Moves or resizes the player, e.g. when the window scales its page.
    void setGeometry(const QRect& rect);

    // State, for the window and for tests.
    bool hasMovie() const;
    bool isPlaying() const;         // the frames are advancing right now
    int currentFrame() const;       // 0 when nothing is loaded
    int frameCount() const;         // frames from the first to the last, 0 when empty
    QString sceneFile() const { return sceneFile_; }  // the QML file last asked for
    // Whether the scene on show is the copy compiled into the program at
    // build time (the file is unchanged) rather than compiled from the file.
    bool playsBuiltInScene() const { return builtIn_; }
    QQuickWidget* widget() const;
    // Every call of the MoviePlayer interface this player received, in
    // order, since it was made: "visible 1", "visible 0", "movie PATH",
    // "rewind", "play" (the scenario runner checks that a page's animation
    // was set, then rewound, then played). The menu's own actions are not
    // calls of the interface and are not listed.
    const std::vector<std::string>& receivedCalls() const { return received_; }
    QMenu* contextMenu() const;     // the menu of the secondary button

private:
    // What rewind() and play() do, shared with the menu's actions.
    void rewindToStart();
    void resume();
    void unload();
    bool load(const QString& file, QString& reason);
    void layoutScene();
    void setFrame(double frame);
    double frame() const;
    void updateRunning();   // starts or stops the clock from the wanted state
    void stopClock();       // a stop that is not the animation's natural end
    void refreshMenu();
    void tellFault(const QString& reason) const;
    // A scene whose script ran away is stopped: the player is left white and
    // the file is told.
    void stopRunaway();
    static void stopRunaways(QQmlEngine* engine);

    QPointer<QQuickWidget> view_;
    std::vector<QMetaObject::Connection> viewConnections_;  // this player's, on a view that may outlive it
    QPointer<QMenu> menu_;
    QPointer<QQuickItem> scene_;
    QPointer<QObject> timeline_;
    QPointer<QQmlEngine> watching_;  // the engine watched for the loaded scene
    std::unique_ptr<QVariantAnimation> clock_;
    QString sceneFile_;
    double startFrame_ = 0;
    double endFrame_ = 0;
    int duration_ = 0;      // milliseconds from the first frame to the last
    bool visible_ = true;
    bool wantPlaying_ = false;
    bool loop_ = true;
    bool builtIn_ = false;
    std::vector<std::string> received_;
};

}  // namespace nizam::platform
