// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/screen.h"

#include <algorithm>

#include "runtime/diagnostics.h"

namespace nizam {

Screen::Screen(const ScreenDef& def, HostPlatform& host) : def_(def), host_(host) {
    states_.resize(def.controls.size());
    for (std::size_t i = 0; i < def.controls.size(); ++i) {
        const ControlDef& c = def.controls[i];
        ControlState& s = states_[i];
        s.visible = c.visible;
        s.mousePointer = c.mousePointer;
        s.width = c.rect.width;
        s.height = c.rect.height;
        s.value = c.value;
        // Each control gets its own picture object, even where two controls
        // show the same artwork: answers compare pictures by identity.
        if (c.picture) s.picture = PictureRef::load(assetKey(def, c, "Picture"), *c.picture);
    }
    rememberLoadedAnswers();
}

Screen::Screen(const Screen& shown, HostPlatform& host) : def_(shown.def_), host_(host), focus_(shown.focus_) {
    states_.resize(shown.states_.size());
    for (std::size_t i = 0; i < states_.size(); ++i) {
        const ControlState& from = shown.states_[i];
        ControlState& s = states_[i];
        s.visible = from.visible;
        s.mousePointer = from.mousePointer;
        s.picture = from.picture;
        s.width = from.width;
        s.height = from.height;
        s.value = from.value;
        s.text = from.text;
        s.movie = from.movie;
        s.hoverHighlight = from.hoverHighlight;
    }
}

Screen::~Screen() = default;

std::optional<ControlId> Screen::findQuiet(std::string_view name, std::optional<int> index) const {
    return def_.find(name, index);
}

std::optional<ControlId> Screen::find(std::string_view name, std::optional<int> index) const {
    auto id = def_.find(name, index);
    if (!id) {
        std::string shown(name);
        if (index) shown += "(" + std::to_string(*index) + ")";
        diagnostics::tellOnce({}, def_.name + " has no control " + shown);
    }
    return id;
}

Rect Screen::rect(ControlId id) const {
    const ControlDef& c = control(id);
    const ControlState& s = state(id);
    return Rect{c.rect.left, c.rect.top, s.width, s.height};
}

std::optional<ControlId> Screen::hitTest(Twips x, Twips y) const {
    if (!insideClient(x, y)) return std::nullopt;
    for (ControlId id = 0; id < controlCount(); ++id) {
        const ControlDef& c = control(id);
        if (!c.takesPointer() || !state(id).visible) continue;
        if (rect(id).contains(x, y)) return id;
    }
    return std::nullopt;
}

void Screen::setVisible(ControlId id, bool visible) {
    ControlState& s = states_[static_cast<std::size_t>(id)];
    if (s.visible == visible) return;
    s.visible = visible;
    if (s.player) s.player->setVisible(visible);
    if (!visible && focus_ == id) focus_.reset();
    changed(id);
}

void Screen::setMousePointer(ControlId id, int pointer) {
    ControlState& s = states_[static_cast<std::size_t>(id)];
    if (s.mousePointer == pointer) return;
    s.mousePointer = pointer;
    changed(id);
}

void Screen::setPicture(ControlId id, const PictureRef& picture) {
    const ControlDef& c = control(id);
    ControlState& s = states_[static_cast<std::size_t>(id)];
    s.picture = picture;
    if (c.kind == Kind::Image && !c.stretch && !picture.empty()) {
        s.width = picture->size.width * kTwipsPerPixel;
        s.height = picture->size.height * kTwipsPerPixel;
    }
    changed(id);
}

void Screen::setValue(ControlId id, int value) {
    ControlState& s = states_[static_cast<std::size_t>(id)];
    if (control(id).kind != Kind::CheckBox || s.value == value) return;
    s.value = value;
    changed(id);
}

void Screen::setText(ControlId id, std::string text) {
    ControlState& s = states_[static_cast<std::size_t>(id)];
    if (control(id).kind != Kind::TextBox || s.text == text) return;
    s.text = std::move(text);
    changed(id);
}

void Screen::show(std::string_view name, std::optional<int> index) {
    if (auto id = find(name, index)) setVisible(*id, true);
}
void Screen::hide(std::string_view name, std::optional<int> index) {
    if (auto id = find(name, index)) setVisible(*id, false);
}
bool Screen::visible(std::string_view name, std::optional<int> index) const {
    auto id = find(name, index);
    return id && state(*id).visible;
}
int Screen::value(std::string_view name, std::optional<int> index) const {
    auto id = find(name, index);
    return id ? state(*id).value : 0;
}
void Screen::clearValue(std::string_view name, std::optional<int> index) {
    if (auto id = find(name, index)) setValue(*id, 0);
}
const std::string& Screen::text(std::string_view name, std::optional<int> index) const {
    static const std::string kEmpty;
    auto id = find(name, index);
    return id ? state(*id).text : kEmpty;
}
void Screen::clearText(std::string_view name, std::optional<int> index) {
    if (auto id = find(name, index)) setText(*id, std::string());
}
PictureRef Screen::picture(std::string_view name, std::optional<int> index) const {
    auto id = find(name, index);
    return id ? state(*id).picture : PictureRef();
}
void Screen::setPicture(std::string_view name, std::optional<int> index, const PictureRef& picture) {
    if (auto id = find(name, index)) setPicture(*id, picture);
}
void Screen::setMousePointer(std::string_view name, std::optional<int> index, int pointer) {
    if (auto id = find(name, index)) setMousePointer(*id, pointer);
}

void Screen::playMovie(std::string_view player, const std::string& path) {
    auto id = find(player, std::nullopt);
    if (!id || control(*id).kind != Kind::Player) return;
    ControlState& s = states_[static_cast<std::size_t>(*id)];
    s.movie = path;
    if (s.player) {
        s.player->setMovie(path);
        s.player->rewind();
        s.player->play();
    }
    changed(*id);
}

void Screen::attachPlayer(ControlId id, std::unique_ptr<MoviePlayer> player) {
    ControlState& s = states_[static_cast<std::size_t>(id)];
    s.player = std::move(player);
    if (s.player) s.player->setVisible(s.visible);
}

void Screen::releasePlayers() {
    for (auto& s : states_) s.player.reset();
}

bool Screen::focusable(ControlId id) const {
    const ControlDef& c = control(id);
    return (c.kind == Kind::CheckBox || c.kind == Kind::TextBox) && state(id).visible &&
           rect(id).width > 0 && rect(id).height > 0;
}

bool Screen::canHoldFocus(ControlId id) const {
    return control(id).takesPointer() && state(id).visible && rect(id).width > 0 && rect(id).height > 0;
}

void Screen::setFocus(std::optional<ControlId> id) {
    if (id && (*id < 0 || *id >= controlCount() || !canHoldFocus(*id))) return;
    if (focus_ == id) return;
    auto old = focus_;
    focus_ = id;
    if (old) changed(*old);
    if (id) changed(*id);
}

namespace {
// Tab order: by TabIndex, then by position in the control list.
bool tabBefore(const Screen& s, ControlId a, ControlId b) {
    int ta = s.control(a).tabIndex.value_or(1 << 20);
    int tb = s.control(b).tabIndex.value_or(1 << 20);
    return ta != tb ? ta < tb : a < b;
}
}  // namespace

void Screen::focusFirst() {
    std::optional<ControlId> best;
    for (ControlId id = 0; id < controlCount(); ++id) {
        if (focusable(id) && (!best || tabBefore(*this, id, *best))) best = id;
    }
    setFocus(best);
}

void Screen::focusNext() {
    if (!focus_) {
        focusFirst();
        return;
    }
    std::optional<ControlId> next;
    for (ControlId id = 0; id < controlCount(); ++id) {
        if (!focusable(id) || !tabBefore(*this, *focus_, id)) continue;
        if (!next || tabBefore(*this, id, *next)) next = id;
    }
    if (next)
        setFocus(next);
    else
        focusFirst();  // wraps around
}

void Screen::toggle(ControlId id) {
    if (control(id).kind != Kind::CheckBox) return;
    ControlState& s = states_[static_cast<std::size_t>(id)];
    s.value = s.value == 1 ? 0 : 1;
    changed(id);
}

void Screen::rememberLoadedAnswers() {
    loaded_.clear();
    for (const ControlState& s : states_) loaded_.push_back({s.value, s.text, s.picture});
}

bool Screen::holdsAnswers() const {
    // The pictures a label can bring: those of the draggable images as loaded.
    auto isLabel = [&](const PictureRef& p) {
        if (p.empty()) return false;
        for (ControlId id = 0; id < controlCount(); ++id)
            if (control(id).kind == Kind::Image && control(id).dragMode == 1 &&
                loaded_[static_cast<std::size_t>(id)].picture == p)
                return true;
        return false;
    };
    for (ControlId id = 0; id < controlCount(); ++id) {
        const ControlState& now = state(id);
        const LoadedAnswer& was = loaded_[static_cast<std::size_t>(id)];
        switch (control(id).kind) {
            case Kind::CheckBox:
                if (now.value != was.value) return true;
                break;
            case Kind::TextBox:
                if (now.text != was.text) return true;
                break;
            case Kind::Image:
                // A label placed on a frame. A frame emptied again, by the
                // page's reset (its blank picture) or by a drag, holds nothing.
                if (now.picture != was.picture && isLabel(now.picture)) return true;
                break;
            default:
                break;
        }
    }
    return false;
}

}  // namespace nizam
