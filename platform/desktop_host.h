// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop platform: one Qt window showing the current screen, scaled to
// the window with its proportions kept, with native check boxes and text
// boxes, the pointer icon, drag outlines and animation players. The window
// is made of the page canvas (platform/page_canvas.h), the native controls
// (platform/native_controls.h) and the input forwarding
// (platform/page_input.h); the host ties them to the course it shows.
#pragma once

#include <QCursor>
#include <QElapsedTimer>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QPrinter>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/native_controls.h"
#include "platform/svg_asset_store.h"
#include "runtime/course.h"
#include "runtime/host_platform.h"

namespace nizam::platform {

class OnScreenKeyboard;
class PageWindow;

// Loads the Arabic translations Qt ships, so the menus Qt itself makes (the
// right-click menu of a text box) speak Arabic, and sets the program's layout
// direction right to left, so menus put their items at the right. Returns
// false, told once (runtime/diagnostics.h), when they are not installed.
// Once is enough.
bool installArabicTranslations();

class DesktopHost : public HostPlatform {
public:
    struct Options {
        bool quitOnEnd = true;        // end the Qt event loop when the application ends
        // Record program starts and print requests instead of starting them
        // and opening the print dialog (tests and the scenario runner).
        bool recordPrograms = false;
        // Open the window fitted to the display's free area (the page's
        // proportions kept, never larger than the design canvas); when false
        // it opens at the design canvas, 1024 x 768, whatever the display
        // (the scenario runner's and the benchmark's window, the window the
        // program opens on a 1366 x 768 display without a window manager).
        bool fitToScreen = true;
        // Start-up work the first frame can do without (the program registers
        // its fonts here): run once the window's first frame is on the
        // display, or before it when the first page needs it (text, a native
        // control, a player, or a picture the build did not draw ahead).
        // Rendering ahead waits for it. Empty: nothing is deferred.
        std::function<void()> afterFirstFrame = nullptr;
        // The on-screen keyboard switched on at start (it comes up by itself
        // when a text box is focused) or off (only when its tab is pressed);
        // unset: on where the system has no Arabic keyboard layout.
        std::optional<bool> keyboard = std::nullopt;
    };
    DesktopHost(SvgAssetStore& store, QString programFolder, Options options);
    // The most characters an answer box takes, typed or pasted.
    static constexpr int kAnswerBoxMaxLength = NativeControls::kAnswerBoxMaxLength;
    ~DesktopHost() override;

    // Input from the window goes to this course.
    void attach(Course* course);
    Course* course() const { return course_; }
    QWidget* window() const;
    SvgAssetStore& store() { return store_; }

    // Program starts recorded when Options::recordPrograms is set.
    const std::vector<std::pair<std::string, int>>& recordedPrograms() const { return programs_; }
    // The screens whose printing was asked, recorded when Options::recordPrograms is set.
    const std::vector<std::string>& recordedPrints() const { return prints_; }
    // Prints the page on show on `printer`, as the print button does once
    // its dialog is accepted. Returns false when there is no page or the
    // printer cannot be started.
    bool printShownPage(QPrinter& printer);
    // The screen the window draws, or nullptr between pages and after the end.
    const Screen* shownScreen() const;
    // Pages whose window was created and not yet destroyed: one while a
    // screen is loaded, none after the end (tests check it after every event).
    int pagesOpen() const { return static_cast<int>(openPages_.size()); }
    // The native widget of a control of the current screen, or nullptr.
    QWidget* nativeWidget(ControlId id) const;
    // Window pixel of a twip position of the current screen, and back.
    QPointF toWindow(Twips x, Twips y) const;
    // Scale from design pixels to window pixels.
    double scale() const;
    // Draws the page at scale 1, its design canvas centred in the window,
    // or (false) filling the window again; controls and players follow.
    // For pictures of a page at its design size (the scenario runner's
    // `shot`); a window smaller than the canvas draws it fitted.
    void setDesignScale(bool on);
    // The client area of the current screen, in window pixels.
    QRect clientRect() const;
    // Number of frames drawn so far (the benchmark waits for the next one).
    long framesDrawn() const;
    // Runs the deferred start-up work now, if it has not run yet.
    void finishStartup();
    bool startupFinished() const { return !deferredStartup_; }
    // Every picture of the page on show (hidden ones too), with the size in
    // device pixels it is drawn at now.
    SvgAssetStore::Wanted picturesOnShow() const;
    // The quit question's panel is on show over the page.
    bool quitQuestionShown() const;
    // The on-screen keyboard and its tab.
    OnScreenKeyboard& keyboard() const;
    // The word label whose loupe the window shows, and where its bubble
    // stands in window pixels (empty when none is shown).
    std::optional<ControlId> loupeShown() const;
    // The drop target on which the outline of a label carried by keys stands.
    std::optional<ControlId> heldOverShown() const;
    QRect loupeRect() const;
    // F11: full screen, or back to the size it had. Without a window manager
    // the window is given the whole display itself.
    void toggleFullScreen();
    // The window size that fits the page's design canvas into `available`
    // (a display's free area less the window frame) with its proportions
    // kept, never larger than the canvas itself.
    static QSize fittedSize(QSize available);

    // HostPlatform
    void createWindow(Screen& screen) override;
    void showWindow(Screen& screen) override;
    void destroyWindow(Screen& screen) override;
    void controlChanged(Screen& screen, ControlId id) override;
    void quitQuestionChanged(Screen& screen) override;
    void setPointerShape(const std::string& iconKey) override;
    void dragStarted(Screen& screen, ControlId source) override;
    void dragEnded() override;
    void dragHeldOver(Screen& screen, ControlId target) override;
    void loupeChanged(Screen& screen, std::optional<ControlId> label) override;
    void wakeAfter(int ms) override;
    void startProgram(const std::string& path, int windowStyle) override;
    void printPage(const Screen& screen) override;
    std::unique_ptr<MoviePlayer> createPlayer(Screen& screen, ControlId id) override;
    void endApplication() override;
    std::string applicationFolder() const override;

private:
    // The window has its first frame on the display.
    void firstFrameShown();
    // A new window size is a new scale: controls, players and the pictures
    // rendered ahead follow it.
    void relayout();
    void prerenderAround(const Screen& screen);
    // Whether the page can be drawn with what the start-up work provides
    // not there yet: only pictures, each with a drawn copy at its size.
    bool drawableWithoutStartup(const Screen& screen) const;
    void setIcon(const Screen& screen);
    void layoutPlayers();

    SvgAssetStore& store_;
    QString folder_;
    Options options_;
    std::function<void()> deferredStartup_;
    std::map<std::string, QIcon> icons_;  // window icons by key, rendered once
    Course* course_ = nullptr;
    QHash<QString, QCursor> cursors_;  // pointer icons by source files, made once
    std::unique_ptr<PageWindow> window_;
    std::vector<std::pair<std::string, int>> programs_;
    std::vector<std::string> prints_;
    std::vector<const Screen*> openPages_;
    QTimer wake_;            // tells the course the time it waits for has passed
    QElapsedTimer waited_;   // since the course asked
};

}  // namespace nizam::platform
