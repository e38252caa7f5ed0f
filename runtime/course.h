// SPDX-License-Identifier: GPL-3.0-or-later
// What a platform's window needs from the running course: the input entry
// points through which it delivers pointer and keyboard events, the screen on
// show, and what it shows of the course around that screen (the title bar's
// text, the pages the shown page leads to, which it renders ahead). The
// platform sees the course only through this, never its navigation code.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/key_order.h"
#include "runtime/model.h"
#include "runtime/quit_question.h"

namespace nizam {

class Screen;
using ControlId = int;

class Course {
public:
    virtual ~Course() = default;

    // Input. Positions are in twips of the current screen's client area.
    virtual void pointerMove(Twips x, Twips y) = 0;
    virtual void pointerPress(Twips x, Twips y) = 0;
    // The second press of a double-click (see Navigator for when it presses).
    virtual void pointerDoubleClick(Twips x, Twips y) = 0;
    // A press that the platform delivers to its own native control. Returns
    // false when the control must ignore it.
    virtual bool nativePress(bool completesDoubleClick) = 0;
    virtual void pointerRelease(Twips x, Twips y) = 0;
    virtual void pointerReleaseOutside() = 0;  // released outside the window
    // Escape during a drag: the drag ends where it is and nothing is dropped.
    virtual void cancelDrag() = 0;
    // The keys on the page (runtime/key_order.h), or on the quit question's
    // buttons while it is asked. Tab and Shift+Tab (Backtab) move the focus
    // forward and back over the controls a pupil acts on, or a label carried
    // by keys from drop target to drop target. Space and Enter tick a focused
    // check box, press a focused button (its Click, as a pointer click), pick
    // up a focused word label, or drop the label carried where it is held.
    virtual void keyTab() = 0;
    virtual void keyBacktab() = 0;
    virtual void keySpace() = 0;
    virtual void keyEnter() = 0;
    // Escape: answers the quit question "stay", puts a label carried by keys
    // back, or ends a pointer drag where it is, dropping nothing.
    virtual void keyEscape() = 0;
    // An arrow key: moves a label carried by keys to the nearest drop target
    // that way. Returns false when no label is carried (the key is then the
    // focused control's own: a text box moves its caret).
    virtual bool keyArrow(keys::Direction direction) = 0;
    // A native control changed by the user (the platform's own check box or text box).
    virtual void userSetValue(ControlId id, int value) = 0;
    virtual void userSetText(ControlId id, std::string text) = 0;
    virtual void userSetFocus(std::optional<ControlId> id) = 0;
    // The window was closed by the platform's own means: acts as Quit. The
    // window stays open while the course asks whether to quit.
    virtual void windowClosed() = 0;
    // Milliseconds have passed (see HostPlatform::wakeAfter): the loupe's rest.
    virtual void timePassed(int ms) = 0;

    // State.
    // The loaded screen, or nullptr between pages and after the end.
    virtual const Screen* current() const = 0;
    virtual bool ended() const = 0;
    // A drag is under way on the current screen.
    virtual bool dragging() const = 0;
    // The word label carried by keys, if any, and the drop target it is held over.
    virtual std::optional<ControlId> carried() const = 0;
    virtual std::optional<ControlId> heldOver() const = 0;
    // The question asked before quitting a page that holds the pupil's
    // answers, or nullptr when none is asked. While it is asked the page
    // under it takes no input.
    virtual const QuitQuestion* quitQuestion() const = 0;
    // The word label of the current screen whose loupe is shown, if any.
    virtual std::optional<ControlId> loupe() const = 0;

    // What the window's title bar shows for a screen: the program's name and
    // the page's own title, never the screen's inner name.
    virtual std::string windowTitle(std::string_view screen) const = 0;
    // The designs of the screens that the buttons of `screen` lead to.
    virtual std::vector<const ScreenDef*> pagesLedTo(std::string_view screen) const = 0;
};

}  // namespace nizam
