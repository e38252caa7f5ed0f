// The event logic of a screen: handlers bound by control name, as a page's
// code is written (Image1_Click receives the index of the array element).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/screen.h"

namespace nizam {

// What a handler may ask of the application besides its own screen.
class AppActions {
public:
    virtual ~AppActions() = default;
    virtual void quit() = 0;                                  // unload the current screen
    virtual void goTo(std::string_view screen) = 0;           // unload, then show the target
    virtual void startProgram(const std::string& fileName) = 0;  // from the application folder, maximised
    virtual std::string applicationFile(const std::string& fileName) const = 0;  // folder + "/" + name
};

// Passed to every handler. `screen` stays valid for the whole handler, even
// after a Go to has unloaded it: the Navigator keeps it alive until the
// handler returns.
struct Ctx {
    Screen& screen;
    AppActions& app;
};

// Index of the array element an event came from; -1 for a control that is not in an array.
using Index = int;
constexpr Index kNoIndex = -1;

// Name under which the handlers of the screen itself (its bare window surface) are bound.
constexpr std::string_view kFormName = "Form";

class ScreenLogic {
public:
    using LoadHandler = std::function<void(Ctx&)>;
    using EventHandler = std::function<void(Ctx&, Index)>;
    using DropHandler = std::function<void(Ctx&, Index, ControlId source)>;

    // Load handlers run in the order they were added.
    void onLoad(LoadHandler h);
    void onMouseMove(std::string control, EventHandler h);
    void onClick(std::string control, EventHandler h);
    void onDragDrop(std::string control, DropHandler h);

    void raiseLoad(Ctx& ctx) const;
    // Each returns false when the control has no handler for that event.
    bool raiseMouseMove(Ctx& ctx, std::string_view control, Index index) const;
    bool raiseClick(Ctx& ctx, std::string_view control, Index index) const;
    bool raiseDragDrop(Ctx& ctx, std::string_view control, Index index, ControlId source) const;

    // Names of every control that has a handler, for checking a screen's
    // bindings against its inventory.
    std::vector<std::string> boundControls() const;

private:
    template <class H>
    struct Binding {
        std::string control;
        std::vector<H> handlers;
    };
    template <class H>
    static void add(std::vector<Binding<H>>& list, std::string control, H h);
    template <class H>
    static const Binding<H>* lookup(const std::vector<Binding<H>>& list, std::string_view control);

    std::vector<LoadHandler> load_;
    std::vector<Binding<EventHandler>> moves_;
    std::vector<Binding<EventHandler>> clicks_;
    std::vector<Binding<DropHandler>> drops_;
};

}  // namespace nizam
