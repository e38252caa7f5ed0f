// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/navigator.h"

#include "app/navigation.h"
#include "app/page_titles.h"
#include <stdexcept>
#include <utility>

#include "runtime/diagnostics.h"

namespace nizam {

struct Navigator::Entry {
    RegistryEntry reg;
    std::unique_ptr<ScreenLogic> logic;  // bound on first use; handlers keep no state
};

Navigator::Navigator(HostPlatform& host, std::vector<RegistryEntry> registry)
    : host_(host), registry_(std::move(registry)) {
    for (const auto& r : registry_) {
        if (!r.module) throw std::invalid_argument("screen " + r.name + " has no module");
        if (entry(r.name)) throw std::invalid_argument("screen " + r.name + " is registered twice");
        entries_.push_back(std::make_unique<Entry>(Entry{r, nullptr}));
    }
}

Navigator::~Navigator() {
    if (current_) {
        current_->screen->releasePlayers();
        host_.destroyWindow(*current_->screen);
    }
}

namespace {
// A Go to that names no screen is a mistake in a page's code: said once.
void tellNoScreen(std::string_view name) {
    diagnostics::tellOnce({}, "there is no screen named " + std::string(name));
}
}  // namespace

Navigator::Entry* Navigator::entry(std::string_view name) {
    for (auto& e : entries_) {
        if (e->reg.name == name) return e.get();
    }
    return nullptr;
}

template <class F>
void Navigator::handle(F&& f) {
    if (ended_) return;
    ++depth_;
    f();
    --depth_;
    if (depth_ > 0) return;
    retired_.clear();
    if (!started_) return;  // nothing has been shown yet: the application has not begun
    if (!current_) {
        ended_ = true;
        host_.endApplication();
        return;
    }
    updatePointerShape();
    updateLoupe();
}

void Navigator::updateLoupe() {
    Screen& screen = *current_->screen;
    std::optional<ControlId> under;
    // No loupe while a button is held, nor over the quit question: the page
    // under it takes no pointer.
    if (!current_->router.pressed() && !question_) {
        const auto hit = screen.hitTest(lastX_, lastY_);
        if (hit && isWordLabel(screen, *hit)) under = hit;
    }
    if (const auto wait = loupe_.over(under)) host_.wakeAfter(*wait);
    const auto shown = loupe_.shown();
    if (shown == loupeTold_) return;
    loupeTold_ = shown;
    host_.loupeChanged(screen, shown);
}

void Navigator::updatePointerShape() {
    std::string shape;
    if (question_)
        shape.clear();  // the arrow over the question: the page under it takes no pointer
    else if (current_ && !current_->router.dragging())
        shape = PointerRouter::pointerShapeAt(*current_->screen, lastX_, lastY_);
    else if (current_)
        shape = pointerShape_;
    if (shape != pointerShape_) {
        pointerShape_ = shape;
        host_.setPointerShape(pointerShape_);
    }
}

void Navigator::start() {
    started_ = true;
    ended_ = false;
    handle([&] { show("Form2"); });
}

void Navigator::open(std::string_view name) {
    started_ = true;
    ended_ = false;
    handle([&] { goTo(name); });
}

void Navigator::show(std::string_view name) {
    if (current_ && current_->screen->name() == name) {
        host_.showWindow(*current_->screen);
        return;
    }
    Entry* e = entry(name);
    if (!e) {
        tellNoScreen(name);
        return;
    }
    if (current_) unload();  // never two screens loaded at once
    if (!e->logic) {
        e->logic = std::make_unique<ScreenLogic>();
        attachPage(*e->reg.module, *e->logic);
        // A binding to a control the design lacks is a mistake in the page's code.
        for (const std::string& missing : e->logic->missingIn(e->reg.module->def))
            diagnostics::tellOnce({}, e->reg.name + ": the binding " + missing + " names a control its design does not have");
    }
    auto loaded = std::make_unique<Loaded>();
    loaded->screen = std::make_unique<Screen>(e->reg.module->def, host_);
    loaded->logic = e->logic.get();
    Screen& screen = *loaded->screen;
    current_ = std::move(loaded);
    shownInstance_ = ++loads_;
    host_.createWindow(screen);
    for (ControlId id = 0; id < screen.controlCount(); ++id) {
        if (screen.control(id).kind == Kind::Player) screen.attachPlayer(id, host_.createPlayer(screen, id));
    }
    screen.focusFirst();
    Ctx ctx{screen, *this};
    current_->logic->raiseLoad(ctx);
    // Load may have navigated away; show only the screen that is still current.
    if (current_ && current_->screen.get() == &screen) {
        // What Load set up is the page as it opens: no answer of the pupil's.
        screen.rememberLoadedAnswers();
        host_.showWindow(screen);
    }
}

void Navigator::unload() {
    if (!current_) return;
    if (question_) {
        question_.reset();
        host_.quitQuestionChanged(*current_->screen);
    }
    loupe_.hide();
    if (loupeTold_) {
        loupeTold_.reset();
        host_.loupeChanged(*current_->screen, std::nullopt);
    }
    current_->screen->releasePlayers();
    host_.destroyWindow(*current_->screen);
    // Kept until the running event ends: the handler that asked for this may
    // still use its screen. Every unload runs inside an event.
    retired_.push_back(std::move(current_));
}

void Navigator::quit() {
    if (depth_ == 0) {
        windowClosed();  // asked outside any event: runs as one
        return;
    }
    if (question_) return;  // already asked: only its buttons answer
    if (current_ && current_->screen->holdsAnswers()) {
        ask();
        return;
    }
    unload();
}

void Navigator::ask() {
    Screen& screen = *current_->screen;
    question_ = QuitQuestion{};
    pointerShape_.clear();
    host_.setPointerShape(pointerShape_);
    host_.quitQuestionChanged(screen);
}

void Navigator::answer(QuitButton button) {
    if (!question_ || !current_) return;
    if (button == QuitButton::Leave) {
        unload();  // takes the question away with the page
        return;
    }
    question_.reset();
    host_.quitQuestionChanged(*current_->screen);
}

void Navigator::goTo(std::string_view screen) {
    if (depth_ == 0) {
        open(screen);  // asked outside any event: runs as one
        return;
    }
    if (!entry(screen)) {
        // A name outside the registry: the current screen stays as it is.
        tellNoScreen(screen);
        return;
    }
    unload();
    show(screen);
}

void Navigator::startProgram(const std::string& fileName) {
    host_.startProgram(applicationFile(fileName), kMaximizedFocus);
}

std::string Navigator::applicationFile(const std::string& fileName) const {
    std::string folder = host_.applicationFolder();
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder + fileName;
}

template <class F>
void Navigator::route(Twips x, Twips y, F&& f) {
    lastX_ = x;
    lastY_ = y;
    handle([&] {
        if (!current_) return;
        Ctx ctx{*current_->screen, *this};
        current_->router.observe(&deliveries_);
        f(current_->router, ctx, *current_->logic);
    });
}

void Navigator::pointerMove(Twips x, Twips y) {
    if (question_) {
        lastX_ = x;
        lastY_ = y;
        return;
    }
    route(x, y, [&](PointerRouter& r, Ctx& ctx, const ScreenLogic& logic) { r.move(ctx, logic, x, y); });
}

void Navigator::pointerPress(Twips x, Twips y) {
    nativePress(false);
    if (question_) {
        lastX_ = x;
        lastY_ = y;
        const ScreenDef& def = current_->screen->def();
        const auto pressed = QuitQuestion::buttonAt(x, y, def.clientWidth, def.clientHeight);
        if (pressed != question_->pressed) {
            question_->pressed = pressed;
            host_.quitQuestionChanged(*current_->screen);  // drawn pressed
        }
        return;
    }
    route(x, y, [&](PointerRouter& r, Ctx& ctx, const ScreenLogic& logic) { r.press(ctx, logic, x, y); });
}

void Navigator::pointerDoubleClick(Twips x, Twips y) {
    if (question_) {
        pointerPress(x, y);
        return;
    }
    if (!nativePress(true)) {
        lastX_ = x;
        lastY_ = y;
        return;
    }
    route(x, y, [&](PointerRouter& r, Ctx& ctx, const ScreenLogic& logic) { r.press(ctx, logic, x, y); });
}

bool Navigator::nativePress(bool completesDoubleClick) {
    const long instance = current_ ? shownInstance_ : -1;
    const bool sameScreen = lastPressInstance_ == instance;
    lastPressInstance_ = instance;
    if (question_) return false;  // the page's controls take nothing under the question
    return !completesDoubleClick || sameScreen;
}

void Navigator::pointerRelease(Twips x, Twips y) {
    if (question_) {
        lastX_ = x;
        lastY_ = y;
        const ScreenDef& def = current_->screen->def();
        const auto pressed = std::exchange(question_->pressed, std::nullopt);
        // A button is pressed by a press and a release both on it.
        if (pressed && pressed == QuitQuestion::buttonAt(x, y, def.clientWidth, def.clientHeight))
            handle([&] { answer(*pressed); });
        else if (pressed)
            host_.quitQuestionChanged(*current_->screen);  // drawn up again
        return;
    }
    route(x, y, [&](PointerRouter& r, Ctx& ctx, const ScreenLogic& logic) { r.release(ctx, logic, x, y, true); });
}

void Navigator::pointerReleaseOutside() {
    if (question_) {
        if (std::exchange(question_->pressed, std::nullopt)) host_.quitQuestionChanged(*current_->screen);
        return;
    }
    route(-1, -1, [](PointerRouter& r, Ctx& ctx, const ScreenLogic& logic) { r.release(ctx, logic, -1, -1, false); });
}

void Navigator::cancelDrag() {
    if (!dragging()) return;
    if (carried()) {
        handle([&] { dropCarried(std::nullopt); });
        return;
    }
    const Twips x = lastX_, y = lastY_;
    route(x, y, [](PointerRouter& r, Ctx& ctx, const ScreenLogic& logic) { r.release(ctx, logic, -1, -1, false); });
}

std::vector<ControlId> Navigator::keyOrder() const {
    if (!current_) return {};
    return keys::order(*current_->screen, *current_->logic, current_->router.carried().has_value());
}

std::optional<ControlId> Navigator::dropTargetAt(Twips x, Twips y) const {
    if (!current_) return std::nullopt;
    return PointerRouter::dropTargetAt(*current_->screen, *current_->logic, x, y);
}

void Navigator::moveKeyFocus(std::optional<ControlId> to) {
    Screen& screen = *current_->screen;
    const auto from = screen.focus();
    if (from == to) return;
    Ctx ctx{screen, *this};
    current_->router.observe(&deliveries_);
    // As the pointer leaving a drawn control crosses the bare screen: the
    // hover highlights go, and what the page shows while hovered.
    if (from && !keys::isNative(screen, *from)) current_->router.hover(ctx, *current_->logic, std::nullopt);
    if (!stillOn(screen)) return;
    screen.setFocus(to);
    if (to && !keys::isNative(screen, *to) && screen.focus() == to)
        current_->router.hover(ctx, *current_->logic, to);
}

void Navigator::holdOver(ControlId target) {
    Screen& screen = *current_->screen;
    Ctx ctx{screen, *this};
    current_->router.holdOver(ctx, target);
    screen.setFocus(target);
}

void Navigator::dropCarried(std::optional<ControlId> target) {
    if (!current_ || !current_->router.carried()) return;
    Screen& screen = *current_->screen;
    const ControlId source = *current_->router.carried();
    Ctx ctx{screen, *this};
    current_->router.observe(&deliveries_);
    current_->router.dropHeld(ctx, *current_->logic, target);
    if (!stillOn(screen)) return;  // the drop led to another page
    // The focus goes back to the label, or, where the drop took it away, on
    // to what follows its place: the next label is a Tab away. The target
    // held over was never hovered: leaving it raises no MouseMove.
    screen.setFocus(std::nullopt);
    if (keys::reachable(screen, *current_->logic, source)) {
        moveKeyFocus(source);
    } else {
        const auto order = keys::order(screen, *current_->logic, false);
        moveKeyFocus(keys::step(screen, order, source, true));
    }
}

void Navigator::keyStep(bool forward) {
    handle([&] {
        if (!current_) return;
        if (question_) {
            // Two buttons: Tab goes from one to the other, either way round.
            question_->focus = question_->focus == QuitButton::Stay ? QuitButton::Leave : QuitButton::Stay;
            host_.quitQuestionChanged(*current_->screen);
            return;
        }
        Screen& screen = *current_->screen;
        const PointerRouter& router = current_->router;
        if (router.carried()) {
            const auto order = keys::order(screen, *current_->logic, true);
            const auto from = router.heldOver() ? router.heldOver() : router.carried();
            if (const auto to = keys::step(screen, order, from, forward)) holdOver(*to);
            return;
        }
        if (router.pressed()) return;  // the pointer's button is held: the keys wait
        // A control that leaving the focused one hides (what its hover
        // showed) is passed over for the next.
        auto from = screen.focus();
        for (int tries = 0; tries < screen.controlCount() && stillOn(screen); ++tries) {
            const auto to = keys::step(screen, keys::order(screen, *current_->logic, false), from, forward);
            if (!to || to == screen.focus()) return;
            moveKeyFocus(to);
            if (!stillOn(screen) || screen.focus() == to) return;
            from = to;
        }
    });
}

void Navigator::keyTab() { keyStep(true); }
void Navigator::keyBacktab() { keyStep(false); }

void Navigator::keyPress() {
    if (!current_) return;
    if (question_) {
        answer(question_->focus);
        return;
    }
    Screen& screen = *current_->screen;
    PointerRouter& router = current_->router;
    if (router.carried()) {
        dropCarried(router.heldOver());
        return;
    }
    const auto f = screen.focus();
    if (!f || router.pressed()) return;
    const ControlDef& c = screen.control(*f);
    Ctx ctx{screen, *this};
    router.observe(&deliveries_);
    if (c.kind == Kind::CheckBox) {
        screen.toggle(*f);
    } else if (c.kind == Kind::Image && c.dragMode == 1) {
        router.pickUp(ctx, *f);
        // Held over the first drop target at once: the outline shows where it would land.
        if (router.carried()) {
            if (const auto first = keys::step(screen, keys::order(screen, *current_->logic, true), std::nullopt, true))
                holdOver(*first);
        }
    } else if (c.kind != Kind::TextBox && keys::reachable(screen, *current_->logic, *f)) {
        router.click(ctx, *current_->logic, *f);  // a button: its Click, as a pointer click
    }
}

void Navigator::keySpace() {
    handle([&] { keyPress(); });
}

void Navigator::keyEnter() {
    handle([&] { keyPress(); });
}

void Navigator::keyEscape() {
    if (question_) {
        handle([&] { answer(QuitButton::Stay); });
        return;
    }
    cancelDrag();
}

bool Navigator::keyArrow(keys::Direction direction) {
    if (question_ || !carried()) return false;
    handle([&] {
        Screen& screen = *current_->screen;
        const PointerRouter& router = current_->router;
        const auto order = keys::order(screen, *current_->logic, true);
        const ControlId from = router.heldOver() ? *router.heldOver() : *router.carried();
        if (const auto to = keys::nearest(screen, order, from, direction)) holdOver(*to);
    });
    return true;
}

void Navigator::userSetValue(ControlId id, int value) {
    handle([&] {
        if (question_) return;
        if (current_ && id >= 0 && id < current_->screen->controlCount())
            current_->screen->setValue(id, value == 1 ? 1 : 0);
    });
}

void Navigator::userSetText(ControlId id, std::string text) {
    handle([&] {
        if (question_) return;
        if (current_ && id >= 0 && id < current_->screen->controlCount())
            current_->screen->setText(id, std::move(text));
    });
}

void Navigator::userSetFocus(std::optional<ControlId> id) {
    handle([&] {
        if (question_) return;
        if (current_) current_->screen->setFocus(id);
    });
}

void Navigator::timePassed(int ms) {
    handle([&] {
        if (!current_) return;
        if (const auto wait = loupe_.elapse(ms)) host_.wakeAfter(*wait);
    });
}

void Navigator::windowClosed() {
    cancelDrag();
    handle([&] { quit(); });
}

std::string Navigator::windowTitle(std::string_view screen) const { return nizam::windowTitle(screen); }

std::vector<const ScreenDef*> Navigator::pagesLedTo(std::string_view screen) const {
    std::vector<const ScreenDef*> out;
    for (const auto& target : navigationTargets(screen)) {
        for (const auto& e : registry_) {
            if (e.name == target) out.push_back(&e.module->def);
        }
    }
    return out;
}

}  // namespace nizam
