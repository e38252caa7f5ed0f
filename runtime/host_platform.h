// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the screen logic needs from the platform. Pointer and keyboard
// input travel the other way: the platform calls the course's input entry
// points (see runtime/course.h).
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "runtime/movie_player.h"
#include "runtime/model.h"

namespace nizam {

class Screen;
using ControlId = int;  // index of a control in its ScreenDef's list

// Window style for startProgram: maximised and given the focus.
constexpr int kMaximizedFocus = 3;

class HostPlatform {
public:
    virtual ~HostPlatform() = default;

    // 1. A window for a screen: client size, caption, icon, back colour.
    //    Created before the screen's Load runs, shown after it, destroyed at unloading.
    virtual void createWindow(Screen& screen) = 0;
    virtual void showWindow(Screen& screen) = 0;
    virtual void destroyWindow(Screen& screen) = 0;

    // 2. and 3. A run-time property of a control changed (visibility, picture,
    //    size, check box value, text box text, focus): redraw it and bring its
    //    native control up to date before the next event is processed.
    virtual void controlChanged(Screen& screen, ControlId id) = 0;

    // 5. Pointer shape: the arrow, or the icon stored under `iconKey`.
    virtual void setPointerShape(const std::string& iconKey) = 0;

    // 6. Drag feedback: an outline of the source's rectangle follows the pointer.
    virtual void dragStarted(Screen& screen, ControlId source) = 0;
    virtual void dragEnded() = 0;
    //    A label carried by keys is held over a drop target: the outline
    //    stands on that target, where the label would land.
    virtual void dragHeldOver(Screen& screen, ControlId target) {
        (void)screen;
        (void)target;
    }

    // 7. Start an external program, not waiting for it.
    virtual void startProgram(const std::string& path, int windowStyle) = 0;

    // 8. An animation player hosted in the control's rectangle.
    virtual std::unique_ptr<MoviePlayer> createPlayer(Screen& screen, ControlId id) = 0;

    // 10. The pupil asked to print the page as it is shown now: its answers,
    //     marks and verdicts, without the hover highlights. The platform
    //     offers its own print dialog; the page itself is never changed.
    virtual void printPage(const Screen& screen) = 0;

    // 9. The application has ended: no screen is loaded after a handler.
    virtual void endApplication() = 0;

    // 10. The quit question (Course::quitQuestion) was asked, taken away, or
    //     its keyboard focus moved: draw it over the page or remove it.
    virtual void quitQuestionChanged(Screen& screen) = 0;

    // The folder of the running program, where animations and the calculator lie.
    virtual std::string applicationFolder() const = 0;

    // 10. The loupe (runtime/loupe.h): the word label of the screen whose
    //     words the bubble shows, or none when it is hidden.
    virtual void loupeChanged(Screen& screen, std::optional<ControlId> label) {
        (void)screen;
        (void)label;
    }

    // 11. The course waits for time to pass: tell it, through
    //     Course::timePassed, once about `ms` milliseconds have passed, with
    //     the time really passed since this call. A later call replaces it.
    //     A host that does not tell it stops the course's clock (the tools
    //     drive it themselves).
    virtual void wakeAfter(int ms) { (void)ms; }
};

}  // namespace nizam
