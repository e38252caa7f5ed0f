// SPDX-License-Identifier: GPL-3.0-or-later
// The Navigator: the registry of the 41 screens, the one loaded screen, the
// navigation actions Show, Unload, Quit and Go to, and the entry points
// through which the platform delivers input.
//
// Every navigation runs inside one event: start(), open() and the input entry
// points are the only ways in, and handlers reach Quit and Go to through the
// AppActions their Ctx carries (asked of the Navigator's AppActions outside
// any event, they act as open() and as a closed window). A screen unloaded while one of its handlers
// (its Load included) still runs is therefore kept alive until that event
// ends, whoever asked for the navigation.
//
// Quit on a page that holds the pupil's answers (Screen::holdsAnswers) asks
// first: the quit question is up, the page under it takes no input, and only
// its "leave" button ends the program; "stay" and Escape take it away and
// leave the page as it was.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/course.h"
#include "runtime/logic.h"
#include "runtime/loupe.h"
#include "screens/page.h"
#include "runtime/router.h"
#include "runtime/screen.h"

namespace nizam {

// One screen of the program: its name and its module (never null; the
// Navigator refuses a registry with an entry that lacks one).
struct RegistryEntry {
    std::string name;
    const ScreenModule* module = nullptr;
};

class Navigator final : public AppActions, public Course {
    // The one loaded screen with its handlers and its pointer state.
    struct Loaded {
        std::unique_ptr<Screen> screen;
        const ScreenLogic* logic = nullptr;
        PointerRouter router;
    };

public:
    // Throws std::invalid_argument when an entry has no module or a name is repeated.
    Navigator(HostPlatform& host, std::vector<RegistryEntry> registry);
    ~Navigator() override;

    // Start-up: shows the title screen Form2.
    void start();

    // Go to a screen directly, as no button of the program does (tests and tools).
    void open(std::string_view name);

    // The rest of AppActions, which leaves the screens as they are.
    void startProgram(const std::string& fileName) override;
    std::string applicationFile(const std::string& fileName) const override;

    // State
    Screen* current() { return current_ ? current_->screen.get() : nullptr; }
    const Screen* current() const override { return current_ ? current_->screen.get() : nullptr; }
    bool ended() const override { return ended_; }
    const std::string& pointerShape() const { return pointerShape_; }
    const std::vector<RegistryEntry>& registry() const { return registry_; }
    bool dragging() const override { return current_ && current_->router.dragging(); }
    std::optional<ControlId> carried() const override {
        return current_ ? current_->router.carried() : std::nullopt;
    }
    std::optional<ControlId> heldOver() const override {
        return current_ ? current_->router.heldOver() : std::nullopt;
    }
    // The controls Tab goes through on the current screen now, in order (the
    // drop targets while a label is carried by keys); empty with no screen.
    std::vector<ControlId> keyOrder() const;
    // Where a label released at the point would drop on the current screen
    // (PointerRouter::dropTargetAt).
    std::optional<ControlId> dropTargetAt(Twips x, Twips y) const;
    const QuitQuestion* quitQuestion() const override { return question_ ? &*question_ : nullptr; }
    // Told of each control a pointer event is about to reach on the current
    // screen (tests check that it is on show).
    void observeDeliveries(PointerRouter::Observer observer) { deliveries_ = std::move(observer); }

