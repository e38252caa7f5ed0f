// SPDX-License-Identifier: GPL-3.0-or-later
// The event logic of a screen: handlers bound by control name, as a page's
// code is written (Image1_Click receives the index of the array element), each
// naming the elements of the array it serves so that every binding can be
// checked against the screen's design.
#pragma once

#include <functional>
#include <initializer_list>
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

// The elements of a control a binding addresses: a control outside any
// array, some indices of an array, or the whole control (every element of an
// array, as a drop-target array's DragDrop serves them all, or the control
// alone where it is not an array).
class Elements {
public:
    // The whole control, whatever elements it has.
    static Elements whole() { return Elements(Kind::Whole); }
    // A control outside any array (its events come with kNoIndex).
    static Elements single() { return Elements(Kind::Single); }
    // The elements first..last of an array; none when last < first.
    static Elements range(Index first, Index last);
    // One element, or a list of them: onClick("Image1", {1, 2, 4}, ...).
    Elements(Index index) : indices_{index} {}
    Elements(std::initializer_list<Index> indices) : indices_(indices) {}

    bool isWhole() const { return kind_ == Kind::Whole; }
    bool isSingle() const { return kind_ == Kind::Single; }
    // The indices named; empty for a whole or single control.
    const std::vector<Index>& indices() const { return indices_; }
    // Whether an event from element `index` (kNoIndex outside an array) is served.
    bool serves(Index index) const;

private:
    enum class Kind { Whole, Single, Indices };
    explicit Elements(Kind kind) : kind_(kind) {}
    Kind kind_ = Kind::Indices;
    std::vector<Index> indices_;
};

// How far around a drop target a released label still drops onto it, at the
// least: the target's own rectangle grown by 12 design pixels on every side.
constexpr Twips kCatchMargin = 12 * kTwipsPerPixel;

// One control a screen's logic addresses, as recorded when it is bound.
struct Address {
    std::string_view event;  // "Click", "MouseMove", "DragDrop", "Catch" for a drop target's
                             // catch area, or "Uses" for a control shown or hidden
    std::string control;
    Elements elements;
};

class ScreenLogic {
public:
    using LoadHandler = std::function<void(Ctx&)>;
    using EventHandler = std::function<void(Ctx&, Index)>;
    using DropHandler = std::function<void(Ctx&, Index, ControlId source)>;

    // Load handlers run in the order they were added.
    void onLoad(LoadHandler h);

    // Handlers of a control's events, for the elements they serve: a handler
    // is called only for an event from one of its elements. Handlers of one
    // control run in the order they were added.
    //   logic.onClick("Image1", {1, 2, 4, 6}, [](Ctx& ctx, Index i) { ... });
    //   logic.onClick("Image1", 4, [](Ctx& ctx, Index) { ... });
    void onMouseMove(std::string control, Elements elements, EventHandler h);
    void onClick(std::string control, Elements elements, EventHandler h);
    void onDragDrop(std::string control, Elements elements, DropHandler h);
    // The same for the whole control: a single control, or every element of
    // an array (the drag labels, the drop targets).
    void onMouseMove(std::string control, EventHandler h);
    void onClick(std::string control, EventHandler h);
    void onDragDrop(std::string control, DropHandler h);

    // Records a control that a behaviour shows, hides or reads without
    // handling its events (a hot-spot's highlight, a verdict figure), so that
    // it is checked against the screen's design like the bound ones.
    void uses(std::string control, Elements elements);
    void uses(const ControlName& control);

    // Drop targets. A control whose DragDrop is bound takes drops; a label
    // released within its catch area drops onto it (see PointerRouter). The
    // catch area is the target's rectangle grown by kCatchMargin, together
    // with the area declared here for it: the slot or cell drawn around it,
    // in twips of the client area.
    void catchArea(std::string control, Index index, Rect area);
    bool takesDrops(std::string_view control, Index index) const;
    // The area declared for the element, if any.
    const Rect* declaredCatchArea(std::string_view control, Index index) const;

    // Whether a Click handler serves the element: a button the keys press.
    bool takesClicks(std::string_view control, Index index) const;

    void raiseLoad(Ctx& ctx) const;
    // Each returns false when no handler of the control serves that element.
    bool raiseMouseMove(Ctx& ctx, std::string_view control, Index index) const;
    bool raiseClick(Ctx& ctx, std::string_view control, Index index) const;
    bool raiseDragDrop(Ctx& ctx, std::string_view control, Index index, ControlId source) const;

    // Every control and element the bindings address, in the order bound.
    const std::vector<Address>& addresses() const { return addresses_; }
    // The addresses the design lacks, written "Click Image1(7)" or
    // "Uses Image20": a whole control that no control of the design is named
    // after, a single control the design has only as an array, or an element
    // of an array it does not have. The screen's own name (Form) is always there.
    std::vector<std::string> missingIn(const ScreenDef& def) const;

private:
    template <class H>
    struct Served {
        Elements elements;
        H handler;
    };
    template <class H>
    struct Binding {
        std::string control;
        std::vector<Served<H>> handlers;
    };
    template <class H>
    void add(std::vector<Binding<H>>& list, std::string_view event, std::string control, Elements elements, H h);
    template <class H>
    static const Binding<H>* lookup(const std::vector<Binding<H>>& list, std::string_view control);
    template <class H, class... Args>
    static bool raise(const std::vector<Binding<H>>& list, std::string_view control, Index index, Ctx& ctx,
                      Args... args);

    std::vector<LoadHandler> load_;
    std::vector<Binding<EventHandler>> moves_;
    std::vector<Binding<EventHandler>> clicks_;
    std::vector<Binding<DropHandler>> drops_;
    struct Catch {
        std::string control;
        Index index;
        Rect area;
    };
    std::vector<Catch> catches_;
    std::vector<Address> addresses_;
};

}  // namespace nizam