    // Course: input from the platform. Positions are in twips of the client area.
    void pointerMove(Twips x, Twips y) override;
    void pointerPress(Twips x, Twips y) override;
    // The second press of a double-click. It acts as a press when the
    // double-click began on the screen now shown (two clicks on one page:
    // a check box is ticked twice); when the first click loaded another
    // screen, it does nothing, so a double-click on a navigation button moves
    // one page and never presses what lies under the pointer on the next one.
    void pointerDoubleClick(Twips x, Twips y) override;
    // A press that the platform delivers to its own native control (check box,
    // text box). Returns false when the control must ignore it: the second
    // press of a double-click that began on another screen.
    bool nativePress(bool completesDoubleClick) override;
    void pointerRelease(Twips x, Twips y) override;
    void pointerReleaseOutside() override;  // released outside the window
    // Escape during a drag: the drag ends where it is and nothing is dropped.
    void cancelDrag() override;
    void keyTab() override;
    void keyBacktab() override;
    void keySpace() override;
    void keyEnter() override;
    void keyEscape() override;
    bool keyArrow(keys::Direction direction) override;
    // A native control changed by the user (the platform's own check box or text box).
    void userSetValue(ControlId id, int value) override;
    void userSetText(ControlId id, std::string text) override;
    void userSetFocus(std::optional<ControlId> id) override;
    // The window was closed by the platform's own means: acts as Quit (a
    // drag under way ends first, dropping nothing).
    void windowClosed() override;
    // Time passed: a label rested on long enough shows its loupe.
    void timePassed(int ms) override;
    std::optional<ControlId> loupe() const override { return current_ ? loupe_.shown() : std::nullopt; }
    // Course: the page's title from the table of page titles, and the pages
    // its buttons lead to from the navigation table.
    std::string windowTitle(std::string_view screen) const override;
    std::vector<const ScreenDef*> pagesLedTo(std::string_view screen) const override;

private:
    // Show a screen: load it if needed (design state, then Load), then show its window.
    void show(std::string_view name);
    // Unload the current screen: its window, native controls and players go;
    // the screen itself is retired until the running event ends.
    void unload();

    // Navigation of AppActions, reached by handlers: each call runs inside an event.
    void quit() override;
    void goTo(std::string_view screen) override;

    struct Entry;
    Entry* entry(std::string_view name);
    // Runs one event: handlers, then the end-of-application check and the pointer shape.
    template <class F>
    void handle(F&& f);
    // A pointer event at a position, routed on the current screen.
    template <class F>
    void route(Twips x, Twips y, F&& f);
    void updatePointerShape();
    // The quit question: asked, and answered with one of its buttons.
    void ask();
    void answer(QuitButton button);
    // After each event: the loupe follows the word label under the pointer
    // (none while the button is held), and the host is told what changed.
    void updateLoupe();
    // The keys on the page: Tab one way or the other; Space or Enter on the focus.
    void keyStep(bool forward);
    void keyPress();
    // Moves the keyboard focus on the page as the pointer would move: leaving
    // a drawn control raises the screen's MouseMove, reaching one raises its own.
    void moveKeyFocus(std::optional<ControlId> to);
    // The label carried by keys is held over `target`, the focus with it.
    void holdOver(ControlId target);
    // Ends carrying by keys: dropped on `target`, or put back with none.
    void dropCarried(std::optional<ControlId> target);
    // The current screen is still `screen` (a handler may have navigated away).
    bool stillOn(const Screen& screen) const { return current_ && current_->screen.get() == &screen; }

    HostPlatform& host_;
    std::vector<RegistryEntry> registry_;
    std::vector<std::unique_ptr<Entry>> entries_;
    std::unique_ptr<Loaded> current_;
    // Screens unloaded while one of their handlers still runs; freed when it returns.
    std::vector<std::unique_ptr<Loaded>> retired_;
    int depth_ = 0;
    bool ended_ = false;
    bool started_ = false;
    Twips lastX_ = -1, lastY_ = -1;
    PointerRouter::Observer deliveries_;
    // Screens loaded so far; each load is a new instance with its own number.
    long loads_ = 0;
    long shownInstance_ = 0;    // the number of the current screen instance
    long lastPressInstance_ = -1;  // the instance that received the last press
    std::string pointerShape_;
    std::optional<QuitQuestion> question_;  // asked before quitting a page with answers
    Loupe loupe_;
    std::optional<ControlId> loupeTold_;  // the label the host was last told of
};

}  // namespace nizam
